// Explanation pages of the fraction reduction lesson: page 1 (equal fractions
// by multiplying, then as strips) and page 2 (reducing).
#include "lessons/fraction-reduction/lesson.h"

namespace ham::lessons::fraction_reduction {

using namespace ham::frame;

namespace {

std::string Voice(int n) { return "SOUND" + std::to_string(n) + ".WAV"; }

// "×n" beside the left fraction at height y, its bar and the "=" after it.
void Times(Steps& out, const std::string& factor, double y) {
  Append(out, {Text(57, y, factor, 2), Text(57, y + 20, factor, 2), Line(60, y + 18, 88, y + 18, 7),
               Text(90, y + 10, "=")});
}

// Division lines of a white strip at height y.
void Cuts(Steps& out, std::initializer_list<double> xs, double y) {
  for (double x : xs) out.push_back(Line(x, y, x, y + 20, 0));
}

}  // namespace

ExplanationPage Page1() {
  // The heading strip (180,0)-(260,24), then the paragraphs on the 0..479 window.
  ExplanationPage ex{.paragraphs = 4, .heading = "約分1                                1ﾍﾟｰｼﾞ", .heading_x = 200,
                     .bar_left = 180, .bar_right = 260, .bar_bottom = 24, .paragraph_window_height = 479, .end_x = 400,
                     .end_y = 340};
  Steps& s = ex.steps;
  // Paragraph 1.
  Append(s, {Pic("CF.BMP", 420, 100), Pic("PF.BMP", 440, 100), Pause(200), Narrate(Voice(1), 700)});

  // Paragraph 2: 1/2 = 2/4 = 3/6 by multiplying.
  Append(s, {Paragraph(2), Narrate(Voice(2), 300), Narrate(Voice(3), 100)});
  Fraction(s, "1", "2", 100, 44);
  s.push_back(Pause(350));
  Fraction(s, "1", "2", 50, 180);
  s.push_back(Pause(150));
  Times(s, "×2", 180);
  Append(s, {Pause(150), Narrate(Voice(4))});
  Fraction(s, "2", "4", 100, 180);
  Append(s, {Pause(400), Narrate(Voice(5))});
  Fraction(s, "1", "2", 50, 316);
  s.push_back(Pause(150));
  Times(s, "×3", 316);
  Append(s, {Pause(150), Narrate(Voice(6))});
  Fraction(s, "3", "6", 100, 316);
  Append(s, {Pause(400), Narrate(Voice(7))});
  Fraction(s, "1", "2", 100, 44, 6);
  Fraction(s, "2", "4", 100, 180, 6);
  Fraction(s, "3", "6", 100, 316, 6);
  Append(s, {Pause(630), Narrate(Voice(8), 250)});

  // Paragraph 3: the same halves as strips of 2, 4 and 6 parts.
  Append(s, {Paragraph(3), Narrate(Voice(9), 100), FilledBox(150, 44, 270, 64, 7), Pause(200)});
  Cuts(s, {210}, 44);
  Append(s, {Pause(200), FilledBox(150, 44, 209, 64, 6), Pause(250), Narrate(Voice(10)),
             FilledBox(150, 180, 270, 200, 7), Pause(100)});
  Cuts(s, {180, 210, 240}, 180);
  Append(s, {Pause(300), FilledBox(150, 180, 209, 200, 6)});
  Cuts(s, {180, 210, 240}, 180);
  Append(s, {Pause(350), Narrate(Voice(11)), FilledBox(150, 316, 270, 336, 7), Pause(100)});
  Cuts(s, {170, 190, 210, 230, 250}, 316);
  Append(s, {Pause(300), FilledBox(150, 316, 209, 336, 6)});
  Cuts(s, {170, 190, 210, 230, 250}, 316);
  Append(s, {Pause(350), Narrate(Voice(12), 700)});
  // Paragraph 4 has no steps: the page end follows.
  return ex;
}

namespace {

// A crossing-out stroke.
Step Stroke(double x1, double y1, double x2, double y2) { return Line(x1, y1, x2, y2, 2); }

}  // namespace

ExplanationPage Page2() {
  // The heading strip (180,0)-(260,24), then the paragraphs on the 0..479 window.
  ExplanationPage ex{.paragraphs = 2, .heading = "約分2                                2ﾍﾟｰｼﾞ", .heading_x = 200,
                     .bar_left = 180, .bar_right = 260, .bar_bottom = 24, .paragraph_window_height = 479, .end_x = 300,
                     .end_y = 300};
  Steps& s = ex.steps;
  // Paragraph 1 holds the whole page.
  Append(s, {Pic("CF.BMP", 420, 140), Pic("PF.BMP", 440, 140), Pause(200), Narrate(Voice(13)),
             Text(100, 44, "1   2   3"), Text(100, 64, "2   4   6")});
  for (double x : {100, 131, 162}) s.push_back(Line(x, 62, x + 10, 62, 7));
  Append(s, {Text(100, 54, "  =   ="), Pause(700), Narrate(Voice(14), 750), Narrate(Voice(15), 300),
             Narrate(Voice(16)),
             Text(50, 94, "分数は分子と分母をできるだけ小さくして かんたんにしたほうがよい｡", 6), Pause(800),
             Narrate(Voice(17))});
  // 3/6 to 1/2.
  Fraction(s, "3", "6", 100, 124);
  Append(s, {Pause(300), Stroke(110, 124, 98, 140), Stroke(108, 144, 100, 160), Font(13), Text(100, 115, "1"),
             Text(100, 159, "2"), Font(16), Pause(300), Text(135, 142, "←約分", 2), Pause(400),
             Narrate(Voice(18))});
  // 4/6 to 2/3.
  Fraction(s, "4", "6", 100, 184);
  Append(s, {Pause(300), Stroke(110, 184, 98, 200), Stroke(108, 204, 100, 220), Font(13), Text(100, 175, "2"),
             Text(100, 219, "3"), Font(16), Pause(300), Text(135, 202, "←約分", 2), Pause(200),
             Narrate(Voice(19))});
  // 12/18 in two steps to 2/3.
  Append(s, {Text(100, 278, "12"), Text(100, 298, "18"), Line(100, 296, 120, 296, 7), Pause(400),
             Narrate(Voice(20), 200), Stroke(120, 278, 100, 294), Stroke(120, 298, 100, 314), Font(13),
             Text(100, 269, "6"), Text(100, 313, "9"), Pause(500), Stroke(110, 269, 95, 283),
             Stroke(110, 312, 95, 326), Text(100, 255, "2"), Text(100, 327, "3"), Font(16), Pause(220),
             Narrate(Voice(21), 400), Text(135, 296, "←約分", 2), Pause(200), Narrate(Voice(22)),
             Text(230, 200, "約分とは分子と分母を同じ数でわっていって", 6),
             Text(230, 220, "できるだけかんたんな分数にすること｡", 6),
             Text(230, 240, "たとえば分子を2で1回わったら分母も2で1回わり", 7),
             Text(230, 260, "分子を5で1回わったら分母も5で1回わるのよ！", 7), Pause(800)});
  // Paragraph 2 has no steps: the page end follows.
  return ex;
}

}  // namespace ham::lessons::fraction_reduction
