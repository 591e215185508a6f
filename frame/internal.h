// What the frame's own sources share; not for lessons.
#pragma once

#include <cmath>
#include <string>

namespace ham::frame {

// The host program started at the exit, found beside the lesson's folder.
inline constexpr const char* kHostProgram = "ﾎﾟｺﾄﾁｬﾋﾟ1.exe";

inline std::string Num(int n) { return std::to_string(n); }

inline bool IsWhole(float v) { return std::isfinite(v) && std::floor(v) == v; }

}  // namespace ham::frame
