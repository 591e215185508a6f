// The fraction add-sub lesson: "通分と分数のたし算ひき算".
#pragma once

#include <string>
#include <vector>

#include "frame/figures.h"
#include "frame/lesson.h"
#include "lessons/common/bars.h"

namespace ham::lessons {

const frame::Lesson& FractionAddSubLesson();

}  // namespace ham::lessons

namespace ham::lessons::fraction_add_sub {

// The lesson as the frame runs it; FractionAddSubLesson() holds it.
frame::Lesson Build();

// Answer strings: TypedAnswer1 and 2 of the one- and two-box bars are slots 0
// and 1; TypedAnswerA to D of the three- and four-box bars are slots 2 to 5.
inline constexpr int kTypedA = common::kWideBarsFirstSlot;
// The question's two text lines, kept beside the expected answers (slots 0
// to 3): NumeratorLine and DenominatorLine.
inline constexpr int kNumeratorLine = 4;
inline constexpr int kDenominatorLine = 5;

// k half-width blanks.
std::string Blanks(int k);

// A fraction strip: a white box of n parts, the first m green, the parts
// parted by lines in colour 0.
void Strip(frame::Steps& out, double x1, double x2, double y1, double y2, int n, int m);

frame::ExplanationPage AddSubPage1();  // "分数のたし算ひき算"
frame::ExplanationPage CommonDenominatorPage2();  // "通分"
frame::PracticePage Practice1();  // page 3
frame::PracticePage Practice2();  // page 4

}  // namespace ham::lessons::fraction_add_sub
