// The multiples lesson: "倍数と公倍数".
#include "lessons/multiples/lesson.h"

#include "frame/templates.h"
#include "lessons/multiples/content.h"

namespace ham::lessons {

using namespace ham::frame;

namespace {

Lesson Build() {
  Lesson l;
  l.title = "5年生の算数     倍数と公倍数";
  l.pages = {
      ContentsPage(),
      ExplanationPageOf(7, "(よく見よう!)  ☆ 倍数 ------------------ 1ページ", "1ﾍﾟｰｼﾞ          倍数",
                        multiples::Page1()),
      PracticePageOf(8, "(やってみよう!)★ 練習 1 ---------------- 2ページ", "2ﾍﾟｰｼﾞ          練習1",
                     multiples::Practice1()),
      ExplanationPageOf(9, "(よく見よう!)  ☆ 公倍数 1 -------------- 3ページ", "3ﾍﾟｰｼﾞ          公倍数 1",
                        multiples::Page3()),
      ExplanationPageOf(10, "(よく見よう!)  ☆ 公倍数 2 -------------- 4ページ", "4ﾍﾟｰｼﾞ        公倍数 2",
                        multiples::Page4()),
      PracticePageOf(11, "(やってみよう!)★ 練習 2 ---------------- 5ページ", "5ﾍﾟｰｼﾞ          練習2",
                     multiples::Practice2()),
      EndPage(),
  };
  // 11, 21, 31, 41, 51, 22, 23, 52, 53, 9999
  l.dispatch = FrameDispatch(l.pages);
  l.pictures = SharedPictures();
  // The pointing and walking poses fit the boxes that erase them: the
  // narrowest is 35 wide, and 60 units high are some 50 pixels.
  for (const char* pose : {"PR.BMP", "PL.BMP", "CR.BMP", "CL.BMP"}) l.pictures.push_back({pose, true, 35, 50});
  UseFrameBars(l, true, true);  // every box writes from TypedAnswer1 on
  // Both problem numbers are 16-bit: a typed number is rounded.
  l.problem_rounded = {true, true, true};
  l.contents_mark_col = 55;
  l.chooser_mark_col = 55;
  return l;
}

}  // namespace

const Lesson& MultiplesLesson() {
  static const Lesson lesson = Build();
  return lesson;
}

}  // namespace ham::lessons
