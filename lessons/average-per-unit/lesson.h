// The average and per-unit quantity lesson: "平均と単位量あたりの大きさ".
#pragma once

#include <string>

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& AveragePerUnitLesson();

}  // namespace ham::lessons

namespace ham::lessons::average_per_unit {

// The lesson as the frame runs it; AveragePerUnitLesson() holds it.
frame::Lesson Build();

frame::ExplanationPage AveragePage();   // page 1 "平均"
frame::ExplanationPage PerUnitPage();   // page 3 "単位量あたりの大きさ"
frame::PracticePage Practice1();        // page 2
frame::PracticePage Practice2();        // page 4

// A whole number as the runtime's STR$ writes it: a leading blank when not negative.
std::string Str(int n);

}  // namespace ham::lessons::average_per_unit
