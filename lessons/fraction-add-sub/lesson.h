// The fraction add-sub lesson: "通分と分数のたし算ひき算".
#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& FractionAddSubLesson();

}  // namespace ham::lessons
