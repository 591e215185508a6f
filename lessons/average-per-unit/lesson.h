#pragma once

#include <string>
#include <vector>

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& AveragePerUnitLesson();

// The number-box procedure, the number-bar OK and the four-box OK of the
// average-per-unit lesson, for it and for the lessons that take them
// unchanged:
// - FE$EDIT1_CHANGE: the number of the practice on page 2 (slot 0) rounded,
//   that of page 4 (slot 1) kept as typed (`problem_rounded`); paragraph
//   numbers rounded as the frame does;
// - FE$BUTTON1_ON: the frame's, over a page table of contents, pages 1 to 4
//   and the end page (the chooser takes "0" to "4", codes 11 to 41);
// - the four-box bar FORM9 (EDIT3 to EDIT6, BUTTON3) with its box procedures
//   into the first four answer strings and its OK, right when every box
//   equals its expected string (`bars`, `boxes`).
// Pages, dispatch, pictures and the other forms are left for the caller.
frame::Lesson AveragePerUnitProcedures();

// The four-box OK with its box procedures on a bar of another lesson's names
// (default: this lesson's FORM9): right when the four boxes, copied into the
// first four answer strings on every change, equal ExpectedAnswer1 to 4
// exactly; the focus then goes back to the first box.
frame::AnswerBar AveragePerUnitFourBoxOk(std::string form = "FORM9", std::string button = "BUTTON3",
                                         std::vector<std::string> boxes = {"EDIT3", "EDIT4", "EDIT5", "EDIT6"});

}  // namespace ham::lessons
