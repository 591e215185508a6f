// The number box and the four-box OK of the lessons with two practices whose
// second one keeps its typed problem number as typed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "frame/lesson.h"

namespace ham::lessons::common {

// FE$EDIT1_CHANGE: the problem number of the first practice (slot 0)
// rounded, that of the second (slot 1) kept as typed, so that 2.5 names no
// problem (`Lesson::problem_rounded`); paragraph numbers rounded as the
// frame does.
inline constexpr std::array<bool, 3> kNumberBoxRounding{true, false, true};

// The four-box OK with its box procedures (default: FORM9, EDIT3 to EDIT6,
// BUTTON3): right when the boxes, copied into the answer strings from the
// first on at every change, equal ExpectedAnswer1.. exactly; the focus then
// goes back to the first box.
frame::AnswerBar FourBoxOk(std::string form = "FORM9", std::string button = "BUTTON3",
                           std::vector<std::string> boxes = {"EDIT3", "EDIT4", "EDIT5", "EDIT6"});

}  // namespace ham::lessons::common
