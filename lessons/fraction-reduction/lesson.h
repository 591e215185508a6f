// The fraction reduction lesson: "約分のしかた".
#pragma once

#include <string>

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& FractionReductionLesson();

}  // namespace ham::lessons

namespace ham::lessons::fraction_reduction {

// The lesson as the frame runs it; FractionReductionLesson() holds it.
frame::Lesson Build();

// Numerator at (x, y), denominator at (x, y + 20), bar (x, y + 18)-(x + 10, y + 18).
// Colour -1: the digits in the foreground colour and the bar in white.
void Fraction(frame::Steps& out, const std::string& numerator, const std::string& denominator, double x,
              double y, int color = -1);

frame::ExplanationPage Page1();  // "約分1"
frame::ExplanationPage Page2();  // "約分2"
frame::PracticePage Practice1();  // page 3, letters of the equal fraction
frame::PracticePage Practice2();  // page 4, reduced fractions in two boxes

// The letter answer of page 3 in either case; elsewhere the one box against
// ExpectedAnswer1.
bool OneBoxRight(const frame::Frame& f);

}  // namespace ham::lessons::fraction_reduction
