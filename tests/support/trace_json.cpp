#include "tests/support/trace_json.h"

#include "platform/utf8.h"

namespace ham::testing {

namespace {
std::string ReadString(const std::string& s, std::size_t& i) {
  std::string out;
  ++i;  // opening quote
  while (i < s.size() && s[i] != '"') {
    if (s[i] == '\\' && i + 1 < s.size()) {
      char e = s[++i];
      switch (e) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned cp = static_cast<unsigned>(std::stoul(s.substr(i + 1, 4), nullptr, 16));
          utf8::Append(out, cp);
          i += 4;
          break;
        }
        default: out += e;
      }
    } else {
      out += s[i];
    }
    ++i;
  }
  ++i;  // closing quote
  return out;
}
}  // namespace

TraceRecord ParseTraceLine(const std::string& s) {
  TraceRecord r;
  std::size_t i = 1;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ',' || s[i] == ' ')) ++i;
    if (i >= s.size() || s[i] != '"') break;
    std::string key = ReadString(s, i);
    ++i;  // colon
    if (s[i] == '"') {
      r[key] = ReadString(s, i);
    } else {
      std::size_t start = i;
      int depth = 0;
      while (i < s.size() && (depth > 0 || (s[i] != ',' && s[i] != '}'))) {
        if (s[i] == '[') ++depth;
        if (s[i] == ']') --depth;
        ++i;
      }
      r[key] = s.substr(start, i - start);
    }
  }
  return r;
}

std::vector<TraceRecord> ParseTrace(const std::vector<std::string>& lines) {
  std::vector<TraceRecord> out;
  for (const std::string& l : lines) out.push_back(ParseTraceLine(l));
  return out;
}

}  // namespace ham::testing
