// String functions (counted in characters) and the BASIC number texts.
//
// Number texts: STR$ puts a blank before a number that is not negative and
// "-" before a negative one. Singles show at most 7 significant digits,
// doubles at most 15, without trailing zeros, without a zero before the point
// (" .5", "-.25") and without a point for whole numbers (" 3"). A number is
// written in this plain form when it needs no more digits than that (so
// 1234567 and .0000001 stay plain); otherwise in exponent form with a signed
// exponent of at least two digits: " 1E+07", " 1.234568E+07", " 1E-08"; the
// exponent letter is E for singles and D for doubles (" 1D+15"). NaN reads
// " NaN", infinities " Inf" and "-Inf". A print statement writes a number as
// its STR$ text followed by one blank.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/api.h"
#include "platform/utf8.h"

namespace ham {

int RtLen(std::string_view s) { return utf8::Length(s); }

std::string RtLeft(std::string_view s, int n) { return utf8::Sub(s, 0, n); }

std::string RtRight(std::string_view s, int n) {
  int len = utf8::Length(s);
  if (n < 0) n = 0;
  if (n > len) n = len;
  return utf8::Sub(s, len - n, n);
}

// start is 1-based (a start below 1 counts as 1); a negative n runs to the end.
std::string RtMid(std::string_view s, int start, int n) {
  int len = utf8::Length(s);
  if (start < 1) start = 1;
  if (n < 0) n = len;
  return utf8::Sub(s, start - 1, n);
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double RtVal(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  std::string int_digits, frac_digits;
  while (i < s.size() && IsDigit(s[i])) int_digits += s[i++];
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) frac_digits += s[i++];
  }
  if (int_digits.empty() && frac_digits.empty()) return 0;

  long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    bool exp_negative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp_negative = s[j++] == '-';
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) {
        if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
        ++j;
      }
      if (exp_negative) exponent = -exponent;
    }
  }

  std::string text = (int_digits.empty() ? "0" : int_digits) + "." + frac_digits + "e" +
                     std::to_string(exponent);
  double value = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    // Decimal magnitude decides between overflow and underflow.
    std::size_t lead = int_digits.find_first_not_of('0');
    long magnitude;
    if (lead != std::string::npos) {
      magnitude = static_cast<long>(int_digits.size() - lead);
    } else {
      std::size_t f = frac_digits.find_first_not_of('0');
      if (f == std::string::npos) return 0;
      magnitude = -static_cast<long>(f);
    }
    value = magnitude + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
  } else if (ec != std::errc()) {
    return 0;
  }
  if (value == 0) return 0;
  return negative ? -value : value;
}

std::int16_t RtCInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 32767) return 32767;
  if (v <= -32768) return -32768;
  double f = std::floor(v);
  double diff = v - f;
  double r;
  if (diff > 0.5) {
    r = f + 1;
  } else if (diff < 0.5) {
    r = f;
  } else {
    r = std::fmod(f, 2.0) == 0 ? f : f + 1;
  }
  return static_cast<std::int16_t>(r);
}

namespace {

// The STR$ text of v with at most `digits` significant digits.
std::string BasicNumber(double v, int digits, char exp_letter) {
  if (std::isnan(v)) return " NaN";
  if (std::isinf(v)) return v < 0 ? "-Inf" : " Inf";
  std::string out = v < 0 ? "-" : " ";
  if (v == 0) return " 0";
  double a = std::fabs(v);

  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, digits - 1);
  std::string sci(buf, res.ptr);  // d.ddddde[+-]xx
  std::size_t epos = sci.find('e');
  std::string mant;
  for (std::size_t k = 0; k < epos; ++k)
    if (sci[k] != '.') mant += sci[k];
  int exp10 = std::atoi(sci.c_str() + epos + 1);
  while (mant.size() > 1 && mant.back() == '0') mant.pop_back();

  int k = static_cast<int>(mant.size());
  int point = exp10 + 1;  // digits before the point
  int needed = point > 0 ? (point > k ? point : k) : k - point;
  if (needed <= digits) {
    if (point >= k) {
      out += mant + std::string(static_cast<std::size_t>(point - k), '0');
    } else if (point > 0) {
      out += mant.substr(0, static_cast<std::size_t>(point)) + "." +
             mant.substr(static_cast<std::size_t>(point));
    } else {
      out += "." + std::string(static_cast<std::size_t>(-point), '0') + mant;
    }
    return out;
  }
  out += mant.substr(0, 1);
  if (k > 1) out += "." + mant.substr(1);
  out += exp_letter;
  out += exp10 < 0 ? '-' : '+';
  int e = exp10 < 0 ? -exp10 : exp10;
  if (e < 10) out += '0';
  out += std::to_string(e);
  return out;
}

}  // namespace

std::string RtStrFromSingle(float v) { return BasicNumber(static_cast<double>(v), 7, 'E'); }

std::string RtStrFromFloat(double v) { return BasicNumber(v, 15, 'D'); }

std::string RtPrintFormSingle(float v) { return RtStrFromSingle(v) + " "; }

std::string RtPrintFormInteger(std::int32_t v) {
  return (v < 0 ? "" : " ") + std::to_string(v) + " ";
}

}  // namespace ham
