// The polygon-area lesson: "多角形の面積"; its pages and practices.
#pragma once

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& PolygonAreaLesson();

}  // namespace ham::lessons

namespace ham::lessons::polygon_area {

// The lesson as the frame runs it; PolygonAreaLesson() holds it.
frame::Lesson Build();

frame::ExplanationPage Page1();
frame::ExplanationPage Page2();
frame::ExplanationPage Page3();
frame::ExplanationPage Page5();
frame::ExplanationPage Page6();

frame::PracticePage Practice1();  // page 4
frame::PracticePage Practice2();  // page 7

}  // namespace ham::lessons::polygon_area
