// Every lesson of the courseware by its directory name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "frame/lesson.h"

namespace ham::lessons {

struct LessonEntry {
  std::string name;  // "divisors"
  const frame::Lesson& (*lesson)();
};

const std::vector<LessonEntry>& AllLessons();
const frame::Lesson* FindLesson(std::string_view name);

}  // namespace ham::lessons
