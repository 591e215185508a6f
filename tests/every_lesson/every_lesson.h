// What the tests over every lesson share.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "lessons/registry.h"

namespace ham::testing {

inline std::vector<std::string> LessonNames() {
  std::vector<std::string> names;
  for (const lessons::LessonEntry& e : lessons::AllLessons()) names.push_back(e.name);
  return names;
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
