#pragma once

#include "frame/lesson.h"
#include "lessons/polygon-area/navigation.h"

namespace ham::lessons {

const frame::Lesson& PolygonAreaLesson();

}  // namespace ham::lessons
