// Forms and navigation: the event procedures, the navigation buttons, the
// number bar and the answer bars' OK, "move.sub".
#include "frame/frame.h"

#include <algorithm>
#include <numeric>

#include "frame/internal.h"
#include "frame/names.h"

namespace ham::frame {

namespace {

// The event procedure of a control or form: "FE$BUTTON1_ON".
std::string Procedure(const std::string& name, const char* event) { return "FE$" + name + "_" + event; }

}  // namespace

Form* Frame::form(const std::string& name, std::source_location loc) const {
  auto it = s_.FormRef.find(name);
  if (it == s_.FormRef.end()) Runtime::Current().Fatal("form " + name + " is not loaded", loc);
  return it->second;
}

Control* Frame::edit(const std::string& name, std::source_location loc) const {
  auto it = s_.EditRef.find(name);
  if (it == s_.EditRef.end()) Runtime::Current().Fatal("edit box " + name + " is not bound", loc);
  return it->second;
}

Picture& Frame::picture(const std::string& file) { return s_.Pictures[file]; }

void Frame::RegisterProcedures() {
  Runtime& rt = Runtime::Current();
  for (int k = 1; k <= kNavButtons; ++k)
    rt.RegisterProcedure(Procedure(kNavButtonPrefix + Num(k), "ON"), [this, k](Form*) { OnNavButton(static_cast<NavButton>(k)); });
  rt.RegisterProcedure(Procedure(kTitleStripForm, "MOUSEDOWN"), [](Form*) { RtCallSub("move.sub"); });
  rt.RegisterProcedure(Procedure(kNumberBox, "CHANGE"), [this](Form*) { Edit1Change(); });
  rt.RegisterProcedure(Procedure(kNumberOk, "ON"), [this](Form*) { Button1On(); });
  for (const AnswerBar& bar : lesson_.bars) {
    if (!bar.live) continue;
    for (std::size_t i = 0; i < bar.boxes.size(); ++i) {
      std::string box = bar.boxes[i];
      int slot = bar.typed[i];
      rt.RegisterProcedure(Procedure(box, "CHANGE"), [this, box, slot](Form*) {
        s_.TypedAnswer[static_cast<std::size_t>(slot)] = FmGetText(edit(box));
      });
    }
    const AnswerBar* b = &bar;
    rt.RegisterProcedure(Procedure(bar.button, "ON"), [this, b](Form*) { AnswerOk(*b); });
  }
  for (int n = 0; n <= lesson_.LastPage(); ++n) rt.RegisterSub("pag" + Num(n) + ".sub", [this, n] { PageModule(n); });
  rt.RegisterSub("site.sub", [this] { ChooserModule(); });
  rt.RegisterSub("move.sub", [this] { MoveModule(); });
  // Closing the window is the pupil pressing the exit button. Before the
  // button is bound (start-up) the runtime presses it again at the first
  // wait for the pupil.
  rt.on_window_close = [this, &rt] {
    if (Control* exit = s_.NavButtonRef[kExitButton]) {
      bool was = exit->enabled;
      exit->enabled = true;
      rt.PressControl(*exit);
      exit->enabled = was;
    }
  };
}

void Frame::CallPageSub(float page) {
  std::string t = RtStrFromSingle(page);
  std::string u = RtRight(t, RtLen(t) - 1);
  RtCallSub("pag" + u + ".sub");
}

void Frame::MoveModule() {
  Form* strip = form(kTitleStripForm);
  if (FmGetLeft(strip) == 0) FmMoveForm(strip, 400, 300);
  else FmMoveForm(strip, 0, 0);
  for (const MoveTarget& m : lesson_.move) {
    Form* f = m.form == kMainWindowTarget ? s_.MainFormRef : form(m.form);
    FmMoveForm(f, FmGetLeft(strip) + m.dx, FmGetTop(strip) + m.dy);
  }
}

void Frame::ClearAnswerForms(Form* target, bool set_colour) {
  // The number box, then each bar's boxes followed by hiding the bar.
  std::vector<std::string> blank = lesson_.nav_blank;
  auto take = [&](const std::string& box) {
    auto it = std::find(blank.begin(), blank.end(), box);
    if (it == blank.end()) return;
    blank.erase(it);
    FmSetText(edit(box), "");
  };
  take(kNumberBox);
  for (const std::string& bar : lesson_.nav_hide) {
    for (const AnswerBar& b : lesson_.bars)
      if (b.form == bar)
        for (const std::string& box : b.boxes) take(box);
    FmSetVisible(form(bar), 0);
  }
  for (const std::string& box : std::vector<std::string>(blank)) take(box);
  RtSetWindow(target, 0, 0, 0, 0, 639, 568);
  FmSetDrawStyle(target, 0);
  FmSetDrawMode(target, 13);
  if (set_colour) RtSetColor(target, 7, 0, 0, 0, 1);
  s_.InputMode = 0;
}

void Frame::OnNavButton(NavButton button) {
  Form* target = s_.MainFormRef;
  switch (button) {
    case NavButton::kPrevious:
      ClearAnswerForms(target, true);
      s_.PreviousPage = s_.CurrentPage;
      s_.CurrentPage -= 1;
      if (s_.CurrentPage == -1) s_.CurrentPage = 0;
      CallPageSub(s_.CurrentPage);
      break;
    case NavButton::kLastSeen: {
      ClearAnswerForms(target, true);
      std::string t = RtStrFromSingle(s_.PreviousPage);
      s_.PreviousPage = s_.CurrentPage;
      RtCallSub("pag" + RtRight(t, RtLen(t) - 1) + ".sub");
      break;
    }
    case NavButton::kNext:
      ClearAnswerForms(target, true);
      s_.PreviousPage = s_.CurrentPage;
      s_.CurrentPage += 1;
      CallPageSub(s_.CurrentPage);
      break;
    case NavButton::kChooser:
      ClearAnswerForms(target, true);
      s_.PreviousPage = s_.CurrentPage;
      RtCallSub("site.sub");
      break;
    case NavButton::kPageStart:
      ClearAnswerForms(target, false);
      CallPageSub(s_.CurrentPage);
      break;
    case NavButton::kContents:
      ClearAnswerForms(target, true);
      s_.PreviousPage = s_.CurrentPage;
      RtCallSub("pag0.sub");
      break;
    case NavButton::kExit:
      s_.CommandCode = kExitCode;
      break;
  }
}

void Frame::Edit1Change() {
  s_.EntryText = FmGetText(edit(kNumberBox));
  if (s_.InputMode == kChoosingPage) return;
  double v = RtVal(s_.EntryText);
  if (IsExplanationPage(s_.CurrentPage)) {
    s_.StartParagraph = RtCInt(v);
  } else if (IsPracticePage(s_.CurrentPage)) {
    const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(s_.CurrentPage)].practice;
    float& n = s_.ProblemNumber[static_cast<std::size_t>(pp.problem_slot)];
    n = lesson_.problem_rounded[static_cast<std::size_t>(pp.problem_slot)] ? static_cast<float>(RtCInt(v))
                                                                            : static_cast<float>(v);
  }
}

