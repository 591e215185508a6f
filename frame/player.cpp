// The paragraph player: narration, pauses and the steps of a script, and
// the explanation page that runs one.
#include "frame/frame.h"

#include "frame/figures.h"
#include "frame/internal.h"
#include "frame/names.h"

namespace ham::frame {

namespace {

// Sets `flag` while alive.
struct ScopedFlag {
  bool& flag;
  bool old;
  explicit ScopedFlag(bool& f) : flag(f), old(f) { flag = true; }
  ~ScopedFlag() { flag = old; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;
};

// The colour `colours` choose for the counter i.
int Chosen(const CounterColours& colours, int i) {
  const int n = static_cast<int>(colours.size());
  return colours[static_cast<std::size_t>((i % n + n) % n)];
}

// A blink's item as pass i draws it.
Step OnPass(const BlinkItem& item, int i) {
  return std::visit(
      [&item, i](auto figure) -> Step {
        if (!item.color.empty()) figure.color = Chosen(item.color, i);
        if constexpr (requires { figure.fill; })
          if (!item.fill.empty()) figure.fill = Chosen(item.fill, i);
        return figure;
      },
      item.figure);
}

}  // namespace

void Frame::ParagraphLabel(int k, int color) { RtDrawText(nullptr, 570, 2, "だん落 " + Num(k), color); }

void Frame::LeaveIfPupilActed() {
  if (FmEventPending() == -1) {
    s_.CommandCode = kIdle;
    throw ToLoopBottom{};
  }
}

void Frame::PauseStep() {
  LeaveIfPupilActed();
  // Paragraphs before the chosen one are drawn without waiting; the pauses
  // of the practice flow always wait.
  if (in_script_ && s_.CurrentParagraph < s_.StartParagraph) return;
  RtWait(RtCInt(s_.PauseLength));
}

void Frame::PlayWave() {
  LeaveIfPupilActed();
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
  LeaveIfPupilActed();
  FmMciSend(s_.MciRef, "open " + s_.WavFile + " alias wave1");
  FmMciSend(s_.MciRef, "play wave1 notify wait");
  FmMciSend(s_.MciRef, "close wave1");
}

// ----- steps -------------------------------------------------------------------------------

void Frame::RunSteps(const Steps& steps) {
  for (const Step& step : steps) RunStep(step);
}

void Frame::RunStep(const Step& step) {
  std::visit(
      [this](const auto& st) {
        using T = std::decay_t<decltype(st)>;
        if constexpr (std::is_same_v<T, TextStep>) {
          RtDrawText(st.form.empty() ? kMainWindow : form(st.form), st.x, st.y, st.text, st.color, st.sx, st.sy);
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
        } else if constexpr (std::is_same_v<T, PolygonStep>) {
          DrawPolygon(kMainWindow, st);
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
        } else if constexpr (std::is_same_v<T, PauseLengthStep>) {
          s_.PauseLength = st.length;
          PauseStep();
        } else if constexpr (std::is_same_v<T, CloseSoundStep>) {
          FmMciSend(s_.MciRef, "close wave1");
        } else if constexpr (std::is_same_v<T, BlinkStep>) {
          for (int i = st.first; i <= st.last; ++i) {
            for (const BlinkItem& item : st.items) RunStep(OnPass(item, i));
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
          if (st.clear) RtClearScreen(bar, 0);
          for (const BarLabel& label : st.labels) RtDrawText(bar, label.x, label.y, label.text);
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

void Frame::RunExplanation(int page) {
  const ExplanationPage& ex = lesson_.pages[static_cast<std::size_t>(page)].explanation;
  int p = ex.paragraphs;
  if (s_.StartParagraph < 1 || s_.StartParagraph > p) {
    FmMessageBox(s_.MainFormRef, "", "その段落はありません！", 0, 1);
    FmSetFocus(edit(kNumberBox));
    s_.CommandCode = kIdle;
    return;
  }
  ScopedFlag in_script(in_script_);
  first_narration_done_ = false;
  after_wait_narration_ = false;
  RtDrawLine(nullptr, 0, 0, 640, 490, 0, LineShape::kFilledBox);
  Form* strip = form(kTitleStripForm);
  FmSetPosition(nullptr, static_cast<int>(FmGetLeft(strip)), static_cast<int>(FmGetTop(strip) + 22));
  FmSetSize(nullptr, 640, 434);
  // The page starts in white: a run stopped in a coloured stretch has left
  // its colour behind.
  SetColor(7);
  RtDrawLine(nullptr, ex.bar_left, 0, ex.bar_right, ex.bar_bottom, 2, LineShape::kFilledBox);
  RtDrawText(nullptr, ex.heading_x, 2, ex.heading);
  if (ex.paragraph_window_height > 0) RtSetWindow(nullptr, 0, 0, 0, 0, 639, ex.paragraph_window_height);
  RunSteps(ex.opening);
  ParagraphLabel(1, -1);
  s_.CurrentParagraph = 1;
  RunSteps(ex.steps);
  if (ex.close_at_end && s_.StartParagraph <= p - 1) FmMciSend(s_.MciRef, "close wave1");
  ParagraphLabel(p - 1, 0);
  ParagraphLabel(p, -1);
  RtDrawText(nullptr, ex.end_x, ex.end_y, ex.end_text, 1);
  s_.CommandCode = kIdle;
}

}  // namespace ham::frame
