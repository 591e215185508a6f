#include "frame/frame.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/utf8.h"

namespace ham::frame {

namespace {

const char* const kHostProgram = "ﾎﾟｺﾄﾁｬﾋﾟ1.exe";
const char* const kRecordPrefix = "C:\\DI1";

std::string Num(int n) { return std::to_string(n); }

bool IsWhole(float v) { return std::isfinite(v) && std::floor(v) == v; }

// An identifier that would lead the record's path out of drive C's root
// entry, or hide characters, is refused.
bool SafeLearnerId(const std::string& id) {
  if (id.find("..") != std::string::npos) return false;
  for (unsigned char c : id)
    if (c < 0x20 || c == 0x7F || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' ||
        c == '"' || c == '<' || c == '>' || c == '|')
      return false;
  return true;
}

// Sets `flag` while alive.
struct Scoped {
  bool& flag;
  bool old;
  explicit Scoped(bool& f) : flag(f), old(f) { flag = true; }
  ~Scoped() { flag = old; }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
};

}  // namespace

Step Polyline(std::vector<std::pair<double, double>> points, int color) {
  PolylineStep p;
  for (auto& [x, y] : points) p.points.push_back({x, y, false});
  p.color = color;
  return p;
}

Step Blink(double x, double y, std::string text) { return BlinkStep{{{x, y, std::move(text)}}}; }

Step Blink(std::vector<BlinkStep::Item> items) { return BlinkStep{std::move(items)}; }

Frame::Frame(const Lesson& lesson) : lesson_(lesson) {}

Form* Frame::form(const std::string& name) const {
  auto it = s_.FormRef.find(name);
  return it == s_.FormRef.end() ? nullptr : it->second;
}

Control* Frame::edit(const std::string& name) const {
  auto it = s_.EditRef.find(name);
  return it == s_.EditRef.end() ? nullptr : it->second;
}

Picture& Frame::picture(const std::string& file) { return s_.Pictures[file]; }

bool Frame::IsPracticePage(float page) const {
  if (!IsWhole(page) || page < 0 || page > lesson_.LastPage()) return false;
  return lesson_.pages[static_cast<std::size_t>(page)].kind == PageKind::kPractice;
}

bool Frame::IsExplanationPage(float page) const {
  if (!IsWhole(page) || page < 0 || page > lesson_.LastPage()) return false;
  return lesson_.pages[static_cast<std::size_t>(page)].kind == PageKind::kExplanation;
}

int Frame::LastContentPage() const { return lesson_.LastPage() - 1; }

float& Frame::ProblemNumber(int page) {
  return s_.ProblemNumber[static_cast<std::size_t>(lesson_.pages[static_cast<std::size_t>(page)].practice.problem_slot)];
}

const Problem* Frame::CurrentProblem(int page) const {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(page)].practice;
  float n = s_.ProblemNumber[static_cast<std::size_t>(pp.problem_slot)];
  if (!IsWhole(n) || n < 1 || n > static_cast<float>(pp.problems.size())) return nullptr;
  return &pp.problems[static_cast<std::size_t>(n) - 1];
}

void Frame::SetColor(int fg) { RtSetColor(nullptr, fg, 0, 0, 0, 1); }

void Frame::PrintAt(int col, int row, const std::string& text, int color) {
  RtLocate(nullptr, col, row);
  if (color >= 0) SetColor(color);
  RtPrintBegin(nullptr);
  RtPrintString(text);
  RtPrintEnd();
}

void Frame::ParagraphLabel(int k, int color) { RtDrawText(nullptr, 570, 2, "だん落 " + Num(k), color); }

std::string Frame::RecordPath() const { return kRecordPrefix + s_.LearnerId; }

// ----- main program ------------------------------------------------------------------------

void Frame::Main() {
  RegisterProcedures();
  StartUp();
  MainLoop();
}

void Frame::RegisterProcedures() {
  Runtime& rt = Runtime::Current();
  for (int k = 1; k <= 7; ++k)
    rt.RegisterProcedure("FE$BMPBUTTON" + Num(k) + "_ON", [this, k](Form*) { NavButton(k); });
  rt.RegisterProcedure("FE$FORM4_MOUSEDOWN", [](Form*) { RtCallSub("move.sub"); });
  rt.RegisterProcedure("FE$EDIT1_CHANGE", [this](Form*) { Edit1Change(); });
  rt.RegisterProcedure("FE$BUTTON1_ON", [this](Form*) { Button1On(); });
  for (const AnswerBar& bar : lesson_.bars) {
    if (!bar.live) continue;
    for (std::size_t i = 0; i < bar.boxes.size(); ++i) {
      std::string box = bar.boxes[i];
      int slot = bar.typed[i];
      rt.RegisterProcedure("FE$" + box + "_CHANGE", [this, box, slot](Form*) {
        s_.TypedAnswer[static_cast<std::size_t>(slot)] = FmGetText(edit(box));
      });
    }
    const AnswerBar* b = &bar;
    rt.RegisterProcedure("FE$" + bar.button + "_ON", [this, b](Form*) { AnswerOk(*b); });
  }
  for (int n = 0; n <= lesson_.LastPage(); ++n) rt.RegisterSub("pag" + Num(n) + ".sub", [this, n] { PageModule(n); });
  rt.RegisterSub("site.sub", [this] { ChooserModule(); });
  rt.RegisterSub("move.sub", [this] { MoveModule(); });
  // Closing the window is the pupil pressing the exit button. Before the
  // button is bound (start-up) the runtime presses it again at the first
  // wait for the pupil.
  rt.on_window_close = [this, &rt] {
    if (Control* exit = s_.NavButtonRef[7]) {
      bool was = exit->enabled;
      exit->enabled = true;
      rt.PressControl(*exit);
      exit->enabled = was;
    }
  };
}

