// The explanation pages of the even-odd lesson.
#include <string>
#include <utility>
#include <vector>

#include "lessons/even-odd/lesson.h"

namespace ham::lessons::even_odd {

using namespace ham::frame;

namespace {

// The texts of one or more lines, each in the given colour.
void Texts(Steps& out, const std::vector<std::pair<std::pair<double, double>, std::string>>& items, int color = -1) {
  for (const auto& [at, text] : items) out.push_back(Text(at.first, at.second, text, color));
}

// Text-cell lines at one column.
void Lines(Steps& out, int col, int first_row, const std::vector<std::string>& lines) {
  int row = first_row;
  for (const std::string& l : lines) out.push_back(Print(col, row++, l));
}

}  // namespace

// Page 1: even and odd numbers by examples and by the last digit; one
// paragraph, the second only shows the finished page.
ExplanationPage Page1() {
  ExplanationPage ex{.paragraphs = 2, .heading_x = 200, .bar_left = 190, .bar_right = 320, .bar_bottom = 22,
                     .end_x = 200, .end_y = 320};
  ex.steps = {
      Pic("PF.BMP", 260, 55),
      Pic("CF.BMP", 230, 55),
      Pause(200),
      Narrate("SOUND1.WAV", 350),
      Narrate("SOUND2.WAV", 500),
      Narrate("SOUND3.WAV", 500),
      Narrate("SOUND4.WAV"),
      Text(100, 40, "16は,"), Pause(500),
      Narrate("SOUND5.WAV", 400),
      Text(140, 40, "ぐう数"), Pause(150),
      Narrate("SOUND6.WAV"),
      Text(100, 80, "552は,"), Pause(350),
      Narrate("SOUND7.WAV", 530),
      Text(150, 80, "ぐう数"), Pause(150),
      Narrate("SOUND8.WAV", 400),
      Text(100, 120, "ぐう数の1の位は 2,4,6,8,0 のいずれか", 2), Pause(550),
      Narrate("SOUND9.WAV"),
      Text(100, 160, "47は,"), Pause(500),
      Narrate("SOUND10.WAV", 400),
      Text(145, 160, "奇数"), Pause(150),
      Narrate("SOUND11.WAV"),
      Text(100, 200, "23は,"), Pause(250),
      Narrate("SOUND12.WAV", 250),
      Text(145, 200, "奇数"), Pause(150),
      Narrate("SOUND13.WAV", 300),
      Text(180, 240, "奇数=ぐう数+1", 2), Pause(400),
      Narrate("SOUND14.WAV"),
      Text(100, 280, "奇数の1の位は 1,3,5,7,9 のいずれか", 2), Pause(500),
  };
  return ex;
}

// Page 3: parity of sums and of odd x 3; paragraph 6 only shows the
// finished page.
ExplanationPage Page3() {
  ExplanationPage ex{.paragraphs = 6, .heading_x = 200, .bar_left = 190, .bar_right = 320, .bar_bottom = 22,
                     .end_x = 200, .end_y = 320};
  Steps& s = ex.steps;
  // paragraph 1
  s = {
      Pic("CF.BMP", 30, 30),
      Pic("PF.BMP", 60, 30),
      Pause(200),
      Narrate("SOUND25.WAV", 700),
      Narrate("SOUND26.WAV"),
      Text(300, 60, "ぐう数+ぐう数=ぐう数", 2), Pause(500),
  };
  // paragraph 2: odd + odd as (even + 1) + (even + 1)
  s.push_back(Paragraph(2));
  s.push_back(Narrate("SOUND27.WAV", 500));
  s.push_back(Narrate("SOUND28.WAV"));
  Texts(s, {{{62, 100}, "奇数"}, {{30, 130}, "＋  奇数"}});
  s.push_back(Box(20, 154, 154, 154, 7));
  s.push_back(Pause(450));
  s.push_back(Narrate("SOUND29.WAV"));
  Texts(s, {{{62, 100}, "奇数"}, {{30, 130}, "＋  奇数"}}, 2);
  s.push_back(Pause(400));
  s.push_back(Narrate("SOUND37.WAV"));
  s.push_back(Erase(30, 100, 200, 152));
  Texts(s, {{{62, 100}, "ぐう数+1"}, {{30, 130}, "＋  ぐう数+1"}});
  s.push_back(Pause(320));
  s.push_back(Narrate("SOUND30.WAV"));
  s.push_back(Text(130, 100, "←この1はあまりのこと"));
  s.push_back(Pause(370));
  // paragraph 3
  s.push_back(Paragraph(3));
  s.push_back(Narrate("SOUND31.WAV"));
  s.push_back(Pause(50));
  s.push_back(Text(62, 160, "ぐう数"));
  s.push_back(Pause(500));
  // paragraph 4
  s.push_back(Paragraph(4));
  s.push_back(Narrate("SOUND32.WAV"));
  s.push_back(Text(110, 160, "+2"));
  s.push_back(Pause(700));
  s.push_back(Narrate("SOUND33.WAV"));
  s.push_back(Text(300, 160, "奇数+奇数=ぐう数", 2));
  s.push_back(Pause(700));
  // paragraph 5: three odd numbers
  s.push_back(Paragraph(5));
  s.push_back(Narrate("SOUND34.WAV"));
  Texts(s, {{{62, 200}, "奇数"}, {{62, 230}, "奇数"}, {{30, 260}, "＋  奇数"}});
  s.push_back(Box(20, 284, 154, 284, 7));
  s.push_back(Pause(500));
  s.push_back(Narrate("SOUND35.WAV"));
  s.push_back(Pause(300));
  Texts(s, {{{62, 200}, "奇数"}, {{62, 230}, "奇数"}, {{30, 260}, "＋  奇数"}}, 2);
  s.push_back(Pause(300));
  s.push_back(Narrate("SOUND37.WAV"));
  s.push_back(Erase(30, 200, 200, 282));
  Texts(s, {{{62, 200}, "ぐう数+1"}, {{62, 230}, "ぐう数+1"}, {{30, 260}, "＋  ぐう数+1"}, {{62, 290}, "ぐう数+3"}});
  s.push_back(Pause(350));
  s.push_back(Narrate("SOUND36.WAV"));
  s.push_back(Text(300, 290, "奇数×3=奇数", 2));
  s.push_back(Pause(600));
  return ex;
}

// Page 5: integers classed by their remainder, and a class split into four
// groups; paragraph 4 only shows the finished page.
ExplanationPage Page5() {
  ExplanationPage ex{.paragraphs = 4, .heading_x = 200, .bar_left = 190, .bar_right = 290, .bar_bottom = 22,
                     .end_x = 380, .end_y = 370};
  Steps& s = ex.steps;
  // paragraph 1: divisions with remainders, and what counts
  s = {
      Pic("CF.BMP", 490, 100),
      Pic("PF.BMP", 520, 100),
      Pause(250),
      Narrate("SOUND38.WAV"),
  };
  const char* const divisions[] = {"26÷3=8あまり2", "15÷2=7あまり1", "24÷4=6あまり0", "76÷9=8あまり4 ",
                                   " 1÷3=0あまり1",  "59÷7=8あまり3", "45÷8=5あまり5", "32÷6=5あまり2"};
  double y = 34;
  for (const char* d : divisions) {
    s.push_back(Text(170, y, d));
    y += 30;
  }
  s.push_back(Pause(600));
  s.push_back(Blink(0, 11,
                    {BlinkText(100, 284, "今日の勉強は商はどうでもいいの!", {0, 6}),
                     BlinkText(100, 314, "あまりだけを見るのよ!", {0, 6})},
                    15));
  s.push_back(Pause(700));
  s.push_back(Erase(0, 26, 640, 340));
  // paragraph 2: the groups of remainders by 2, 3 and 4
  s.push_back(Paragraph(2));
  s.push_back(Narrate("SOUND15.WAV"));
  s.push_back(Text(61, 48, "整数を2でわる－"));
  s.push_back(Pause(320));
  s.push_back(Text(170, 34, "  あまりが1になるグループ (奇数)"));
  s.push_back(Text(170, 64, "  あまりが0になるグループ (ぐう数)"));
  s.push_back(Polyline({{184, 34}, {179, 34}, {179, 80}, {184, 80}}, 7));
  s.push_back(Pause(450));
  s.push_back(Narrate("SOUND16.WAV"));
  s.push_back(Text(61, 124, "整数を3でわる－", 1));
  s.push_back(Pause(420));
  Texts(s,
        {{{170, 94}, "  あまりが1になるグループ"},
         {{170, 124}, "  あまりが2になるグループ"},
         {{170, 154}, "  あまりが0になるグループ"}},
        1);
  s.push_back(Polyline({{184, 94}, {179, 94}, {179, 170}, {184, 170}}, 1));
  s.push_back(Pause(300));
  s.push_back(Narrate("SOUND17.WAV"));
  s.push_back(Text(61, 228, "整数を4でわる－", 2));
  s.push_back(Pause(500));
  s.push_back(Narrate("SOUND18.WAV"));
  Texts(s,
        {{{170, 184}, "  あまりが1になるグループ"},
         {{170, 214}, "  あまりが2になるグループ"},
         {{170, 244}, "  あまりが3になるグループ"},
         {{170, 274}, "  あまりが0になるグループ"}},
        2);
  s.push_back(Polyline({{184, 184}, {179, 184}, {179, 290}, {184, 290}}, 2));
  s.push_back(Pause(550));
  s.push_back(Narrate("SOUND19.WAV"));
  s.push_back(Text(100, 314, " 整数はあまりでグループ分けすることができる｡", 6));
  s.push_back(Pause(1000));
  s.push_back(Erase(0, 26, 640, 340));
  s.push_back(Pic("CF.BMP", 400, 250));
  s.push_back(Pic("PF.BMP", 430, 250));
  // paragraph 3: the class split into four groups
  s.push_back(Paragraph(3));
  Lines(s, 0, 3,
        {"次の質問に答えなさい｡",
         "クラスを出席番号順に4つのはんに分けます｡出席番号1番の人は1ぱん 2番の人は2はん ",
         "3番の人は3ぱん 4番の人は4はん 5番の人はまた1ぱんと言う風に次の様に分けていくと",
         "出席番号24番の人は何ぱんになりますか｡また出席番号30番の人は何ぱんになりますか｡"});
  Lines(s, 44, 8, {"[1ぱん] 1番, 5番, 9番,", "[2はん] 2番, 6番, 10番,", "[3ぱん] 3番, 7番, 11番,", "[4はん] 4番, 8番, 12番,"});
  s.push_back(Pause(1000));
  s.push_back(Narrate("SOUND20.WAV", 850));
  s.push_back(Narrate("SOUND21.WAV"));
  for (int row = 8; row <= 11; ++row) s.push_back(Print(2, row, "出席番号を4でわると"));
  s.push_back(Color(6));
  Lines(s, 21, 8, {"あまりが1になる人たち", "あまりが2になる人たち", "あまりが3になる人たち", "あまりが0になる人たち"});
  s.push_back(Color(7));
  s.push_back(Pause(1200));
  s.push_back(Narrate("SOUND22.WAV"));
  s.push_back(Print(12, 13, "24÷4=6"));
  s.push_back(Color(4));
  s.push_back(Print(20, 13, "あまり0"));
  s.push_back(Pause(700));
  s.push_back(Narrate("SOUND23.WAV"));
  s.push_back(Print(21, 11, "あまりが0になる人"));  // still in colour 4
  s.push_back(Pause(200));
  s.push_back(Print(68, 11, "24番"));
  s.push_back(Pause(450));
  s.push_back(Color(7));
  s.push_back(Narrate("SOUND24.WAV"));
  s.push_back(Print(12, 14, "30÷4=7"));
  s.push_back(Color(4));
  s.push_back(Print(20, 14, "あまり2"));
  s.push_back(Pause(100));
  s.push_back(Print(21, 9, "あまりが2になる人"));
  s.push_back(Pause(200));
  s.push_back(Print(68, 9, "30番"));
  s.push_back(Color(7));
  s.push_back(Pause(200));
  s.push_back(Text(0, 320, "今日の勉強は商はどうでもいいの!あまりだけを見て答える勉強なのよ!かんたんでしょ!", 6));
  s.push_back(Pause(200));
  return ex;
}

}  // namespace ham::lessons::even_odd
