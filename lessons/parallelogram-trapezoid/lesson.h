// The parallelogram and trapezoid lesson: "平行四辺形と台形の面積".
#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& ParallelogramTrapezoidLesson();

}  // namespace ham::lessons
