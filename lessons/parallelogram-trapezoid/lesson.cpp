// The parallelogram and trapezoid lesson: "平行四辺形と台形の面積".
#include "lessons/parallelogram-trapezoid/lesson.h"

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/common/bars.h"

namespace ham::lessons::parallelogram_trapezoid {

using namespace ham::frame;

Lesson Build() {
  Lesson l;
  l.title = "5年生の算数   平行四辺形と台形の面積";
  l.pages = PageTable(7, 24, {
      {.title = "平行四辺形の面積1", .module_title = "平行四辺形の面積", .explanation = ParallelogramPage1()},
      Explanation("平行四辺形の面積2", ParallelogramPage2()),
      Practice(ParallelogramPractice()),
      Explanation("台形の面積1", TrapezoidPage4()),
      Explanation("台形の面積2", TrapezoidPage5()),
      Practice(TrapezoidPractice()),
  });
  l.pictures = SharedPictures();
  // The lesson's own, from its folder: pieces of page 1's parallelogram
  // and the pointing hands.
  const PictureSpec own[] = {
      {"B6.BMP", false},  {"B12.BMP", false},  {"B27.BMP", false},  {"B33.BMP", false},  {"B39.BMP", false},
      {"B42.BMP", false}, {"B68.BMP", false},  {"上指.BMP", false}, {"右指.BMP", false}, {"左指.BMP", false},
  };
  l.pictures.insert(l.pictures.end(), std::begin(own), std::end(own));
  common::UseAnswerBars(l);
  l.practice_hide = {"FORM3", "FORM7", "FORM9", "FORM10"};
  // Page 1 draws some pieces in merge pen; an interrupted script leaves
  // the main window in copy pen again.
  l.on_pending = [](Frame&) { FmSetDrawMode(kMainWindow, 13); };
  return l;
}

}  // namespace ham::lessons::parallelogram_trapezoid
