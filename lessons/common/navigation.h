// The navigation on the frame's one- and two-box bars of the lessons whose
// paragraphs draw on the logical window (0,0)-(639,479).
#pragma once

#include "frame/lesson.h"

namespace ham::lessons::common {

// A lesson description holding only the navigation and forms: forms FORM5,
// FORM3, FORM4, FORM6, FORM7, FORM8 and FORM9 (no FORM10), boxes EDIT1 to
// EDIT4, the answer bars FORM7 and FORM9, what the navigation buttons blank
// and hide, "move.sub", what the practice end and ShowPracticeForm hide, and
// the main loop's return to the logical window (0,0)-(639,568) when the
// pupil has acted. The caller adds its title, pages and pictures.
// The bars' layouts are the frame's, or the bars kit's (forms/bars).
frame::Lesson TwoBarNavigation();

}  // namespace ham::lessons::common
