// The practice pages: page 2 (fractions as decimals, comparisons, the
// number line) and page 4 (decimals as fractions, orders).
#include <string>

#include "frame/templates.h"
#include "lessons/number-comparison/lesson.h"

namespace ham::lessons::number_comparison {

using namespace ham::frame;

namespace {

const char* const kHint = "(ﾋﾝﾄ---分数は小数に直して考えるとよくわかるよ!)";

// ----- page 2 ------------------------------------------------------------------------

struct Row2 {
  int numerator, denominator;  // 0: none
  const char* right;           // FigureText: the decimal right of the box
  const char* answer;          // OneBoxAnswer
  const char* alt;             // ExpectedAnswerAlt, also right; or unchanged
};

Problem Problem2(int n, const Row2& r) {
  Problem p;
  Steps& s = p.setup;
  s.push_back(SetExpected(kOneBoxAnswer, r.answer));
  if (r.alt) {
    s.push_back(SetExpected(kExpectedAnswerAlt, r.alt));
    p.also_expected = {kExpectedAnswerAlt};
  }
  s.push_back(n <= 6 ? Print(0, 7, ProblemLabel(n)) : Print(4, 10, ProblemLabel(n)));
  if (n <= 3) {
    Append(s, {Print(0, 8, "次の分数を小数に変えなさい｡きちんとした小数で表せないものは"),
               Print(0, 9, "四捨五入して100分の1の位まで求めなさい｡"),
               PrintNumber(20, 10, static_cast<float>(r.numerator)), PrintNumber(20, 11, static_cast<float>(r.denominator)),
               n == 3 ? Text(150, 199, "2 ─") : Text(168, 199, "─")});
  } else if (n <= 6) {
    Append(s, {Print(3, 7, "次の□に等号か不等号を書き入れます｡"),
               Print(3, 8, "[>] なら1,  [<] なら2,  [=] なら3と答えなさい｡"), Print(3, 9, kHint)});
    if (n == 5) {
      Append(s, {Text(164, 199, "1.5 □ ─"), PrintNumber(27, 10, 3), PrintNumber(27, 11, 2)});
    } else {
      Append(s, {Text(164, 199, "─ □"), PrintNumber(20, 10, static_cast<float>(r.numerator)),
                 PrintNumber(20, 11, static_cast<float>(r.denominator)), Text(220, 199, r.right)});
    }
  } else {
    s.push_back(Line(15, 140, 425, 140, 7));
    for (int x = 20; x <= 420; x += 20) s.push_back(Line(x, 133, x, 140, 7));
    for (int x = 20; x <= 420; x += 100) s.push_back(Line(x, 123, x, 140, 7));
    Append(s, {Text(15, 105, "2"), Text(215, 105, "3"), Text(415, 105, "4"),
               Text(113, 140, "↑"), Text(189, 140, "↑"), Text(253, 140, "↑"), Text(333, 140, "↑"),
               Text(115, 157, "A"), Text(191, 157, "B"), Text(255, 157, "C"), Text(335, 157, "D"),
               Print(8, 10, "次の数は上の数直線に書き入れるとA,B,C,Dのどれになりますか｡"), Print(30, 12, kHint)});
    if (n == 9) {
      s.push_back(PrintNumber(20, 11, 3.2f));
    } else {
      Append(s, {PrintNumber(20, 11, static_cast<float>(r.numerator)),
                 PrintNumber(20, 12, static_cast<float>(r.denominator)),
                 n == 7 ? Text(150, 219, "2 ─") : Text(169, 219, "─")});
    }
  }
  return p;
}

// ----- page 4 ------------------------------------------------------------------------

struct Row4 {
  const char* left;  // OneBoxAnswer: the question's left-hand text
  const char* a;
  const char* b;
  const char* c;     // nullptr: boxes A and B of FORM11
};

Problem FractionProblem(int n, const Row4& r) {
  Problem p;
  p.expected = {r.a, r.b};
  if (r.c) p.expected.push_back(r.c);
  p.answer_label = false;
  Steps& s = p.setup;
  Append(s, {SetExpected(kOneBoxAnswer, r.left), Print(0, 4, ProblemLabel(n)),
             Print(0, 5, "次の小数や整数をできるだけかんたんな分数で表すとどうなりますか｡"),
             Print(0, 6, "□にあてはまる数字を答えなさい｡"), Print(0, 8, r.left)});
  if (!r.c) {
    Append(s, {Print(10, 8, "─"), Text(80, 141, "□"), Text(80, 162, "□"),
               Font(13), Text(84, 143, "A"), Text(84, 164, "B"), Font(16),
               ShowClearedBar("FORM11", {{80, 3, "答え A"}, {280, 3, "B"}})});
  } else {
    Append(s, {Print(8, 8, "□─"), Text(80, 141, "□"), Text(80, 162, "□"),
               Font(13), Text(69, 154, "A"), Text(84, 143, "B"), Text(84, 164, "C"), Font(16),
               ShowClearedBar("FORM12", {{58, 3, "答え A"}, {248, 3, "B"}, {401, 3, "C"}})});
  }
  return p;
}

struct Row4Order {
  const char* answer;       // OneBoxAnswer
  const char* middle;       // ExpectedAnswer2: (い)
  const char* numerators;   // ExpectedAnswer3: of (あ) and (う)
  const char* alt;          // ExpectedAnswerAlt, also right
  const char* denominators; // FigureText
};

Problem OrderProblem(int n, const Row4Order& r) {
  Problem p;
  p.also_expected = {kExpectedAnswerAlt};
  Steps& s = p.setup;
  Append(s, {SetExpected(kOneBoxAnswer, r.answer), SetExpected(1, r.middle), SetExpected(2, r.numerators),
             SetExpected(kExpectedAnswerAlt, r.alt), Print(0, 5, ProblemLabel(n)),
             Print(0, 9, "上の(あ)(い)(う)の数を小さい順にならべると次のA,B,Cのどれになりますか｡"),
             Print(0, 10, "A---(あ),(い),(う)    B---(う),(い),(あ)    C---(あ),(う),(い)"),
             Print(5, 6, "(あ)  ─                    (う)  ─")});
  if (n == 7) s.push_back(Print(9, 6, "4"));
  Append(s, {Print(18, 6, r.middle), Text(40, 104, r.numerators), Text(40, 125, r.denominators)});
  return p;
}

}  // namespace

PracticePage Practice1() {
  PracticePage pp{.problem_slot = 0};
  pp.label_x = 78;
  pp.blank_warning = false;
  pp.reward = "やったね!パスワードは 植物(しょくぶつ) だよ!";
  pp.reward_col = 1;
  pp.strip_y1 = 315;
  pp.strip_y2 = 422;
  pp.praise_col = 10;
  pp.praise_row = 17;
  // A wrong answer prints over what stands; the lead, then the paragraph to read.
  pp.wrong_erases_strip = false;
  pp.hint_lead = "分数を小数に直すんだよ!";
  pp.hint_lead_col = 0;
  pp.hint_lead_row = 17;
  pp.hint_lead_color = 2;
  const Row2 rows[] = {
      {6, 5, nullptr, "1.2", nullptr},  {31, 12, nullptr, "2.58", nullptr}, {7, 9, nullptr, "2.78", nullptr},
      {4, 5, "0.7", "1", nullptr},      {0, 0, nullptr, "3", nullptr},      {3, 8, "0.4", "2", nullptr},
      {7, 8, nullptr, "B", "b"},        {15, 6, nullptr, "A", "a"},         {0, 0, nullptr, "C", "c"},
      {18, 5, nullptr, "D", "d"},
  };
  int n = 0;
  for (const Row2& r : rows) pp.problems.push_back(Problem2(++n, r));
  pp.hints = {
      {1, 3, {}, "わからない時は1ページのだん落2を見れば答えがわかるよ!", 23, 17},
      {4, 10, {}, "わからない時は1ページのだん落3を見れば答えがわかるよ!", 23, 17},
  };
  return pp;
}

PracticePage Practice2() {
  PracticePage pp{.problem_slot = 1};
  pp.label_x = 78;
  pp.blank_warning = false;
  pp.reward = "やったね!パスワードは 満月(まんげつ) だよ!";
  pp.reward_col = 5;
  pp.strip_y1 = 334;
  pp.strip_y2 = 420;
  pp.praise_col = 28;
  pp.praise_row = 18;
  const Row4 fractions[] = {
      {"   0.2 =", "1", "5", nullptr}, {"  0.36 =", "9", "25", nullptr}, {"1.25 =", "1", "1", "4"},
      {"     5 =", "5", "1", nullptr}, {"4.15 =", "4", "3", "20"},
  };
  const Row4Order orders[] = {
      {"C", "(い) 0.25", "      1                           2", "c", "      5                           9"},
      {"B", "(い) 4.6", "      5                           41", "b", "      8                           9"},
      {"A", "(い) 4", "      23                          31", "a", "      6                           7"},
  };
  int n = 0;
  for (const Row4& r : fractions) pp.problems.push_back(FractionProblem(++n, r));
  for (const Row4Order& r : orders) pp.problems.push_back(OrderProblem(++n, r));
  const std::string reduce = "答えは約分して一番かんたんな分数にしよう!";
  const std::string page3 = "そうかな?わからない時は3ページのだん落";
  const std::string page1 = "分数を小数に直してみて!わからない時は1ページのだん落";
  const std::string tail = "を見れば答えがわかるよ!";
  pp.hints = {
      // Unreduced forms of the answer.
      {2, 2, {"36", "100"}, reduce, 10, 18},
      {1, 1, {"2", "10"}, reduce, 10, 18},
      {2, 2, {"18", "50"}, reduce, 10, 18},
      {3, 3, {"1", "25", "100"}, reduce, 10, 18},
      {3, 3, {"1", "5", "20"}, reduce, 10, 18},
      {5, 5, {"4", "15", "100"}, reduce, 10, 18},
      // Otherwise by the problem.
      {1, 2, {}, page3 + "1" + tail, 0, 18},
      {3, 3, {}, page3 + "2" + tail, 0, 18},
      {5, 5, {}, page3 + "2" + tail, 0, 18},
      {4, 4, {}, "5は1分の1の位が5つあると考えよう!", 10, 18},
      {6, 6, {}, page1 + "2" + tail, 0, 18},
      {8, 8, {}, page1 + "2" + tail, 0, 18},
      {7, 7, {}, page1 + "3" + tail, 0, 18},
  };
  return pp;
}

}  // namespace ham::lessons::number_comparison
