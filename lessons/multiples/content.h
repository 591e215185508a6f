// The pages of the multiples lesson, one function each.
#pragma once

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons::multiples {

frame::ExplanationPage Page1();   // 倍数
frame::ExplanationPage Page3();   // 公倍数 1
frame::ExplanationPage Page4();   // 公倍数 2
frame::PracticePage Practice1();  // page 2
frame::PracticePage Practice2();  // page 5

}  // namespace ham::lessons::multiples
