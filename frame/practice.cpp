// The practice flow: a problem shown, a right or a wrong answer judged.
#include "frame/frame.h"

#include "frame/internal.h"
#include "frame/names.h"

namespace ham::frame {

float& Frame::ProblemNumber(int page) {
  return s_.ProblemNumber[static_cast<std::size_t>(lesson_.pages[static_cast<std::size_t>(page)].practice.problem_slot)];
}

const Problem* Frame::CurrentProblem(int page) const {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(page)].practice;
  float n = s_.ProblemNumber[static_cast<std::size_t>(pp.problem_slot)];
  if (!IsWhole(n) || n < 1 || n > static_cast<float>(pp.problems.size())) return nullptr;
  return &pp.problems[static_cast<std::size_t>(n) - 1];
}

void Frame::PracticeHandler(int page) {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(page)].practice;
  float& n = ProblemNumber(page);
  float q = static_cast<float>(pp.problems.size());
  if (n == q + 1 && s_.NumberEntered == 0) {
    for (const std::string& name : pp.end_hide.empty() ? lesson_.practice_hide : pp.end_hide)
      FmSetVisible(form(name), 0);
    PrintAt(30, 15, pp.end_text, 1);
    s_.CommandCode = kIdle;
    return;
  }
  // A number that names no problem (out of range, or not whole) is refused
  // before anything is drawn.
  const Problem* problem = CurrentProblem(page);
  if (!problem) {
    s_.MsgResult = static_cast<float>(FmMessageBox(s_.MainFormRef, "", "その番号はありません！", 0, 1));
    FmSetFocus(edit(kNumberBox));
    s_.CommandCode = kIdle;
    return;
  }
  s_.NumberEntered = 0;
  ShowPracticeForm();
  for (std::size_t i = 0; i < problem->expected.size(); ++i) s_.ExpectedAnswer[i] = problem->expected[i];
  RunSteps(problem->setup);
  if (problem->answer_label) RtDrawText(form(kAnswerBarForm), pp.label_x, pp.label_y, "答え");
  if (!pp.unit_label.empty()) RtDrawText(form(kAnswerBarForm), pp.unit_x, pp.unit_y, pp.unit_label);
  s_.CommandCode = kIdle;
}

void Frame::ShowPracticeForm() {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(s_.CurrentPage)].practice;
  Form* strip = form(kTitleStripForm);
  FmSetSize(nullptr, 640, 417);
  FmSetPosition(nullptr, static_cast<int>(FmGetLeft(strip)), static_cast<int>(FmGetTop(strip) + 22));
  for (const std::string& name : lesson_.practice_form_hide)
    FmSetVisible(form(name), 0);
  RtDrawLine(nullptr, 0, 0, 640, 540, 0, LineShape::kFilledBox);
  RtDrawLine(nullptr, 190, 0, 250, 22, 2, LineShape::kFilledBox);
  RtDrawText(nullptr, 200, 2, pp.header);
  PrintAt(0, 2, "解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡", 3);
  Form* bar = form(kAnswerBarForm);
  FmSetVisible(bar, -1);
  RtClearScreen(bar, 0);
  FmSetText(edit(kAnswerBox), "");
  FmSetFocus(edit(kAnswerBox));
  SetColor(7);
}

void Frame::RightAnswer(int page) {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(page)].practice;
  const Problem* problem = CurrentProblem(page);
  if (!problem) {  // no problem is shown under this number
    s_.CommandCode = kIdle;
    return;
  }
  ClearMessageStrip(pp, pp.strip_y1, pp.strip_y2);
  SetColor(7);
  if (!pp.right_lead.empty()) PrintAt(pp.right_lead_col, pp.right_lead_row, pp.right_lead);
  if (problem->praise.empty()) PrintAt(pp.praise_col, pp.praise_row, "天才!ごうかく!", 2);
  else PrintAt(problem->praise_col, problem->praise_row, problem->praise, 2);
  s_.PassFlags[static_cast<std::size_t>(pp.flags)][static_cast<std::size_t>(ProblemNumber(page))] = 1;
  Form* mascots = form(kMascotForm);
  FmDrawPicture(mascots, picture("ﾎﾟｺ2.BMP"), 5, 25);
  FmDrawPicture(mascots, picture("ﾁｬﾋﾟ2.BMP"), 5, 235);
  s_.WavFile = "SOUND80.WAV";
  PlayWave();
  s_.PauseLength = problem->jingle_pause;
  PauseStep();
  FmMciSend(s_.MciRef, "close wave1");
  FmDrawPicture(mascots, picture("ﾎﾟｺ.BMP"), 5, 25);
  FmDrawPicture(mascots, picture("ﾁｬﾋﾟ.BMP"), 5, 235);
  PassReward(page);
}

