// The rhombus-triangle lesson: "ひし形と三角形の面積".
#include "lessons/rhombus-triangle/lesson.h"

#include "frame/templates.h"
#include "lessons/common/sheet.h"

namespace ham::lessons::rhombus_triangle {

using namespace ham::frame;

Lesson Build() {
  Lesson l = common::SheetAndBars();
  l.title = "5年生の算数   ひし形と三角形の面積";
  l.pages = PageTable(7, 24, {
      Explanation("ひし形の面積", RhombusPage()),
      Practice(RhombusPractice()),
      Explanation("三角形の面積", TrianglePage()),
      Practice(TrianglePractice()),
  });
  l.pictures = SharedPictures();
  // The parts of the triangle of page 3.
  const PictureSpec own[] = {
      {"B6.BMP", false},  {"B27.BMP", false}, {"B33.BMP", false}, {"B36.BMP", false}, {"B39.BMP", false},
      {"B42.BMP", false}, {"B54.BMP", false}, {"B60.BMP", false}, {"B66.BMP", false},
  };
  l.pictures.insert(l.pictures.end(), std::begin(own), std::end(own));
  // The typed problem number is kept as typed: 2.5 names no problem.
  l.problem_rounded = {false, true, true};
  l.contents_mark_col = 55;
  l.chooser_mark_col = 55;
  // An interruption leaves the paragraphs' logical window: back to 568.
  l.on_pending = [](Frame&) { RtSetWindow(kMainWindow, 0, 0, 0, 0, 639, 568); };
  return l;
}

}  // namespace ham::lessons::rhombus_triangle
