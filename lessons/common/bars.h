// The one-, two-, three- and four-box answer bars FORM7, FORM9, FORM10 and
// FORM11 with their procedures and navigation. Their layouts are
// forms/bars/*.form beside this file (FORM3 is the frame's).
#pragma once

#include "frame/lesson.h"

namespace ham::lessons::common {

// The forms, edit boxes, answer bars with their procedures and the
// navigation: FORM3, FORM7, FORM9, FORM10 and FORM11 with EDIT1 to EDIT11.
// With `wide_bars` false only FORM3, FORM7 and FORM9 with EDIT1 to EDIT4.
void UseAnswerBars(frame::Lesson& lesson, bool wide_bars = true);

}  // namespace ham::lessons::common