void Frame::StartUp() {
  SetUpMainWindow();
  LocateBaseFolder();
  CheckHostProgram();
  LoadPictures();
  s_.NumberEntered = 0;
  s_.CommandCode = kIdle;
  SetPalette(nullptr);
  RtSetColor(nullptr, 7, 0, 7, 4, 15);
  if (lesson_.after_palette) lesson_.after_palette(*this);
  ClearPassFlags();
  LoadLearnerRecord();
  s_.CurrentPage = 0;
  DrawContentsPage();
  LoadForms();
  BindControls();
  for (int k = 1; k <= 6; ++k) FmSetEnabled(s_.NavButtonRef[static_cast<std::size_t>(k)], -1);
}

void Frame::SetUpMainWindow() {
  s_.MciRef = FmGetControl(nullptr, "MCI1");
  if (lesson_.before_main_form) lesson_.before_main_form(*this);
  s_.MainFormRef = FmGetMainForm(0);
  RtClearScreen(nullptr, 0);
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568);
  RtSetViewport(nullptr, 0, 0, 639, 479, 0, 0, 0);
  FmSetSize(nullptr, 640, 440);
  FmSetPosition(nullptr, 0, 22);
  FmSetFontName(nullptr, "標準明朝");
  FmSetFontSize(kMainWindow, 16);
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
  for (float code : lesson_.dispatch) {
    if (s_.CommandCode != code) continue;
    if (code == kExitCode) {
      ExitLesson();
      return;
    }
    int page = static_cast<int>(code) / 10;
    int kind = static_cast<int>(code) % 10;
    if (kind == 1 && IsExplanationPage(static_cast<float>(page))) RunExplanation(page);
    else if (kind == 1 && IsPracticePage(static_cast<float>(page))) PracticeHandler(page);
    else if (kind == 2 && IsPracticePage(static_cast<float>(page))) RightAnswer(page);
    else if (kind == 3 && IsPracticePage(static_cast<float>(page))) WrongAnswer(page);
    return;
  }
}

// ----- narration and pauses ------------------------------------------------------------------

void Frame::PauseStep() {
  if (FmEventPending() == -1) {
    s_.CommandCode = kIdle;
    throw ToLoopBottom{};
  }
  // Paragraphs before the chosen one are drawn without waiting; the pauses
  // of the practice flow always wait.
  if (in_script_ && s_.CurrentParagraph < s_.StartParagraph) return;
  RtWait(RtCInt(s_.PauseLength));
}

void Frame::PlayWave() {
  if (FmEventPending() == -1) {
    s_.CommandCode = kIdle;
    throw ToLoopBottom{};
  }
  FmMciSend(s_.MciRef, "open " + s_.WavFile + " alias wave1");
  FmMciSend(s_.MciRef, "play wave1");
  if (lesson_.play_wave_pause_step) {
    s_.PauseLength = 20;
    PauseStep();
  } else {
    RtWait(20);
  }
}

void Frame::PlayWaveWait() {
  if (FmEventPending() == -1) {
    s_.CommandCode = kIdle;
    throw ToLoopBottom{};
  }
  FmMciSend(s_.MciRef, "open " + s_.WavFile + " alias wave1");
  FmMciSend(s_.MciRef, "play wave1 notify wait");
  FmMciSend(s_.MciRef, "close wave1");
}

// ----- steps -------------------------------------------------------------------------------

