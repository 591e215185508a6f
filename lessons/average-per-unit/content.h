// The pages of the average-per-unit lesson.
#pragma once

#include <string>

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons::average_per_unit {

frame::ExplanationPage AveragePage();   // page 1 "平均"
frame::ExplanationPage PerUnitPage();   // page 3 "単位量あたりの大きさ"
frame::PracticePage Practice1();        // page 2
frame::PracticePage Practice2();        // page 4

// A whole number as the runtime's STR$ writes it: a leading blank when not negative.
std::string Str(int n);

}  // namespace ham::lessons::average_per_unit
