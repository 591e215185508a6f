// The polygon-area lesson: "多角形の面積".
#include "lessons/polygon-area/lesson.h"

#include "frame/templates.h"
#include "lessons/common/navigation.h"

namespace ham::lessons::polygon_area {

using namespace ham::frame;

Lesson Build() {
  Lesson l = common::TwoBarNavigation();
  l.title = "5年生の算数   多角形の面積";
  l.pages = PageTable(7, 24, {
      Explanation("多角形の面積1", Page1()),
      Explanation("多角形の面積2", Page2()),
      Explanation("多角形の面積3", Page3()),
      Practice(Practice1()),
      {.title = "多角形の面積4", .module_blanks = 8, .explanation = Page5()},
      {.title = "多角形の面積5", .module_blanks = 8, .explanation = Page6()},
      Practice(Practice2()),
  });
  l.pictures = SharedPictures();
  // One 16-bit problem number serves both practice pages.
  l.problem_rounded = {true, true, true};
  l.contents_mark_col = 55;
  l.chooser_mark_col = 53;
  return l;
}

}  // namespace ham::lessons::polygon_area