void Frame::RunSteps(const Steps& steps) {
  for (const Step& step : steps) {
    std::visit(
        [this](const auto& st) {
          using T = std::decay_t<decltype(st)>;
          if constexpr (std::is_same_v<T, TextStep>) {
            RtDrawText(st.form.empty() ? nullptr : form(st.form), st.x, st.y, st.text, st.color, st.sx, st.sy);
          } else if constexpr (std::is_same_v<T, PrintStep>) {
            PrintAt(st.col, st.row, st.text, st.color);
          } else if constexpr (std::is_same_v<T, PrintNumberStep>) {
            RtLocate(nullptr, st.col, st.row);
            if (st.color >= 0) SetColor(st.color);
            RtPrintBegin(nullptr);
            RtPrintSingle(st.value);
            RtPrintEnd();
          } else if constexpr (std::is_same_v<T, FontSizeStep>) {
            FmSetFontSize(kMainWindow, st.size);
          } else if constexpr (std::is_same_v<T, FontNameStep>) {
            FmSetFontName(nullptr, st.face);
          } else if constexpr (std::is_same_v<T, ColorStep>) {
            SetColor(st.fg);
          } else if constexpr (std::is_same_v<T, LineStep>) {
            RtDrawLine(nullptr, st.x1, st.y1, st.x2, st.y2, st.color, st.shape, st.fill);
          } else if constexpr (std::is_same_v<T, CircleStep>) {
            RtDrawCircle(nullptr, st.x, st.y, st.r, st.color, st.aspect, st.start, st.end, st.filled, st.fill);
          } else if constexpr (std::is_same_v<T, PolylineStep>) {
            RtDrawPolyline(nullptr, st.points, st.color, st.filled, st.fill);
          } else if constexpr (std::is_same_v<T, PictureStep>) {
            FmDrawPicture(nullptr, picture(st.picture), st.x, st.y);
          } else if constexpr (std::is_same_v<T, DrawModeStep>) {
            FmSetDrawMode(nullptr, st.mode);
          } else if constexpr (std::is_same_v<T, DrawStyleStep>) {
            FmSetDrawStyle(nullptr, st.style);
          } else if constexpr (std::is_same_v<T, FillStyleStep>) {
            FmSetFillStyle(nullptr, st.style);
          } else if constexpr (std::is_same_v<T, FloodFillStep>) {
            FmSetFillColor(nullptr, FmRgb(st.r, st.g, st.b));
            FmFloodFill(nullptr, st.x, st.y, FmRgb(255, 255, 255), 0);
          } else if constexpr (std::is_same_v<T, WindowStep>) {
            RtSetWindow(nullptr, 0, st.x1, st.y1, 0, st.x2, st.y2);
          } else if constexpr (std::is_same_v<T, NarrationStep>) {
            // Every narration but the page's first, and but one right after
            // a narration that waited for its end, closes the sound first.
            bool close = first_narration_done_ && !after_wait_narration_;
            first_narration_done_ = true;
            after_wait_narration_ = st.wait;
            if (s_.StartParagraph <= s_.CurrentParagraph) {
              if (close) FmMciSend(s_.MciRef, "close wave1");
              s_.WavFile = st.file;
              if (st.wait) PlayWaveWait();
              else PlayWave();
              if (st.pause) {
                s_.PauseLength = *st.pause;
                PauseStep();
              }
            }
          } else if constexpr (std::is_same_v<T, PauseStep_>) {
            s_.PauseLength = st.length;
            PauseStep();
          } else if constexpr (std::is_same_v<T, CloseSoundStep>) {
            FmMciSend(s_.MciRef, "close wave1");
          } else if constexpr (std::is_same_v<T, BlinkStep>) {
            for (int i = 1; i <= st.count; ++i) {
              int c = (i % 2 == 1) ? st.on_odd : st.on_even;
              for (const auto& item : st.items) RtDrawText(nullptr, item.x, item.y, item.text, c);
              s_.PauseLength = st.pause;
              PauseStep();
            }
          } else if constexpr (std::is_same_v<T, ParagraphStep>) {
            ParagraphLabel(st.k - 1, 0);
            ParagraphLabel(st.k, -1);
            s_.CurrentParagraph = static_cast<float>(st.k);
          } else if constexpr (std::is_same_v<T, ShowBarStep>) {
            Form* bar = form(st.form);
            FmSetVisible(bar, -1);
            RtClearScreen(bar, 0);
            for (const AnswerBar& b : lesson_.bars)
              if (b.form == st.form) {
                for (const std::string& box : b.boxes) FmSetText(edit(box), "");
                if (!b.boxes.empty()) FmSetFocus(edit(b.boxes.front()));
              }
          } else if constexpr (std::is_same_v<T, CallStep>) {
            st.run(*this);
          }
        },
        step);
  }
}

// ----- host folder, learner record, exit --------------------------------------------------------

void Frame::LocateBaseFolder() {
  s_.BaseFolder = OsGetCurrentDirectory();
  s_.PassTally = 0;
  for (s_.LoopIndex = 1; s_.LoopIndex <= 5; s_.LoopIndex += 1) {
    int k = static_cast<int>(s_.LoopIndex);
    if (RtLeft(RtRight(s_.BaseFolder, k), 1) == "\\") s_.PassTally = static_cast<float>(k);
  }
  s_.BaseFolder = RtLeft(s_.BaseFolder, RtLen(s_.BaseFolder) - static_cast<int>(s_.PassTally) - 6);
}

void Frame::CheckHostProgram() {
  OsFindFirstFile(1, s_.BaseFolder + "\\" + kHostProgram);
  // A folder of the host's name is no host.
  if (OsFindNothing(1) == -1 || OsFindFoundFile(1) == 0) {
    OsFindClose(1);
    FmMessageBox(nullptr, "",
                 "ｷﾗﾘﾉｰﾄ1.0がありません｡ｸﾘﾌﾀのｻｲﾄで体験版を無料入手して､そこへこのｿﾌﾄを入れて下さい｡", 0, 1);
    RtEnd(0);
  }
  OsFindClose(1);
}