void Frame::PassReward(int page) {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(page)].practice;
  RtDrawLine(nullptr, 0, 30, 640, 490, 0, LineShape::kFilledBox);
  SetColor(7);
  const auto& flags = s_.PassFlags[static_cast<std::size_t>(pp.flags)];
  s_.PassTally = 0;
  for (s_.LoopIndex = 1; s_.LoopIndex <= static_cast<float>(pp.problems.size()); s_.LoopIndex += 1)
    s_.PassTally += flags[static_cast<std::size_t>(s_.LoopIndex)];
  if (s_.PassTally == static_cast<float>(pp.problems.size())) {
    FmSetFontSize(kMainWindow, 24);
    PrintAt(pp.reward_col, 7, pp.reward);
    FmSetFontSize(kMainWindow, 16);
    PrintAt(8, 13, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!");
    s_.PauseLength = 200;
    PauseStep();
  }
  // AdvanceProblem
  ProblemNumber(page) += 1;
  PracticeHandler(page);
}

void Frame::WrongAnswer(int page) {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(page)].practice;
  const Problem* problem = CurrentProblem(page);
  if (!problem) {
    s_.CommandCode = kIdle;
    return;
  }
  if (pp.wrong_erases_strip)
    ClearMessageStrip(pp, pp.wrong_strip_y1 < 0 ? pp.strip_y1 : pp.wrong_strip_y1,
                      pp.wrong_strip_y2 < 0 ? pp.strip_y2 : pp.wrong_strip_y2);
  SetColor(7);
  if (pp.blank_warning && RtRight(s_.TypedAnswer[0], 1) == " ") {
    PrintAt(10, 17, "最後には 空白キーをうたないでね!", 2);
    SetColor(7);
    s_.CommandCode = kIdle;
    return;
  }
  if (!pp.hint_lead.empty()) {
    PrintAt(pp.hint_lead_col, pp.hint_lead_row, pp.hint_lead, pp.hint_lead_color);
  }
  int n = static_cast<int>(ProblemNumber(page));
  auto matches = [&](const Hint& h) {
    if (h.first != 0 && (n < h.first || n > h.last)) return false;
    for (std::size_t i = 0; i < h.typed.size(); ++i)
      if (s_.TypedAnswer[static_cast<std::size_t>(h.typed_from) + i] != h.typed[i]) return false;
    return true;
  };
  const Hint* chosen = nullptr;
  for (const Hint& h : problem->hints)
    if (!chosen && matches(h)) chosen = &h;
  for (const Hint& h : pp.hints)
    if (!chosen && matches(h)) chosen = &h;
  if (chosen) {
    if (!chosen->text.empty() || chosen->steps.empty()) {
      PrintAt(chosen->col, chosen->row, chosen->text, chosen->color);
    } else {
      SetColor(chosen->color);
    }
    RunSteps(chosen->steps);
    SetColor(7);
  }
  s_.CommandCode = kIdle;
}

void Frame::ClearMessageStrip(const PracticePage& pp, double y1, double y2) {
  if (pp.strip_window_height <= 0) {
    RtDrawLine(nullptr, 0, y1, 640, y2, 0, LineShape::kFilledBox);
    return;
  }
  // The pupil's action has put the page modules' window back; in it the
  // strip would reach up into the problem's figure.
  const DrawState kept = s_.MainFormRef->state();
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, pp.strip_window_height);
  RtDrawLine(nullptr, 0, y1, 640, y2, 0, LineShape::kFilledBox);
  RtSetWindow(nullptr, 0, kept.wx1, kept.wy1, 0, kept.wx2, kept.wy2);
}

}  // namespace ham::frame
