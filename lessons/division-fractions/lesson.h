// The division-fractions lesson: "わり算と分数"; its pages and two bar pictures.
#pragma once

#include "frame/figures.h"
#include "frame/frame.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& DivisionFractionsLesson();

}  // namespace ham::lessons

namespace ham::lessons::division_fractions {

// The lesson as the frame runs it; DivisionFractionsLesson() holds it.
frame::Lesson Build();

// The bars of four and of five cells whose first cell is empty, 50 x 20
// pixels each, made on the drawing sheet at start-up.
inline constexpr const char* kQuarterBarPicture = "QuarterBarPicture";
inline constexpr const char* kFifthBarPicture = "FifthBarPicture";
void MakeBarPictures(frame::Frame& f);

frame::ExplanationPage DivisionPage();  // page 1 "わり算と分数 1"
frame::ExplanationPage TimePage();      // page 3 "わり算と分数 2"
frame::PracticePage Practice1();        // page 2
frame::PracticePage Practice2();        // page 4

}  // namespace ham::lessons::division_fractions