void Frame::LoadPictures() {
  for (const PictureSpec& p : lesson_.pictures) {
    Picture& pic = s_.Pictures[p.file];
    pic.set_name(p.file);
    FmNewPicture(pic);
    FmLoadPicture(pic, p.from_da ? s_.BaseFolder + "\\da\\" + p.file : p.file);
  }
}

void Frame::SetPalette(Canvas* target) {
  struct Entry { int index, g, r, b; };
  static const Entry kPalette[] = {
      {8, 0, 0, 128},    {9, 0, 128, 0},     {10, 0, 148, 148},  {0, 128, 0, 0},     {12, 128, 0, 128},
      {13, 128, 255, 255}, {14, 255, 128, 128}, {15, 128, 128, 128}, {1, 0, 0, 255},     {2, 0, 255, 0},
      {3, 0, 255, 255},  {4, 255, 0, 0},     {5, 255, 0, 255},   {6, 255, 255, 0},   {7, 255, 255, 255},
  };
  for (const Entry& e : kPalette) RtSetPalette(target, e.index, e.g, e.r, e.b);
}

void Frame::ClearPassFlags() {
  for (const Page& p : lesson_.pages) {
    if (p.kind != PageKind::kPractice) continue;
    auto& flags = s_.PassFlags[static_cast<std::size_t>(p.practice.flags)];
    flags.assign(p.practice.problems.size() + 1, 0.0f);
  }
}

void Frame::LoadLearnerRecord() {
  RtFileOpen(1, "NO.BAS", "I");
  RtFileInputBegin(1);
  RtFileInputVars({s_.LearnerId});
  RtFileClose({1});
  if (!SafeLearnerId(s_.LearnerId))
    Runtime::Current().Fatal("learner identifier refused: " + s_.LearnerId, std::source_location::current());
  RtFileOpen(1, RecordPath(), "I");
  RtFileInputBegin(1);
  RtFileInputVars({s_.RecordCounts[0], s_.RecordCounts[1], s_.RecordCounts[2]});
  if (ForeignRecord()) {
    // Another lesson's record: its flags are not this lesson's passes, and
    // writing ours over it would lose them.
    RtFileClose({1});
    FmMessageBox(nullptr, "", "学習の記録がこの単元のものではありません｡先生に知らせて下さい｡", 0, 1);
    RtEnd(0);
  }
  for (const Page& p : lesson_.pages) {
    if (p.kind != PageKind::kPractice) continue;
    auto& flags = s_.PassFlags[static_cast<std::size_t>(p.practice.flags)];
    for (std::size_t i = 1; i <= p.practice.problems.size(); ++i) {
      RtFileInputBegin(1);
      RtFileInputVars({flags[i]});
    }
  }
  RtFileClose({1});
}

std::array<int, 3> Frame::RecordCountsOfLesson() const {
  std::array<int, 3> counts{};
  std::size_t k = 0;
  for (const Page& p : lesson_.pages)
    if (p.kind == PageKind::kPractice && k < counts.size()) counts[k++] = static_cast<int>(p.practice.problems.size());
  return counts;
}

// The head of the record names another lesson when a count it gives differs
// from this lesson's. A count of 0 gives nothing away: an empty or short
// record reads zeros there.
bool Frame::ForeignRecord() const {
  std::array<int, 3> own = RecordCountsOfLesson();
  for (std::size_t i = 0; i < own.size(); ++i)
    if (s_.RecordCounts[i] != 0 && s_.RecordCounts[i] != static_cast<float>(own[i])) return true;
  return false;
}

void Frame::ExitLesson() {
  FmMciSend(s_.MciRef, "close wave1");
  RtClearScreen(nullptr, 0);
  // The record is replaced as a whole: written beside the old one and put in
  // its place only when complete, so a failure keeps the old record.
  std::array<int, 3> counts = RecordCountsOfLesson();
  std::vector<const std::vector<float>*> flags;
  for (const Page& p : lesson_.pages)
    if (p.kind == PageKind::kPractice) flags.push_back(&s_.PassFlags[static_cast<std::size_t>(p.practice.flags)]);
  std::size_t total = 3;
  for (auto* f : flags) total += f->size() - 1;
  RtFileOpen(1, RecordPath(), "O");
  RtFilePrintBegin(1);
  std::size_t written = 0;
  for (int c : counts) RtFilePrintInteger(c, ++written < total ? 1 : 0);
  for (auto* f : flags)
    for (std::size_t i = 1; i < f->size(); ++i) RtFilePrintSingle((*f)[i], ++written < total ? 1 : 0);
  RtFilePrintEnd();
  RtFileClose({1});
  OsSetCurrentDirectory(s_.BaseFolder);
  RtRunProgram(kHostProgram);
  RtEnd(0);
}

// ----- forms -------------------------------------------------------------------------------------

