// The frame's drawing helpers as a lesson's script runs them: what a
// polygon step draws, on a lesson of one explanation page.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "frame/figures.h"
#include "frame/templates.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& FigureLessonResources();

namespace ham::testing {
namespace {

using namespace ham::frame;

// A lesson whose only page plays `steps` as its one paragraph, in a
// logical window of a unit a pixel.
Lesson FigureLesson(Steps steps) {
  Lesson l;
  l.title = "図";
  ExplanationPage ex{.paragraphs = 1, .paragraph_window_height = 479};
  ex.steps = std::move(steps);
  l.pages = PageTable(7, 24, {Explanation("図", std::move(ex))});
  l.pictures = SharedPictures();
  UseFrameBars(l, false, false);
  return l;
}

// Runs the page from its first paragraph; `look` sees the run once the
// page has ended.
LessonRun Play(const Lesson& lesson, std::function<void(LessonRun&)> look = {}) {
  LessonRunOptions o;
  if (look) o.on_probe = [look](LessonRun& r, const std::string&) { look(r); };
  return LessonRun(lesson, FigureLessonResources(), Page(1) + Choose(1) + "probe end\n", std::move(o));
}

// The page's polylines: those drawn from its paragraph label on.
std::vector<TraceRecord> Polylines(const LessonRun& r) {
  std::vector<TraceRecord> page;
  bool on = false;
  for (const TraceRecord& t : r.trace()) {
    if (t.count("text") && t.at("text") == "だん落 1") on = true;
    if (on) page.push_back(t);
  }
  return OpsIn(page, "polyline");
}

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

}  // namespace
}  // namespace ham::testing
