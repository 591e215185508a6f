// Explanation pages 1 ("分数を小数に変える") and 3 ("小数を分数に変える").
#include <string>

#include "lessons/number-comparison/lesson.h"

namespace ham::lessons::number_comparison {

using namespace ham::frame;

namespace {

// A line of a long-division figure.
Step DivisionLine(double y) { return Line(315, y, 380, y, 7); }

}  // namespace

ExplanationPage FractionToDecimalPage() {
  // Paragraph 3 ends with "close wave1" in its guard; paragraph 4 has no steps.
  ExplanationPage ex{.paragraphs = 4, .heading_x = 200, .bar_left = 180, .bar_right = 360,
                     .paragraph_window_height = 479, .end_x = 400, .end_y = 340, .close_at_end = true};
  Steps& s = ex.steps;

  // paragraph 1: a fraction is a division
  Append(s, {Pic("CF.BMP", 220, 75), Pic("PF.BMP", 240, 75), Pause(100),
             Narrate("SOUND1.WAV", 500),
             Narrate("SOUND2.WAV", 200),
             Text(10, 40, "3 ÷ 5 = ─ だから", 2), Text(13, 30, "         3", 2), Text(13, 50, "         5", 2),
             Pause(350),
             Narrate("SOUND3.WAV", 200),
             Text(10, 100, "─ = 3 ÷ 5"), Text(13, 90, "3"), Text(13, 110, "5"), Pause(350),
             Paragraph(2)});

  // paragraph 2: three long divisions
  Append(s, {Narrate("SOUND4.WAV", 200),
             DivisionLine(49), Text(300, 50, "5 ) 3"), Text(300, 70, "    3 0"), DivisionLine(88),
             Text(300, 90, "      0"),
             Blink(0, 11, {BlinkText(300, 30, "    0.6", {0, 7})}, 50),
             Blink(0, 11, {BlinkText(110, 100, "= 0.6", {0, 7})}, 50),
             Narrate("SOUND5.WAV", 550),
             Narrate("SOUND6.WAV", 300),
             Text(10, 160, "─ = 1 ÷ 2"), Text(13, 150, "1"), Text(13, 170, "2"), Pause(200),
             Narrate("SOUND7.WAV", 300),
             DivisionLine(144), Text(300, 145, "2 ) 1"), Text(300, 165, "    1 0"), DivisionLine(183),
             Text(300, 185, "      0"),
             Blink(0, 9, {BlinkText(300, 125, "    0.5", {0, 7})}, 50),
             Blink(0, 9, {BlinkText(110, 160, "= 0.5", {0, 7})}, 50),
             Pause(200),
             Narrate("SOUND8.WAV"),
             Text(10, 220, "─ = 5 ÷ 7"), Text(13, 210, "5"), Text(13, 230, "7"), Pause(250),
             Narrate("SOUND9.WAV", 200),
             DivisionLine(239), Text(300, 240, "7 ) 5"), Text(300, 260, "    4 9"), DivisionLine(278),
             Text(300, 280, "      1 0"), Text(300, 300, "        7"), DivisionLine(318), Text(300, 320, "    0.0 3"),
             Blink(0, 7, {BlinkText(300, 220, "    0.7 1", {0, 7})}, 50),
             Blink(0, 7, {BlinkText(110, 220, "= 0.7 1 あまり 0.0 3", {0, 7})}, 50),
             Narrate("SOUND10.WAV", 300),
             Paragraph(3)});

  // paragraph 3: 1 2/5 against 1.3 on bars
  Append(s, {Narrate("SOUND11.WAV", 450),
             Narrate("SOUND12.WAV", 200),
             Erase(0, 25, 630, 390), Pic("CF.BMP", 220, 75), Pic("PF.BMP", 240, 75),
             Text(15, 40, " 1─         1.3"), Text(18, 30, "  2"), Text(18, 50, "  5"), Pause(500),
             Narrate("SOUND13.WAV"),
             FilledBox(10, 120, 210, 130, 2), Dotted(), Arc(110, 120, 100, 0.15, 0.5, 1), Solid(),
             Text(110, 85, "1"),
             FilledBox(10, 180, 210, 190, 7), FilledBox(10, 180, 90, 190, 2)});
  for (int x = 50; x <= 170; x += 40) s.push_back(Line(x, 180, x, 190, 0));
  Append(s, {Dotted(), Arc(50, 180, 40, 0.25, 0.5, 1), Solid(),
             Text(50, 145, "─"), Text(53, 135, "2"), Text(53, 155, "5"), Pause(300),
             Text(75, 145, "= 2÷5 = 0.4"), Pause(300),
             Blink(0, 7, {BlinkText(55, 40, "= 1.4", {0, 7})}, 50),
             Narrate("SOUND14.WAV", 280),
             Narrate("SOUND15.WAV"),
             Pic("右指.BMP", 3, 43), Blink(0, 7, {BlinkText(102, 40, ">", {0, 7})}, 50)});
  return ex;
}

ExplanationPage DecimalToFractionPage() {
  ExplanationPage ex{.paragraphs = 4, .heading_x = 200, .bar_left = 180, .bar_right = 360,
                     .paragraph_window_height = 479, .end_x = 400, .end_y = 360, .close_at_end = true};
  Steps& s = ex.steps;

  // paragraph 1: tenths as sums of unit fractions
  Append(s, {Pic("CF.BMP", 550, 110), Pic("PF.BMP", 580, 110), Pause(250),
             Narrate("SOUND16.WAV", 500),
             Narrate("SOUND17.WAV"),
             Text(10, 40, "0.3"), Pause(500),
             Narrate("SOUND18.WAV"),
             Text(45, 40, "= ─ + ─ + ─ = ─"), Text(48, 30, "  1    1    1    3"), Text(45, 50, "  10   10   10   10"),
             Pause(500),
             Narrate("SOUND19.WAV"),
             Text(10, 80, "0.4"), Pause(300),
             Text(45, 80, "= ─ + ─ + ─ + ─ = ─"), Text(48, 70, "  1    1    1    1    4"),
             Text(45, 90, "  10   10   10   10   10"), Pause(600),
             Narrate("SOUND20.WAV", 300),
             Line(238, 72, 221, 82, 2), Line(235, 92, 224, 102, 2),
             Font(13), Text(230, 59, "2"), Text(230, 107, "5"), Font(16), Pause(200),
             Text(250, 80, "= ─"), Text(270, 70, "2"), Text(270, 90, "5"), Pause(200),
             Paragraph(2)});

  // paragraph 2: hundredths
  Append(s, {Narrate("SOUND21.WAV"),
             Text(10, 120, "0.03"), Pause(700),
             Narrate("SOUND22.WAV"),
             Text(55, 120, "= ─ + ─ + ─ = ─"), Text(56, 110, "  1    1    1    3"),
             Font(13), Text(55, 130, "  100"), Text(111, 130, "100"), Text(151, 130, "100"), Text(191, 130, "100"),
             Font(16), Pause(500),
             Narrate("SOUND23.WAV"),
             Text(10, 160, "0.23"), Pause(300),
             Blink(0, 7, {BlinkText(10, 160, "   3", {0, 7})}, 50),
             Narrate("SOUND24.WAV", 300),
             Text(55, 160, "= ─"), Text(54, 150, "  23"), Font(13), Text(56, 170, "  100"), Font(16), Pause(400),
             Erase(0, 24, 545, 390),
             Paragraph(3)});

  // paragraph 3: 3.24 = 3 24/100 = 3 6/25 on bars
  Append(s, {Narrate("SOUND25.WAV"),
             Text(10, 40, "3.24"), Pause(300),
             Narrate("SOUND26.WAV")});
  for (double y : {100.0, 140.0, 180.0})
    Append(s, {FilledBox(10, y, 310, y + 10, 2), Font(13), Text(160, y - 17, "1"), Dotted(),
               Arc(160, y, 150, 0.07, 0.5, 1), Solid()});
  Append(s, {FilledBox(10, 220, 310, 230, 7), FilledBox(10, 220, 82, 230, 2), Text(36, 203, "0.24"),
             Dotted(), Arc(46, 220, 36, 0.25, 0.5, 1), Pause(500),
             Narrate("SOUND27.WAV", 500),
             Narrate("SOUND28.WAV", 300),
             Arc(46, 230, 36, 0.25, 0, 0.5), Solid(),
             Text(40, 245, "24"), Text(36, 260, "100"), Font(16), Text(36, 250, "─"), Pause(200),
             Narrate("SOUND29.WAV"),
             Text(60, 40, "= 3 ─"), Text(60, 30, "    24"), Font(13), Text(65, 50, "    100"), Pause(500),
             Line(108, 32, 90, 42, 2), Line(108, 52, 90, 62, 2), Text(98, 16, "6"), Text(93, 67, "25"), Font(16),
             Pause(100),
             Narrate("SOUND30.WAV"),
             Text(130, 40, "= 3 ─"), Text(133, 30, "    6"), Text(130, 50, "    25"), Pause(500)});
  return ex;
}

}  // namespace ham::lessons::number_comparison
