// The even-odd lesson: "整数の分類".
#include "lessons/even-odd/lesson.h"

#include "frame/templates.h"
#include "lessons/common/navigation.h"

namespace ham::lessons::even_odd {

using namespace ham::frame;

Lesson Build() {
  // The navigation on two bars; their layouts are the answer bars kit's.
  Lesson l = common::TwoBarNavigation();
  l.title = "5年生の算数   整数の分類";
  l.pages = PageTable(8, 24, {
      Explanation("ぐう数と奇数 1", Page1()),
      Practice(Practice1()),
      Explanation("ぐう数と奇数 2", Page3()),
      Practice(Practice2()),
      {.title = "整数の分類", .module_blanks = 8, .explanation = Page5()},
      Practice(Practice3()),
  });
  l.pictures = SharedPictures();
  // Page 2 has a 16-bit problem number of its own, pages 4 and 6 share the
  // other; a typed number is rounded.
  l.problem_rounded = {true, true, true};
  l.contents_mark_col = 55;
  l.chooser_mark_col = 55;
  l.emblem_filled = false;
  return l;
}

}  // namespace ham::lessons::even_odd
