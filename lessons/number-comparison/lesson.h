#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& NumberComparisonLesson();

}  // namespace ham::lessons
