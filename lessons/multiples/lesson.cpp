// The multiples lesson: "倍数と公倍数".
#include "lessons/multiples/lesson.h"

#include "frame/templates.h"

namespace ham::lessons::multiples {

using namespace ham::frame;

Lesson Build() {
  Lesson l;
  l.title = "5年生の算数     倍数と公倍数";
  l.pages = PageTable(7, 24, {
      Explanation("倍数", Page1()),
      Practice(Practice1()),
      Explanation("公倍数 1", Page3()),
      {.title = "公倍数 2", .module_blanks = 8, .explanation = Page4()},
      Practice(Practice2()),
  });
  // 11, 21, 31, 41, 51, 22, 23, 52, 53, 9999
  l.pictures = SharedPictures();
  // The mascots' pointing and walking poses.
  for (const char* pose : {"PR.BMP", "PL.BMP", "CR.BMP", "CL.BMP"}) l.pictures.push_back({pose, true});
  UseFrameBars(l, true, true);  // every box writes from TypedAnswer1 on
  // Both problem numbers are 16-bit: a typed number is rounded.
  l.problem_rounded = {true, true, true};
  l.contents_mark_col = 55;
  l.chooser_mark_col = 55;
  return l;
}

}  // namespace ham::lessons::multiples
