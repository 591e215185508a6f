// The one-, two-, three- and four-box answer bars FORM7, FORM9, FORM10 and
// FORM11 with their procedures and navigation. Their layouts are
// forms/bars/*.form beside this file (FORM3 is the frame's).
#pragma once

#include <functional>

#include "frame/lesson.h"

namespace ham::lessons::common {

// The TypedAnswer slot of the first box of FORM10 and FORM11; their further
// boxes fill the slots after it (EDIT5 and EDIT8 share one, and so on).
inline constexpr int kWideBarsFirstSlot = 2;

struct AnswerBarsOptions {
  bool wide_bars = true;  // FORM10 and FORM11 too
  // The one-box OK's own rule; none: its box against ExpectedAnswer1.
  std::function<bool(const frame::Frame&)> one_box_judge;
  // The three- and four-box OKs compare every box with its expected string;
  // else their first box alone with ExpectedAnswer1.
  bool wide_bars_every_box = false;
};

// The forms, edit boxes, answer bars with their procedures and the
// navigation: FORM3, FORM7, FORM9, FORM10 and FORM11 with EDIT1 to EDIT11,
// or without the wide bars FORM3, FORM7 and FORM9 with EDIT1 to EDIT4.
void UseAnswerBars(frame::Lesson& lesson, const AnswerBarsOptions& options = {});

}  // namespace ham::lessons::common
