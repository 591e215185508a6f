// The divisors lesson: "約数と公約数".
#pragma once

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& DivisorsLesson();

}  // namespace ham::lessons

namespace ham::lessons::divisors {

// The lesson as the frame runs it; DivisorsLesson() holds it.
frame::Lesson Build();

frame::ExplanationPage Page1();  // "約数 1"
frame::ExplanationPage Page2();  // "約数 2"
frame::ExplanationPage Page4();  // "公約数"

frame::PracticePage Practice1();  // page 3
frame::PracticePage Practice2();  // page 5

}  // namespace ham::lessons::divisors
