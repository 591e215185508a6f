// The parallelogram and trapezoid lesson: "平行四辺形と台形の面積".
#include "lessons/parallelogram-trapezoid/lesson.h"

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/common/bars.h"
#include "lessons/parallelogram-trapezoid/parts.h"

namespace ham::lessons {

using namespace ham::frame;

namespace {

Lesson Build() {
  Lesson l;
  l.title = "5年生の算数   平行四辺形と台形の面積";
  l.pages = {
      ContentsPage(),
      ExplanationPageOf(7, "(よく見よう!)  ☆ 平行四辺形の面積1 ----- 1ページ", "1ﾍﾟｰｼﾞ          平行四辺形の面積",
                        pt::ParallelogramPage1()),
      ExplanationPageOf(8, "(よく見よう!)  ☆ 平行四辺形の面積2 ----- 2ページ", "2ﾍﾟｰｼﾞ          平行四辺形の面積2",
                        pt::ParallelogramPage2()),
      PracticePageOf(9, "(やってみよう!)★ 練習 1 ---------------- 3ページ", "3ﾍﾟｰｼﾞ          練習1",
                     pt::ParallelogramPractice()),
      ExplanationPageOf(10, "(よく見よう!)  ☆ 台形の面積1 ----------- 4ページ", "4ﾍﾟｰｼﾞ          台形の面積1",
                        pt::TrapezoidPage4()),
      ExplanationPageOf(11, "(よく見よう!)  ☆ 台形の面積2 ----------- 5ページ", "5ﾍﾟｰｼﾞ          台形の面積2",
                        pt::TrapezoidPage5()),
      PracticePageOf(12, "(やってみよう!)★ 練習 2 ---------------- 6ページ", "6ﾍﾟｰｼﾞ          練習2",
                     pt::TrapezoidPractice()),
      EndPage(),
  };
  l.dispatch = FrameDispatch(l.pages);
  l.pictures = SharedPictures();
  // The lesson's own, from its folder: pieces of page 1's parallelogram
  // and the pointing hands.
  const PictureSpec own[] = {
      {"B6.BMP", false, 32, 48},   {"B12.BMP", false, 3, 48},   {"B27.BMP", false, 105, 48},
      {"B33.BMP", false, 105, 48}, {"B39.BMP", false, 70, 48},  {"B42.BMP", false, 24, 24},
      {"B68.BMP", false, 50, 22},  {"上指.BMP", false, 20, 20}, {"右指.BMP", false, 20, 20},
      {"左指.BMP", false, 20, 20},
  };
  l.pictures.insert(l.pictures.end(), std::begin(own), std::end(own));
  common::UseAnswerBars(l);
  l.practice_hide = {"FORM3", "FORM7", "FORM9", "FORM10"};
  // Page 1 draws some pieces in merge pen; an interrupted script leaves
  // the main window in copy pen again.
  l.on_pending = [](Frame&) { FmSetDrawMode(kMainWindow, 13); };
  return l;
}

}  // namespace

const Lesson& ParallelogramTrapezoidLesson() {
  static const Lesson lesson = Build();
  return lesson;
}

}  // namespace ham::lessons
