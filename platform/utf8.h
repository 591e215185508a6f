// UTF-8 helpers: strings are UTF-8 inside the program and counted in characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ham::utf8 {

// Byte length of the sequence that starts with lead byte c (1 for a stray byte).
inline std::size_t SeqLen(unsigned char c) {
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) return 2;
  if ((c & 0xF0) == 0xE0) return 3;
  if ((c & 0xF8) == 0xF0) return 4;
  return 1;
}

// Length of the well-formed UTF-8 sequence at `i` (no overlong forms, no
// surrogates, nothing above U+10FFFF); 0 when the bytes there are not one.
inline std::size_t ValidSeqLen(std::string_view s, std::size_t i) {
  auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = at(i);
  if (c < 0x80) return 1;
  std::size_t n = SeqLen(c);
  if (n == 1 || c == 0xC0 || c == 0xC1 || c > 0xF4 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((at(i + k) & 0xC0) != 0x80) return 0;
  unsigned char c1 = at(i + 1);
  if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 > 0x9F) || (c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 > 0x8F))
    return 0;
  return n;
}

// Byte offsets of each character start, plus the end.
inline std::vector<std::size_t> Offsets(std::string_view s) {
  std::vector<std::size_t> out;
  std::size_t i = 0;
  while (i < s.size()) {
    out.push_back(i);
    std::size_t n = SeqLen(static_cast<unsigned char>(s[i]));
    i = (i + n > s.size()) ? s.size() : i + n;
  }
  out.push_back(s.size());
  return out;
}

inline int Length(std::string_view s) { return static_cast<int>(Offsets(s).size()) - 1; }

inline std::vector<std::string> Split(std::string_view s) {
  auto o = Offsets(s);
  std::vector<std::string> out;
  for (std::size_t k = 0; k + 1 < o.size(); ++k) out.emplace_back(s.substr(o[k], o[k + 1] - o[k]));
  return out;
}

// Characters [start, start + count) with start 0-based; clamps.
inline std::string Sub(std::string_view s, int start, int count) {
  auto o = Offsets(s);
  int n = static_cast<int>(o.size()) - 1;
  if (start < 0) start = 0;
  if (start > n) start = n;
  if (count < 0) count = 0;
  int end = (count > n - start) ? n : start + count;
  return std::string(s.substr(o[static_cast<std::size_t>(start)],
                              o[static_cast<std::size_t>(end)] - o[static_cast<std::size_t>(start)]));
}

inline std::string Insert(std::string_view s, int at, std::string_view ins) {
  int n = Length(s);
  if (at < 0) at = 0;
  if (at > n) at = n;
  return Sub(s, 0, at) + std::string(ins) + Sub(s, at, n - at);
}

inline std::string Erase(std::string_view s, int at, int count) {
  int n = Length(s);
  return Sub(s, 0, at) + Sub(s, at + count, n - at - count);
}

// Code point of each character (U+FFFD for malformed bytes).
inline std::vector<char32_t> Decode(std::string_view s) {
  std::vector<char32_t> out;
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = SeqLen(c);
    if (i + n > s.size()) {
      out.push_back(0xFFFD);
      break;
    }
    char32_t cp;
    if (n == 1) {
      cp = c < 0x80 ? c : 0xFFFD;
    } else {
      cp = c & (0xFF >> (n + 1));
      for (std::size_t k = 1; k < n; ++k) {
        unsigned char cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80) {
          cp = 0xFFFD;
          break;
        }
        cp = (cp << 6) | (cc & 0x3F);
      }
    }
    out.push_back(cp);
    i += n;
  }
  return out;
}

inline void Append(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace ham::utf8