void Frame::Button1On() {
  if (s_.InputMode == kChoosingPage) {
    bool accepted = false;
    for (int p = 0; p <= LastContentPage(); ++p)
      if (s_.EntryText == Num(p)) accepted = true;
    if (accepted) {
      s_.InputMode = 0;
      std::string page = s_.EntryText;
      FmSetText(edit(kNumberBox), "");
      RtCallSub("pag" + page + ".sub");
    } else {
      FmMessageBox(s_.MainFormRef, "", "そのページはありません！", 0, 1);
      RtCallSub("site.sub");
    }
    return;
  }
  s_.NumberEntered = 1;
  float p = s_.CurrentPage;
  if (p == 0) s_.CommandCode = 0;
  else if (IsWhole(p) && p >= 1 && p <= static_cast<float>(LastContentPage())) s_.CommandCode = p * kPageCodes + kStartCode;
}

bool Frame::IsRight(const AnswerBar& bar) const {
  if (bar.judge) return bar.judge(*this);
  std::vector<int> slots = bar.expected;
  const Problem* problem = nullptr;
  if (IsPracticePage(s_.CurrentPage)) {
    const int page = static_cast<int>(s_.CurrentPage);
    const std::vector<int>& given = lesson_.pages[static_cast<std::size_t>(page)].practice.answer_slots;
    for (std::size_t i = 0; i < slots.size() && i < given.size(); ++i) slots[i] = given[i];
    problem = CurrentProblem(page);
  }
  // Box `box` against the answer of place `k`.
  auto fits = [&](std::size_t box, std::size_t k) {
    const std::string& typed = s_.TypedAnswer[static_cast<std::size_t>(bar.typed[box])];
    if (typed == s_.ExpectedAnswer[static_cast<std::size_t>(slots[k])]) return true;
    if (!problem || k >= problem->also_expected.size() || problem->also_expected[k] < 0) return false;
    return typed == s_.ExpectedAnswer[static_cast<std::size_t>(problem->also_expected[k])];
  };
  std::vector<std::size_t> order(slots.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  do {
    bool right = true;
    for (std::size_t i = 0; i < order.size() && right; ++i) right = fits(i, order[i]);
    if (right) return true;
  } while (problem && problem->any_order && std::next_permutation(order.begin(), order.end()));
  return false;
}

void Frame::AnswerOk(const AnswerBar& bar) {
  const bool right = IsRight(bar);
  s_.CommandCode = s_.CurrentPage * kPageCodes + (right ? kRightCode : kWrongCode);
  FmSetFocus(edit(bar.boxes.front()));
}

}  // namespace ham::frame
