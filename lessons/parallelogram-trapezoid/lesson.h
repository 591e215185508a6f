// The parallelogram and trapezoid lesson: "平行四辺形と台形の面積".
#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& ParallelogramTrapezoidLesson();

// The forms, edit boxes, answer bars with their procedures and the
// navigation of this lesson, which other lessons carry as they are: FORM3,
// FORM7, FORM9, FORM10 and FORM11 with EDIT1 to EDIT11. With `wide_bars`
// false only FORM3, FORM7 and FORM9 with EDIT1 to EDIT4. The layouts of the
// bars are this directory's forms/*.form (FORM3 is the frame's).
void UseParallelogramTrapezoidBars(frame::Lesson& lesson, bool wide_bars = true);

}  // namespace ham::lessons