void Frame::LoadForms() {
  for (const FormLoad& fl : lesson_.forms) {
    Form* f = FmLoadForm(fl.name, 0);
    s_.FormRef[fl.name] = f;
    FmSetPosition(f, fl.x, fl.y);
    if (fl.name == "FORM5") {
      FmDrawPicture(f, picture("ｻｲｹ.BMP"), 5, 0);
      FmDrawPicture(f, picture("ｽﾄﾗｲﾌﾟ.BMP"), 605, 25);
    } else if (fl.name == "FORM4") {
      FmSetVisible(f, -1);
      RtDrawCircle(f, 10, 10, 6, 5, 1, 0, 0, true, 5);
      RtDrawLine(f, 8, 5, 12, 5, 15);
      RtDrawLine(f, 10, 2, 10, 5, 15);
      RtSetPalette(f, 7, 255, 255, 255);
      RtDrawText(f, 74, 0, "Blackboard", 7, 1, 1);
    } else if (fl.name == "FORM6") {
      FmDrawPicture(f, picture("ﾎﾟｺ.BMP"), 5, 25);
      FmDrawPicture(f, picture("ﾁｬﾋﾟ.BMP"), 5, 235);
    }
    if (fl.bar_font) {
      FmSetFontName(f, "標準明朝");
      FmSetFontSize(f, 16);
    }
    // Shown forms are flagged after showing, hidden ones before hiding.
    if (fl.flag && fl.show == FormLoad::Show::kHidden) FmSetFormFlag(f, -1);
    if (fl.name != "FORM4") {
      if (fl.show == FormLoad::Show::kShown) FmSetVisible(f, -1);
      if (fl.show == FormLoad::Show::kHidden) FmSetVisible(f, 0);
    }
    if (fl.flag && fl.show != FormLoad::Show::kHidden) FmSetFormFlag(f, -1);
    if (fl.name == "FORM8")  // the page buttons wait until start-up is done
      for (int k = 1; k <= 6; ++k) FmSetEnabled(FmGetControl(f, "BMPBUTTON" + Num(k)), 0);
  }
}

void Frame::BindControls() {
  for (const std::string& box : lesson_.boxes) {
    for (const FormLoad& fl : lesson_.forms) {
      Form* f = form(fl.name);
      if (f && f->Find(box)) {
        s_.EditRef[box] = FmGetControl(f, box);
        break;
      }
    }
    if (!edit(box)) Runtime::Current().Fatal("edit box " + box + " not found", std::source_location::current());
  }
  for (const std::string& box : lesson_.boxes) FmSetFontSize(edit(box), 14);
  for (int k = 1; k <= 7; ++k)
    s_.NavButtonRef[static_cast<std::size_t>(k)] = FmGetControl(form("FORM8"), "BMPBUTTON" + Num(k));
}

// ----- page modules ------------------------------------------------------------------------------------

void Frame::CallPageSub(float page) {
  std::string t = RtStrFromSingle(page);
  std::string u = RtRight(t, RtLen(t) - 1);
  RtCallSub("pag" + u + ".sub");
}

void Frame::CommonOpening(double height) {
  Form* strip = form("FORM4");
  FmSetPosition(nullptr, static_cast<int>(FmGetLeft(strip)), static_cast<int>(FmGetTop(strip) + 22));
  FmSetFontName(nullptr, "標準明朝");
  FmSetFontSize(kMainWindow, 16);
  SetColor(7);
  FmSetSize(nullptr, 640, height);
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568);
}

void Frame::PageModule(int n) {
  switch (lesson_.pages[static_cast<std::size_t>(n)].kind) {
    case PageKind::kContents: ContentsModule(); break;
    case PageKind::kExplanation: ExplanationModule(n); break;
    case PageKind::kPractice: PracticeModule(n); break;
    case PageKind::kEnd: EndModule(); break;
  }
}

void Frame::ContentsModule() {
  CommonOpening(434);
  s_.CurrentPage = 0;
  DrawContentsPage();
}

void Frame::DrawContentsPage() {
  RtClearScreen(nullptr, 0);
  RtDrawLine(nullptr, 0, 0, 640, 570, 6, LineShape::kFilledBox);
  RtDrawLine(nullptr, 0, 0, 640, 52, 2, LineShape::kFilledBox);
  RtDrawText(nullptr, 100, 5, "ハミルタ", 5);
  RtDrawText(nullptr, 100, 29, lesson_.title);
  RtDrawText(nullptr, 20, 57, "0ﾍﾟｰｼﾞ          目次", 10, 2, 2);
  RtDrawLine(nullptr, 10, 96, 630, 300, 0, LineShape::kFilledBox);
  RtDrawLine(nullptr, 0, 510, 640, 570, 5, LineShape::kFilledBox);
  SetColor(7);
  ContentsLines();
  ContentsPassMarks(lesson_.contents_mark_col);
}

void Frame::ContentsLines() {
  for (const Page& p : lesson_.pages)
    if (!p.contents_line.empty()) PrintAt(2, p.contents_row, p.contents_line);
}

