#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& PolygonAreaLesson();

}  // namespace ham::lessons
