// The pages of the even-odd lesson.
#pragma once

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons::even_odd {

frame::ExplanationPage Page1();  // ぐう数と奇数 1
frame::ExplanationPage Page3();  // ぐう数と奇数 2
frame::ExplanationPage Page5();  // 整数の分類

frame::PracticePage Practice1();  // page 2
frame::PracticePage Practice2();  // page 4
frame::PracticePage Practice3();  // page 6

}  // namespace ham::lessons::even_odd
