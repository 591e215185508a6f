#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& RhombusTriangleLesson();

}  // namespace ham::lessons
