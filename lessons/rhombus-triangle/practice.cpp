// The practice pages: page 2 (rhombi) and page 4 (triangles).
#include <cstdint>
#include <vector>

#include "frame/templates.h"
#include "lessons/rhombus-triangle/lesson.h"

namespace ham::lessons::rhombus_triangle {

using namespace ham::frame;

namespace {

// The figure values a problem sets.
struct Figure {
  std::int16_t height;
  float width;
  float offset;
  const char* height_label;
  const char* width_label;
};

// ExpectedAnswer slots of boxes A, B (and C) as each page compares them:
// page 4 keeps its strings apart from page 2's.
const std::vector<int> kRhombusSlots = {0, 1, 2};
const std::vector<int> kTriangleSlots = {0, 3, 4};

// The answers: one box (second empty) or boxes A and B, in this order or,
// where `either_order`, in either.
struct Answer {
  const char* first;
  const char* second;
  bool either_order = false;
};

// The rhombus of diagonals h (vertical) and w (horizontal) in cm.
Steps RhombusFigure(const Figure& g) {
  double h = g.height, w = g.width;
  return {Polygon(ClosedBySteps(200, 100, {{-5 * w, 5 * h}, {5 * w, 5 * h}, {5 * w, -5 * h}}), 2, 2),
          Line(200 - 5 * w, 100 + 5 * h, 200 + 5 * w, 100 + 5 * h, 7),
          Line(200, 100, 200, 100 + 10 * h, 7),
          Dotted(), Font(13),
          Arc(200, 100 + 5 * h, 5 * w, 0.25, 0, 0.5), Text(178, 112 + 5 * h, g.width_label),
          Arc(200, 100 + 5 * h, 5 * h / 4, 4, 0.75, 0.25), Text(212, 85 + 5 * h, g.height_label),
          Solid(), Font(16)};
}

// The triangle of height h and base w in pixels, apex d pixels right of the
// base's left end; problem n decides the marks.
Steps TriangleFigure(const Figure& g, int n) {
  double h = g.height, w = g.width, d = g.offset;
  Steps s = {Polygon(ClosedBySteps(200, 100, {{-d, h}, {w, 0}}), 2, 2),
             Dotted(), Arc(200 - d + w / 2, 100 + h, w / 2, n == 10 ? 0.7 : 0.3, 0, 0.5), Solid(),
             Text(n == 9 ? 150 : n == 10 ? 120 : 190, 112 + h, g.width_label)};
  if (n == 5) {
    // The height onto the right side, and its right-angle mark.
    Steps more = {Line(140, 150, 208, 121, 7),
                  Polyline({{205, 115}, {199, 118}, {202, 124}}, 7),
                  Dotted(), Font(13),
                  Arc(140, 121, 68, 0.45, 0, 0.25), Text(180, 135, g.height_label),
                  Arc(200, 150, 20, 2.5, 0.75, 1), Text(217, 120, "5cm"),
                  Solid(), Font(16)};
    s.insert(s.end(), more.begin(), more.end());
    return s;
  }
  s.push_back(Line(200, 100, 200, 100 + h, 7));
  s.push_back(Box(195, 95 + h, 200, 100 + h, 7));
  s.push_back(Dotted());
  if (n == 10) s.push_back(Line(140, 210, 200, 210, 7));
  s.push_back(Arc(200, 100 + h / 2, h / 8, 4, 0.75, 0.25));
  s.push_back(Text(211, 90 + h / 2, g.height_label));
  if (n == 10) {
    s.push_back(Arc(200, 210, 90, 1.22, 0.5, 0.75));
    s.push_back(Text(110, 140, "14cm"));
  }
  s.push_back(Solid());
  return s;
}

struct Row {
  Figure figure;
  const char* formula;  // empty: an area problem
  Answer answer;
  double a_x = 0, b_x = 0;  // letters under the boxes of an A/B problem
};

// Problem n of a page: values, number, question, figure, formula or letters,
// then the answer bar and its labels.
Problem MakeProblem(int n, const Row& r, const Steps& figure, int second_slot, int question_col,
                    const char* question, bool area) {
  Problem p;
  p.expected = {r.answer.first};
  p.any_order = r.answer.either_order;
  p.answer_label = false;
  Steps& s = p.setup;
  s.push_back(WindowStep{0, 0, 639, 479});
  bool two = r.answer.second != nullptr;
  if (two) s.push_back(SetExpected(second_slot, r.answer.second));
  s.push_back(Print(0, 4, "(" + std::to_string(n) + ")"));
  s.push_back(Print(question_col, 4, question));
  s.insert(s.end(), figure.begin(), figure.end());
  if (!std::string(r.formula).empty()) s.push_back(Text(300, 141, r.formula));
  if (two) {
    s.push_back(Font(13));
    s.push_back(Text(r.a_x, 143, "A"));
    s.push_back(Text(r.b_x, 143, "B"));
    s.push_back(Font(16));
    s.push_back(ShowClearedBar("FORM11", {{80, 3, "答え A"}, {280, 3, "B"}}));
  } else {
    s.push_back(TextOn("FORM7", 78, 3, "答え"));
    if (area) s.push_back(TextOn("FORM7", 200, 3, "c㎡"));
  }
  return p;
}

PracticePage Common(const char* reward) {
  PracticePage pp{.problem_slot = 0};  // one ProblemNumber for both pages
  pp.reward = reward;
  pp.blank_warning = false;
  pp.strip_y1 = 320;
  pp.strip_y2 = 492;
  pp.praise_col = 28;
  pp.praise_row = 20;
  return pp;
}

}  // namespace

PracticePage RhombusPractice() {
  PracticePage pp = Common("やったね!パスワードは 散歩(さんぽ) だよ!");
  pp.answer_slots = kRhombusSlots;
  const Row rows[] = {
      {{15, 11, 0, "15cm", "11cm"}, "15×11÷□", {"2", nullptr}},
      {{12, 7, 0, "12cm", "7cm"}, "12×□÷2", {"7", nullptr}},
      {{10, 8, 0, "10cm", "8cm"}, "□×8÷□", {"10", "2"}, 306, 362},
      {{9, 13, 0, "9cm", "13cm"}, "□×□÷2", {"9", "13", true}, 306, 338},
      {{9, 6, 0, "9cm", "6cm"}, "", {"27", nullptr}},
      {{10, 7, 0, "10cm", "7cm"}, "", {"35", nullptr}},
      {{13, 7, 0, "13cm", "7cm"}, "", {"45.5", nullptr}},
      {{9, 15, 0, "9cm", "15cm"}, "", {"67.5", nullptr}},
  };
  int n = 0;
  for (const Row& r : rows) {
    ++n;
    bool area = n > 4;
    pp.problems.push_back(MakeProblem(n, r, RhombusFigure(r.figure), pp.answer_slots[1], 4,
                                      area ? "次のひし形の面積を求めなさい｡"
                                           : "次の式は下のひし形の面積を求める式です｡□にあてはまる数字を答えなさい｡",
                                      area));
  }
  pp.hints = {
      {1, 4, {}, "そうかな?わからない時は1ページのだん落2を見れば答えがわかるよ!", 0, 20},
      {5, 8, {}, "計算まちがいしてない?わからない時は1ページのだん落2を見れば答えがわかるよ!", 0, 20},
  };
  return pp;
}

PracticePage TrianglePractice() {
  PracticePage pp = Common("やったね!パスワードは 健康(けんこう) だよ!");
  pp.answer_slots = kTriangleSlots;
  pp.strip_y2 = 470;  // the right answer's strip; a wrong one clears down to 492
  pp.wrong_strip_y1 = 320;
  pp.wrong_strip_y2 = 492;
  const Row rows[] = {
      {{60, 70, 40, "6cm", "7cm"}, "□×6÷2", {"7", nullptr}},
      {{80, 100, 40, "8cm", "10cm"}, "10×□÷2", {"8", nullptr}},
      {{100, 90, 50, "10cm", "9cm"}, "9×10÷□", {"2", nullptr}},
      {{110, 60, 20, "11cm", "6cm"}, "□×11÷□", {"6", "2"}, 304, 368},
      {{50, 80, 60, "7cm", "8cm"}, "□×□÷2", {"5", "7"}, 306, 338},
      {{70, 100, 40, "7cm", "10cm"}, "", {"35", nullptr}},
      {{80, 90, 45, "8cm", "9cm"}, "", {"36", nullptr}},
      {{60, 150, 90, "6cm", "15cm"}, "", {"45", nullptr}},
      {{70, 90, 90, "7cm", "9cm"}, "", {"31.5", nullptr}},
      {{110, 30, 90, "11cm", "3cm"}, "", {"16.5", nullptr}},
  };
  int n = 0;
  for (const Row& r : rows) {
    ++n;
    bool area = n > 5;
    pp.problems.push_back(MakeProblem(n, r, TriangleFigure(r.figure, n), pp.answer_slots[1], area ? 5 : 4,
                                      area ? "次の三角形の面積を求めなさい｡"
                                           : "次の式は下の三角形の面積を求める式です｡□にあてはまる数字を答えなさい｡",
                                      area));
  }
  pp.hints = {
      {5, 5, {}, "三角形を頭の中で回してみると底辺が5cmに見えてくるよ!", 10, 20},
      {10, 10, {}, "高さは14cmかな? 11cmかな?", 10, 20},
      {1, 4, {}, "そうかな?わからない時は3ページのだん落2を見れば答えがわかるよ!", 0, 20},
      {6, 9, {}, "計算まちがいしてない?わからない時は3ページのだん落2を見れば答えがわかるよ!", 0, 20},
  };
  return pp;
}

}  // namespace ham::lessons::rhombus_triangle
