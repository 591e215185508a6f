// Practices of the parallelogram and trapezoid lesson: page 3 (parallelograms)
// and page 6 (trapezoids), each figure drawn from its problem's numbers.
#include "frame/templates.h"
#include "lessons/parallelogram-trapezoid/lesson.h"

namespace ham::lessons::parallelogram_trapezoid {

using namespace ham::frame;

namespace {

// Emits draw-style steps only where the style changes.
class Pen {
 public:
  explicit Pen(Steps& out) : out_(out) {}
  void Dotted() { Style(2); }
  void Solid() { Style(0); }

 private:
  void Style(int s) {
    if (s == style_) return;
    out_.push_back(DrawStyleStep{s});
    style_ = s;
  }
  Steps& out_;
  int style_ = 0;
};

// Answer labels: on FORM9 over FORM7 for a two-box problem, else on FORM7
// with the unit for an area question.
void AnswerLabels(Steps& s, bool two_boxes, bool area) {
  if (two_boxes) {
    s.push_back(ShowBar("FORM9", {{60, 3, "答え"}, {100, 3, "A"}, {244, 3, "B"}}));
    return;
  }
  s.push_back(TextOn("FORM7", 78, 3, "答え"));
  if (area) s.push_back(TextOn("FORM7", 228, 3, "c㎡"));
}

}  // namespace

Steps ParallelogramProblemSteps(const ParallelogramFigure& f) {
  const double w = f.w, d = f.d, h = f.h;
  const bool formula = !f.formula.empty();
  Steps s = {Window(639, 479), Print(0, 7, ProblemLabel(f.n))};
  if (formula) {
    s.insert(s.end(), {Print(4, 7, "次の式は下の平行四辺形の面積を求める式です｡□にあてはまる数字を答えなさい｡"),
                       Text(250, 200, f.formula)});
    if (f.expected.size() == 2) s.insert(s.end(), {Font(13), Text(254, 201, "A"), Text(302, 201, "B"), Font(16)});
  } else {
    s.push_back(Print(4, 7, "次の平行四辺形の面積を求めなさい｡"));
  }
  s.push_back(Polygon(OpenBySteps(30, 190, {{w, 0}, {-d, h}, {-w, 0}, {d, -h}}), 2, 2));
  Pen pen(s);
  pen.Dotted();
  s.insert(s.end(), {Arc(30 - d + w / 2, 190 + h, w / 2, 0.2, 0, 0.5),
                     Text(f.n == 9 ? 40 : 65, 200 + h, f.base_label, 7)});
  if (f.n == 4 || f.n == 7 || f.n == 9) {
    // Height outside on the right, over the lower base extended.
    pen.Solid();
    s.insert(s.end(), {Line(30 + w, 190, 30 + w, 190 + h, 7), Box(25 + w, 185 + h, 30 + w, 190 + h, 7)});
    pen.Dotted();
    s.insert(s.end(), {Arc(30 + w, 190 + h / 2, h / 8, 4, 0.75, 0.25), Text(38 + w, 220, f.height_label),
                       Line(10 + w, 190 + h, 30 + w, 190 + h, 7)});
    if (f.n == 9)
      s.insert(s.end(), {Arc(30, 190 + h, 20, 7, 0.5, 0.75), Font(13), Text(0, 260, "16cm"), Font(16)});
  } else if (f.n == 8) {
    // Height on the left edge.
    pen.Solid();
    s.insert(s.end(), {Line(30, 190, 30, 190 + h, 7), Box(30, 185 + h, 35, 190 + h, 7)});
    pen.Dotted();
    s.insert(s.end(), {Font(13), Arc(30, 190 + h / 2, h / 8, 4, 0.25, 0.75), Text(10, 260, "15cm"),
                       Line(30, 340, 50, 340, 7), Font(16)});
  } else {
    // Height inside.
    pen.Solid();
    s.push_back(Line(50, 190, 50, 190 + h, 7));
    pen.Dotted();
    s.insert(s.end(), {Arc(50, 190 + h / 2, h / 8, 4, 0.75, 0.25), Text(58, 230, f.height_label)});
    pen.Solid();
    s.push_back(Box(45, 185 + h, 50, 190 + h, 7));
  }
  pen.Solid();
  s.push_back(Window(639, 568));
  AnswerLabels(s, f.expected.size() == 2, !formula);
  return s;
}

Steps TrapezoidProblemSteps(const TrapezoidFigure& f) {
  const double u = f.u, sx = f.s, h = f.h, l = f.l, t = f.t;
  const bool formula = !f.formula.empty();
  Steps s = {Window(639, 479), Print(0, 7, ProblemLabel(f.n))};
  if (formula) {
    // The letters under the squares of the formula.
    double ax = 256, bx = 304;
    if (f.n == 3) ax = 303, bx = 359;
    if (f.n == 4) bx = 400;
    s.insert(s.end(), {Print(4, 7, "次の式は下の台形の面積を求める式です｡□にあてはまる数字を答えなさい｡"),
                       Text(250, 200, f.formula), Font(13), Text(ax, 201, " A"), Text(bx, 201, " B"), Font(16)});
    if (!f.number.empty()) s.push_back(Text(360, 200, f.number));
  } else {
    s.insert(s.end(), {Print(4, 7, "次の台形の面積を求めなさい｡"), Font(16)});
  }
  s.push_back(Polygon(OpenBySteps(30, 190, {{u, 0}, {sx, h}, {l, 0}, {t, -h}}), 2, 2));
  const bool flat = f.n == 7;  // a low trapezoid: a wider height bracket
  s.insert(s.end(), {Dotted(), Arc(30 + u / 2, 190, u / 2, 0.2, 0.5, 1), Text(20 + u / 2, 168, f.upper_label, 7),
                     Arc(30 - t - l / 2, 190 + h, -l / 2, 0.2, 0, 0.5),
                     Text(20 - t - l / 2, 200 + h, f.lower_label, 7),
                     Arc(50, 190 + h / 2, flat ? h / 4 : h / 8, flat ? 2 : 4, 0.75, 0.25),
                     Text(58, 190 + h / 2, f.height_label, 7), Solid(), Line(50, 190, 50, 190 + h, 7),
                     Box(45, 185 + h, 50, 190 + h, 7), Window(639, 568)});
  AnswerLabels(s, f.expected.size() == 2, !formula);
  return s;
}

namespace {

Problem ProblemOf(std::vector<std::string> expected, Steps setup) {
  Problem p;
  p.expected = std::move(expected);
  p.setup = std::move(setup);
  p.answer_label = false;  // the set-up draws them
  return p;
}

}  // namespace

PracticePage ParallelogramPractice() {
  PracticePage pp{.problem_slot = 0};
  pp.label_x = 78;
  pp.reward = "やったね!パスワードは 検査(けんさ) だよ!";
  pp.blank_warning = false;
  pp.strip_y1 = 435;
  pp.strip_y2 = 490;
  pp.praise_col = 20;
  pp.praise_row = 23;
  pp.end_hide = {"FORM3", "FORM7", "FORM9"};
  const ParallelogramFigure figures[] = {
      {1, "□ × 10", {"12"}, 120, 20, 100, "10cm", "12cm"},
      {2, "8 × □", {"7"}, 80, -10, 70, "7cm", "8cm"},
      {3, "□ × □", {"10", "7"}, 100, -10, 70, "7cm", "10cm"},
      {4, "□ × □", {"13", "6"}, 130, 20, 60, "6cm", "13cm"},
      {5, "", {"88"}, 110, 20, 80, "8cm", "11cm"},
      {6, "", {"72"}, 90, -10, 80, "8cm", "9cm"},
      {7, "", {"72"}, 120, 20, 60, "6cm", "12cm"},
      {8, "", {"75"}, 50, -20, 150, "15cm", "5cm"},
      {9, "", {"98"}, 70, 20, 140, "14cm", "7cm"},
  };
  for (const ParallelogramFigure& f : figures) pp.problems.push_back(ProblemOf(f.expected, ParallelogramProblemSteps(f)));
  pp.hints = {
      // The slanted side times the base.
      {9, 9, {"112"}, "高さはどれかよく見てね!", 15, 23},
      {1, 4, {}, "そうかな?わからない時は2ページのだん落1を見れば答えがわかるよ!", 0, 23},
      {5, 9, {}, "計算まちがいしてない?わからない時は2ページのだん落1を見れば答えがわかるよ!", 0, 23},
  };
  return pp;
}

PracticePage TrapezoidPractice() {
  PracticePage pp{.problem_slot = 0};  // the problem number of page 3
  pp.label_x = 78;
  pp.reward = "やったね!パスワードは 貿易(ぼうえき) だよ!";
  pp.blank_warning = false;
  pp.strip_y1 = 410;
  pp.strip_y2 = 466;
  pp.praise_col = 20;
  pp.praise_row = 22;
  pp.end_hide = {"FORM3", "FORM7", "FORM9", "FORM10"};
  const TrapezoidFigure figures[] = {
      {1, "(□ ＋ □) ×   ÷ 2", {"4", "8"}, 40, 20, 60, -80, 20, "4cm", "6cm", "8cm", "6"},
      {2, "(□ ＋ □) ×   ÷ 2", {"3", "9"}, 30, 40, 40, -90, 20, "3cm", "4cm", "9cm", "4"},
      {3, "(12 ＋ □) × □ ÷ 2", {"7", "6"}, 120, -40, 60, -70, -10, "12cm", "6cm", "7cm", ""},
      {4, "(□ ＋ 11) × 7 ÷ □", {"5", "2"}, 50, 70, 70, -110, -10, "5cm", "7cm", "11cm", ""},
      {5, "", {"39"}, 40, 20, 60, -90, 30, "4cm", "6cm", "9cm", ""},
      {6, "", {"105"}, 80, 20, 100, -130, 30, "8cm", "10cm", "13cm", ""},
      {7, "", {"27"}, 120, 10, 20, -150, 20, "12cm", "2cm", "15cm", ""},
      {8, "", {"87.5"}, 140, -20, 70, -110, -10, "14cm", "7cm", "11cm", ""},
      {9, "", {"45.5"}, 20, 20, 130, -50, 10, "2cm", "13cm", "5cm", ""},
  };
  for (const TrapezoidFigure& f : figures) pp.problems.push_back(ProblemOf(f.expected, TrapezoidProblemSteps(f)));
  pp.hints = {
      {1, 4, {}, "そうかな?わからない時は5ページのだん落1を見れば答えがわかるよ!", 0, 22},
      {5, 9, {}, "計算まちがいしてない?わからない時は5ページのだん落1を見れば答えがわかるよ!", 0, 22},
  };
  return pp;
}

}  // namespace ham::lessons::parallelogram_trapezoid
