// What the tests over every lesson share.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "lessons/registry.h"
#include "tests/lessons/harness.h"

namespace ham::testing {

inline std::vector<std::string> LessonNames() {
  std::vector<std::string> names;
  for (const lessons::LessonEntry& e : lessons::AllLessons()) names.push_back(e.name);
  return names;
}

// A walk through practice page `page` from problem 1: the script lines
// `per_problem` for each of its `problems`.
inline std::string PracticeWalk(int page, std::size_t problems, const std::string& per_problem) {
  std::string script = Page(page) + Choose(1);
  for (std::size_t n = 0; n < problems; ++n) script += per_problem;
  return script;
}

// The trace of a run from line `mark` on.
inline std::vector<TraceRecord> TraceSince(Runtime& rt, std::size_t mark) {
  const std::vector<std::string>& lines = rt.trace().lines();
  return ParseTrace({lines.begin() + static_cast<std::ptrdiff_t>(std::min(mark, lines.size())), lines.end()});
}

// A test name of a lesson's name: "polygon_area".
struct LessonTestName {
  template <class Info>
  std::string operator()(const Info& info) const {
    std::string n = info.param;
    std::replace(n.begin(), n.end(), '-', '_');
    return n;
  }
};

}  // namespace ham::testing
