// The even-odd lesson: "整数の分類".
#pragma once

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& EvenOddLesson();

}  // namespace ham::lessons

namespace ham::lessons::even_odd {

// The lesson as the frame runs it; EvenOddLesson() holds it.
frame::Lesson Build();

frame::ExplanationPage Page1();  // ぐう数と奇数 1
frame::ExplanationPage Page3();  // ぐう数と奇数 2
frame::ExplanationPage Page5();  // 整数の分類

frame::PracticePage Practice1();  // page 2
frame::PracticePage Practice2();  // page 4
frame::PracticePage Practice3();  // page 6

}  // namespace ham::lessons::even_odd
