// Items of an input statement, read from a sequential file's whole text:
// items are separated by commas, blanks and line ends.
#include <string>
#include <string_view>

#include "platform/api.h"
#include "platform/internal.h"

namespace ham::detail {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

void SkipSpace(std::string_view d, std::size_t& pos) {
  while (pos < d.size() && (IsBlank(d[pos]) || IsLineEnd(d[pos]))) ++pos;
}

// After an item: blanks, then one comma or one line end.
void EndItem(std::string_view d, std::size_t& pos) {
  while (pos < d.size() && IsBlank(d[pos])) ++pos;
  if (pos >= d.size()) return;
  if (d[pos] == ',') {
    ++pos;
  } else if (d[pos] == '\r') {
    ++pos;
    if (pos < d.size() && d[pos] == '\n') ++pos;
  } else if (d[pos] == '\n') {
    ++pos;
  }
}

}  // namespace

std::string ReadStringItem(std::string_view d, std::size_t& pos) {
  if (pos > d.size()) pos = d.size();
  SkipSpace(d, pos);
  std::string s;
  if (pos < d.size() && d[pos] == '"') {
    std::size_t start = ++pos;
    while (pos < d.size() && d[pos] != '"' && !IsLineEnd(d[pos])) ++pos;
    s = d.substr(start, pos - start);
    // Anything between the closing quote and the separator is dropped.
    while (pos < d.size() && d[pos] != ',' && !IsLineEnd(d[pos])) ++pos;
  } else {
    std::size_t start = pos;
    while (pos < d.size() && d[pos] != ',' && !IsLineEnd(d[pos])) ++pos;
    s = d.substr(start, pos - start);
    while (!s.empty() && IsBlank(s.back())) s.pop_back();
  }
  EndItem(d, pos);
  return s;
}

double ReadNumberItem(std::string_view d, std::size_t& pos) {
  if (pos > d.size()) pos = d.size();
  SkipSpace(d, pos);
  std::size_t start = pos;
  while (pos < d.size() && !IsBlank(d[pos]) && d[pos] != ',' && !IsLineEnd(d[pos])) ++pos;
  double v = RtVal(d.substr(start, pos - start));
  EndItem(d, pos);
  return v;
}

}  // namespace ham::detail
