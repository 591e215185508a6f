// The polygon-area lesson: "多角形の面積".
#include "lessons/polygon-area/lesson.h"

#include "frame/templates.h"
#include "lessons/common/navigation.h"
#include "lessons/polygon-area/pages.h"

namespace ham::lessons {

using namespace ham::frame;

namespace {

Lesson Build() {
  using namespace polygon_area;
  Lesson l = common::TwoBarNavigation();
  l.title = "5年生の算数   多角形の面積";
  l.pages = {
      ContentsPage(),
      ExplanationPageOf(7, "(よく見よう!)  ☆ 多角形の面積1 --------- 1ページ", "1ﾍﾟｰｼﾞ          多角形の面積1", Page1()),
      ExplanationPageOf(8, "(よく見よう!)  ☆ 多角形の面積2 --------- 2ページ", "2ﾍﾟｰｼﾞ          多角形の面積2", Page2()),
      ExplanationPageOf(9, "(よく見よう!)  ☆ 多角形の面積3 --------- 3ページ", "3ﾍﾟｰｼﾞ          多角形の面積3", Page3()),
      PracticePageOf(10, "(やってみよう!)★ 練習 1 ---------------- 4ページ", "4ﾍﾟｰｼﾞ          練習1", Practice1()),
      ExplanationPageOf(11, "(よく見よう!)  ☆ 多角形の面積4 --------- 5ページ", "5ﾍﾟｰｼﾞ        多角形の面積4", Page5()),
      ExplanationPageOf(12, "(よく見よう!)  ☆ 多角形の面積5 --------- 6ページ", "6ﾍﾟｰｼﾞ        多角形の面積5", Page6()),
      PracticePageOf(13, "(やってみよう!)★ 練習 2 ---------------- 7ページ", "7ﾍﾟｰｼﾞ          練習2", Practice2()),
      EndPage(),
  };
  l.dispatch = FrameDispatch(l.pages);  // 11, 21, 31, 41, 51, 61, 71, 42, 43, 72, 73, 9999
  l.pictures = SharedPictures();
  // One 16-bit problem number serves both practice pages.
  l.problem_rounded = {true, true, true};
  l.contents_mark_col = 55;
  l.chooser_mark_col = 53;
  return l;
}

}  // namespace

const Lesson& PolygonAreaLesson() {
  static const Lesson lesson = Build();
  return lesson;
}

}  // namespace ham::lessons
