// Explanation pages of the parallelogram and trapezoid lesson: pages 1 and 2
// (parallelograms), 4 and 5 (trapezoids).
#include "lessons/parallelogram-trapezoid/lesson.h"

namespace ham::lessons::parallelogram_trapezoid {

using namespace ham::frame;

namespace {

const char* const kMincho = "標準明朝";
const char* const kMsMincho = "ＭＳ 明朝";

// The parallelogram of page 1 composed from its pieces, the upper one laid
// over in merge pen.
void ParallelogramPieces(Steps& out, double x) {
  Append(out, {Pic("B6.BMP", x, 40), Pic("B12.BMP", x + 32, 40), Pic("B39.BMP", x + 35, 40),
               Pic("B68.BMP", x, 88), DrawMode(15), Pic("B42.BMP", x + 40, 46), DrawMode(13)});
}

// The triangle cut off the parallelogram of page 1, its top corner at (x, y).
Step CutTriangle(double x, double y, int color) {
  return Polygon(OpenBySteps(x, y, {{-24, 48}, {24, 0}, {0, -48}}), color);
}

}  // namespace

ExplanationPage ParallelogramPage1() {
  ExplanationPage ex{.paragraphs = 2, .bar_left = 185, .bar_right = 340, .paragraph_window_height = 479, .end_x = 400,
                     .end_y = 340};
  Steps& s = ex.steps;
  Append(s, {Pic("CF.BMP", 420, 230), Pic("PF.BMP", 440, 230)});
  ParallelogramPieces(s, 210);
  Append(s, {Pause(200), Narrate("SOUND1.WAV", 120), Pic("右指.BMP", 190, 83)});
  // The base blinks.
  s.push_back(Blink(1, 10, {BlinkLine(218, 87, 290, 87, {6, 2})}, 25));
  Append(s, {Text(400, 40, "平行四辺形"), Text(400, 60, "底辺 8cm"), Text(480, 60, "(底の辺のことｮ)"), Pause(350),
             Narrate("SOUND2.WAV"), Erase(190, 83, 210, 103), Pic("右指.BMP", 190, 60)});
  // The height blinks.
  s.push_back(Blink(0, 10, {BlinkLine(245, 40, 245, 87, {6, 2})}, 25));
  Append(s, {Text(400, 80, "高さ 6cm"), Pause(430), Erase(190, 60, 210, 80), Narrate("SOUND5.WAV", 100),
             Pic("B27.BMP", 210, 40), Pause(100)});
  // The cut triangle moves down, right, then up into the gap.
  for (int i = 0; i <= 10; ++i)
    Append(s, {Pic("B68.BMP", 210, 88), CutTriangle(240, 40 + 5 * i, 2), Pause(5),
               Erase(210, 40 + 5 * i, 242, 88 + 5 * i), Pic("B33.BMP", 210, 40)});
  for (int i = 1; i <= 12; ++i)
    Append(s, {Pic("B68.BMP", 210, 88), CutTriangle(240 + 6 * i, 90, 2), Pause(5),
               Erase(210 + 6 * i, 90, 242 + 6 * i, 140)});
  for (int i = 0; i <= 10; ++i)
    Append(s, {CutTriangle(314, 90 - 5 * i, 2), Pause(5), CutTriangle(314, 90 - 5 * i, 0)});
  Append(s, {FilledBox(290, 40, 314, 87, 2), Line(290, 87, 314, 87, 6), Pause(300), Narrate("SOUND7.WAV", 100),
             Pic("左指.BMP", 190, 70)});
  ParallelogramPieces(s, 80);
  Append(s, {Pause(150), Pic("右指.BMP", 190, 70), Pause(600), Narrate("SOUND8.WAV"), Text(500, 40, "長方形"),
             Text(480, 60, "(底の辺のことｮ)", 0), Pause(100)});
  // The base moves with the triangle.
  for (int i = 0; i <= 10; ++i)
    Append(s, {Line(218, 87 + 5 * i, 242, 87 + 5 * i, 6), Pause(10), Erase(218, 87 + 5 * i, 242, 87 + 5 * i),
               Pic("B33.BMP", 210, 40)});
  for (int i = 0; i <= 12; ++i)
    Append(s, {Line(218 + 6 * i, 137, 242 + 6 * i, 137, 6), Pause(10), Line(218 + 6 * i, 137, 242 + 6 * i, 137, 0)});
  for (int i = 0; i <= 9; ++i)
    Append(s, {Line(292, 137 - 5 * i, 316, 137 - 5 * i, 6), Pause(10), Erase(292, 137 - 5 * i, 316, 137 - 5 * i)});
  Append(s, {Pause(150), Narrate("SOUND9.WAV"), Pic("左指.BMP", 190, 70), Pause(200), Pic("右指.BMP", 190, 70),
             Text(500, 60, "底辺 8cm"), Erase(210, 88, 260, 110), Pic("B68.BMP", 234, 88), Pause(400),
             Narrate("SOUND10.WAV", 100), Pic("左指.BMP", 190, 70), Pause(100), Pic("右指.BMP", 190, 70),
             Text(500, 80, "高さ 6cm"), Pause(600), Narrate("SOUND11.WAV"), Text(250, 120, "長方形の面積=底辺×高さ"),
             Pause(200), Face(kMsMincho), Text(250, 140, "8cm ×6cm =48c㎡"), Face(kMincho), Pause(700),
             Narrate("SOUND12.WAV")});
  // The hand points back and forth.
  const std::pair<const char*, float> hands[] = {
      {"右指.BMP", 100}, {"左指.BMP", 200}, {"右指.BMP", 100}, {"左指.BMP", 100}, {"右指.BMP", 300}};
  for (const auto& [hand, pause] : hands) Append(s, {Pic(hand, 190, 70), Pause(pause)});
  Append(s, {Narrate("SOUND13.WAV", 100), Pic("左指.BMP", 190, 70), Pause(100),
             Text(10, 120, "平行四辺形の面積=底辺×高さ"), Pause(730), Narrate("SOUND14.WAV", 200), Face(kMsMincho),
             Text(70, 140, "8cm ×6cm =48c㎡"), Face(kMincho), Pause(300)});
  return ex;
}

namespace {

// A dimension bracket: a dotted arc with its label at font size 13.
void Dimension(Steps& out, double x, double y, double r, double aspect, double start, double end, double tx,
               double ty, const std::string& label, int label_color = 7) {
  Append(out, {Arc(x, y, r, aspect, start, end), Text(tx, ty, label, label_color)});
}

// Dotted lines and small texts for the dimensions, then back.
void SmallDotted(Steps& out) { Append(out, {Dotted(), Font(13)}); }
void NormalSolid(Steps& out) { Append(out, {Solid(), Font(16)}); }

}  // namespace

ExplanationPage ParallelogramPage2() {
  ExplanationPage ex{.paragraphs = 2, .bar_left = 185, .bar_right = 340, .paragraph_window_height = 479, .end_x = 300,
                     .end_y = 300};
  Steps& s = ex.steps;
  Append(s, {Pic("CF.BMP", 420, 200), Pic("PF.BMP", 440, 200), Pause(200), Narrate("SOUND16.WAV"),
             Text2x(10, 40, "平行四辺形の面積 = 底辺 × 高さ", 6), Pause(600), Narrate("SOUND17.WAV"),
             Polygon(OpenBySteps(20, 100, {{50, 0}, {-10, 40}, {-50, 0}, {10, -40}}), 2, 2),
             Line(20, 100, 20, 140, 6)});
  SmallDotted(s);
  Dimension(s, 20, 120, 10, 2, 0.75, 0.25, 31, 120, "4cm");
  Dimension(s, 35, 140, 25, 0.3, 0, 0.5, 30, 150, "5cm");
  NormalSolid(s);
  Append(s, {Box(15, 135, 20, 140, 6), Pause(300), Narrate("SOUND18.WAV"), Face(kMsMincho),
             Text(150, 124, "5 × 4 = 20     答え 20c㎡"), Face(kMincho), Pause(400), Narrate("SOUND19.WAV"),
             Polygon(OpenBySteps(30, 190, {{100, 0}, {-20, 70}, {-100, 0}, {20, -70}}), 2, 2),
             Line(40, 190, 40, 260, 6)});
  SmallDotted(s);
  Dimension(s, 40, 225, 10, 3.5, 0.75, 0.25, 51, 220, "7cm");
  Dimension(s, 60, 260, 50, 0.2, 0, 0.5, 50, 270, "10cm");
  NormalSolid(s);
  Append(s, {Box(35, 255, 40, 260, 6), Pause(400), Narrate("SOUND20.WAV"), Face(kMsMincho),
             Text(150, 250, "10 × 7 = 70    答え 70c㎡"), Face(kMincho), Pause(400)});
  return ex;
}

namespace {

// The trapezoid of page 4 from (x, y), its copy upside down and its copy
// turned a quarter.
Step Trapezoid(double x, double y, int color) {
  return Polygon(OpenBySteps(x, y, {{-12, 49}, {70, 0}, {-16, -49}, {-42, 0}}), color, color);
}
Step UpsideDown(double x, double y, int color) {
  return Polygon(OpenBySteps(x, y, {{16, 49}, {42, 0}, {12, -49}, {-70, 0}}), color, color);
}
Step QuarterTurned(double x, double y, int color) {
  return Polygon(OpenBySteps(x, y, {{0, 42}, {49, 16}, {0, -70}, {-49, 12}}), color, color);
}

// Right-angle mark, height and the "7cm" and "6cm" dimensions of page 4.
void TrapezoidMarks(Steps& out, bool with_lower_base) {
  Append(out, {Box(192, 184, 197, 189, 7), Line(192, 140, 192, 189, 6)});
  SmallDotted(out);
  Dimension(out, 193, 165, 12, 2, 0.75, 0.25, 205, 154, "7cm", -1);
  Dimension(out, 203, 140, 21, 0.5, 0.5, 1, 195, 120, "6cm", -1);
  if (with_lower_base) Dimension(out, 205, 189, 35, 0.25, 0, 0.5, 190, 200, "10cm", -1);
  NormalSolid(out);
}

}  // namespace

ExplanationPage TrapezoidPage4() {
  ExplanationPage ex{.paragraphs = 2, .bar_left = 190, .bar_right = 305, .bar_bottom = 20,
                     .paragraph_window_height = 479, .end_x = 400, .end_y = 380};
  Steps& s = ex.steps;
  Append(s, {Pic("CF.BMP", 300, 250), Pic("PF.BMP", 330, 250), Trapezoid(182, 140, 2)});
  TrapezoidMarks(s, true);
  Append(s, {Pause(200), Narrate("SOUND21.WAV", 200), Pic("右指.BMP", 155, 136)});
  // The upper base blinks, then the lower one.
  s.push_back(Blink(1, 8, {BlinkLine(182, 140, 224, 140, {6, 2})}, 30));
  Append(s, {Text(400, 100, "上底 6cm (うわぞこのことョ)"), Pause(350), Narrate("SOUND44.WAV"),
             Erase(155, 136, 175, 156), Pic("右指.BMP", 145, 185)});
  s.push_back(Blink(1, 8, {BlinkLine(170, 189, 240, 189, {6, 2})}, 30));
  Append(s, {Text(400, 120, "下底 10cm (したぞこのことョ)"), Pause(450), Narrate("SOUND22.WAV"),
             Erase(145, 185, 165, 205), Pic("右指.BMP", 145, 150)});
  // A copy rises, moves right, turns and comes down beside the trapezoid.
  for (int i = 0; i <= 10; ++i) {
    Append(s, {Trapezoid(182, 140 - 5 * i, 2), Trapezoid(182, 140, 2)});
    TrapezoidMarks(s, false);
    Append(s, {Pause(5), Trapezoid(182, 140 - 5 * i, 0)});
  }
  for (int i = 1; i <= 11; ++i) Append(s, {Trapezoid(182 + 5 * i, 85, 2), Pause(5), Trapezoid(182 + 5 * i, 85, 0)});
  SmallDotted(s);
  Dimension(s, 203, 140, 21, 0.5, 0.5, 1, 195, 120, "6cm", -1);
  NormalSolid(s);
  Append(s, {QuarterTurned(240, 85, 2), Pause(50), QuarterTurned(240, 85, 0), UpsideDown(224, 85, 2), Pause(50)});
  for (int i = 0; i <= 10; ++i) Append(s, {UpsideDown(224, 85 + 5 * i, 2), Pause(5), UpsideDown(224, 85 + 5 * i, 0)});
  Append(s, {UpsideDown(224, 140, 2), Pause(500), NarrateWait("SOUND23.WAV", 350), Narrate("SOUND24.WAV"),
             Erase(145, 150, 165, 170), Pic("右指.BMP", 145, 185), Pause(200), Dotted(), Line(224, 140, 240, 189, 0),
             Solid()});
  s.push_back(Blink(1, 10, {BlinkLine(182, 140, 223, 140, {2, 6})}, 10));
  s.push_back(Blink(1, 10, {BlinkLine(241, 189, 282, 189, {2, 6})}, 10));
  SmallDotted(s);
  Dimension(s, 261, 190, 21, 0.5, 0, 0.5, 250, 200, "6cm", -1);
  NormalSolid(s);
  Append(s, {Pause(250), Narrate("SOUND25.WAV"), Text(100, 300, "(6+10)", 6),
             Polygon(OpenBySteps(115, 315, {{0, 5}, {20, 0}, {0, -5}}), 7), Text(115, 323, "16"), Pause(650),
             Narrate("SOUND26.WAV"), Erase(145, 185, 165, 205), Pic("右指.BMP", 145, 150), Pause(300),
             Narrate("SOUND27.WAV", 100), Text(155, 300, "×7", 6),
             Polygon(OpenBySteps(125, 340, {{0, 5}, {40, 0}, {0, -20}}), 7), Text(135, 348, "112"), Pause(750),
             Narrate("SOUND28.WAV"),
             Erase(145, 150, 165, 170), Pic("上指.BMP", 190, 220), Pause(300), Text(187, 300, "÷2", 6),
             Face(kMsMincho), Text(219, 300, "= 56c㎡", 6), Face(kMincho), Pause(600),
             Narrate("SOUND29.WAV", 330), Narrate("SOUND30.WAV"), Font(13)});
  // The pieces of the formula blink, ending visible.
  s.push_back(Blink(0, 9, {BlinkText(195, 120, "6cm", {0, 7})}, 15));
  s.push_back(Blink(0, 9, {BlinkText(190, 200, "10cm", {0, 7})}, 15));
  s.push_back(Font(16));
  s.push_back(Blink(0, 9, {BlinkText(100, 300, "(6+10)", {0, 6})}, 20));
  Append(s, {Pause(100), Narrate("SOUND31.WAV")});
  s.push_back(Blink(1, 9, {BlinkText(155, 300, "×7", {0, 6})}, 20));
  s.push_back(Blink(1, 9, {BlinkText(187, 300, "÷2", {0, 6})}, 20));
  Append(s, {Pause(150), Narrate("SOUND32.WAV", 300), Erase(190, 220, 210, 240), Pic("上指.BMP", 70, 290),
             Text(0, 270, "台形の面積 =", 2), Narrate("SOUND33.WAV"), Text(100, 270, "(上底", 2),
             Text(145, 270, "+下底)", 2)});
  s.push_back(Blink(0, 9, {BlinkText(100, 300, "(6+10)", {0, 6})}, 20));
  Append(s, {Narrate("SOUND34.WAV"), Text(195, 270, "×高さ÷2", 2)});
  s.push_back(Blink(0, 9, {BlinkText(155, 300, "×7 ÷2", {0, 6})}, 20));
  return ex;
}

ExplanationPage TrapezoidPage5() {
  ExplanationPage ex{.paragraphs = 2, .bar_left = 180, .bar_right = 300, .bar_bottom = 20,
                     .paragraph_window_height = 479, .end_x = 300, .end_y = 300};
  Steps& s = ex.steps;
  Append(s, {Pic("CF.BMP", 420, 200), Pic("PF.BMP", 440, 200), Pause(200), Narrate("SOUND35.WAV"),
             Text2x(10, 40, "台形の面積=(上底+下底)×高さ÷2", 6), Pause(650), Narrate("SOUND36.WAV"),
             Polygon(OpenBySteps(20, 100, {{50, 0}, {20, 60}, {-80, 0}, {10, -60}}), 2, 2), Line(30, 100, 30, 160, 6)});
  SmallDotted(s);
  Dimension(s, 30, 130, 10, 3, 0.75, 0.25, 38, 120, "6cm");
  Dimension(s, 50, 160, 40, 0.25, 0, 0.5, 30, 167, "8cm");
  Dimension(s, 45, 100, 25, 0.3, 0.5, 1, 30, 82, "5cm");
  NormalSolid(s);
  Append(s, {Box(25, 155, 30, 160, 6), Pause(350), Narrate("SOUND37.WAV"), Text(150, 124, "(5 ＋ 8) × 6 ÷ 2", 6),
             Pause(600), Narrate("SOUND38.WAV"), Polygon(OpenBySteps(160, 140, {{0, 5}, {42, 0}, {0, -5}}), 7),
             Font(13), Text(175, 152, "13", 7), Pause(450), Narrate("SOUND39.WAV"),
             Polygon(OpenBySteps(180, 165, {{0, 5}, {68, 0}, {0, -25}}), 7), Text(205, 177, "78", 7), Pause(450),
             Narrate("SOUND40.WAV"), Polygon(OpenBySteps(210, 190, {{0, 5}, {80, 0}, {0, -45}}), 7),
             Text(230, 202, "39", 7), Font(16), Pause(100), Text(300, 124, "= 39", 6), Pause(350),
             Narrate("SOUND41.WAV"), Face(kMsMincho), Text(400, 124, "答え 39c㎡", 6), Face(kMincho),
             Pause(800), Erase(0, 80, 640, 370), Narrate("SOUND42.WAV"),
             Polygon(OpenBySteps(20, 100, {{100, 0}, {30, 80}, {-150, 0}, {20, -80}}), 2, 2),
             Line(30, 100, 30, 180, 6), Box(25, 175, 30, 180, 6)});
  SmallDotted(s);
  Dimension(s, 30, 140, 10, 4, 0.75, 0.25, 38, 140, "8cm");
  Dimension(s, 75, 180, 75, 0.2, 0, 0.5, 50, 197, "15cm");
  Dimension(s, 70, 100, 50, 0.2, 0.5, 1, 40, 82, "10cm");
  NormalSolid(s);
  Append(s, {Pause(300), Narrate("SOUND43.WAV"), Text(150, 124, "(10 ＋ 15) × 8 ÷ 2 = 100", 6), Pause(200),
             Face(kMsMincho), Text(400, 124, "答え 100c㎡", 6), Face(kMincho), Pause(400)});
  return ex;
}

}  // namespace ham::lessons::parallelogram_trapezoid
