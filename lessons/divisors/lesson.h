#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& DivisorsLesson();

}  // namespace ham::lessons
