#include "lessons/common/bars.h"

#include "frame/frame.h"
#include "frame/templates.h"

namespace ham::lessons::common {

using namespace ham::frame;

namespace {

// FORM10 and FORM11 copy their boxes into strings of their own (EDIT5 and
// EDIT8 share one, EDIT6 and EDIT9 one, EDIT7 and EDIT10 one, EDIT11 its
// own); their OK compares the first of them with ExpectedAnswer1.
constexpr int kWideFirstSlot = 2;

bool WideBarRight(const Frame& f) {
  return f.state().TypedAnswer[kWideFirstSlot] == f.state().ExpectedAnswer[0];
}

}  // namespace

void UseAnswerBars(Lesson& lesson, bool wide_bars) {
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
  if (wide_bars) {
    AnswerBar three = Bar("FORM10", "BUTTON4", {"EDIT5", "EDIT6", "EDIT7"}, kWideFirstSlot);
    three.judge = WideBarRight;
    AnswerBar four = Bar("FORM11", "BUTTON5", {"EDIT8", "EDIT9", "EDIT10", "EDIT11"}, kWideFirstSlot);
    four.judge = WideBarRight;
    lesson.bars.push_back(std::move(three));
    lesson.bars.push_back(std::move(four));
  }
  lesson.nav_blank = lesson.boxes;
  lesson.nav_hide = {"FORM7"};
  lesson.nav_hide.insert(lesson.nav_hide.end(), more.begin(), more.end());
}

}  // namespace ham::lessons::common
