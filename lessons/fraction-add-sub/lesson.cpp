// The fraction add-sub lesson: "通分と分数のたし算ひき算".
#include "lessons/fraction-add-sub/lesson.h"

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/common/bars.h"

namespace ham::lessons::fraction_add_sub {

using namespace ham::frame;

namespace {

// OK of the one-box bar: on page 3 the box against ExpectedAnswer1, on any
// other page against the question's NumeratorLine.
bool OneBoxRight(const Frame& f) {
  const FrameState& s = f.state();
  const std::string& want = s.CurrentPage == 3 ? s.ExpectedAnswer[0] : s.ExpectedAnswer[kNumeratorLine];
  return s.TypedAnswer[0] == want;
}

}  // namespace

Lesson Build() {
  Lesson l;
  l.title = "5年生の算数   通分と分数のたし算ひき算";
  l.pages = PageTable(7, 29, {
      Explanation("分数のたし算ひき算", AddSubPage1()),
      Explanation("通分", CommonDenominatorPage2()),
      Practice(Practice1()),
      Practice(Practice2()),
  });
  l.pictures = SharedPictures();
  l.pictures.push_back({"pl.BMP", true});
  // Every box of a bar counts: the three- and four-box bars compare
  // TypedAnswerA.. with ExpectedAnswer1.. box by box.
  common::UseAnswerBars(l, {.one_box_judge = OneBoxRight, .wide_bars_every_box = true});
  // One problem number for both practice pages, stored as typed.
  l.problem_rounded = {false, true, true};
  l.contents_mark_col = 60;
  l.chooser_mark_col = 60;
  return l;
}

}  // namespace ham::lessons::fraction_add_sub
