#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& PolygonAreaLesson();

// The navigation and forms of the polygon-area lesson, for it and for the
// lessons that take them unchanged: forms FORM5, FORM3, FORM4, FORM6, FORM7,
// FORM8 and FORM9 (no FORM10), boxes EDIT1 to EDIT4, the answer bars FORM7
// and FORM9, what the navigation buttons blank and hide, "move.sub", what
// the practice end and ShowPracticeForm hide, and the main loop's return to
// the logical window (0,0)-(639,568) when the pupil has acted. The lesson's
// pages, dispatch and pictures are left for the caller.
frame::Lesson PolygonAreaNavigation();

}  // namespace ham::lessons
