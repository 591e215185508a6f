// The lesson frame: start-up, main loop, navigation, page modules, paragraph
// player, practice flow, learner record and exit, run over a Lesson.
// One class; its definitions live in a file per concern: frame.cpp (main
// loop, dispatch), startup.cpp, record.cpp, navigation.cpp (forms, buttons,
// bars), pages.cpp (page modules), player.cpp (narration, steps, explanation
// pages), practice.cpp.
#pragma once

#include <array>
#include <source_location>
#include <string>
#include <vector>

#include "frame/lesson.h"
#include "frame/names.h"
#include "frame/state.h"
#include "platform/api.h"

namespace ham::frame {

// Thrown by PauseStep, PlayWave and PlayWaveWait when the pupil has acted:
// the running handler is abandoned and the main loop continues at its bottom.
struct ToLoopBottom {};

// The codes the main loop tests, in order: the lesson's own, or when it
// gives none FrameDispatch of its pages.
std::vector<float> DispatchOrder(const Lesson& lesson);

class Frame {
 public:
  explicit Frame(const Lesson& lesson);

  // The main program: start-up, then the main loop until ExitLesson.
  void Main();

  FrameState& state() { return s_; }
  const FrameState& state() const { return s_; }
  const Lesson& lesson() const { return lesson_; }
  // A loaded form and a bound edit box by name; a name that names none is a
  // fault of the program, reported on the runtime's fatal path. The main
  // window is kMainWindow (or state().MainFormRef), never a lookup.
  Form* form(const std::string& name, std::source_location loc = std::source_location::current()) const;
  Control* edit(const std::string& name, std::source_location loc = std::source_location::current()) const;
  Picture& picture(const std::string& file);

  // Narration and pauses.
  void PauseStep();
  void PlayWave();
  void PlayWaveWait();
  void Pause(float length) {
    s_.PauseLength = length;
    PauseStep();
  }

  // Runs steps of a script; `page_first_narration` etc. are kept per run.
  void RunSteps(const Steps& steps);

  // Problem number of a practice page as stored.
  float& ProblemNumber(int page);
  const Problem* CurrentProblem(int page) const;
  // Whether the bar's boxes hold a right answer, as its OK judges them.
  bool IsRight(const AnswerBar& bar) const;

  // The page module "pag" + n + ".sub".
  void CallPageSub(float page);

  // The frame's palette entries on a target (a lesson's own drawing sheet).
  void ApplyPalette(Canvas* target) { SetPalette(target); }

 private:
  // player.cpp: one step of a script.
  void RunStep(const Step& step);

  // frame.cpp
  void MainLoop();
  void Dispatch();
  bool IsPracticePage(float page) const;
  bool IsExplanationPage(float page) const;
  int LastContentPage() const;
  void SetColor(int fg);
  // Text at a cell; a colour given becomes the foreground first.
  void PrintAt(int col, int row, const std::string& text, int color = -1);

  // startup.cpp
  void StartUp();
  void SetUpMainWindow();
  void LocateBaseFolder();
  void CheckHostProgram();
  // Ends a lesson that cannot start: the pupil sees `box`, and a teacher who
  // started it from a terminal reads `why` on stderr.
  [[noreturn]] void RefuseStart(const std::string& box, const std::string& why);
  void LoadPictures();
  void SetPalette(Canvas* target);
  void ClearPassFlags();
  void LoadForms();
  void BindControls();

  // record.cpp
  void LoadLearnerRecord();
  void ExitLesson();
  std::string RecordPath() const;
  // The three counts at the head of this lesson's record.
  std::array<int, 3> RecordCountsOfLesson() const;
  bool ForeignRecord() const;

  // navigation.cpp
  void RegisterProcedures();
  void MoveModule();
  void ClearAnswerForms(Form* target, bool set_colour);
  void OnNavButton(NavButton button);
  void Edit1Change();
  void Button1On();
  void AnswerOk(const AnswerBar& bar);

  // pages.cpp
  void CommonOpening(double height);
  // The number bar shown blank with its prompt at x, the focus in its box.
  void ShowNumberBar(double x, const std::string& prompt);
  void PageModule(int n);
  void ContentsModule();
  void DrawContentsPage();
  void ContentsLines();
  void ContentsPassMarks(int col);
  // A page module's board: backdrop, heading, and three bands down to y 370
  // split at y1 and y2.
  void ModuleBoard(int n, int backdrop, int top, int y1, int y2);
  void ExplanationModule(int n);
  void PracticeModule(int n);
  void EndModule();
  void ChooserModule();

  // player.cpp
  // When the pupil has acted, the running handler is left for the loop's bottom.
  void LeaveIfPupilActed();
  void ParagraphLabel(int k, int color);
  void RunExplanation(int page);

  // practice.cpp
  void PracticeHandler(int page);
  void ShowPracticeForm();
  void RightAnswer(int page);
  void PassReward(int page);
  void WrongAnswer(int page);
  // Fills the message rows (0,y1)-(640,y2) in colour 0, in the page's strip window.
  void ClearMessageStrip(const PracticePage& pp, double y1, double y2);

  const Lesson& lesson_;
  const std::vector<float> dispatch_;
  FrameState s_;
  // Per script run.
  bool first_narration_done_ = false;
  bool after_wait_narration_ = false;
  bool in_script_ = false;  // an explanation page's script is running
};

}  // namespace ham::frame
