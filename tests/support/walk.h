// A pupil's walk through a lesson, for programs that drive every lesson:
// the answer bar on the screen, and answers it takes as right or as wrong.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "frame/frame.h"

namespace ham::testing {

// The live answer bar shown on top, or null when none is shown.
const frame::AnswerBar* ShownBar(frame::Frame& frame);

// Whether the bar's OK takes `typed` (one string per box) as right.
bool Accepts(frame::Frame& frame, const frame::AnswerBar& bar, const std::vector<std::string>& typed);

// Strings among the expected ones that the bar takes as right; none when no
// such choice exists.
std::optional<std::vector<std::string>> RightTyping(frame::Frame& frame, const frame::AnswerBar& bar);

// Digits in every box that the bar takes as wrong ("0", else "1", ...).
std::vector<std::string> WrongTyping(frame::Frame& frame, const frame::AnswerBar& bar);

// Types each string into its box, one change per character, then presses OK.
void TypeAndConfirm(Runtime& rt, frame::Frame& frame, const frame::AnswerBar& bar,
                    const std::vector<std::string>& typed);

// The box of the bar that fills TypedAnswer slot `slot`, or null.
const std::string* BoxOfSlot(const frame::AnswerBar& bar, int slot);

}  // namespace ham::testing
