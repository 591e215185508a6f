// The explanation pages: page 1 "ひし形の面積" and page 3 "三角形の面積".
#include "lessons/rhombus-triangle/lesson.h"
#include "lessons/common/sheet.h"

namespace ham::lessons::rhombus_triangle {

using namespace ham::frame;

namespace {

Steps Mascots() { return {Pic("CF.BMP", 550, 200), Pic("PF.BMP", 580, 200)}; }

// ----- page 1 ------------------------------------------------------------------------

const Shape kR1 = ClosedBySteps(200, 100, {{-60, 75}, {60, 75}, {60, -75}});
const Shape kEnclosing = ClosedBySteps(140, 100, {{120, 0}, {0, 150}, {-120, 0}});

// The diagonals of R1 with their length marks.
Steps FigureF1() {
  return {Line(140, 175, 260, 175, 7), Line(200, 100, 200, 250, 7),
          Dotted(), Font(13),
          Arc(200, 175, 60, 0.2, 0, 0.5), Text(170, 187, "12cm"),
          Arc(200, 175, 10, 7.5, 0.75, 0.25), Text(210, 158, "15cm"),
          Solid(), Font(16)};
}

struct Quarter { Shape triangle, rectangle; };
const Quarter kQuarters[] = {
    // top left
    {ClosedBySteps(200, 100, {{0, 75}, {-60, 0}}), ClosedBySteps(140, 100, {{60, 0}, {0, 75}, {-60, 0}})},
    // top right
    {ClosedBySteps(200, 100, {{0, 75}, {60, 0}}), ClosedBySteps(200, 100, {{60, 0}, {0, 75}, {-60, 0}})},
    // bottom right
    {ClosedBySteps(200, 250, {{0, -75}, {60, 0}}), ClosedBySteps(200, 175, {{60, 0}, {0, 75}, {-60, 0}})},
    // bottom left
    {ClosedBySteps(200, 250, {{0, -75}, {-60, 0}}), ClosedBySteps(140, 175, {{60, 0}, {0, 75}, {-60, 0}})},
};

// A rhombus of diagonals w and h pixels with its length marks.
Steps SmallRhombus(double half_w, double half_h, double mid_aspect, double tall_aspect, const char* w_label,
                   double w_lx, double w_ly, const char* h_label, double h_lx, double h_ly) {
  double cy = 100 + half_h;
  return {Polygon(ClosedBySteps(200, 100, {{-half_w, half_h}, {half_w, half_h}, {half_w, -half_h}}), 2, 2),
          Line(200 - half_w, cy, 200 + half_w, cy, 7), Line(200, 100, 200, 100 + 2 * half_h, 7),
          Dotted(), Font(13),
          Arc(200, cy, half_w, mid_aspect, 0, 0.5), Text(w_lx, w_ly, w_label),
          Arc(200, cy, 10, tall_aspect, 0.75, 0.25), Text(h_lx, h_ly, h_label),
          Solid(), Font(16)};
}

// ----- page 3 ------------------------------------------------------------------------

// Triangle figure G on a target; `halves` with the pictures B6 and B60.
void FigureG(Frame& f, Canvas* target, bool halves) {
  if (halves) {
    FmDrawPicture(target, f.picture("B6.BMP"), 50, 150);
    FmDrawPicture(target, f.picture("B60.BMP"), 82, 150);
  }
  FmDrawPicture(target, f.picture("B66.BMP"), 50, 198);
  RtDrawLine(target, 82, 192, 87, 197, 7, LineShape::kBox);
  RtDrawLine(target, 82, 150, 82, 197, 6);
  FmSetFontSize(target, 13);
  FmSetDrawStyle(target, 2);
  RtDrawCircle(target, 82, 174, 12, 7, 2, 0.75, 0.25);
  RtDrawText(target, 95, 164, "6cm");
  FmSetDrawStyle(target, 0);
  FmSetFontSize(target, 16);
}

void FilledBlack(Canvas* target, double x1, double y1, double x2, double y2) {
  RtDrawLine(target, x1, y1, x2, y2, 0, LineShape::kFilledBox);
}

// The copy of the triangle rises, slides right, turns and drops beside the
// triangle; every frame is composed on the sheet and then copied.
Steps Rise() {
  return {Call([](Frame& f) {
    Form* sheet = common::Sheet(f);
    for (int i = 1; i <= 5; ++i) {
      FmDrawPicture(sheet, f.picture("B6.BMP"), 50, 150 - 10 * i);
      FmDrawPicture(sheet, f.picture("B60.BMP"), 82, 150 - 10 * i);
      common::CopySheetBlock(f, 50, 100, 50, 120);
      f.Pause(2);
      FilledBlack(sheet, 50, 150 - 10 * i, 90, 210 - 10 * i);
      FigureG(f, sheet, true);
    }
  })};
}

Steps Slide() {
  return {Call([](Frame& f) {
    Form* sheet = common::Sheet(f);
    for (int i = 1; i <= 4; ++i) {
      FilledBlack(sheet, 45 + 8 * i, 100, 95 + 8 * i, 150);
      FmDrawPicture(sheet, f.picture("B6.BMP"), 50 + 8 * i, 100);
      FmDrawPicture(sheet, f.picture("B60.BMP"), 82 + 8 * i, 100);
      common::CopySheetBlock(f, 50, 100, 100, 120);
      f.Pause(2);
    }
  })};
}

Steps Turn() {
  return {Call([](Frame& f) {
    Form* sheet = common::Sheet(f);
    FilledBlack(sheet, 70, 100, 130, 150);
    FmDrawPicture(sheet, f.picture("B54.BMP"), 72, 116);
    FmDrawPicture(sheet, f.picture("B33.BMP"), 72, 100);
    common::CopySheetBlock(f, 50, 100, 100, 120);
    f.Pause(30);
    FilledBlack(sheet, 70, 100, 130, 150);
    FmDrawPicture(sheet, f.picture("B27.BMP"), 98, 100);
    FmDrawPicture(sheet, f.picture("B36.BMP"), 82, 100);
    common::CopySheetBlock(f, 50, 100, 100, 120);
    f.Pause(30);
  })};
}

Steps Drop() {
  return {Call([](Frame& f) {
    Form* sheet = common::Sheet(f);
    for (int i = 1; i <= 5; ++i) {
      FilledBlack(sheet, 70, 85 + 10 * i, 130, 155 + 10 * i);
      FmDrawPicture(sheet, f.picture("B27.BMP"), 98, 100 + 10 * i);
      FmDrawPicture(sheet, f.picture("B36.BMP"), 82, 100 + 10 * i);
      DrawPolygon(sheet, {ClosedBySteps(82, 150, {{-24, 48}, {40, 0}}), 2, 2});
      FigureG(f, sheet, false);
      common::CopySheetBlock(f, 50, 100, 100, 120);
      f.Pause(2);
    }
  })};
}

// A triangle of height h and base from `left` (relative to the apex) with
// its marks: the small triangles of paragraph 2.
Steps SmallTriangle(double left, double h, double base, double h_mark_y, double h_aspect, const char* h_label,
                    double h_lx, double h_ly, double b_cx, double b_r, double b_aspect, const char* b_label,
                    double b_lx, double b_ly) {
  return {Polygon(ClosedBySteps(200, 100, {{left, h}, {base, 0}}), 2, 2),
          Line(200, 100, 200, 100 + h, 7),
          Box(200, 95 + h, 205, 100 + h, 7),
          Dotted(), Font(13),
          Arc(200, h_mark_y, 10, h_aspect, 0.75, 0.25), Text(h_lx, h_ly, h_label),
          Arc(b_cx, 100 + h, b_r, b_aspect, 0, 0.5), Text(b_lx, b_ly, b_label),
          Solid(), Font(16)};
}

}  // namespace

ExplanationPage RhombusPage() {
  ExplanationPage ex{.paragraphs = 3, .heading_x = 190, .bar_left = 180, .bar_right = 298,
                     .paragraph_window_height = 479, .end_x = 400, .end_y = 350};
  Steps& s = ex.steps;
  // paragraph 1
  Append(s, Mascots());
  s.push_back(Polygon(kR1, 7));
  Append(s, FigureF1());
  Append(s, {Pause(200),
             Narrate("SOUND6.WAV"),
             Text(100, 300, "ひし形の面積=対角線×対角線÷2", 6), Pause(750),
             Narrate("SOUND7.WAV", 200), Narrate("SOUND30.WAV", 200),
             Text(300, 100, "対角線×対角線"), Pause(200), Text(300, 120, "   15 × 12"), Pause(350),
             Narrate("SOUND8.WAV"),
             Text(410, 100, "=黄色い長方形の面積"), Text(410, 120, "=黄色い長方形の面積"),
             Blink(1, 7, {BlinkPolygon(kEnclosing, {0, 6})}, 30),
             Pause(300)});
  // Each quarter's triangle, then the rectangle it halves, blink in yellow
  // (the outline stays yellow, the inside turns yellow and black); the
  // triangle is left green.
  for (const Quarter& q : kQuarters) {
    Append(s, {Narrate("SOUND9.WAV"),
               Blink(1, 7, {BlinkPolygon(q.triangle, {6}, {0, 6})}, 20),
               Pause(50),
               Narrate("SOUND31.WAV"),
               Blink(1, 7, {BlinkPolygon(q.rectangle, {6}, {0, 6})}, 20),
               Polygon(q.triangle, 2, 2),
               Pause(200)});
  }
  Append(s, {Narrate("SOUND10.WAV", 250), Narrate("SOUND11.WAV"),
             Blink(1, 7, {BlinkPolygon(kR1, {2}, {0, 2})}, 20),
             Pause(50),
             Blink(1, 7, {BlinkPolygon(kEnclosing, {0, 6}, {0, 6})}, 20),
             Polygon(kR1, 2, 2), Pause(200),
             GuardedClose()});
  Append(s, FigureF1());
  Append(s, {Pause(100),
             NarrateNoClose("SOUND12.WAV"),
             Text(300, 140, "ひし形の面積 = 15 × 12 ÷ 2"), Pause(400),
             Narrate("SOUND13.WAV", 350), Narrate("SOUND14.WAV", 250), Narrate("SOUND15.WAV"),
             Blink(1, 7, {BlinkText(100, 300, "ひし形の面積=対角線×対角線÷2", {0, 6})}, 30),
             Pause(600),
             Erase(0, 60, 630, 390)});
  Append(s, Mascots());
  // paragraph 2
  Append(s, {Paragraph(2),
             Narrate("SOUND16.WAV"),
             Text2x(40, 40, "ひし形の面積=対角線×対角線÷2", 6), Pause(650),
             Narrate("SOUND17.WAV", 100), Narrate("SOUND18.WAV")});
  Append(s, SmallRhombus(50, 70, 0.2, 7, "10cm", 175, 182, "14cm", 210, 158));
  Append(s, {Pause(100),
             Face("ＭＳ 明朝"), Text(300, 140, "14 × 10 ÷ 2 = 70      答え 70c㎡"), Pause(600),
             Erase(0, 95, 630, 390)});
  Append(s, Mascots());
  s.push_back(Narrate("SOUND18.WAV"));
  Append(s, SmallRhombus(65, 30, 0.2, 3, "13cm", 172, 139, "6cm", 210, 119));
  Append(s, {Pause(100),
             Text(300, 140, "6 × 13 ÷ 2 = 39       答え 39c㎡"), Face("標準明朝"), Pause(300)});
  return ex;
}

ExplanationPage TrianglePage() {
  ExplanationPage ex{.paragraphs = 3, .heading_x = 190, .bar_left = 180, .bar_right = 298,
                     .paragraph_window_height = 479, .end_x = 400, .end_y = 350};
  Steps& s = ex.steps;
  // paragraph 1
  Append(s, {Pic("CF.BMP", 200, 250), Pic("PF.BMP", 230, 250),
             Call([](Frame& f) { FigureG(f, kMainWindow, true); }), Pause(200),
             Narrate("SOUND19.WAV"),
             Text(200, 100, "三角形の面積=底辺×高さ÷2", 6), Pause(750),
             Narrate("SOUND20.WAV"),
             Text(300, 70, "(底の辺)"), Font(13), Text(320, 87, "↑"), Pause(300),
             Blink(1, 14, {BlinkLine(58, 197, 98, 197, {6, 2})}, 30),
             Font(13), Text(320, 118, "↓"), Font(16), Text(320, 130, "5"), Pause(300),
             Narrate("SOUND21.WAV"),
             Font(13), Text(364, 118, "↓"), Font(16), Text(340, 130, "× 6"), Pause(300),
             Narrate("SOUND22.WAV", 350),
             Face("ＭＳ 明朝"), Text(380, 130, "÷ 2 = 15    答え 15c㎡"), Face("標準明朝"), Pause(500),
             Narrate("SOUND7.WAV", 270),
             Call([](Frame& f) { FilledBlack(common::Sheet(f), 0, 0, 300, 350); }),
             Narrate("SOUND23.WAV", 120),
             Call([](Frame& f) { FigureG(f, common::Sheet(f), true); })});
  Append(s, Rise());
  Append(s, Slide());
  Append(s, {Pause(250), Narrate("SOUND24.WAV")});
  Append(s, Turn());
  Append(s, Drop());
  const Shape triangle = ClosedBySteps(81, 150, {{-24, 48}, {41, 0}}, std::make_pair(82.0, 150.0));
  const Shape parallelogram = ClosedBySteps(81, 150, {{-24, 48}, {41, 0}, {24, -48}}, std::make_pair(82.0, 150.0));
  Append(s, {Pause(450),
             Narrate("SOUND25.WAV"),
             Text(200, 180, "平行四辺形の面積=底辺×高さ"), Pause(550),
             Narrate("SOUND26.WAV"),
             Blink(1, 8, {BlinkPolygon(triangle, {0, 6})}, 20),
             Blink(1, 14, {BlinkPolygon(parallelogram, {0, 6})}, 20),
             Pause(250),
             Narrate("SOUND27.WAV"),
             Text(200, 200, "    三角形の面積=底辺×高さ÷2"), Pause(700),
             Erase(0, 60, 630, 390)});
  Append(s, Mascots());
  // paragraph 2
  Append(s, {Paragraph(2),
             Narrate("SOUND28.WAV"),
             Text2x(40, 40, "三角形の面積=底辺×高さ÷2", 6), Pause(650),
             Narrate("SOUND17.WAV", 100), Narrate("SOUND29.WAV")});
  Append(s, SmallTriangle(-40, 60, 90, 130, 3, "6cm", 210, 122, 205, 45, 0.2, "9cm", 200, 168));
  Append(s, {Pause(100),
             Face("ＭＳ 明朝"), Text(300, 140, "9 × 6 ÷ 2 = 27        答え 27c㎡"), Face("標準明朝"), Pause(650),
             Erase(0, 95, 630, 390)});
  Append(s, Mascots());
  s.push_back(Narrate("SOUND29.WAV"));
  Append(s, SmallTriangle(-40, 110, 70, 155, 5.5, "11cm", 210, 150, 195, 35, 0.3, "7cm", 200, 220));
  Append(s, {Pause(100),
             Face("ＭＳ 明朝"), Text(300, 140, "7 × 11 ÷ 2 = 38.5      答え 38.5c㎡"), Face("標準明朝"),
             Pause(300)});
  return ex;
}

}  // namespace ham::lessons::rhombus_triangle
