// The multiples lesson: "倍数と公倍数".
#pragma once

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons {

// "倍数と公倍数": multiples and common multiples, on the frame's own bars
// FORM7 (one box), FORM9 (hours and minutes) and FORM10 (three boxes).
const frame::Lesson& MultiplesLesson();

}  // namespace ham::lessons

namespace ham::lessons::multiples {

// The lesson as the frame runs it; MultiplesLesson() holds it.
frame::Lesson Build();

frame::ExplanationPage Page1();   // 倍数
frame::ExplanationPage Page3();   // 公倍数 1
frame::ExplanationPage Page4();   // 公倍数 2
frame::PracticePage Practice1();  // page 2
frame::PracticePage Practice2();  // page 5

}  // namespace ham::lessons::multiples
