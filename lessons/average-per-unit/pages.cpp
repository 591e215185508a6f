// Explanation pages 1 ("平均") and 3 ("単位量あたりの大きさ").
#include <string>

#include "frame/figures.h"
#include "lessons/average-per-unit/lesson.h"

namespace ham::lessons::average_per_unit {

using namespace ham::frame;

std::string Str(int n) { return (n < 0 ? "" : " ") + std::to_string(n); }

namespace {

// An egg of the chart: a small ellipse filled in its own colour; colour 0 removes it.
Step Egg(double x, double y, int color = 7) { return CircleStep{x, y, 5, color, 0.8, 0, 0, true, color}; }
Step RemoveEgg(double x, double y) { return Egg(x, y, 0); }

Step FloodFill(double x, double y, int r, int g, int b) { return FloodFillStep{x, y, r, g, b}; }

// A column of `count` eggs at x, one every 10 units upward from y 215.
void Column(Steps& s, double x, int count) {
  for (int i = 1; i <= count; ++i) s.push_back(Egg(x, 225 - 10 * i));
}

// The egg carrier's two frames at (x, y), `pause` after each.
void Carrier(Steps& s, double x, double y, float pause) {
  Append(s, {Pic("hok1.BMP", x, y), Pause(pause), Pic("hok2.BMP", x, y), Pause(pause)});
}

// One run of the carrier's walk: n positions 7 units apart from x0.
void Walk(Steps& s, double x0, double y, int n, bool left) {
  for (int i = 0; i < n; ++i) {
    double x = left ? x0 - 7 * i : x0 + 7 * i;
    Carrier(s, x, y, 15);
    s.push_back(Erase(x, y, x + 20, y + 20));
  }
}

// Axes of a chart: connected lines (x, top)-(x, bottom)-(right, bottom).
Step Axes(double x, double top, double bottom, double right) {
  return Polyline({{x, top}, {x, bottom}, {right, bottom}}, 7);
}

}  // namespace

ExplanationPage AveragePage() {
  ExplanationPage ex{.paragraphs = 5, .bar_left = 190, .bar_right = 245, .paragraph_window_height = 479, .end_x = 400,
                     .end_y = 360};
  Steps& s = ex.steps;

  // paragraph 1: eggs of four days, evened out
  Append(s, {Pic("CF.BMP", 220, 85), Pic("PF.BMP", 240, 85),
             Text(106, 40, "(1)けいた君は親せきの家で4日間にわとりの世話をしました｡1日目たま"),
             Text(130, 60, "ごは9こ採れました｡2日目は13こで 3日目は12こ 4日目は10こでした｡"), Pause(200),
             Narrate("SOUND1.WAV", 600),
             Narrate("SOUND2.WAV"),
             Axes(20, 80, 220, 110)});
  for (int i = 0; i <= 1; ++i) s.push_back(Line(20, 120 + 50 * i, 24, 120 + 50 * i, 7));
  s.push_back(Font(11));
  for (int i = 0; i <= 10; i += 5) s.push_back(Text(3, 216 - 10 * i, Str(i)));
  s.push_back(Text(12, 70, "(こ)"));
  for (int i = 1; i <= 4; ++i) s.push_back(Text(10 + 20 * i, 223, Str(i)));
  for (int i = 1; i <= 4; ++i) s.push_back(Text(12 + 20 * i, 233, "日"));
  for (int i = 1; i <= 4; ++i) s.push_back(Text(12 + 20 * i, 243, "目"));
  Append(s, {Font(16), Pause(100)});
  Column(s, 36, 9);
  s.push_back(Pause(200));
  Column(s, 56, 13);
  s.push_back(Pause(200));
  s.push_back(Narrate("SOUND3.WAV"));
  Column(s, 76, 12);
  s.push_back(Pause(200));
  Column(s, 96, 10);
  s.push_back(Pause(500));
  Append(s, {Narrate("SOUND4.WAV"), Erase(220, 85, 240, 145), Pic("cl.BMP", 145, 85)});
  for (int i = 0; i <= 2; ++i) Carrier(s, 60, 80, 20);
  Append(s, {RemoveEgg(56, 95), Egg(36, 105), Pause(10), RemoveEgg(36, 105), Egg(36, 125),
             Erase(60, 80, 80, 100)});
  Walk(s, 60, 80, 3, true);
  Walk(s, 46, 80, 6, false);
  Walk(s, 81, 80, 3, true);
  Append(s, {RemoveEgg(56, 105), RemoveEgg(76, 105), Egg(40, 110), Egg(92, 110), Pause(10),
             RemoveEgg(40, 110), RemoveEgg(92, 110), Egg(36, 115), Egg(96, 115),
             Erase(67, 85, 87, 105)});
  Walk(s, 67, 90, 3, true);
  Walk(s, 81, 90, 6, false);
  Walk(s, 116, 90, 3, true);
  for (int i = 0; i <= 4; ++i) Carrier(s, 102, 90, 15);
  Append(s, {Erase(102, 90, 122, 110),
             Erase(145, 85, 180, 145), Pic("CF.BMP", 220, 85), Pause(200),
             Narrate("SOUND5.WAV", 200),
             Erase(220, 85, 240, 145), Pic("cr.BMP", 135, 131),
             Text(180, 150, "平均する", 6), Pause(500),
             Narrate("SOUND6.WAV", 100),
             Erase(135, 131, 175, 191), Pic("cl.BMP", 135, 131), Pause(700),
             Paragraph(2)});

  // paragraph 2: the sum of the four days and the quotient
  Append(s, {Narrate("SOUND7.WAV"),
             Erase(135, 131, 175, 191), Pic("CF.BMP", 220, 85),
             Erase(30, 80, 130, 130)});
  Column(s, 36, 9);
  Column(s, 56, 13);
  Column(s, 76, 12);
  Column(s, 96, 10);
  Append(s, {Pause(250),
             Narrate("SOUND33.WAV"),
             Pic("上指.BMP", 26, 255), Text(190, 180, "9 +"), Pause(100),
             Erase(26, 255, 46, 275), Pic("上指.BMP", 46, 255), Text(190, 180, "9 + 13 +"), Pause(100),
             Erase(46, 255, 66, 275), Pic("上指.BMP", 66, 255), Text(190, 180, "9 + 13 + 12 +"), Pause(100),
             Erase(66, 255, 86, 275), Pic("上指.BMP", 86, 255), Text(190, 180, "9 + 13 + 12 + 10"), Pause(150),
             Erase(86, 255, 106, 275), Text(190, 180, "9 + 13 + 12 + 10 = 44"), Pause(550),
             Narrate("SOUND8.WAV", 300),
             Text(326, 180, "= 44", 0),
             Blink(1, 11, {BlinkText(182, 180, "(                ) ÷ 4", {0, 7})}, 15),
             Pause(250),
             Narrate("SOUND9.WAV", 100),
             Text(374, 180, "= 11"),
             Pic("右指.BMP", 160, 185), Pause(300), Erase(160, 185, 180, 205),
             Narrate("SOUND10.WAV"),
             Pic("pr.BMP", 140, 165), Erase(240, 85, 280, 145), Pause(600),
             Narrate("SOUND11.WAV", 100),
             Text(300, 200, "1日平均11こ"), Pause(800),
             Erase(0, 30, 640, 390), Pic("CF.BMP", 220, 85), Pic("PF.BMP", 240, 85),
             Paragraph(3)});

  // paragraph 3: the average of three weights (31.6 kg, so that the worked
  // formula and the answer hold; its bar 4 units per kg)
  Append(s, {Text(106, 40, "(2)みちこさんの体重は31.6kg かずや君は33.5kg まみさんは29.1kgです｡"),
             Text(130, 60, "3人の体重の平均は何kgでしょう｡"), Pause(300),
             Narrate("SOUND12.WAV"),
             Axes(20, 80, 220, 110)});
  for (int i = 0; i <= 2; ++i) s.push_back(Line(20, 180 - 40 * i, 24, 180 - 40 * i, 7));
  s.push_back(Font(11));
  for (int i = 0; i <= 30; i += 10) s.push_back(Text(3, 216 - 4 * i, Str(i)));
  s.push_back(Text(5, 65, "(kg)"));
  struct Name { double x; const char* chars[3]; };
  const Name names[] = {{32, {"み", "ち", "こ"}}, {64, {"か", "ず", "や"}}, {96, {"ま", "み", nullptr}}};
  for (const Name& n : names)
    for (int k = 0; k < 3 && n.chars[k]; ++k) s.push_back(Text(n.x, 223 + 10 * k, n.chars[k]));
  Append(s, {Font(16), Pause(200),
             FilledBox(32, 94, 40, 220, 7), Pause(200),
             FilledBox(64, 86, 72, 220, 7), Pause(200),
             FilledBox(96, 104, 104, 220, 7), Pause(430),
             Narrate("SOUND28.WAV", 500),
             Narrate("SOUND29.WAV", 350),
             Pic("右指.BMP", 160, 185), Text(182, 180, "(31.6 + 33.5 + 29.1) ÷ 3 = 31.4"),
             Text(300, 200, "答え 平均31.4kg"), Pause(500),
             Erase(160, 185, 180, 205),
             Text(140, 270, "(3)1つの車両に平均45人ずつ乗った5両へん成の電車が走っています｡"),
             Text(164, 290, "この電車には何人の人が乗っているでしょう｡"), Pause(100),
             Paragraph(4)});

  // paragraph 4: the total from an average
  Append(s, {Narrate("SOUND30.WAV", 700),
             Narrate("SOUND31.WAV", 700),
             Narrate("SOUND32.WAV"),
             Axes(20, 270, 360, 130)});
  for (int i = 0; i <= 1; ++i) s.push_back(Line(20, 330 - 30 * i, 24, 330 - 30 * i, 7));
  s.push_back(Font(12));
  for (int i = 0; i <= 40; i += 20) s.push_back(Text(3, 356 - 1.5 * i, Str(i)));
  for (int i = 1; i <= 5; ++i) s.push_back(Text(9 + 20 * i, 363, Str(i)));
  for (int i = 1; i <= 5; ++i) s.push_back(Text(10 + 20 * i, 373, "両"));
  for (int i = 1; i <= 5; ++i) s.push_back(Text(10 + 20 * i, 385, "目"));
  for (int i = 0; i <= 4; ++i) s.push_back(FilledBox(30 + 20 * i, 291, 40 + 20 * i, 360, 7));
  for (int i = 0; i <= 4; ++i) s.push_back(Text(30 + 20 * i, 280, "45"));
  Append(s, {Font(16), Pause(350),
             Blink(1, 16, {BlinkText(230, 310, "45 × 5 = 225", {7, 0})}, 15),
             Text(300, 330, "答え 225人")});
  // The closing "close wave1" and the label of paragraph 5 are the page end's.
  return ex;
}

ExplanationPage PerUnitPage() {
  ExplanationPage ex{.paragraphs = 4, .bar_left = 190, .bar_right = 365, .paragraph_window_height = 479, .end_x = 400,
                     .end_y = 360};
  ex.steps = {
      // paragraph 1: the two bags and the question
      Pic("CF.BMP", 270, 135), Pic("PF.BMP", 290, 135),
      FramedBox(49, 40, 120, 50, 7, 6), FramedBox(49, 148, 120, 159, 7, 6),
      Arc(50, 100, 5, 10, 0.24, 0.75), Arc(120, 100, 5, 10, 0.75, 0.25), Line(45, 100, 124, 100, 7),
      FillStyleStep{0}, FloodFill(60, 80, 255, 0, 255), FloodFill(60, 110, 0, 255, 255),
      CircleStep{85, 105, 20, 7, 1, 0, 0, true, 6},
      Text(78, 96, "★", 1), Text(52, 60, "ワンワン", 0),
      Font(13), Text(46, 80, "ドッグフード", 0), Font(16), Text(72, 130, "10kg", 1),
      FramedBox(149, 40, 220, 50, 7, 4), FramedBox(149, 138, 220, 149, 7, 4),
      Arc(150, 95, 5, 9, 0.24, 0.75), Arc(220, 95, 5, 9, 0.75, 0.25),
      FramedBox(170, 50, 200, 139, 7, 4),
      FloodFill(160, 80, 0, 255, 255), FloodFill(210, 80, 0, 255, 255),
      Text(152, 60, "パクパク", 0), Font(13), Text(146, 80, "ドッグフード", 0), Font(16),
      Text(170, 95, "＊＊", 2), Text(174, 115, "7kg", 1),
      FilledBox(55, 170, 113, 190, 7), Text(60, 173, "1980円", 0),
      FilledBox(155, 170, 213, 190, 7), Text(160, 173, "1540円", 0),
      Text(250, 60, "1ふくろ10kg入りで1980円のワンワンドッグフードと"),
      Text(250, 80, "1ふくろ7kg入りで1540円のパクパクドッグフードが"),
      Text(250, 100, "あります｡どちらの方が高いでしょう｡"), Pause(200),
      Narrate("SOUND13.WAV", 550),
      Narrate("SOUND14.WAV", 900),
      Narrate("SOUND15.WAV"),
      Pic("上指.BMP", 70, 200), Pause(350),
      Erase(70, 200, 90, 220),
      Narrate("SOUND16.WAV", 200),
      Pic("上指.BMP", 70, 200), Pause(300),
      Narrate("SOUND17.WAV", 600),
      Erase(70, 200, 90, 220),
      Narrate("SOUND18.WAV", 500),
      Narrate("SOUND19.WAV", 600),
      Paragraph(2),
      // paragraph 2: price per kilogram
      Narrate("SOUND20.WAV", 100),
      Text(370, 220, "1kgあたりのねだん", 6), Pause(600),
      Narrate("SOUND21.WAV"),
      Pic("上指.BMP", 70, 200), Text(50, 250, "ワンワンドッグフード", 2), Pause(500),
      Erase(70, 200, 90, 220),
      Narrate("SOUND22.WAV", 100),
      Text(240, 250, "1980 ÷ 10 = 198   198円"), Pause(700),
      Narrate("SOUND23.WAV", 100),
      Pic("上指.BMP", 170, 200), Text(50, 280, "パクパクドッグフード", 2), Pause(600),
      Erase(170, 200, 190, 220),
      Narrate("SOUND24.WAV", 100),
      Text(240, 280, "1540 ÷ 7 = 220    220円"), Pause(700),
      Paragraph(3),
      // paragraph 3: the answer
      Narrate("SOUND25.WAV", 350),
      Blink(1, 12, {BlinkText(392, 250, "198円", {6, 0})}, 15),
      Pause(170),
      Blink(1, 12, {BlinkText(392, 280, "220円", {6, 0})}, 15),
      Narrate("SOUND26.WAV"),
      Text(300, 310, "答え パクパクドッグフードの方が高い"), Pause(550),
      Narrate("SOUND27.WAV", 700),
      // The closing "close wave1" and the label of paragraph 4 are the page end's.
  };
  return ex;
}

}  // namespace ham::lessons::average_per_unit
