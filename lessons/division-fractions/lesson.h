#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& DivisionFractionsLesson();

}  // namespace ham::lessons
