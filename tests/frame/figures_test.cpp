// The frame's drawing helpers as a lesson's script runs them: what a
// polygon step and a blink step draw, on a lesson of one explanation page.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "frame/figures.h"
#include "frame/templates.h"
#include "tests/lessons/harness.h"
#include "tools/stand_ins.h"

const ham::ResourceTable& FigureLessonResources();

namespace ham::testing {
namespace {

using namespace ham::frame;

// A lesson whose only page plays `steps` as its `paragraphs` paragraphs, in
// a logical window of a unit a pixel.
Lesson FigureLesson(Steps steps, int paragraphs = 1) {
  Lesson l;
  l.title = "図";
  ExplanationPage ex{.paragraphs = paragraphs, .paragraph_window_height = 479};
  ex.steps = std::move(steps);
  l.pages = PageTable(7, 24, {Explanation("図", std::move(ex))});
  l.pictures = SharedPictures();
  UseFrameBars(l, false, false);
  return l;
}

// Runs the page from paragraph `from`; `look` sees the run once the page
// has ended.
LessonRun Play(const Lesson& lesson, std::function<void(LessonRun&)> look = {}, int from = 1) {
  LessonRunOptions o;
  if (look) o.on_probe = [look](LessonRun& r, const std::string&) { look(r); };
  return LessonRun(lesson, FigureLessonResources(), Page(1) + Choose(from) + "probe end\n", std::move(o));
}

// The page's trace from its first paragraph's label to its end text.
std::vector<TraceRecord> OnPage(const LessonRun& r) {
  std::vector<TraceRecord> page;
  bool on = false;
  for (const TraceRecord& t : r.trace()) {
    if (t.count("text") && t.at("text") == "1ページ終わり") break;
    if (t.count("text") && t.at("text") == "だん落 1") on = true;
    if (on) page.push_back(t);
  }
  return page;
}

std::vector<TraceRecord> Polylines(const LessonRun& r) { return OpsIn(OnPage(r), "polyline"); }

// The main window's pixels at the given places once the page has ended.
std::vector<Pixel> PixelsAfter(Steps steps, const std::vector<std::pair<int, int>>& at) {
  std::vector<Pixel> out;
  const Lesson lesson = FigureLesson(std::move(steps));
  Play(lesson, [&](LessonRun& r) {
    for (auto [x, y] : at) out.push_back(r.MainPixel(x, y));
  });
  return out;
}

std::string Field(const TraceRecord& r, const char* key) {
  auto it = r.find(key);
  return it == r.end() ? "-" : it->second;
}

// What a trace line drew or waited, in short: "text A 7", "line 6",
// "polyline 6 fill 2", "wait 20"; paragraph labels and everything else are
// left out.
std::vector<std::string> Drawn(const std::vector<TraceRecord>& records) {
  std::vector<std::string> out;
  for (const TraceRecord& t : records) {
    const std::string op = Field(t, "op");
    if (op == "text" && Field(t, "text").rfind("だん落", 0) != 0) {
      const std::string scale = Field(t, "sx") == "-" ? "" : " x" + Field(t, "sx");
      out.push_back("text " + Field(t, "text") + " " + Field(t, "color") + scale);
    } else if (op == "line") {
      out.push_back("line " + Field(t, "color"));
    } else if (op == "polyline") {
      const std::string fill = Field(t, "filled") == "true" ? " fill " + Field(t, "fill") : "";
      out.push_back("polyline " + Field(t, "color") + fill);
    } else if (op == "wait") {
      out.push_back("wait " + Field(t, "units"));
    }
  }
  return out;
}

TEST(PolygonStep, ShapesAsTheirPointsAbsoluteOrRelativeClosedOrOpen) {
  struct Case {
    const char* what;
    Step step;
    std::string points, rel, color, filled, fill;
  };
  const Case cases[] = {
      {"closed through corners, back to the first", Polygon(Closed({{10, 20}, {60, 20}, {60, 70}}), 2, 6),
       "[10,20,60,20,60,70,10,20]", "[0,0,0,0]", "2", "true", "6"},
      {"closed by steps, back to the start absolutely", Polygon(ClosedBySteps(100, 50, {{-20, 40}, {40, 0}}), 7),
       "[100,50,-20,40,40,0,100,50]", "[0,1,1,0]", "7", "-", "-"},
      {"closed by steps at a point of its own",
       Polygon(ClosedBySteps(81, 150, {{-24, 48}, {41, 0}}, std::make_pair(82.0, 150.0)), 6, 0),
       "[81,150,-24,48,41,0,82,150]", "[0,1,1,0]", "6", "true", "0"},
      {"open by steps that come back, filled",
       Polygon(OpenBySteps(20, 100, {{50, 0}, {-10, 40}, {-50, 0}, {10, -40}}), 2, 2),
       "[20,100,50,0,-10,40,-50,0,10,-40]", "[0,1,1,1,1]", "2", "true", "2"},
      {"open by steps, a bracket", Polygon(OpenBySteps(115, 315, {{0, 5}, {20, 0}, {0, -5}}), 7),
       "[115,315,0,5,20,0,0,-5]", "[0,1,1,1]", "7", "-", "-"},
      {"open through points, an arrowhead", Polyline({{195, 227}, {193, 232}, {198, 235}}, 7),
       "[195,227,193,232,198,235]", "[0,0,0]", "7", "-", "-"},
  };
  Steps steps;
  for (const Case& c : cases) steps.push_back(c.step);
  const Lesson lesson = FigureLesson(steps);
  const std::vector<TraceRecord> lines = Polylines(Play(lesson));
  ASSERT_EQ(lines.size(), std::size(cases));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(Field(lines[i], "form"), "MAINFORM") << c.what;
    EXPECT_EQ(Field(lines[i], "points"), c.points) << c.what;
    EXPECT_EQ(Field(lines[i], "rel"), c.rel) << c.what;
    EXPECT_EQ(Field(lines[i], "color"), c.color) << c.what;
    EXPECT_EQ(Field(lines[i], "filled"), c.filled) << c.what;
    EXPECT_EQ(Field(lines[i], "fill"), c.fill) << c.what;
  }
}

TEST(PolygonStep, FillsItsInsideAndOutlinesItsEdges) {
  // A square filled in colour 2 and outlined in 6, an outlined square, an
  // open chain of two sides, and a box of each colour to compare with.
  enum Want { kInside, kEdge, kBackground };
  struct Spot {
    const char* what;
    int x, y;
    Want want;
  };
  const Spot spots[] = {
      {"filled square's inside", 120, 120, kInside},
      {"filled square's closing side", 100, 120, kEdge},
      {"filled square's bottom side", 120, 140, kEdge},
      {"outlined square's closing side", 200, 120, kEdge},
      {"outlined square's inside", 220, 120, kBackground},
      {"open chain's first side", 320, 200, kEdge},
      {"open chain's second side", 340, 220, kEdge},
      {"where a closing side would run", 320, 220, kBackground},
      {"inside the open chain's corner", 335, 210, kBackground},
  };
  std::vector<std::pair<int, int>> at{{405, 105}, {425, 105}, {500, 300}};
  for (const Spot& s : spots) at.push_back({s.x, s.y});
  const std::vector<Pixel> px = PixelsAfter({Polygon(ClosedBySteps(100, 100, {{40, 0}, {0, 40}, {-40, 0}}), 6, 2),
                                             Polygon(Closed({{200, 100}, {240, 100}, {240, 140}, {200, 140}}), 6),
                                             Polygon(OpenBySteps(300, 200, {{40, 0}, {0, 40}}), 6),
                                             FilledBox(400, 100, 410, 110, 2), FilledBox(420, 100, 430, 110, 6)},
                                            at);
  const Pixel want[] = {px[0], px[1], px[2]};
  ASSERT_NE(want[kInside], want[kEdge]);
  ASSERT_NE(want[kInside], want[kBackground]);
  ASSERT_NE(want[kEdge], want[kBackground]);
  for (std::size_t i = 0; i < std::size(spots); ++i) EXPECT_EQ(px[3 + i], want[spots[i].want]) << spots[i].what;
}

TEST(PolygonStep, DrawnOnAFormOfTheLessonsChoice) {
  const Lesson lesson = FigureLesson({Call([](Frame& f) {
    DrawPolygon(f.form("FORM7"), {Closed({{10, 10}, {30, 10}, {30, 30}}), 1, 4});
  })});
  const std::vector<TraceRecord> lines = Polylines(Play(lesson));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(Field(lines[0], "form"), "FORM7");
  EXPECT_EQ(Field(lines[0], "points"), "[10,10,30,10,30,30,10,10]");
  EXPECT_EQ(Field(lines[0], "color"), "1");
  EXPECT_EQ(Field(lines[0], "fill"), "4");
}

TEST(BlinkStep, EachPassDrawsItsItemsInTurnThenPauses) {
  // A text between colours 0 and 7, a line between 6 and 2, and a polygon
  // outlined in 6 whose inside turns 0 and 2, for the counter 0 to 3.
  const Lesson lesson =
      FigureLesson({Blink(0, 3,
                          {BlinkText(10, 20, "A", {0, 7}), BlinkLine(10, 40, 60, 40, {6, 2}),
                           BlinkPolygon(Closed({{10, 60}, {60, 60}, {60, 90}}), {6}, {0, 2})},
                          20)});
  const std::vector<std::string> pass_even = {"text A 0", "line 6", "polyline 6 fill 0", "wait 20"};
  const std::vector<std::string> pass_odd = {"text A 7", "line 2", "polyline 6 fill 2", "wait 20"};
  std::vector<std::string> want;
  for (int i = 0; i <= 3; ++i) {
    const std::vector<std::string>& pass = i % 2 == 0 ? pass_even : pass_odd;
    want.insert(want.end(), pass.begin(), pass.end());
  }
  const LessonRun r = Play(lesson);
  EXPECT_EQ(Drawn(OnPage(r)), want);
  // The figures stay where they are: only their colours change.
  for (const TraceRecord& l : OpsIn(OnPage(r), "line")) EXPECT_EQ(Num(l, "x2"), 60);
  for (const TraceRecord& p : Polylines(r)) EXPECT_EQ(Field(p, "points"), "[10,60,60,60,60,90,10,60]");
}

TEST(BlinkStep, TheCounterChoosesEachItemsColour) {
  struct Case {
    const char* what;
    int first, last;
    BlinkItem item;
    std::vector<std::string> want;
  };
  const Case cases[] = {
      {"two colours from an odd counter: the odd one first", 1, 4, BlinkText(10, 20, "B", {7, 0}),
       {"text B 0", "text B 7", "text B 0", "text B 7"}},
      {"eight colours from counter 5, round the cycle", 5, 10, BlinkText(10, 20, "C", {0, 1, 2, 3, 4, 5, 6, 7}),
       {"text C 5", "text C 6", "text C 7", "text C 0", "text C 1", "text C 2"}},
      {"one colour stays", 0, 2, BlinkText(10, 20, "D", {3}), {"text D 3", "text D 3", "text D 3"}},
      {"no choice keeps the figure's own colour", 0, 1, BlinkItem{TextStep{10, 20, "E", 4}, {}, {}},
       {"text E 4", "text E 4"}},
      {"a text twice the size", 0, 1, BlinkText(10, 20, "F", {0, 2}, 2), {"text F 0 x2", "text F 2 x2"}},
      {"a polygon's outline alone", 1, 2, BlinkPolygon(ClosedBySteps(10, 20, {{20, 0}, {0, 20}}), {0, 6}),
       {"polyline 6", "polyline 0"}},
      {"a polygon outline and inside alike", 1, 2,
       BlinkPolygon(ClosedBySteps(10, 20, {{20, 0}, {0, 20}}), {0, 6}, {0, 6}),
       {"polyline 6 fill 6", "polyline 0 fill 0"}},
      {"no pass when the counter starts beyond its end", 3, 2, BlinkText(10, 20, "G", {7}), {}},
  };
  for (const Case& c : cases) {
    const Lesson lesson = FigureLesson({Blink(c.first, c.last, {c.item}, 5)});
    std::vector<std::string> drawn = Drawn(OnPage(Play(lesson)));
    std::erase(drawn, "wait 5");
    EXPECT_EQ(drawn, c.want) << c.what;
  }
}

TEST(BlinkStep, PassesBeforeTheChosenParagraphDoNotWait) {
  // Paragraph 1 blinks; the pupil starts at paragraph 2, whose blink waits.
  const Lesson lesson = FigureLesson({Blink(0, 2, {BlinkText(10, 20, "H", {0, 7})}, 20), Paragraph(2),
                                      Blink(0, 1, {BlinkText(10, 40, "I", {0, 7})}, 30)},
                                     2);
  const LessonRun r = Play(lesson, {}, 2);
  EXPECT_EQ(Drawn(OnPage(r)), (std::vector<std::string>{"text H 0", "text H 7", "text H 0", "text I 0", "wait 30",
                                                        "text I 7", "wait 30"}));
}

TEST(BlinkStep, ItsPassesCountAsPausesAfterTheNarrationBefore) {
  // A narration may last 80 % of the pause units up to the next narration:
  // its own 20, then ten passes of 20 and a pause of 30.
  const Lesson lesson = FigureLesson({Narrate("A.WAV"), Blink(0, 9, {BlinkText(10, 20, "J", {0, 7})}, 20),
                                      Pause(30), Narrate("B.WAV"),
                                      Blink(3, 2, {BlinkText(10, 20, "K", {0, 7})}, 500)});
  double a = 0, b = 0;
  for (const tools::SoundUse& u : tools::LessonSounds(lesson)) {
    if (u.file == "A.WAV") a = u.seconds;
    if (u.file == "B.WAV") b = u.seconds;
  }
  EXPECT_DOUBLE_EQ(a, 0.8 * (20 + 10 * 20 + 30) / 100);
  EXPECT_DOUBLE_EQ(b, 0.2);  // a blink of no pass waits nothing: the shortest sound
}

}  // namespace
}  // namespace ham::testing
