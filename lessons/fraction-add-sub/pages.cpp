// Explanation pages of the fraction add-sub lesson: page 1 (subtracting
// fractions, the common denominator) and page 2 (bringing two fractions to
// it). Each page is one paragraph: paragraph 2 draws it whole, silently.
#include "lessons/fraction-add-sub/lesson.h"

namespace ham::lessons::fraction_add_sub {

using namespace ham::frame;

namespace {

// Horizontal lines of length `len` at y from each x.
void Bars(Steps& out, double y, std::initializer_list<double> xs, double len) {
  for (double x : xs) out.push_back(Line(x, y, x + len, y, 7));
}

// A small mark beside an arc: horizontal scale 0, vertical scale 1.
Step Mark(double x, double y, std::string text, int color) {
  return TextStep{x, y, std::move(text), color, 0, 1};
}

// The eight colours in turn: colour i MOD 8 on pass i.
const CounterColours kEveryColour{0, 1, 2, 3, 4, 5, 6, 7};

}  // namespace

ExplanationPage AddSubPage1() {
  ExplanationPage ex{.paragraphs = 2, .heading = "通分と分数のたし算ひき算             1ﾍﾟｰｼﾞ", .bar_left = 190, .bar_right = 400,
                     .bar_bottom = 22, .paragraph_window_height = 479, .end_x = 400, .end_y = 380};
  Steps& s = ex.steps;
  // 2/3 - 1/2 on the problem line.
  s.insert(s.end(), {Pic("CF.BMP", 550, 50), Pic("PF.BMP", 580, 50), Text(40, 44, "(1) 2   1"),
                     Text(40, 64, "    3   2")});
  Bars(s, 62, {72, 88, 104}, 10);
  s.insert(s.end(), {Pause(250), Narrate("SOUND23.WAV", 400), Narrate("SOUND24.WAV")});
  // 2/3 - 1/3 = 1/3, in numbers and in strips.
  s.insert(s.end(), {Text2x(20, 104, "    2           1"), Text2x(20, 134, "    3           3")});
  Bars(s, 134, {80, 175, 270}, 30);
  s.insert(s.end(), {Pause(470), Narrate("SOUND25.WAV"), Text2x(340, 124, "="), Text2x(400, 104, "1"),
                     Text2x(400, 134, "3"), Line(390, 134, 420, 134, 7)});
  Strip(s, 40, 160, 174, 194, 3, 2);
  s.push_back(Text2x(175, 169, "-"));
  Strip(s, 200, 320, 174, 194, 3, 1);
  s.push_back(Text2x(335, 169, "="));
  Strip(s, 360, 480, 174, 194, 3, 1);
  s.insert(s.end(), {Pause(550), Narrate("SOUND26.WAV")});
  // 2/3 - 1/2 = ?
  s.insert(s.end(), {Text2x(20, 234, "    2           1"), Text2x(20, 264, "    3           2")});
  Bars(s, 264, {80, 175, 270}, 30);
  s.push_back(Text2x(340, 254, "="));
  Strip(s, 40, 160, 304, 324, 3, 2);
  s.push_back(Text2x(175, 299, "-"));
  Strip(s, 200, 320, 304, 324, 2, 1);
  s.insert(s.end(), {Text2x(335, 299, "="), Pause(400)});
  s.push_back(Blink(0, 25, {BlinkText(380, 254, "？", kEveryColour, 2), BlinkText(395, 299, "？", kEveryColour, 2)},
                    10));
  s.insert(s.end(), {Pause(150), Narrate("SOUND27.WAV", 650), Erase(0, 90, 550, 400),
                     Narrate("SOUND28.WAV", 200)});
  // The least common multiple of the denominators.
  s.push_back(Text(40, 90, "分母を2と3の最小公倍数にする｡", 2));
  s.push_back(Blink(0, 31, {BlinkText(40, 64, "    3   2", kEveryColour)}, 10));
  s.insert(s.end(), {Pause(150), Narrate("SOUND29.WAV"), Text(40, 110, "2と3の最小公倍数は6 (分母を6にする｡)"),
                     Pause(700), Narrate("SOUND30.WAV")});
  // 2/3 = 4/6.
  s.insert(s.end(), {Text(40, 140, "2"), Text(40, 160, "3       6")});
  Bars(s, 158, {40, 102}, 10);
  s.insert(s.end(), {Text2x(65, 141, "="), Pause(650), Narrate("SOUND31.WAV"), Text(40, 160, " -----→ ", 2),
                     Font(13), Text(60, 170, "2倍", 2), Font(16), Pause(200), Text(40, 140, " -----→ ", 2),
                     Font(13), Text(60, 130, "2倍", 2), Pause(200),
                     Text(200, 135, "3つに切った内の2切れは  6つに切った内の4切れと同じ大きさ", 4), Font(16)});
  Strip(s, 200, 320, 150, 160, 3, 2);
  s.push_back(Text(330, 148, "="));
  Strip(s, 350, 470, 150, 160, 6, 4);
  s.push_back(Blink(0, 9, {BlinkText(40, 140, "        4", {0, 7})}, 20));
  s.insert(s.end(), {Pause(350), Narrate("SOUND32.WAV")});
  // 1/2 = 3/6.
  s.insert(s.end(), {Text(40, 220, "1"), Text(40, 240, "2       6")});
  Bars(s, 238, {40, 102}, 10);
  s.insert(s.end(), {Text2x(65, 221, "="), Pause(650), Narrate("SOUND33.WAV"), Text(40, 240, " -----→ ", 2),
                     Font(13), Text(60, 250, "3倍", 2), Font(16), Pause(200), Text(40, 220, " -----→ ", 2),
                     Font(13), Text(60, 210, "3倍", 2), Pause(200),
                     Text(200, 215, "2つに切った内の1切れは  6つに切った内の3切れと同じ大きさ", 4), Font(16)});
  Strip(s, 200, 320, 230, 240, 2, 1);
  s.push_back(Text(330, 228, "="));
  Strip(s, 350, 470, 230, 240, 6, 3);
  s.push_back(Blink(0, 9, {BlinkText(40, 220, "        3", {0, 7})}, 20));
  s.push_back(Pause(200));
  // The problem rewritten: 2/3 - 1/2 = 4/6 - 3/6 = 1/6.
  s.push_back(Blink(0, 13,
                    {BlinkText(42, 258, "           4    3", {0, 6}),
                     BlinkText(37, 268, "この問題は － - － って書きかえることができる｡", {0, 6}),
                     BlinkText(42, 276, "           6    6", {0, 6})},
                    20));
  s.insert(s.end(), {Pause(450), Narrate("SOUND34.WAV"), Text(42, 304, "2    1    4    3    1"),
                     Text(38, 314, "－ - － = － - － = －"), Text(42, 322, "3    2    6    6    6"), Pause(600),
                     Narrate("SOUND35.WAV"), Text(42, 352, "分母をそろえて分数を書きかえることを通分と言う｡", 2),
                     Font(13), Text(42, 380, "(1切れずつの大きさを同じにすることだよ｡)", 6), Font(16),
                     Pause(750)});
  return ex;
}

ExplanationPage CommonDenominatorPage2() {
  ExplanationPage ex{.paragraphs = 2, .heading = "通分                                2ﾍﾟｰｼﾞ", .bar_left = 180,
                     .bar_right = 252, .bar_bottom = 24, .paragraph_window_height = 479, .end_x = 400, .end_y = 380};
  Steps& s = ex.steps;
  // The exercise: 2/9 and 1/6.
  s.insert(s.end(), {Erase(0, 30, 640, 400), Pic("CF.BMP", 450, 110), Pic("PF.BMP", 480, 110),
                     Text(0, 30, "次の分数を通分しなさい｡"), Text(42, 64, " 2    1"), Text(37, 74, "(－ , －)"),
                     Text(42, 82, " 9    6"), Pause(200), Narrate("SOUND23.WAV", 450), Narrate("SOUND36.WAV"),
                     Text(0, 134, "答え"), Text(40, 143, "(－ , －)"), Font(13)});
  s.push_back(Blink(1, 7, {BlinkText(42, 152, " 18", {0, 7}), BlinkText(81, 152, " 18", {0, 7})}, 20));
  s.insert(s.end(), {Font(16), Pause(700), Narrate("SOUND37.WAV", 50)});
  // 9 to 18 and 2 to 4: twice, on the left of 2/9.
  s.insert(s.end(), {Font(11), Mark(40, 86, "－", 2), Arc(42, 125, 10, 3.5, 0.26, 0.75, 2), Mark(40, 155, "→", 2),
                     Pause(50)});
  s.push_back(Blink(1, 11, {BlinkText(15, 120, "2倍", {0, 2})}, 20));
  s.insert(s.end(), {Font(16), Pause(400), Narrate("SOUND38.WAV", 50), Font(11), Mark(40, 67, "－", 4),
                     Arc(42, 105, 10, 3.4, 0.26, 0.75, 4), Mark(40, 134, "→", 4), Text(15, 92, "2倍", 4), Font(16),
                     Pause(50)});
  s.push_back(Blink(1, 7, {BlinkText(42, 134, " 4", {0, 7})}, 20));
  s.insert(s.end(), {Pause(450), Narrate("SOUND39.WAV", 50)});
  // 6 to 18 and 1 to 3: three times, on the right of 1/6.
  s.insert(s.end(), {Font(11), Mark(102, 87, "－", 2), Arc(111, 126, 10, 3.5, 0.75, 0.22, 2),
                     Mark(103, 155, "←", 2), Pause(50)});
  s.push_back(Blink(1, 11, {BlinkText(124, 120, "3倍", {0, 2})}, 20));
  s.insert(s.end(), {Font(16), Pause(400), Narrate("SOUND40.WAV"), Font(11), Mark(102, 68, "－", 4),
                     Arc(111, 106, 10, 3.4, 0.75, 0.22, 4), Mark(103, 134, "←", 4), Text(124, 92, "3倍", 4),
                     Font(16)});
  s.push_back(Blink(1, 9, {BlinkText(45, 134, "      3", {0, 7})}, 20));
  // Which is larger.
  s.insert(s.end(), {Erase(480, 110, 500, 170), Pic("pl.BMP", 122, 134), Pause(250),
                     Text(7, 204, "通分すると－と－では－の方が大きいってことがよくわかるね｡", 6),
                     Text(12, 194, "          2   1     2", 6), Text(12, 211, "          9   6     9", 6), Font(13),
                     Text(80, 250, "(最小公倍数の出し方をわすれたら[倍数と公倍数]の4ﾍﾟｰｼﾞを見てね!)"), Pause(250),
                     Font(16)});
  return ex;
}

}  // namespace ham::lessons::fraction_add_sub
