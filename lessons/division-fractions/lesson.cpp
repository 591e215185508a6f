// The division-fractions lesson: "わり算と分数".
#include "lessons/division-fractions/lesson.h"

#include "frame/templates.h"
#include "lessons/common/number_box.h"
#include "lessons/common/sheet.h"

namespace ham::lessons::division_fractions {

using namespace ham::frame;

Lesson Build() {
  // The one-box bar is shown by every problem but answers none: no
  // procedure for EDIT2 or BUTTON2.
  Lesson l = common::SheetAndBars({.one_box_answers = false});
  l.title = "5年生の算数     わり算と分数";
  l.pages = PageTable(7, 24, {
      Explanation("わり算と分数 1", DivisionPage()),
      Practice(Practice1()),
      Explanation("わり算と分数 2", TimePage()),
      Practice(Practice2()),
  });
  l.pictures = SharedPictures();
  l.pictures.push_back({"cl.BMP", true});

  // Every problem shows its own bar over FORM7 last; only FORM9 goes first.
  l.practice_form_hide = {"FORM9"};
  // "move.sub" takes the sheet along, not the main window.
  l.move = {{"FORM2", 0, 22},  {"FORM3", 0, 414},  {"FORM5", 0, 480},  {"FORM6", 641, 0},
            {"FORM7", 0, 414}, {"FORM8", 0, 440},  {"FORM9", 0, 414},  {"FORM10", 0, 414},
            {"FORM11", 0, 414}, {"FORM12", 0, 414}};
  // Page 2's number rounded, page 4's kept as typed.
  l.problem_rounded = common::kNumberBoxRounding;
  l.contents_mark_col = 55;
  l.chooser_mark_col = 55;
  l.after_palette = MakeBarPictures;
  return l;
}

}  // namespace ham::lessons::division_fractions