void Frame::ContentsPassMarks(int col) {
  for (const Page& p : lesson_.pages) {
    if (p.kind != PageKind::kPractice) continue;
    const auto& flags = s_.PassFlags[static_cast<std::size_t>(p.practice.flags)];
    float tally = 0;
    for (std::size_t i = 1; i < flags.size(); ++i) tally += flags[i];
    if (tally == static_cast<float>(p.practice.problems.size())) PrintAt(col, p.contents_row, "ごうかく!");
  }
}

void Frame::ExplanationModule(int n) {
  const Page& page = lesson_.pages[static_cast<std::size_t>(n)];
  int paragraphs = page.explanation.paragraphs;
  CommonOpening(392);
  s_.CurrentPage = static_cast<float>(n);
  RtDrawLine(nullptr, 0, 0, 640, 570, 13, LineShape::kFilledBox);
  RtDrawText(nullptr, 20, 0, page.module_heading, 10, 2, 2);
  RtDrawLine(nullptr, 10, 35, 630, 98, 1, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, 99, 630, 160, 2, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, 161, 630, 370, 0, LineShape::kFilledBox);
  PrintAt(2, 2, "だん落何番から始めますか?");
  PrintAt(2, 3, "回答らんに1から" + Num(paragraphs) + "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡");
  for (int k = 1; k <= paragraphs; ++k)
    RtDrawText(nullptr, 104, 190 + 20 * k, "だん落 " + RtStrFromSingle(static_cast<float>(k)));
  for (int k = 7; k >= 1; --k)
    RtDrawCircle(nullptr, 420, 265, 10 * k, k, 1, 0, 0, lesson_.emblem_filled, k);
  RtDrawText(nullptr, 380, 255, "ハルモ", 0);
  Form* bar = form("FORM3");
  FmSetVisible(bar, -1);
  RtClearScreen(bar, 0);
  RtDrawText(bar, 70, 3, "だん落  　     　から");
  FmSetFocus(edit("EDIT1"));
}

void Frame::PracticeModule(int n) {
  const Page& page = lesson_.pages[static_cast<std::size_t>(n)];
  int count = static_cast<int>(page.practice.problems.size());
  CommonOpening(392);
  s_.CurrentPage = static_cast<float>(n);
  RtDrawLine(nullptr, 0, 0, 640, 570, 14, LineShape::kFilledBox);
  RtDrawText(nullptr, 20, 0, page.module_heading, 10, 2, 2);
  RtDrawLine(nullptr, 10, 33, 630, 117, 1, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, 118, 630, 157, 2, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, 158, 630, 370, 0, LineShape::kFilledBox);
  PrintAt(2, 2, "何番から始めますか?");
  PrintAt(2, 3, "回答らんに1から" + Num(count) + "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡");
  PrintAt(2, 5, "1番から" + Num(count) + "番まですべて ごうかくするとパスワードが出ます｡");
  const auto& flags = s_.PassFlags[static_cast<std::size_t>(page.practice.flags)];
  for (int k = 1; k <= count; ++k) {
    // Problems stand in columns of ten.
    int group = std::min((k - 1) / 10, 2);
    int row = 8 + k - 10 * group;
    RtLocate(nullptr, 7 + 28 * group, row);
    RtPrintBegin(nullptr);
    RtPrintSingle(static_cast<float>(k));
    RtPrintEnd();
    PrintAt(10 + 28 * group, row, "番");
    if (flags[static_cast<std::size_t>(k)] == 1) PrintAt(14 + 28 * group, row, "ごうかく");
  }
  Form* bar = form("FORM3");
  FmSetVisible(bar, -1);
  RtClearScreen(bar, 0);
  RtDrawText(bar, 70, 3, "問題　  　     　から");
  FmSetFocus(edit("EDIT1"));
}

void Frame::EndModule() {
  CommonOpening(434);
  s_.CurrentPage = static_cast<float>(lesson_.end_page_current >= 0 ? lesson_.end_page_current : LastContentPage());
  RtDrawLine(nullptr, 0, 0, 640, 550, 14, LineShape::kFilledBox);
  PrintAt(10, 7, "単元終わり");
}

void Frame::ChooserModule() {
  CommonOpening(392);
  RtDrawLine(nullptr, 0, 0, 640, 509, 7, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, 30, 630, 80, 0, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, 90, 630, 300, 1, LineShape::kFilledBox);
  RtDrawText(nullptr, 24, 7, "ページ指定", 3);
  PrintAt(2, 2, "何ページを開けますか? 0から" + Num(LastContentPage()) +
                    "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡");
  PrintAt(18, 5, "目次 ------------------ 0ページ");
  ContentsLines();
  ContentsPassMarks(lesson_.chooser_mark_col);
  s_.InputMode = 5;
  Form* bar = form("FORM3");
  FmSetVisible(bar, -1);
  RtClearScreen(bar, 0);
  RtDrawText(bar, 202, 3, "ページから");
  FmSetFocus(edit("EDIT1"));
}

