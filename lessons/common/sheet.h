// The drawing sheet FORM2, the number bar and the answer bars FORM7, FORM9 to
// FORM12 with their procedures, for the lessons that draw their animations
// on a sheet. Their layouts are forms/sheet/*.form beside this file, over
// the frame's FORM3 and FORM7 (ham_add_lesson(... KITS sheet)).
#pragma once

#include "frame/frame.h"
#include "frame/lesson.h"

namespace ham::lessons::common {

// Where the sheet lessons' one-box bar FORM7 differs.
struct SheetOptions {
  bool one_box_answers = true;  // false: FORM7 is shown but has no procedures
  int one_box_slot = 0;         // the ExpectedAnswer slot FORM7's box is compared with
};

// A description holding only the sheet and the bars: the forms in load order
// (FORM2 is loaded by before_main_form), the bound boxes, the bars with their
// OK procedures, the navigation's blanking and hiding, the "move.sub"
// targets and the forms hidden at a practice page's end and by
// ShowPracticeForm. Every bar compares its boxes as the frame's OK does,
// with what the lesson's pages and problems say. A lesson starts from it
// and adds its own content.
frame::Lesson SheetAndBars(const SheetOptions& options = {});

// Start-up: FORM2 loaded unseen, sized 640 x 480, given the frame's palette
// and colours; the scratch picture created; then MAINFORM loaded as the main
// form.
void LoadSheetAndMainForm(frame::Frame& f);

// The drawing sheet and the scratch picture of the animations.
Form* Sheet(const frame::Frame& f);
inline constexpr const char* kScratchPicture = "SavePicture";

// One finished frame: the sheet's w x h block at (x, y) copied to the main
// window at the same place through the scratch picture.
void CopySheetBlock(frame::Frame& f, int x, int y, int w, int h);

}  // namespace ham::lessons::common
