// The average and per-unit quantity lesson: "平均と単位量あたりの大きさ".
#include "lessons/average-per-unit/lesson.h"

#include "frame/templates.h"
#include "lessons/common/number_box.h"

namespace ham::lessons::average_per_unit {

using namespace ham::frame;

Lesson Build() {
  Lesson l;
  l.problem_rounded = common::kNumberBoxRounding;
  l.title = "5年生の算数   平均と単位量あたりの大きさ";
  l.pages = PageTable(7, 25, {
      Explanation("平均", AveragePage()),
      Practice(Practice1()),
      {.title = "単位量あたりの大きさ", .module_blanks = 8, .explanation = PerUnitPage()},
      Practice(Practice2()),
  });
  l.play_wave_pause_step = true;

  l.pictures = SharedPictures();
  const PictureSpec own[] = {
      {"上指.BMP", false}, {"hok1.BMP", false}, {"hok2.BMP", false}, {"左指.BMP", false},
      {"右指.BMP", false}, {"cr.BMP", true},     {"cl.BMP", true},     {"pr.BMP", true},
  };
  l.pictures.insert(l.pictures.end(), std::begin(own), std::end(own));

  const std::vector<std::string> more_bars = {"FORM9", "FORM10", "FORM11", "FORM12"};
  l.forms = FrameForms({}, false);
  for (FormLoad& f : l.forms)
    if (f.name == "FORM7") f.bar_font = true;
  for (const std::string& b : more_bars) l.forms.push_back({b, 0, 414, FormLoad::Show::kHidden, true, false});

  l.boxes = {"EDIT1",  "EDIT2",  "EDIT3",  "EDIT4",  "EDIT5",  "EDIT6",  "EDIT8",  "EDIT9",  "EDIT10",
             "EDIT11", "EDIT12", "EDIT13", "EDIT14", "EDIT15", "EDIT16", "EDIT17", "EDIT18"};
  l.bars = {frame::Bar("FORM7", "BUTTON2", {"EDIT2"}), frame::Bar("FORM11", "BUTTON5", {"EDIT14", "EDIT15"}),
            frame::Bar("FORM12", "BUTTON6", {"EDIT16", "EDIT17", "EDIT18"}), common::FourBoxOk()};
  l.nav_blank = {"EDIT1", "EDIT2"};
  l.nav_hide = {"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"};
  l.move = FrameMoves(more_bars);
  l.practice_hide = {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"};
  l.practice_form_hide = {"FORM9"};
  l.contents_mark_col = 55;
  l.chooser_mark_col = 55;
  l.end_page_current = 4;
  return l;
}

}  // namespace ham::lessons::average_per_unit
