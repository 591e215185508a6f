// The practice pages of the polygon-area lesson: areas of polygons typed
// into the one-box answer bar.
#include <string>
#include <vector>

#include "frame/templates.h"
#include "lessons/polygon-area/lesson.h"

namespace ham::lessons::polygon_area {

using namespace ham::frame;

namespace {

// Problem n: the logical window for the figure, the question, the number and
// the figure; a hint of its own at (column 0, row 22) unless `hint` is empty.
Problem Question(std::string line, std::string expected, std::string hint, int n, Steps figure) {
  Problem p;
  p.expected = {std::move(expected)};
  p.setup = {WindowStep{0, 0, 639, 479}};
  if (!line.empty()) p.setup.push_back(Print(4, 4, std::move(line)));
  p.setup.push_back(Print(4, 5, "赤い部分の面積を求めなさい｡"));
  p.setup.push_back(Print(0, 4, ProblemLabel(n)));
  for (Step& s : figure) p.setup.push_back(std::move(s));
  if (!hint.empty()) p.hints.push_back(Hint{0, 0, {}, std::move(hint), 0, 22, 2, {}});
  return p;
}

// What both practice pages share.
PracticePage Common() {
  PracticePage pp{.problem_slot = 0};  // one problem number serves both pages
  pp.unit_label = "c㎡";
  pp.unit_x = 200;
  pp.unit_y = 3;
  pp.blank_warning = false;
  pp.strip_y1 = 340;
  pp.strip_window_height = 479;  // the figures' window
  pp.praise_col = 28;
  pp.praise_row = 22;
  return pp;
}

// The figures and questions of practice 1.
std::vector<Problem> Problems1() {
  std::vector<Problem> problems;
  problems.push_back(Question("", "31.5", "", 1, {
          Polygon(Closed({{100, 150}, {20, 230}, {60, 330}, {160, 230}}), 2, 2),
          Line(20, 230, 160, 230, 7),
          Line(100, 150, 100, 230, 7),
          Box(100, 225, 105, 230, 7),
          Line(60, 230, 60, 330, 7),
          Box(55, 230, 60, 235, 7),
          Dotted(),
          Font(13),
          Arc(90, 230, 70, 0.2, 0, 0.5),
          Text(80, 242, "7cm"),
          Arc(100, 190, 10, 4, 0.25, 0.75),
          Text(80, 185, "4cm"),
          Arc(60, 280, 10, 5, 0.75, 0.25),
          Text(72, 275, "5cm"),
          Solid(),
          Font(16),
  }));
  problems.push_back(Question("", "51", "", 2, {
          Polygon(Closed({{100, 140}, {20, 200}, {20, 280}, {180, 300}, {200, 200}}), 2, 2),
          Line(20, 200, 200, 200, 7),
          Line(100, 140, 100, 200, 7),
          Box(100, 195, 105, 200, 7),
          Line(20, 280, 200, 200, 7),
          Line(20, 200, 50, 267, 7),
          Polyline({{47, 263}, {43, 265}, {45, 269}}, 7),
          Line(180, 300, 146, 224, 7),
          Polyline({{151, 222}, {153, 227}, {148, 230}}, 7),
          Dotted(),
          Font(13),
          Arc(110, 200, 90, 0.1, 0, 0.5),
          Text(100, 207, "9cm"),
          Arc(100, 170, 10, 3, 0.75, 0.25),
          Text(110, 165, "3cm"),
          Arc(20, 200, 180, 0.44, 0, 0.25),
          Text(100, 265, "10cm"),
          Arc(23, 265, 30, 2.23, 0.75, 1),
          Text(50, 230, "3.5cm"),
          Arc(180, 224, 34, 2.23, 0.25, 0.5),
          Text(142, 260, "4cm"),
          Solid(),
          Font(16),
  }));
  problems.push_back(Question("", "21", "三角形と台形がくっついてるんだよ!公式をわすれた人は1ページのだん落1を見よう!", 3, {
          Polygon(Closed({{100, 140}, {40, 220}, {200, 220}, {200, 180}}), 2, 2),
          Line(100, 140, 100, 220, 7),
          Box(95, 215, 100, 220, 7),
          Box(195, 215, 200, 220, 7),
          Dotted(),
          Font(13),
          Arc(100, 180, 10, 4, 0.75, 0.25),
          Text(110, 175, "4cm"),
          Arc(70, 220, 30, 0.3, 0, 0.5),
          Text(60, 230, "3cm"),
          Arc(150, 220, 50, 0.2, 0, 0.5),
          Text(140, 230, "5cm"),
          Arc(200, 200, 10, 2, 0.75, 0.25),
          Text(210, 195, "2cm"),
          Solid(),
          Font(16),
  }));
  problems.push_back(Question("四角形ABCDは平行四辺形です｡", "97.5", "平行四辺形と三角形がくっついた形だよ!公式をわすれた人は1ページのだん落1を見よう!", 4, {
          Polygon(Closed({{100, 140}, {30, 210}, {110, 210}, {170, 270}, {180, 140}}), 2, 2),
          Polyline({{70, 170}, {110, 210}, {180, 140}}, 7),
          Polyline({{74, 166}, {78, 170}, {75, 174}}, 7),
          Polyline({{114, 206}, {118, 210}, {115, 214}}, 7),
          Dotted(),
          Font(13),
          Arc(110, 170, 40, 1, 0.25, 0.5),
          Text(67, 186, "5.5cm"),
          Arc(110, 140, 70, 1, 0, 0.25),
          Text(145, 185, "10cm"),
          Arc(170, 210, 60, 1, 0.25, 0.5),
          Text(120, 242, "8.5cm"),
          Solid(),
          Text(92, 135, "A"),
          Text(22, 213, "B"),
          Text(184, 135, "D"),
          Text(100, 213, "C"),
          Font(16),
  }));
  problems.push_back(Question("", "99.44", "長方形から三角形を切り取った形だよ!公式をわすれた人は1ページのだん落1を見よう!", 5, {
          Polygon(Closed({{100, 140}, {100, 228}, {250, 228}, {250, 140}}), 2, 2),
          Polygon(Closed({{150, 140}, {130, 228}, {204, 228}}), 0, 0),
          Box(100, 140, 105, 145, 7),
          Box(245, 140, 250, 145, 7),
          Box(100, 223, 105, 228, 7),
          Box(245, 223, 250, 228, 7),
          Line(130, 228, 204, 228, 7),
          Dotted(),
          Font(13),
          Arc(175, 140, 75, 0.15, 0.5, 1),
          Text(170, 122, "15cm"),
          Arc(250, 184, 10, 4.4, 0.75, 0.25),
          Text(260, 180, "8.8cm"),
          Arc(167, 228, 37, 0.25, 0, 0.5),
          Text(160, 238, "7.4cm"),
          Solid(),
          Font(16),
  }));
  problems.push_back(Question("", "58", "台形から三角形を2つ切り取った形だよ!公式をわすれた人は1ページのだん落1を見よう!", 6, {
          Polygon(Closed({{100, 140}, {140, 260}, {170, 260}, {190, 180}}), 2, 2),
          Polyline({{100, 140}, {100, 260}, {140, 260}}, 7),
          Polyline({{190, 180}, {190, 260}, {170, 260}}, 7),
          Box(100, 255, 105, 260, 7),
          Box(185, 255, 190, 260, 7),
          Dotted(),
          Font(13),
          Arc(100, 200, 10, 6, 0.25, 0.75),
          Text(75, 190, "12cm"),
          Arc(120, 260, 20, 0.5, 0, 0.5),
          Text(110, 270, "4cm"),
          Arc(155, 260, 15, 0.8, 0, 0.5),
          Text(150, 270, "3cm"),
          Arc(180, 260, 10, 0.8, 0, 0.5),
          Text(175, 270, "2cm"),
          Arc(190, 220, 10, 4, 0.75, 0.25),
          Text(200, 210, "8cm"),
          Solid(),
          Font(16),
  }));
  return problems;
}

// The figures and questions of practice 2.
std::vector<Problem> Problems2() {
  std::vector<Problem> problems;
  problems.push_back(Question("", "68", "長方形から三角形が2つ切り取ってあるんだよ!", 1, {
          Polygon(Closed({{100, 190}, {60, 210}, {60, 280}, {180, 280}}), 2, 2),
          Polyline({{100, 190}, {60, 190}, {60, 210}}, 7),
          Box(60, 190, 65, 195, 7),
          Polyline({{100, 190}, {180, 190}, {180, 280}}, 7),
          Box(175, 190, 180, 195, 7),
          Box(60, 275, 65, 280, 7),
          Dotted(),
          Font(13),
          Arc(140, 190, 40, 0.25, 0.5, 1),
          Text(130, 168, "8cm"),
          Arc(180, 235, 10, 4.5, 0.75, 0.25),
          Text(190, 230, "9cm"),
          Arc(60, 245, 10, 3.5, 0.25, 0.75),
          Text(40, 240, "7cm"),
          Arc(120, 280, 60, 0.16, 0, 0.5),
          Text(110, 292, "12cm"),
          Solid(),
          Font(16),
  }));
  problems.push_back(Question("", "92.5", "長方形から三角形が2つ切り取ってあるんだよ!", 2, {
          Polygon(Closed({{100, 190}, {130, 230}, {200, 230}, {200, 190}}), 2, 2),
          Polygon(Closed({{100, 230}, {100, 320}, {200, 320}, {130, 230}}), 2, 2),
          Box(195, 190, 200, 195, 7),
          Box(100, 315, 105, 320, 7),
          Line(100, 190, 100, 230, 7),
          Line(100, 230, 200, 230, 7),
          Line(200, 230, 200, 320, 7),
          Box(100, 225, 105, 230, 7),
          Box(195, 230, 200, 235, 7),
          Dotted(),
          Font(13),
          Arc(115, 230, 15, 0.55, 0, 0.5),
          Text(105, 240, "3cm"),
          Arc(165, 230, 35, 0.25, 0.5, 1),
          Text(160, 215, "7cm"),
          Arc(200, 275, 10, 4.5, 0.25, 0.75),
          Text(180, 270, "9cm"),
          Arc(200, 255, 10, 6.5, 0.75, 0.25),
          Text(212, 250, "13cm"),
          Solid(),
          Font(16),
  }));
  problems.push_back(Question("四角形ABCDはひし形です｡", "143.5", "ひし形に三角形がくっついてるんだよ!", 3, {
          Polygon(Closed({{100, 140}, {30, 220}, {100, 300}, {170, 220}, {170, 140}}), 2, 2),
          Line(100, 140, 100, 300, 7),
          Line(30, 220, 170, 220, 7),
          Line(100, 140, 170, 220, 7),
          Dotted(),
          Font(13),
          Arc(100, 220, 10, 8, 0.75, 0.25),
          Text(112, 200, "16.4cm"),
          Arc(100, 220, 70, 0.15, 0, 0.5),
          Text(75, 230, "14cm"),
          Solid(),
          Text(100, 127, "A"),
          Text(20, 215, "B"),
          Text(100, 303, "C"),
          Text(173, 215, "D"),
          Font(16),
          Box(165, 140, 170, 145, 7),
          Box(165, 215, 170, 220, 7),
  }));
  problems.push_back(Question("四角形ABCDはひし形です｡", "77.19", "ひし形から三角形が切り取ってあるんだよ!", 4, {
          Polygon(Closed({{100, 140}, {40, 220}, {100, 300}, {160, 220}, {100, 220}}), 2, 2),
          Line(100, 140, 100, 300, 7),
          Line(40, 220, 160, 220, 7),
          Dotted(),
          Font(13),
          Arc(100, 180, 10, 4, 0.75, 0.25),
          Text(110, 180, "8.3cm"),
          Arc(70, 220, 30, 0.3, 0, 0.5),
          Text(60, 230, "6.2cm"),
          Solid(),
          Line(100, 140, 160, 220, 7),
          Text(100, 127, "A"),
          Text(32, 215, "B"),
          Text(100, 303, "C"),
          Text(163, 215, "D"),
          Font(16),
  }));
  problems.push_back(Question("四角形ABCDと四角形CDEFは平行四辺形です｡", "35.4", "平行四辺形が2つくっついてるんだよ!", 5, {
          Polygon(Closed({{100, 140}, {40, 240}, {140, 240}, {140, 300}, {200, 200}, {200, 140}}), 2, 2),
          Line(140, 240, 200, 140, 7),
          Line(100, 140, 200, 200, 7),
          Polyline({{167, 181}, {171, 177}, {176, 180}}, 7),
          Dotted(),
          Font(13),
          Arc(140, 200, 60, 1.67, 0, 0.25),
          Text(185, 260, "6cm"),
          Arc(174, 140, 74, 0.59, 0.25, 0.5),
          Text(120, 175, "4.4cm"),
          Arc(200, 184, 26, 0.62, 0.25, 0.5),
          Text(170, 197, "1.5cm"),
          Solid(),
          Text(89, 135, "A"),
          Text(32, 235, "B"),
          Text(144, 235, "C"),
          Text(201, 135, "D"),
          Text(205, 197, "E"),
          Text(142, 300, "F"),
          Font(16),
  }));
  problems.push_back(Question("四角形ABCDは長方形です｡", "9.18", "底辺が10.8cmの大きい三角形と小さい三角形が見えたら 後はかんたんなんだよ!", 6, {
          Polygon(Closed({{380, 140}, {320, 170}, {320, 280}}), 2, 2),
          Polyline({{380, 140}, {100, 140}, {100, 280}, {320, 280}}, 7),
          Line(380, 140, 100, 280, 7),
          Line(320, 140, 320, 280, 7),
          Dotted(),
          Font(13),
          Arc(100, 210, 10, 7, 0.25, 0.75),
          Text(65, 200, "7.3cm"),
          Arc(210, 280, 110, 0.1, 0, 0.5),
          Text(190, 292, "10.8cm"),
          Arc(320, 155, 10, 1.5, 0.25, 0.75),
          Text(290, 150, "1.7cm"),
          Solid(),
          Text(92, 126, "A"),
          Text(92, 285, "B"),
          Text(316, 285, "C"),
          Text(316, 126, "D"),
          Font(16),
  }));
  return problems;
}

}  // namespace

// Page 4 "練習1".
PracticePage Practice1() {
  PracticePage pp = Common();
  pp.end_hide = {"FORM3", "FORM7", "FORM9"};
  pp.reward = "やったね!パスワードは 発見(はっけん) だよ!";
  pp.strip_y2 = 492;
  pp.problems = Problems1();
  pp.hints = {{0, 0, {}, "計算まちがいしてるよ!わからない時は3ページのだん落2を見れば答えがわかるよ!", 0, 22, 2, {}}};
  return pp;
}

// Page 7 "練習2".
PracticePage Practice2() {
  PracticePage pp = Common();
  pp.end_hide = {"FORM3", "FORM7"};
  pp.reward = "やったね!パスワードは 観察(かんさつ) だよ!";
  pp.strip_y2 = 490;
  pp.wrong_strip_y1 = 340;
  pp.wrong_strip_y2 = 492;
  pp.hint_lead = "計算まちがいしてないかな?公式をわすれた人は1ページのだん落1を見よう!";
  pp.hint_lead_col = 0;
  pp.hint_lead_row = 23;
  pp.hint_lead_color = 2;
  pp.problems = Problems2();
  return pp;
}

}  // namespace ham::lessons::polygon_area
