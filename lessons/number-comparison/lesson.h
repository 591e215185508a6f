// The number-comparison lesson: "整数と小数と分数をくらべる"; its pages and
// the answer strings they share.
#pragma once

#include "frame/figures.h"
#include "frame/frame.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& NumberComparisonLesson();

}  // namespace ham::lessons

namespace ham::lessons::number_comparison {

// The lesson as the frame runs it; NumberComparisonLesson() holds it.
frame::Lesson Build();

// ExpectedAnswer slots beside those of boxes A, B and C (0 to 2):
// OneBoxAnswer, the one-box bar's expected text (on page 4, problems 1 to 5,
// the question's left-hand text), kept apart from WavFile; and
// ExpectedAnswerAlt, the lower-case letter the one-box bar also accepts on
// the letter problems, which say so (empty until the first of them).
inline constexpr int kOneBoxAnswer = 3;
inline constexpr int kExpectedAnswerAlt = 4;

frame::ExplanationPage FractionToDecimalPage();  // page 1 "分数を小数に変える"
frame::ExplanationPage DecimalToFractionPage();  // page 3 "小数を分数に変える"
frame::PracticePage Practice1();                 // page 2
frame::PracticePage Practice2();                 // page 4

}  // namespace ham::lessons::number_comparison
