// The even-odd lesson: "整数の分類".
#include "lessons/even-odd/lesson.h"

#include "frame/templates.h"
#include "lessons/common/navigation.h"
#include "lessons/even-odd/pages.h"

namespace ham::lessons {

using namespace ham::frame;

namespace {

Lesson Build() {
  using namespace even_odd;
  // The navigation on two bars; their layouts are the answer bars kit's.
  Lesson l = common::TwoBarNavigation();
  l.title = "5年生の算数   整数の分類";
  l.pages = {
      ContentsPage(),
      ExplanationPageOf(8, "(よく見よう!)  ☆ ぐう数と奇数 1 -------- 1ページ", "1ﾍﾟｰｼﾞ          ぐう数と奇数 1", Page1()),
      PracticePageOf(9, "(やってみよう!)★ 練習 1 ---------------- 2ページ", "2ﾍﾟｰｼﾞ          練習1", Practice1()),
      ExplanationPageOf(10, "(よく見よう!)  ☆ ぐう数と奇数 2 -------- 3ページ", "3ﾍﾟｰｼﾞ          ぐう数と奇数 2", Page3()),
      PracticePageOf(11, "(やってみよう!)★ 練習 2 ---------------- 4ページ", "4ﾍﾟｰｼﾞ          練習2", Practice2()),
      ExplanationPageOf(12, "(よく見よう!)  ☆ 整数の分類 ------------ 5ページ", "5ﾍﾟｰｼﾞ        整数の分類", Page5()),
      PracticePageOf(13, "(やってみよう!)★ 練習 3 ---------------- 6ページ", "6ﾍﾟｰｼﾞ          練習3", Practice3()),
      EndPage(),
  };
  l.dispatch = FrameDispatch(l.pages);  // 11, 21, 31, 41, 51, 61, 22, 23, 42, 43, 62, 63, 9999
  l.pictures = SharedPictures();
  // Page 2 has a 16-bit problem number of its own, pages 4 and 6 share the
  // other; a typed number is rounded.
  l.problem_rounded = {true, true, true};
  l.contents_mark_col = 55;
  l.chooser_mark_col = 55;
  l.emblem_filled = false;
  return l;
}

}  // namespace

const Lesson& EvenOddLesson() {
  static const Lesson lesson = Build();
  return lesson;
}

}  // namespace ham::lessons
