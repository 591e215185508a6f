// Explanation pages 1, 3 and 4 of the multiples lesson.
#include <string>

#include "frame/frame.h"
#include "lessons/multiples/lesson.h"

namespace ham::lessons::multiples {

using namespace ham::frame;

namespace {

// A wait of its own inside a voiced step: no event test, nothing when the
// paragraph is skipped.
Step VoicedWait(int units) {
  return Call([units](Frame& f) {
    if (f.state().StartParagraph <= f.state().CurrentParagraph) RtWait(units);
  });
}

}  // namespace

// Page 1 "倍数": the multiples of 3 counted out, then the 3 and 6 rows of
// the multiplication table.
ExplanationPage Page1() {
  ExplanationPage ex{.paragraphs = 4, .bar_right = 240, .end_x = 80, .end_y = 320};
  ex.opening = {Pic("CF.BMP", 190, 80), Pic("PF.BMP", 160, 80)};
  ex.steps = {
      // paragraph 1
      Pause(300),
      Narrate("SOUND1.WAV", 450),
      Narrate("SOUND2.WAV", 500),
      // paragraph 2: the multiples of 3 in a row
      Paragraph(2),
      Text(80, 170, "3の倍数は"),
      Narrate("SOUND3.WAV", 200),
      Text(80, 200, "3,"), Pause(250),
      Narrate("SOUND4.WAV"),
      Text(110, 200, "6,"), Pause(300),
      Narrate("SOUND5.WAV"),
      Text(140, 200, "9,"), Pause(300),
      Narrate("SOUND6.WAV"),
      Text(170, 200, "12,"), Pause(400),
      Narrate("SOUND8.WAV", 450),
      Narrate("SOUND9.WAV"),
      Text(210, 200, "15,"), Pause(100),
      Text(250, 200, "18,"), Pause(100),
      Text(290, 200, "21,"), Pause(100),
      Text(330, 200, "24,"), Pause(100),
      Text(370, 200, "27,"), Pause(250),
      Narrate("SOUND13.WAV", 100),
      Text(410, 200, "30,"), Pause(300),
      Text(450, 200, "33,･･･"), Pause(550),
      // paragraph 3: the mascots point at the rule
      Paragraph(3),
      Narrate("SOUND14.WAV"),
      Erase(190, 80, 210, 140),
      Pic("CR.BMP", 30, 185),
      Text(80, 170, "3の倍数は 3のだんの九九の答えと同じ!", 6), Pause(500),
      Erase(30, 185, 70, 245),
      Pic("CF.BMP", 190, 80),
      Narrate("SOUND15.WAV"),
      Erase(160, 80, 180, 140),
      Pic("PR.BMP", 50, 265),
      Text(80, 250, "6の倍数は 6のだんの九九の答えと同じ!", 3),
      Text(96, 280, "6,12,18,24,30,36,42,48,54･･･だよ! ", 3), Pause(500),
      // the page end closes the last sound
  };
  return ex;
}

// Page 3 "公倍数 1": common multiples of 8 and 6, the least one, and 7 and 3.
ExplanationPage Page3() {
  ExplanationPage ex{.paragraphs = 5, .bar_right = 280, .end_x = 80, .end_y = 324};
  ex.steps = {
      // paragraph 1
      Pic("CF.BMP", 10, 200),
      Pic("PF.BMP", 40, 200), Pause(200),
      Narrate("SOUND16.WAV", 450),
      Narrate("SOUND17.WAV", 650),
      // paragraph 2: the two rows of multiples
      Paragraph(2),
      Narrate("SOUND18.WAV"),
      Pause(150), Text(80, 44, "8と6の公倍数を小さい方から3つ求めなさい｡"), Pause(300),
      Narrate("SOUND19.WAV", 300),
      Font(24), Text(0, 84, "8の倍数  8,16,24,32,40,48,56,64,72"), Font(16), Pause(450),
      Narrate("SOUND21.WAV"),
      Pause(200),
      Font(24), Text(0, 124, "6の倍数  6,12,18,24,30,36,42,48,54"), Font(16), Pause(400),
      Narrate("SOUND23.WAV", 470),
      // paragraph 3: the common multiples coloured
      Paragraph(3),
      Narrate("SOUND24.WAV"),
      Pause(400),
      Font(24), Text(168, 84, "24,", 2), Text(204, 124, "24,", 2), Font(16), Pause(200),
      Narrate("SOUND25.WAV"),
      Pause(200),
      Font(24), Text(276, 84, "48,", 2), Text(348, 124, "48,", 2), Font(16), Pause(250),
      Narrate("SOUND26.WAV", 300),
      Narrate("SOUND27.WAV", 450),
      Narrate("SOUND28.WAV", 200),
      Font(24), Text(408, 124, ",60,66,72"), Font(16), Pause(450),
      Narrate("SOUND29.WAV", 200),
      Font(24), Text(384, 84, "72", 2), Text(492, 124, "72", 2), Font(16), Pause(100),
      Font(24), Text(80, 164, "8と6の公倍数は 24,48,72"), Font(16), Pause(300),
      // paragraph 4: the least common multiple
      Paragraph(4),
      Narrate("SOUND20.WAV"),
      Font(24), Text(260, 164, "24", 2), Font(16), Pause(650),
      Narrate("SOUND22.WAV"),
      Font(24), Text(380, 164, "(最小公倍数は 24)", 6), Font(16), Pause(500),
      Narrate("SOUND30.WAV", 200),
      Pause(200),
      Text(80, 204, "(最小公倍数が 24なら公倍数は24づつふえる｡)", 3), Pause(350),
      Font(24), Text(80, 244, "7と3の公倍数は 21,42,63"), Font(16),
      Font(24), Text(380, 244, "(最小公倍数は 21)", 6), Font(16),
      Text(80, 284, "(最小公倍数が 21なら公倍数は21づつふえる｡)", 3), Pause(200),
      // the page end closes the last sound
  };
  return ex;
}

// Page 4 "公倍数 2": the least common multiple of 3, 8 and 12, the rule of
// the largest number, and the common multiples of 2, 3 and 5.
ExplanationPage Page4() {
  ExplanationPage ex{.paragraphs = 4, .bar_right = 280, .end_x = 400, .end_y = 410};
  // The boy walks along the multiples of 5: box over the last place, the
  // new place, the multiple, then two sounds.
  struct Stop { double box_x; double boy_x; double text_x; const char* text; const char* second; };
  const Stop stops[] = {
      {120, 140, 112, "5,", "SOUND42.WAV"},  {140, 160, 132, "10,", "SOUND43.WAV"},
      {160, 190, 162, "15,", "SOUND44.WAV"}, {190, 220, 192, "20,", "SOUND43.WAV"},
      {220, 250, 222, "25,", "SOUND42.WAV"},
  };
  Steps walk;
  for (std::size_t i = 0; i < std::size(stops); ++i) {
    const Stop& s = stops[i];
    walk.push_back(Erase(s.box_x, 315, s.box_x + 40, 375));
    walk.push_back(Pic("PL.BMP", s.boy_x, 315));
    walk.push_back(Text(s.text_x, 330, s.text));
    if (i + 1 < std::size(stops)) {
      walk.push_back(Narrate("SOUND41.WAV", 60));
      walk.push_back(Narrate(s.second, 450));
    } else {
      walk.push_back(Narrate("SOUND41.WAV"));
      walk.push_back(VoicedWait(60));
      walk.push_back(Narrate(s.second, 450));
      walk.push_back(Narrate("SOUND45.WAV"));
    }
  }
  ex.steps = {
      // paragraph 1: the least common multiple of 3, 8 and 12
      Pic("CF.BMP", 500, 85),
      Pic("PF.BMP", 530, 85), Pause(250),
      Narrate("SOUND31.WAV"),
      Face("ＭＳ 明朝"), Text(0, 44, "① (3,8,12)の最小公倍数を求めなさい｡"), Face("標準明朝"), Pause(400),
      Narrate("SOUND32.WAV", 300),
      Narrate("SOUND33.WAV", 450),
      Narrate("SOUND34.WAV", 250),
      Font(24),
      Text(6, 84, "3の倍数  3,6,9,12,15,18,21,24,27"),
      Text(6, 124, "8の倍数  8,16,24,32,40,48,56,64,72"),
      Text(6, 164, "12の倍数  12,24,36,48,60,72,84,96,108"),
      Font(16), Pause(500),
      Narrate("SOUND35.WAV"),
      Font(24), Text(330, 84, "24", 2), Text(174, 124, "24", 2), Text(162, 164, "24", 2), Font(16), Pause(350),
      Text(200, 194, "最小公倍数は 24"), Pause(100),
      // paragraph 2: the girl walks down beside the rows
      Paragraph(2),
      Narrate("SOUND36.WAV", 100),
      Erase(500, 85, 520, 145), Pic("CL.BMP", 430, 65), Pause(800),
      Narrate("SOUND37.WAV"),
      Erase(430, 65, 470, 125), Pic("CL.BMP", 430, 105), Pause(200),
      Erase(430, 105, 470, 165), Pic("CL.BMP", 460, 145), Pause(400),
      // paragraph 3: the rule, then the common multiples of 2, 3 and 5
      Paragraph(3),
      Narrate("SOUND38.WAV"),
      Text(10, 220, "最小公倍数をさがすときは一番大きい数の倍数を見ていくと速い!", 3),
      Text(100, 240, "(小さいと倍数がたくさん出てくるから)", 3), Pause(950),
      Narrate("SOUND39.WAV", 450),
      Narrate("SOUND47.WAV", 400),
      Erase(460, 145, 500, 205), Pic("CF.BMP", 500, 85), Pause(650),
      Narrate("SOUND31.WAV"),
      Erase(500, 85, 520, 145), Pic("CL.BMP", 420, 275),
      Face("ＭＳ 明朝"), Text(0, 290, "② (2,3,5)の公倍数を小さい方から3つ求めなさい｡"), Face("標準明朝"), Pause(500),
      Erase(420, 275, 460, 335), Pic("CF.BMP", 500, 85),
      Narrate("SOUND40.WAV", 150),
      Text(40, 330, "5の倍数"),
      Erase(530, 85, 570, 145), Pic("PL.BMP", 120, 315), Pause(550),
  };
  ex.steps.insert(ex.steps.end(), walk.begin(), walk.end());
  const Steps tail = {
      Erase(250, 315, 290, 375), Pic("PL.BMP", 280, 315), Text(252, 330, "30"), Pause(300),
      Text(160, 370, "最小公倍数は 30"), Pause(400),
      Narrate("SOUND46.WAV"),
      Erase(280, 315, 320, 375), Pic("PL.BMP", 300, 355), Pause(300),
      Erase(300, 355, 335, 415), Pic("PL.BMP", 320, 395), Text(200, 410, "答え 30,60,90", 6), Pause(300),
      // the page end closes the last sound
  };
  ex.steps.insert(ex.steps.end(), tail.begin(), tail.end());
  return ex;
}

}  // namespace ham::lessons::multiples
