#include "lessons/common/bars.h"

#include "frame/frame.h"
#include "frame/templates.h"

namespace ham::lessons::common {

using namespace ham::frame;

namespace {

// The OK of FORM10 and FORM11 by default: their first box with ExpectedAnswer1.
bool WideBarRight(const Frame& f) {
  return f.state().TypedAnswer[kWideBarsFirstSlot] == f.state().ExpectedAnswer[0];
}

}  // namespace

void UseAnswerBars(Lesson& lesson, const AnswerBarsOptions& options) {
  const bool wide_bars = options.wide_bars;
  std::vector<std::string> more = {"FORM9"};
  if (wide_bars) {
    more.push_back("FORM10");
    more.push_back("FORM11");
  }
  lesson.forms = FrameForms(more, true);
  lesson.move = FrameMoves(more);
  lesson.boxes = {"EDIT1", "EDIT2", "EDIT3", "EDIT4"};
  if (wide_bars)
    for (int k = 5; k <= 11; ++k) lesson.boxes.push_back("EDIT" + std::to_string(k));
  lesson.bars = {Bar("FORM7", "BUTTON2", {"EDIT2"}), Bar("FORM9", "BUTTON3", {"EDIT3", "EDIT4"})};
  lesson.bars[0].judge = options.one_box_judge;
  if (wide_bars) {
    AnswerBar three = Bar("FORM10", "BUTTON4", {"EDIT5", "EDIT6", "EDIT7"}, kWideBarsFirstSlot);
    if (!options.wide_bars_every_box) three.judge = WideBarRight;
    AnswerBar four = Bar("FORM11", "BUTTON5", {"EDIT8", "EDIT9", "EDIT10", "EDIT11"}, kWideBarsFirstSlot);
    if (!options.wide_bars_every_box) four.judge = WideBarRight;
    lesson.bars.push_back(std::move(three));
    lesson.bars.push_back(std::move(four));
  }
  lesson.nav_blank = lesson.boxes;
  lesson.nav_hide = {"FORM7"};
  lesson.nav_hide.insert(lesson.nav_hide.end(), more.begin(), more.end());
}

}  // namespace ham::lessons::common
