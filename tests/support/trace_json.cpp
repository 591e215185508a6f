#include "tests/support/trace_json.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

namespace ham::testing {

TraceRecord ParseTraceLine(const std::string& line) {
  nlohmann::json j;
  try {
    j = nlohmann::json::parse(line);
  } catch (const nlohmann::json::parse_error& e) {
    throw std::runtime_error("trace line is not JSON (" + std::string(e.what()) + "): " + line);
  }
  if (!j.is_object()) throw std::runtime_error("trace line is not a JSON object: " + line);
  TraceRecord r;
  for (const auto& [key, value] : j.items())
    r[key] = value.is_string() ? value.get<std::string>() : value.dump();
  return r;
}

std::vector<TraceRecord> ParseTrace(const std::vector<std::string>& lines) {
  std::vector<TraceRecord> out;
  out.reserve(lines.size());
  for (const std::string& l : lines) out.push_back(ParseTraceLine(l));
  return out;
}

}  // namespace ham::testing
