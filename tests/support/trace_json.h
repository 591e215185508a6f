// Reads the flat JSON objects of the trace, for tests.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace ham::testing {

// One trace line: every field's value as text (strings unescaped, numbers
// and arrays as compact JSON).
using TraceRecord = std::map<std::string, std::string>;

// Throws std::runtime_error, naming the line, when it is not a JSON object.
TraceRecord ParseTraceLine(const std::string& line);
std::vector<TraceRecord> ParseTrace(const std::vector<std::string>& lines);

}  // namespace ham::testing
