// The fraction reduction lesson: "約分のしかた".
#include "lessons/fraction-reduction/lesson.h"

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/common/bars.h"

namespace ham::lessons::fraction_reduction {

using namespace ham::frame;

Lesson Build() {
  Lesson l;
  l.title = "5年生の算数   約分のしかた";
  l.pages = PageTable(7, 29, {
      {.title = "約分 1", .module_title = "約分1", .explanation = Page1()},
      {.title = "約分 2", .module_title = "約分2", .explanation = Page2()},
      Practice(Practice1()),
      Practice(Practice2()),
  });
  l.pictures = SharedPictures();
  l.pictures.push_back({"pl.BMP", true});  // loaded, never drawn

  // The answer bars kit. The three- and four-box bars are never shown;
  // their OK compares every box, as the frame's does.
  common::UseAnswerBars(l, {.one_box_judge = OneBoxRight, .wide_bars_every_box = true});
  // Page 3's problem number is kept as typed; a number that is not whole
  // names no problem.
  l.problem_rounded = {false, true, true};
  l.contents_mark_col = 60;
  l.chooser_mark_col = 60;
  // An interrupted script may leave the small figures' font behind.
  l.on_pending = [](Frame&) { FmSetFontSize(kMainWindow, 16); };
  return l;
}

}  // namespace ham::lessons::fraction_reduction
