// The navigation and forms of the polygon-area lesson, shared with the
// lessons that take them unchanged.
#pragma once

#include "frame/lesson.h"

namespace ham::lessons {

// A lesson description holding only the navigation and forms: forms FORM5,
// FORM3, FORM4, FORM6, FORM7, FORM8 and FORM9 (no FORM10), boxes EDIT1 to
// EDIT4, the answer bars FORM7 and FORM9, what the navigation buttons blank
// and hide, "move.sub", what the practice end and ShowPracticeForm hide, and
// the main loop's return to the logical window (0,0)-(639,568) when the
// pupil has acted. The caller adds its title, pages, dispatch and pictures.
// The bars' layouts are lessons/polygon-area/forms/FORM7.form and FORM9.form.
frame::Lesson PolygonAreaNavigation();

}  // namespace ham::lessons
