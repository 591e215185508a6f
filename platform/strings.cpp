// TODO(text): stub
#include "platform/api.h"

namespace ham {
int RtLen(std::string_view s) { return static_cast<int>(s.size()); }
std::string RtLeft(std::string_view s, int n) { return std::string(s.substr(0, static_cast<std::size_t>(n < 0 ? 0 : n))); }
std::string RtRight(std::string_view s, int n) {
  std::size_t k = static_cast<std::size_t>(n < 0 ? 0 : n);
  return std::string(k >= s.size() ? s : s.substr(s.size() - k));
}
std::string RtMid(std::string_view s, int, int) { return std::string(s); }
double RtVal(std::string_view) { return 0; }
std::string RtStrFromSingle(float v) { return " " + std::to_string(static_cast<int>(v)); }
std::string RtStrFromFloat(double v) { return " " + std::to_string(static_cast<int>(v)); }
std::string RtPrintFormSingle(float v) { return RtStrFromSingle(v) + " "; }
std::string RtPrintFormInteger(std::int32_t v) { return " " + std::to_string(v) + " "; }
std::int16_t RtCInt(double v) { return static_cast<std::int16_t>(v); }
}  // namespace ham