void Frame::MoveModule() {
  Form* strip = form("FORM4");
  if (FmGetLeft(strip) == 0) FmMoveForm(strip, 400, 300);
  else FmMoveForm(strip, 0, 0);
  for (const MoveTarget& m : lesson_.move) {
    Form* f = m.form == "MAIN" ? nullptr : form(m.form);
    if (m.form != "MAIN" && !f) continue;
    FmMoveForm(f, FmGetLeft(strip) + m.dx, FmGetTop(strip) + m.dy);
  }
}

// ----- navigation and number bar ------------------------------------------------------------------

void Frame::ClearAnswerForms(Form* target, bool set_colour) {
  // The number box, then each bar's boxes followed by hiding the bar.
  std::vector<std::string> blank = lesson_.nav_blank;
  auto take = [&](const std::string& box) {
    auto it = std::find(blank.begin(), blank.end(), box);
    if (it == blank.end()) return;
    blank.erase(it);
    if (Control* c = edit(box)) FmSetText(c, "");
  };
  take("EDIT1");
  for (const std::string& bar : lesson_.nav_hide) {
    for (const AnswerBar& b : lesson_.bars)
      if (b.form == bar)
        for (const std::string& box : b.boxes) take(box);
    if (Form* f = form(bar)) FmSetVisible(f, 0);
  }
  for (const std::string& box : std::vector<std::string>(blank)) take(box);
  RtSetWindow(target, 0, 0, 0, 0, 639, 568);
  FmSetDrawStyle(target, 0);
  FmSetDrawMode(target, 13);
  if (set_colour) RtSetColor(target, 7, 0, 0, 0, 1);
  s_.InputMode = 0;
}

void Frame::NavButton(int k) {
  Form* target = s_.MainFormRef;
  switch (k) {
    case 1:
      ClearAnswerForms(target, true);
      s_.PreviousPage = s_.CurrentPage;
      s_.CurrentPage -= 1;
      if (s_.CurrentPage == -1) s_.CurrentPage = 0;
      CallPageSub(s_.CurrentPage);
      break;
    case 2: {
      ClearAnswerForms(target, true);
      std::string t = RtStrFromSingle(s_.PreviousPage);
      s_.PreviousPage = s_.CurrentPage;
      RtCallSub("pag" + RtRight(t, RtLen(t) - 1) + ".sub");
      break;
    }
    case 3:
      ClearAnswerForms(target, true);
      s_.PreviousPage = s_.CurrentPage;
      s_.CurrentPage += 1;
      CallPageSub(s_.CurrentPage);
      break;
    case 4:
      ClearAnswerForms(target, true);
      s_.PreviousPage = s_.CurrentPage;
      RtCallSub("site.sub");
      break;
    case 5:
      ClearAnswerForms(target, false);
      CallPageSub(s_.CurrentPage);
      break;
    case 6:
      ClearAnswerForms(target, true);
      s_.PreviousPage = s_.CurrentPage;
      RtCallSub("pag0.sub");
      break;
    case 7:
      s_.CommandCode = kExitCode;
      break;
  }
}

