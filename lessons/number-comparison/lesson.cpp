// The number-comparison lesson: "整数と小数と分数をくらべる".
#include "lessons/number-comparison/lesson.h"

#include "frame/templates.h"
#include "lessons/common/number_box.h"
#include "lessons/common/sheet.h"

namespace ham::lessons::number_comparison {

using namespace ham::frame;

Lesson Build() {
  // The sheet lessons' forms, bars and navigation; the one-box bar compares
  // its box with OneBoxAnswer.
  Lesson l = common::SheetAndBars({.one_box_slot = kOneBoxAnswer});
  l.title = "5年生の算数   整数と小数と分数をくらべる";
  l.pages = PageTable(7, 24, {
      Explanation("分数を小数に変える", FractionToDecimalPage()),
      Practice(Practice1()),
      Explanation("小数を分数に変える", DecimalToFractionPage()),
      Practice(Practice2()),
  });
  l.pictures = SharedPictures();
  l.pictures.push_back({"右指.BMP", false});

  // FORM2 is in the resources but never loaded: no drawing sheet here.
  l.before_main_form = nullptr;

  // Page 2's number rounded, page 4's kept as typed (2.5 names no problem).
  l.problem_rounded = common::kNumberBoxRounding;

  // A multi-box bar is shown over FORM7 after it; FORM7 is raised again for
  // the one-box problems.
  l.practice_form_hide = {"FORM9"};
  l.contents_mark_col = 55;
  l.chooser_mark_col = 55;
  l.end_page_current = 4;
  return l;
}

}  // namespace ham::lessons::number_comparison
