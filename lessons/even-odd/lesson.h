// The even-odd lesson: "整数の分類".
#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& EvenOddLesson();

}  // namespace ham::lessons
