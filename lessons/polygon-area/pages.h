// The pages of the polygon-area lesson.
#pragma once

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons::polygon_area {

frame::ExplanationPage Page1();
frame::ExplanationPage Page2();
frame::ExplanationPage Page3();
frame::ExplanationPage Page5();
frame::ExplanationPage Page6();

frame::PracticePage Practice1();  // page 4
frame::PracticePage Practice2();  // page 7

}  // namespace ham::lessons::polygon_area
