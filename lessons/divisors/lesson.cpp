// The divisors lesson: "約数と公約数".
#include "lessons/divisors/lesson.h"

#include "frame/figures.h"
#include "frame/frame.h"
#include "frame/templates.h"

namespace ham::lessons::divisors {

using namespace ham::frame;

Lesson Build() {
  Lesson l;
  l.title = "5年生の算数     約数と公約数";
  l.pages = PageTable(7, 24, {
      Explanation("約数 1", Page1()),
      Explanation("約数 2", Page2()),
      Practice(Practice1()),
      {.title = "公約数", .module_blanks = 8, .explanation = Page4()},
      Practice(Practice2()),
  });
  l.pictures = SharedPictures();
  l.pictures.push_back({"CL.BMP", true});
  l.pictures.push_back({"PL.BMP", true});
  UseFrameBars(l, true, false);
  l.contents_mark_col = 55;
  l.chooser_mark_col = 53;
  return l;
}

}  // namespace ham::lessons::divisors
