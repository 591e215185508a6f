#include "tests/support/walk.h"

namespace ham::testing {

using namespace ham::frame;

const AnswerBar* ShownBar(Frame& frame) {
  const AnswerBar* bar = nullptr;
  long z = -1;
  for (const AnswerBar& b : frame.lesson().bars) {
    Form* f = frame.form(b.form);
    if (f && f->visible && b.live && f->z > z) {
      z = f->z;
      bar = &b;
    }
  }
  return bar;
}

bool Accepts(Frame& frame, const AnswerBar& bar, const std::vector<std::string>& typed) {
  FrameState& st = frame.state();
  auto saved = st.TypedAnswer;
  for (std::size_t i = 0; i < bar.boxes.size() && i < typed.size(); ++i)
    st.TypedAnswer[static_cast<std::size_t>(bar.typed[i])] = typed[i];
  const bool right = frame.IsRight(bar);
  st.TypedAnswer = saved;
  return right;
}

std::optional<std::vector<std::string>> RightTyping(Frame& frame, const AnswerBar& bar) {
  const FrameState& st = frame.state();
  std::vector<std::string> candidates(st.ExpectedAnswer.begin(), st.ExpectedAnswer.end());
  std::size_t k = bar.boxes.size();
  std::vector<std::size_t> pick(k, 0);
  for (;;) {
    std::vector<std::string> typed;
    for (std::size_t i = 0; i < k; ++i) typed.push_back(candidates[pick[i]]);
    if (Accepts(frame, bar, typed)) return typed;
    std::size_t i = 0;
    while (i < k && ++pick[i] == candidates.size()) pick[i++] = 0;
    if (i == k) return std::nullopt;
  }
}

std::vector<std::string> WrongTyping(Frame& frame, const AnswerBar& bar) {
  for (char d = '0'; d <= '9'; ++d) {
    std::vector<std::string> typed(bar.boxes.size(), std::string(1, d));
    if (!Accepts(frame, bar, typed)) return typed;
  }
  return std::vector<std::string>(bar.boxes.size(), "?");
}

void TypeAndConfirm(Runtime& rt, Frame& frame, const AnswerBar& bar, const std::vector<std::string>& typed) {
  for (std::size_t i = 0; i < bar.boxes.size() && i < typed.size(); ++i) {
    Control* box = frame.edit(bar.boxes[i]);
    rt.SetFocus(box);
    // What an earlier answer left in the box goes first, as a pupil erases it.
    for (int n = RtLen(FmGetText(box)); n > 0; --n) rt.PressKey(Key::kBackspace);
    rt.TypeText(*box, typed[i]);
  }
  if (Control* ok = frame.form(bar.form)->Find(bar.button)) rt.ClickControl(*ok);
}

const std::string* BoxOfSlot(const AnswerBar& bar, int slot) {
  for (std::size_t i = 0; i < bar.boxes.size(); ++i)
    if (bar.typed[i] == slot) return &bar.boxes[i];
  return nullptr;
}

}  // namespace ham::testing
