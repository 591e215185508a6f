#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& AveragePerUnitLesson();

}  // namespace ham::lessons
