// A lesson as data the frame runs: its pages, scripts, problems, forms and the
// few procedures in which it really differs.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/shapes.h"

namespace ham::frame {

class Frame;

// ----- script steps -----------------------------------------------------------------

// Graphic text on the main window at a logical position; color -1 = foreground.
struct TextStep {
  double x, y; std::string text; int color = -1; int sx = 1, sy = 1;
  std::string form;  // empty: the main window; else a loaded form
};
// Text at a text cell; a colour given becomes the foreground colour first.
struct PrintStep { int col, row; std::string text; int color = -1; };
// A number printed in the print form at a text cell (RtPrintSingle).
struct PrintNumberStep { int col, row; float value; int color = -1; };
struct FontSizeStep { double size; };
struct FontNameStep { std::string face; };
struct ColorStep { int fg; };  // foreground colour alone
struct LineStep { double x1, y1, x2, y2; int color = -1; LineShape shape = LineShape::kLine; int fill = -1; };
struct CircleStep {
  double x, y, r; int color = -1; double aspect = 1; double start = 0, end = 0;
  bool filled = false; int fill = -1;
};
// A polygon's outline or an open chain of lines: from the first point
// through the others, absolute or, when `relative`, each a step from the
// point before; a closed one ends with a line to `close_at`, the first
// point unless given.
struct Shape {
  std::vector<std::pair<double, double>> points;
  bool relative = false;
  bool closed = false;
  std::optional<std::pair<double, double>> close_at;
};
// A shape outlined in `color` and, when fill >= 0, filled in `fill`.
struct PolygonStep { Shape shape; int color = -1; int fill = -1; };
struct PictureStep { std::string picture; double x, y; };  // by file name, e.g. "CF.BMP"
struct DrawModeStep { int mode; };
struct DrawStyleStep { int style; };
struct FillStyleStep { int style; };
struct FloodFillStep { double x, y; int r, g, b; };  // fill colour; border white, mode 0
struct WindowStep { double x1, y1, x2, y2; };         // logical window of the main window
// A narration: inside the paragraph guard "close wave1" (unless the page's
// first narration or right after a waiting one), WavFile, PlayWave or
// PlayWaveWait, then the pause written in the same row.
struct NarrationStep { std::string file; std::optional<float> pause; bool wait = false; };
struct PauseLengthStep { float length; };  // PauseLength, then PauseStep
struct CloseSoundStep {};  // "close wave1"
// Colours a blink's counter chooses from: on pass i, colours[i mod their
// number]. One colour stays; two alternate, the first on even counters.
using CounterColours = std::vector<int>;
// What a blink draws on every pass: a text, a line or a polygon in the
// colour `color` chooses; a polygon or a framed box is filled in the one
// `fill` chooses. An empty choice keeps the figure's own colour.
struct BlinkItem {
  std::variant<TextStep, LineStep, PolygonStep> figure;
  CounterColours color;
  CounterColours fill;
};
// Passes for the counter from `first` to `last`: the items drawn in order,
// then a pause.
struct BlinkStep {
  std::vector<BlinkItem> items;
  int first = 1, last = 1;
  float pause = 0;
};
// Paragraph k begins: old label erased, new label drawn, CurrentParagraph = k.
struct ParagraphStep { int k; };
// Sets up an answer bar over FORM7, in this order: shown, cleared when
// `clear`, its labels drawn on it, its boxes emptied, the focus in its first box.
struct BarLabel { double x, y; std::string text; };
struct ShowBarStep { std::string form; std::vector<BarLabel> labels; bool clear = false; };
// Code of the lesson's own (an animation, a figure template).
struct CallStep { std::function<void(Frame&)> run; };

using Step = std::variant<TextStep, PrintStep, PrintNumberStep, FontSizeStep, FontNameStep, ColorStep,
                          LineStep, CircleStep, PolygonStep, PictureStep, DrawModeStep, DrawStyleStep,
                          FillStyleStep, FloodFillStep, WindowStep, NarrationStep, PauseLengthStep,
                          CloseSoundStep, BlinkStep, ParagraphStep, ShowBarStep, CallStep>;
using Steps = std::vector<Step>;

// Short constructors so that step tables read like their source tables.
inline Step Text(double x, double y, std::string t, int color = -1) { return TextStep{x, y, std::move(t), color}; }
inline Step Text2x(double x, double y, std::string t, int color = -1) {
  return TextStep{x, y, std::move(t), color, 2, 2};
}
inline Step Print(int col, int row, std::string t, int color = -1) { return PrintStep{col, row, std::move(t), color}; }
inline Step PrintNumber(int col, int row, float v, int color = -1) { return PrintNumberStep{col, row, v, color}; }
inline Step Font(double size) { return FontSizeStep{size}; }
inline Step Color(int fg) { return ColorStep{fg}; }
inline Step Line(double x1, double y1, double x2, double y2, int color = -1) {
  return LineStep{x1, y1, x2, y2, color};
}
inline Step Box(double x1, double y1, double x2, double y2, int color = -1) {
  return LineStep{x1, y1, x2, y2, color, LineShape::kBox};
}
inline Step FilledBox(double x1, double y1, double x2, double y2, int color) {
  return LineStep{x1, y1, x2, y2, color, LineShape::kFilledBox};
}
inline Step FramedBox(double x1, double y1, double x2, double y2, int outline, int fill) {
  return LineStep{x1, y1, x2, y2, outline, LineShape::kFilledBox, fill};
}
inline Step Erase(double x1, double y1, double x2, double y2) { return FilledBox(x1, y1, x2, y2, 0); }
inline Step Pic(std::string name, double x, double y) { return PictureStep{std::move(name), x, y}; }
inline Step Narrate(std::string file) { return NarrationStep{std::move(file), std::nullopt, false}; }
inline Step Narrate(std::string file, float pause) { return NarrationStep{std::move(file), pause, false}; }
inline Step NarrateWait(std::string file, std::optional<float> pause = std::nullopt) {
  return NarrationStep{std::move(file), pause, true};
}
inline Step Pause(float n) { return PauseLengthStep{n}; }
inline Step Paragraph(int k) { return ParagraphStep{k}; }
inline Step Call(std::function<void(Frame&)> f) { return CallStep{std::move(f)}; }
inline Step ShowBar(std::string form, std::vector<BarLabel> labels) {
  return ShowBarStep{std::move(form), std::move(labels), false};
}
inline Step ShowClearedBar(std::string form, std::vector<BarLabel> labels) {
  return ShowBarStep{std::move(form), std::move(labels), true};
}
inline Step TextOn(std::string form, double x, double y, std::string t, int color = -1) {
  return TextStep{x, y, std::move(t), color, 1, 1, std::move(form)};
}

// ----- pages -------------------------------------------------------------------------

enum class PageKind { kContents, kExplanation, kPractice, kEnd };

// An explanation page played by the paragraph player.
struct ExplanationPage {
  int paragraphs = 1;               // P: the range check's upper bound
  std::string heading;              // drawn at (heading_x, 2) by the script
  double heading_x = 200;
  double bar_left = 190;            // heading bar (bar_left, 0)-(bar_right, 22) in colour 2
  double bar_right = 255;
  double bar_bottom = 22;
  // Logical window switched to after the heading, for the paragraphs (0: none).
  double paragraph_window_height = 0;
  std::string end_text;             // page-end text in colour 1
  double end_x = 0, end_y = 0;
  Steps opening;                    // drawn before paragraph 1's label (no pauses or sounds)
  Steps steps;                      // paragraph 1 begins implicitly
  bool close_at_end = true;         // "close wave1" at the page end (last narrated paragraph)
};

// Hint rule: chosen for problems in [first, last] (0 = any) and, when
// `typed` is set, only when the typed strings equal those given, from
// TypedAnswer slot `typed_from` on.
struct Hint {
  int first = 0, last = 0;
  std::vector<std::string> typed;
  std::string text;
  int col = 0, row = 17;
  int color = 2;
  Steps steps;  // drawn after the text in its colour; with an empty text, instead of it
  int typed_from = 0;
};

struct Problem {
  std::vector<std::string> expected;    // ExpectedAnswer1, 2, ...
  Steps setup;                          // question drawing (ShowBar for a bar over FORM7)
  std::vector<Hint> hints;              // tested before the page's hints
  bool answer_label = true;             // false: the set-up draws its own answer labels
  // Praise of a right answer; empty: "天才!ごうかく!" at the page's place.
  std::string praise;
  int praise_col = 0, praise_row = 0;
  float jingle_pause = 250;             // pause after the pass jingle
  // The bar's boxes may hold the expected strings in any order (two boxes:
  // either order).
  bool any_order = false;
  // By place in the bar, a further ExpectedAnswer slot the answer of that
  // place may also be typed as (-1: none).
  std::vector<int> also_expected;
};

struct PracticePage {
  int problem_slot = 0;                 // which ProblemNumber variable
  int flags = 0;                        // which PassFlags array
  std::string header;                   // ShowPracticeForm header at (200, 2)
  std::string end_text;                 // at (col 30, row 15) in colour 1
  double label_x = 86, label_y = 3;     // "答え" on FORM7
  std::vector<Problem> problems;
  // The ExpectedAnswer slot each box of a bar is compared with on this page,
  // by the box's place in its bar (empty, or beyond its end: the bar's own).
  std::vector<int> answer_slots;
  std::vector<Hint> hints;              // page hints, first match wins
  bool blank_warning = true;            // "最後には 空白キーをうたないでね!"
  std::string reward;                   // reward message at 24 points, (col 5, row 7)
  int reward_col = 5;                   // its column
  double strip_y1 = 320, strip_y2 = 385;  // message strip cleared by right and wrong answers
  // Height of the logical window the strip is cleared in, the one the
  // problems draw in (0: the window in use).
  double strip_window_height = 0;
  int praise_col = 28, praise_row = 17;
  // Line printed in colour 7 once a right answer has cleared the strip,
  // before the praise (empty: none).
  std::string right_lead;
  int right_lead_col = 0, right_lead_row = 0;
  // Further answer-bar text drawn on FORM7 after "答え" (empty: none).
  std::string unit_label;
  double unit_x = 0, unit_y = 0;
  // Line printed before the chosen hint on every wrong answer (empty: none).
  std::string hint_lead;
  int hint_lead_col = 0, hint_lead_row = 0, hint_lead_color = 2;
  double wrong_strip_y1 = -1, wrong_strip_y2 = -1;  // negative: the strip above
  bool wrong_erases_strip = true;       // false: a wrong answer erases nothing first
  std::vector<std::string> end_hide;    // hidden at the page's end; empty: Lesson::practice_hide
};

struct Page {
  PageKind kind = PageKind::kContents;
  std::string contents_line;            // line on the contents page and chooser
  int contents_row = 0;
  std::string module_heading;           // heading of the page module
  ExplanationPage explanation;
  PracticePage practice;
};

// ----- forms and pictures ----------------------------------------------------------------

struct PictureSpec {
  std::string file;        // "ｻｲｹ.BMP"
  bool from_da = true;     // BaseFolder + "\da\" + file, else the lesson's folder
};

// An answer bar and the procedures that serve it.
struct AnswerBar {
  std::string form;                     // "FORM9"
  std::string button;                   // "BUTTON3"
  std::vector<std::string> boxes;       // left to right; the first gets the focus
  std::vector<int> typed;               // TypedAnswer slot per box
  std::vector<int> expected;            // ExpectedAnswer slot per box
  bool live = true;                     // false: no procedures at all
  // The lesson's own comparison; default: every box equals its expected
  // string, with the slots, order and further strings the practice page and
  // its problem shown give.
  std::function<bool(const Frame&)> judge;
};

struct FormLoad {
  std::string name;        // "FORM5"
  int x = 0, y = 0;
  enum class Show { kUntouched, kShown, kHidden } show = Show::kHidden;
  bool flag = false;       // FmSetFormFlag
  bool bar_font = false;   // "標準明朝" 16 on the form
};

struct MoveTarget {
  std::string form;        // "MAIN" for the main window
  int dx = 0, dy = 0;
};

struct Lesson {
  std::string title;                    // "5年生の算数     約数と公約数"
  std::vector<Page> pages;              // page 0 contents ... last the end of the unit
  std::vector<float> dispatch;          // codes in the order the main loop tests them (empty: DispatchOrder)
  std::vector<PictureSpec> pictures;    // in load order
  std::vector<FormLoad> forms;          // in load order
  std::vector<std::string> boxes;       // edit boxes bound, in order ("EDIT1", ...)
  std::vector<AnswerBar> bars;
  std::vector<std::string> nav_blank;   // boxes the navigation buttons blank
  std::vector<std::string> nav_hide;    // bars the navigation buttons hide
  std::vector<MoveTarget> move;         // "move.sub" targets in order
  std::vector<std::string> practice_hide;  // hidden at a practice page's end
  std::vector<std::string> practice_form_hide{"FORM9"};  // hidden by ShowPracticeForm
  bool play_wave_pause_step = false;    // PlayWave's short wait is a PauseStep of 20
  std::array<bool, 3> problem_rounded{true, true, true};  // CINT on input
  int contents_mark_col = 55;
  int chooser_mark_col = 53;
  bool emblem_filled = true;            // discs (true) or rings
  int end_page_current = -1;            // CurrentPage set by the end page (default: last content page)
  // Hooks for the few places a lesson differs.
  std::function<void(Frame&)> on_pending;      // main loop, when the pupil acted
  std::function<void(Frame&)> before_main_form;  // start-up, before MAINFORM
  std::function<void(Frame&)> after_palette;     // start-up, after the palette

  int LastPage() const { return static_cast<int>(pages.size()) - 1; }
};

}  // namespace ham::frame
