// The frame's main program and main loop, and the small helpers its parts share.
#include "frame/frame.h"

#include "frame/internal.h"
#include "frame/templates.h"

namespace ham::frame {

std::vector<float> DispatchOrder(const Lesson& lesson) {
  return lesson.dispatch.empty() ? FrameDispatch(lesson.pages) : lesson.dispatch;
}

Frame::Frame(const Lesson& lesson) : lesson_(lesson), dispatch_(DispatchOrder(lesson)) {}

bool Frame::IsPracticePage(float page) const {
  if (!IsWhole(page) || page < 0 || page > lesson_.LastPage()) return false;
  return lesson_.pages[static_cast<std::size_t>(page)].kind == PageKind::kPractice;
}

bool Frame::IsExplanationPage(float page) const {
  if (!IsWhole(page) || page < 0 || page > lesson_.LastPage()) return false;
  return lesson_.pages[static_cast<std::size_t>(page)].kind == PageKind::kExplanation;
}

int Frame::LastContentPage() const { return lesson_.LastPage() - 1; }

void Frame::SetColor(int fg) { RtSetColor(nullptr, fg, 0, 0, 0, 1); }

void Frame::PrintAt(int col, int row, const std::string& text, int color) {
  RtLocate(nullptr, col, row);
  if (color >= 0) SetColor(color);
  RtPrintBegin(nullptr);
  RtPrintString(text);
  RtPrintEnd();
}

void Frame::Main() {
  RegisterProcedures();
  StartUp();
  MainLoop();
}

void Frame::MainLoop() {
  for (;;) {
    try {
      FmWaitEvent(0);
      if (FmEventPending() == -1) {
        FmMciSend(s_.MciRef, "close wave1");
        if (lesson_.on_pending) lesson_.on_pending(*this);
        FmClearEvent();
      }
      Dispatch();
    } catch (const ToLoopBottom&) {
      // An interrupted pause: back to the wait.
    }
  }
}

void Frame::Dispatch() {
  for (float code : dispatch_) {
    if (s_.CommandCode != code) continue;
    if (code == kExitCode) {
      ExitLesson();
      return;
    }
    int page = static_cast<int>(code) / kPageCodes;
    int kind = static_cast<int>(code) % kPageCodes;
    if (kind == kStartCode && IsExplanationPage(static_cast<float>(page))) RunExplanation(page);
    else if (kind == kStartCode && IsPracticePage(static_cast<float>(page))) PracticeHandler(page);
    else if (kind == kRightCode && IsPracticePage(static_cast<float>(page))) RightAnswer(page);
    else if (kind == kWrongCode && IsPracticePage(static_cast<float>(page))) WrongAnswer(page);
    return;
  }
}

}  // namespace ham::frame
