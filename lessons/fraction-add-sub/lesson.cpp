// The fraction add-sub lesson: "通分と分数のたし算ひき算".
#include "lessons/fraction-add-sub/lesson.h"

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/common/bars.h"
#include "lessons/fraction-add-sub/parts.h"

namespace ham::lessons {

using namespace ham::frame;

namespace fraction_add_sub {

std::string Blanks(int k) { return std::string(static_cast<std::size_t>(k), ' '); }

void Strip(Steps& out, double x1, double x2, double y1, double y2, int n, int m) {
  const double w = (x2 - x1) / n;
  out.push_back(FilledBox(x1, y1, x2, y2, 7));
  out.push_back(FilledBox(x1, y1, x1 + m * w, y2, 2));
  for (int k = 1; k < n; ++k) out.push_back(Line(x1 + k * w, y1, x1 + k * w, y2, 0));
}

void BlinkRounds(Steps& out, int first, int last, const std::vector<TextStep>& texts,
                 const std::function<int(int)>& colour, float pause) {
  for (int i = first; i <= last; ++i) {
    for (TextStep t : texts) {
      t.color = colour(i);
      out.push_back(std::move(t));
    }
    out.push_back(Pause(pause));
  }
}

}  // namespace fraction_add_sub

namespace {

using namespace fraction_add_sub;

// OK of the one-box bar: on page 3 the box against ExpectedAnswer1, on any
// other page against the question's NumeratorLine.
bool OneBoxRight(const Frame& f) {
  const FrameState& s = f.state();
  const std::string& want = s.CurrentPage == 3 ? s.ExpectedAnswer[0] : s.ExpectedAnswer[kNumeratorLine];
  return s.TypedAnswer[0] == want;
}

Lesson Build() {
  Lesson l;
  l.title = "5年生の算数   通分と分数のたし算ひき算";
  l.pages = {
      ContentsPage(),
      ExplanationPageOf(7, "(よく見よう!)  ☆ 分数のたし算ひき算 --------- 1ページ",
                        "1ﾍﾟｰｼﾞ          分数のたし算ひき算", AddSubPage1()),
      ExplanationPageOf(8, "(よく見よう!)  ☆ 通分 ----------------------- 2ページ", "2ﾍﾟｰｼﾞ          通分",
                        CommonDenominatorPage2()),
      PracticePageOf(9, "(やってみよう!)★ 練習 1 --------------------- 3ページ", "3ﾍﾟｰｼﾞ          練習1",
                     Practice1()),
      PracticePageOf(10, "(やってみよう!)★ 練習 2 --------------------- 4ページ", "4ﾍﾟｰｼﾞ          練習2",
                     Practice2()),
      EndPage(),
  };
  l.dispatch = FrameDispatch(l.pages);
  l.pictures = SharedPictures();
  l.pictures.push_back({"pl.BMP", true, 40, 40});
  common::UseAnswerBars(l);
  // Every box of a bar counts: the three- and four-box bars compare
  // TypedAnswerA.. with ExpectedAnswer1.. box by box.
  for (AnswerBar& bar : l.bars) {
    if (bar.form == "FORM7") bar.judge = OneBoxRight;
    if (bar.form == "FORM10" || bar.form == "FORM11") {
      bar.judge = nullptr;
      for (std::size_t i = 0; i < bar.typed.size(); ++i) bar.typed[i] = kTypedA + static_cast<int>(i);
    }
  }
  // One problem number for both practice pages, stored as typed.
  l.problem_rounded = {false, true, true};
  l.contents_mark_col = 60;
  l.chooser_mark_col = 60;
  return l;
}

}  // namespace

const Lesson& FractionAddSubLesson() {
  static const Lesson lesson = Build();
  return lesson;
}

}  // namespace ham::lessons
