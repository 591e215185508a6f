// The fraction reduction lesson: "約分のしかた".
#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& FractionReductionLesson();

}  // namespace ham::lessons
