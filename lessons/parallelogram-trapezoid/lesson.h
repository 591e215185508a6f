// The parallelogram and trapezoid lesson: "平行四辺形と台形の面積".
#pragma once

#include <string>
#include <vector>

#include "frame/figures.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& ParallelogramTrapezoidLesson();

}  // namespace ham::lessons

namespace ham::lessons::parallelogram_trapezoid {

// The lesson as the frame runs it; ParallelogramTrapezoidLesson() holds it.
frame::Lesson Build();

frame::Step DrawMode(int mode);
frame::Step Window(double x2, double y2);

frame::ExplanationPage ParallelogramPage1();
frame::ExplanationPage ParallelogramPage2();
frame::ExplanationPage TrapezoidPage4();
frame::ExplanationPage TrapezoidPage5();

// A parallelogram problem: base W, shift D of the lower base to the left,
// height H, and its labels.
struct ParallelogramFigure {
  int n;
  std::string formula;  // empty: an area question
  std::vector<std::string> expected;
  double w, d;
  short h;
  std::string height_label, base_label;
};
frame::Steps ParallelogramProblemSteps(const ParallelogramFigure& f);

// A trapezoid problem: upper base U, step S to the lower right corner,
// height H, lower base L (negative, drawn leftwards), step T back to the
// start, its labels and the height number written in the formula.
struct TrapezoidFigure {
  int n;
  std::string formula;  // empty: an area question
  std::vector<std::string> expected;
  double u, s;
  short h;
  double l, t;
  std::string upper_label, height_label, lower_label;
  std::string number;  // empty: none
};
frame::Steps TrapezoidProblemSteps(const TrapezoidFigure& f);

frame::PracticePage ParallelogramPractice();
frame::PracticePage TrapezoidPractice();

}  // namespace ham::lessons::parallelogram_trapezoid
