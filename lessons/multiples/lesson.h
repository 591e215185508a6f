#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

// "倍数と公倍数": multiples and common multiples, on the frame's own bars
// FORM7 (one box), FORM9 (hours and minutes) and FORM10 (three boxes).
const frame::Lesson& MultiplesLesson();

}  // namespace ham::lessons