void Frame::Edit1Change() {
  s_.EntryText = FmGetText(edit("EDIT1"));
  if (s_.InputMode == 5) return;
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
  if (s_.InputMode == 5) {
    bool accepted = false;
    for (int p = 0; p <= LastContentPage(); ++p)
      if (s_.EntryText == Num(p)) accepted = true;
    if (accepted) {
      s_.InputMode = 0;
      std::string page = s_.EntryText;
      FmSetText(edit("EDIT1"), "");
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
  else if (IsWhole(p) && p >= 1 && p <= static_cast<float>(LastContentPage())) s_.CommandCode = p * 10 + 1;
}

void Frame::AnswerOk(const AnswerBar& bar) {
  bool right = true;
  if (bar.judge) {
    right = bar.judge(*this);
  } else {
    for (std::size_t i = 0; i < bar.boxes.size(); ++i)
      right = right && s_.TypedAnswer[static_cast<std::size_t>(bar.typed[i])] ==
                           s_.ExpectedAnswer[static_cast<std::size_t>(bar.expected[i])];
  }
  s_.CommandCode = s_.CurrentPage * 10 + (right ? 2 : 3);
  FmSetFocus(edit(bar.boxes.front()));
}

// ----- explanation pages -------------------------------------------------------------------------------

void Frame::RunExplanation(int page) {
  const ExplanationPage& ex = lesson_.pages[static_cast<std::size_t>(page)].explanation;
  int p = ex.paragraphs;
  if (s_.StartParagraph < 1 || s_.StartParagraph > p) {
    FmMessageBox(s_.MainFormRef, "", "その段落はありません！", 0, 1);
    FmSetFocus(edit("EDIT1"));
    s_.CommandCode = kIdle;
    return;
  }
  Scoped in_script(in_script_);
  first_narration_done_ = false;
  after_wait_narration_ = false;
  RtDrawLine(nullptr, 0, 0, 640, 490, 0, LineShape::kFilledBox);
  Form* strip = form("FORM4");
  FmSetPosition(nullptr, static_cast<int>(FmGetLeft(strip)), static_cast<int>(FmGetTop(strip) + 22));
  FmSetSize(nullptr, 640, 434);
  // The page starts in white: a run stopped in a coloured stretch has left
  // its colour behind.
  SetColor(7);
  RtDrawLine(nullptr, ex.bar_left, 0, ex.bar_right, ex.bar_bottom, 2, LineShape::kFilledBox);
  RtDrawText(nullptr, ex.heading_x, 2, ex.heading);
  if (ex.paragraph_window_height > 0) RtSetWindow(nullptr, 0, 0, 0, 0, 639, ex.paragraph_window_height);
  ParagraphLabel(1, -1);
  s_.CurrentParagraph = 1;
  RunSteps(ex.steps);
  if (ex.close_at_end && s_.StartParagraph <= p - 1) FmMciSend(s_.MciRef, "close wave1");
  ParagraphLabel(p - 1, 0);
  ParagraphLabel(p, -1);
  RtDrawText(nullptr, ex.end_x, ex.end_y, ex.end_text, 1);
  s_.CommandCode = kIdle;
}

// ----- practice pages --------------------------------------------------------------------------------------

void Frame::PracticeHandler(int page) {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(page)].practice;
  float& n = ProblemNumber(page);
  float q = static_cast<float>(pp.problems.size());
  if (n == q + 1 && s_.NumberEntered == 0) {
    for (const std::string& name : pp.end_hide.empty() ? lesson_.practice_hide : pp.end_hide)
      if (Form* f = form(name)) FmSetVisible(f, 0);
    PrintAt(30, 15, pp.end_text, 1);
    s_.CommandCode = kIdle;
    return;
  }
  // A number that names no problem (out of range, or not whole) is refused
  // before anything is drawn.
  const Problem* problem = CurrentProblem(page);
  if (!problem) {
    s_.MsgResult = static_cast<float>(FmMessageBox(s_.MainFormRef, "", "その番号はありません！", 0, 1));
    FmSetFocus(edit("EDIT1"));
    s_.CommandCode = kIdle;
    return;
  }
  s_.NumberEntered = 0;
  ShowPracticeForm();
  for (std::size_t i = 0; i < problem->expected.size(); ++i) s_.ExpectedAnswer[i] = problem->expected[i];
  RunSteps(problem->setup);
  if (problem->answer_label) RtDrawText(form("FORM7"), pp.label_x, pp.label_y, "答え");
  if (!pp.unit_label.empty()) RtDrawText(form("FORM7"), pp.unit_x, pp.unit_y, pp.unit_label);
  s_.CommandCode = kIdle;
}

void Frame::ShowPracticeForm() {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(s_.CurrentPage)].practice;
  Form* strip = form("FORM4");
  FmSetSize(nullptr, 640, 417);
  FmSetPosition(nullptr, static_cast<int>(FmGetLeft(strip)), static_cast<int>(FmGetTop(strip) + 22));
  for (const std::string& name : lesson_.practice_form_hide)
    if (Form* f = form(name)) FmSetVisible(f, 0);
  RtDrawLine(nullptr, 0, 0, 640, 540, 0, LineShape::kFilledBox);
  RtDrawLine(nullptr, 190, 0, 250, 22, 2, LineShape::kFilledBox);
  RtDrawText(nullptr, 200, 2, pp.header);
  PrintAt(0, 2, "解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡", 3);
  Form* bar = form("FORM7");
  FmSetVisible(bar, -1);
  RtClearScreen(bar, 0);
  FmSetText(edit("EDIT2"), "");
  FmSetFocus(edit("EDIT2"));
  SetColor(7);
}

void Frame::RightAnswer(int page) {
  const PracticePage& pp = lesson_.pages[static_cast<std::size_t>(page)].practice;
  const Problem* problem = CurrentProblem(page);
  if (!problem) {  // no problem is shown under this number
    s_.CommandCode = kIdle;
    return;
  }
  RtDrawLine(nullptr, 0, pp.strip_y1, 640, pp.strip_y2, 0, LineShape::kFilledBox);
  SetColor(7);
  if (!pp.right_lead.empty()) PrintAt(pp.right_lead_col, pp.right_lead_row, pp.right_lead);
  if (problem->praise.empty()) PrintAt(pp.praise_col, pp.praise_row, "天才!ごうかく!", 2);
  else PrintAt(problem->praise_col, problem->praise_row, problem->praise, 2);
  s_.PassFlags[static_cast<std::size_t>(pp.flags)][static_cast<std::size_t>(ProblemNumber(page))] = 1;
  Form* mascots = form("FORM6");
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
    RtDrawLine(nullptr, 0, pp.wrong_strip_y1 < 0 ? pp.strip_y1 : pp.wrong_strip_y1, 640,
               pp.wrong_strip_y2 < 0 ? pp.strip_y2 : pp.wrong_strip_y2, 0, LineShape::kFilledBox);
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
      if (s_.TypedAnswer[i] != h.typed[i]) return false;
    return !h.when || h.when(*this);
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

}  // namespace ham::frame
