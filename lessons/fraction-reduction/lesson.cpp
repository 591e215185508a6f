// The fraction reduction lesson: "約分のしかた".
#include "lessons/fraction-reduction/lesson.h"

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/common/bars.h"
#include "lessons/fraction-reduction/parts.h"

namespace ham::lessons {

using namespace ham::frame;

namespace {

using namespace fraction_reduction;

Lesson Build() {
  Lesson l;
  l.title = "5年生の算数   約分のしかた";
  l.pages = {
      ContentsPage(),
      ExplanationPageOf(7, "(よく見よう!)  ☆ 約分 1 --------------------- 1ページ", "1ﾍﾟｰｼﾞ          約分1", Page1()),
      ExplanationPageOf(8, "(よく見よう!)  ☆ 約分 2 --------------------- 2ページ", "2ﾍﾟｰｼﾞ          約分2", Page2()),
      PracticePageOf(9, "(やってみよう!)★ 練習 1 --------------------- 3ページ", "3ﾍﾟｰｼﾞ          練習1",
                     Practice1()),
      PracticePageOf(10, "(やってみよう!)★ 練習 2 --------------------- 4ページ", "4ﾍﾟｰｼﾞ          練習2",
                     Practice2()),
      EndPage(),
  };
  l.dispatch = FrameDispatch(l.pages);
  l.pictures = SharedPictures();
  l.pictures.push_back({"pl.BMP", true, 40, 60});  // loaded, never drawn

  // The answer bars kit. The three- and four-box bars are never shown;
  // their OK compares every box, as the frame's does.
  common::UseAnswerBars(l);
  for (AnswerBar& bar : l.bars) {
    if (bar.form == "FORM7") bar.judge = OneBoxRight;
    if (bar.form == "FORM10" || bar.form == "FORM11") bar.judge = nullptr;
  }
  // Page 3's problem number is kept as typed; a number that is not whole
  // names no problem.
  l.problem_rounded = {false, true, true};
  l.contents_mark_col = 60;
  l.chooser_mark_col = 60;
  // An interrupted script may leave the small figures' font behind.
  l.on_pending = [](Frame&) { FmSetFontSize(kMainWindow, 16); };
  return l;
}

}  // namespace

const Lesson& FractionReductionLesson() {
  static const Lesson lesson = Build();
  return lesson;
}

}  // namespace ham::lessons
