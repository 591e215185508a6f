// The explanation pages of the divisors lesson.
#include "lessons/divisors/lesson.h"

namespace ham::lessons::divisors {

using namespace ham::frame;

// Page 1 "約数 1": the divisors of 8.
ExplanationPage Page1() {
  ExplanationPage ex{.paragraphs = 2, .bar_right = 255, .end_x = 80, .end_y = 280};
  ex.steps = {
      Pic("CF.BMP", 190, 100),
      Pic("PF.BMP", 220, 100),
      Narrate("SOUND1.WAV", 750),
      Narrate("SOUND2.WAV", 300),
      Narrate("SOUND3.WAV", 200),
      Narrate("SOUND4.WAV", 450),
      Narrate("SOUND5.WAV", 400),
      Narrate("SOUND6.WAV", 550),
      Narrate("SOUND7.WAV"),
      Font(24), Text(20, 200, "8の約数は"), Pause(550),
      Narrate("SOUND8.WAV"),
      Text(160, 200, "1,"), Pause(430),
      Narrate("SOUND9.WAV"),
      Text(200, 200, "2,"), Pause(530),
      Narrate("SOUND10.WAV", 500),
      Narrate("SOUND11.WAV"),
      Text(240, 200, "4,"), Pause(550),
      Narrate("SOUND12.WAV", 850),
      Narrate("SOUND13.WAV"),
      Text(280, 200, "8"),
      Font(16), Pause(400),
      Narrate("SOUND14.WAV", 600),
  };
  return ex;
}

// Page 2 "約数 2": the divisors of 36 and of 20, found in pairs.
ExplanationPage Page2() {
  ExplanationPage ex{.paragraphs = 3, .bar_right = 255, .end_x = 400, .end_y = 390};
  ex.steps = {
      // paragraph 1
      Pic("CF.BMP", 220, 100),
      Pic("PF.BMP", 250, 100),
      Text(14, 180, "36の約数を全部書きなさい｡  (36はどんな数字でわりきれるかな?)"), Pause(450),
      Narrate("SOUND15.WAV", 450),
      Narrate("SOUND16.WAV"),
      Font(24), Text(14, 200, "36の約数は"), Pause(100),
      Text(160, 200, "1,2,3,4,6,･･･"),
      Font(16), Pause(450),
      Narrate("SOUND17.WAV", 350),
      Narrate("SOUND18.WAV", 450),
      Erase(0, 159, 640, 320),
      Text(14, 160, "約数の はやい求め方", 6),
      Text(14, 180, "36の約数を全部書きなさい｡"),
      Font(24), Text(14, 200, "36の約数は"),
      Font(16), Pause(300),
      // paragraph 2
      Paragraph(2),
      Narrate("SOUND20.WAV", 250),
      Font(24), Text(160, 200, "1,"), Text(160, 230, "36,"), Pause(300),
      Narrate("SOUND21.WAV", 750),
      Narrate("SOUND43.WAV", 450),
      Narrate("SOUND22.WAV"),
      Text(200, 200, "2,"), Pause(150), Text(200, 230, "18,"), Pause(350),
      Narrate("SOUND23.WAV"),
      Text(240, 200, "3,"), Pause(150), Text(240, 230, "12,"), Pause(350),
      Narrate("SOUND24.WAV"),
      Text(280, 200, "4,"), Pause(150), Text(280, 230, "9,"), Pause(350),
      Narrate("SOUND25.WAV", 350),
      Narrate("SOUND26.WAV"),
      Text(320, 200, "6,"), Pause(150), Text(320, 230, "6,"), Pause(350),
      Narrate("SOUND27.WAV", 50),
      Blink(1, 10, {BlinkText(320, 200, "6,", {7, 0})}, 15),
      Blink(1, 10, {BlinkText(320, 230, "6,", {7, 0})}, 15),
      Pause(50),
      Line(317, 234, 336, 256, 2), Pause(250),
      Narrate("SOUND28.WAV", 150),
      Text(160, 200, "1", 2), Pause(30),
      Text(176, 200, "→2", 2), Pause(30),
      Text(216, 200, "→3", 2), Pause(30),
      Text(256, 200, "→4", 2), Pause(30),
      Text(296, 200, "→6", 2), Pause(30),
      Text(280, 230, "9", 2), Line(320, 225, 300, 240, 2), Polyline({{306, 241}, {300, 240}, {300, 235}}, 2),
      Pause(30),
      Text(240, 230, "12", 2), Line(263, 244, 280, 244, 2), Polyline({{268, 249}, {263, 244}, {268, 239}}, 2),
      Pause(40),
      Text(200, 230, "18←", 2), Pause(50),
      Text(160, 230, "36←", 2),
      Pause(450),
      Font(16), Text(14, 310, "20の約数を全部書きなさい｡"),
      Narrate("SOUND15.WAV"),
      Erase(220, 100, 240, 160),
      Pic("CL.BMP", 220, 292), Pause(500),
      Erase(220, 292, 260, 352),
      Pic("CF.BMP", 220, 100),
      Narrate("SOUND47.WAV"),
      Font(24), Text(14, 330, "20の約数は"), Pause(50),
      Text(170, 330, "1,"), Pause(80),
      Text(158, 360, "20,"), Pause(250),
      Narrate("SOUND48.WAV"),
      Text(206, 330, "2,"), Pause(80),
      Text(194, 360, "10,"), Pause(300),
      Narrate("SOUND49.WAV"),
      Text(242, 330, "4,"), Pause(80),
      Text(242, 360, "5,"), Pause(300),
      Narrate("SOUND50.WAV"),
      Text(278, 330, "5,"), Pause(80),
      Text(278, 360, "4,"), Pause(300),
      Narrate("SOUND27.WAV", 50),
      Blink(1, 10, {BlinkText(242, 330, "4,", {7, 0}), BlinkText(242, 360, "5,", {7, 0})}, 15),
      Blink(1, 10, {BlinkText(278, 330, "5,", {7, 0}), BlinkText(278, 360, "4,", {7, 0})}, 15),
      Pause(50),
      Line(275, 334, 294, 356, 2),
      Line(275, 364, 294, 386, 2), Pause(300),
      Narrate("SOUND44.WAV", 280),
      Text(170, 330, "1", 2), Pause(30),
      Text(182, 330, "→2", 2), Pause(30),
      Text(218, 330, "→4", 2), Pause(30),
      Text(242, 360, "5", 2),
      Polyline({{260, 373}, {268, 373}, {268, 343}, {260, 343}}, 2),
      Polyline({{265, 376}, {260, 373}, {265, 370}}, 2), Pause(40),
      Text(194, 360, "10←", 2), Pause(40),
      Text(158, 360, "20", 2), Line(184, 374, 194, 374, 2), Polyline({{189, 379}, {184, 374}, {189, 369}}, 2),
      Font(16), Pause(300),
  };
  return ex;
}

// Page 4 "公約数": common divisors of 8 and 12, then of 18 and 24.
ExplanationPage Page4() {
  ExplanationPage ex{.paragraphs = 6, .bar_right = 260, .end_x = 300, .end_y = 380};
  ex.steps = {
      // paragraph 1
      Pic("CF.BMP", 300, 85),
      Pic("PF.BMP", 330, 85),
      Text(40, 44, "(8,12)の公約数を全部求めなさい｡"),
      Pause(250),
      Narrate("SOUND30.WAV", 750),
      Narrate("SOUND31.WAV", 800),
      // paragraph 2
      Paragraph(2),
      Narrate("SOUND32.WAV"),
      Font(24), Pause(200),
      Text(6, 84, "8の約数  1,2,4,8"),
      Text(6, 124, "12の約数  1,2,3,4,6,12"), Pause(400),
      Narrate("SOUND33.WAV"),
      Pause(220), Text(114, 84, "1,2,4", 2), Text(126, 124, "1,2, ,4", 2), Pause(220),
      Text(80, 164, "(8,12)の公約数は  1,2,4"),
      Font(16), Pause(220),
      // paragraph 3
      Paragraph(3),
      Narrate("SOUND34.WAV", 200),
      Font(24), Text(344, 164, "4", 2), Pause(250),
      Text(260, 204, "( 最大公約数は 4 )", 6),
      Font(16), Pause(250),
      Narrate("SOUND35.WAV", 500),
      // paragraph 4
      Paragraph(4),
      Narrate("SOUND36.WAV", 600),
      Narrate("SOUND37.WAV", 400),
      // paragraph 5
      Paragraph(5),
      Narrate("SOUND38.WAV", 200),
      Erase(300, 85, 320, 145),
      Pic("CL.BMP", 280, 85), Pause(300),
      Erase(280, 85, 320, 145),
      Pic("CL.BMP", 280, 65), Pause(450),
      Narrate("SOUND39.WAV"),
      Text(10, 250, "公約数は数の小さい方の約数でさがすと速い!", 3), Pause(600),
      Erase(280, 65, 320, 125),
      Pic("CF.BMP", 300, 85), Pause(400),
      Erase(330, 85, 350, 145),
      Pic("PL.BMP", 300, 275),
      Text(40, 290, "(18,24)の公約数を全部求めなさい｡"),
      Narrate("SOUND40.WAV", 150),
      Erase(300, 275, 340, 335),
      Pic("PL.BMP", 300, 305),
      Text(40, 320, "18の約数  1,2,3,6,9,18"), Pause(420),
      Narrate("SOUND41.WAV", 300),
      Text(120, 320, "1,2,3,6", 2), Pause(200),
      Text(100, 355, "(18,24)の公約数は 1,2,3,6"), Pause(250),
  };
  return ex;
}

}  // namespace ham::lessons::divisors
