// Practice pages 2 and 5 of the multiples lesson.
#include <string>

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/multiples/lesson.h"

namespace ham::lessons::multiples {

using namespace ham::frame;

namespace {


// The three-box bar over FORM7, with its label.
void AnswerInThreeBoxes(Problem& p) {
  p.setup.push_back(ShowBar("FORM10", {{90, 3, "答え"}}));
  p.answer_label = false;
}

}  // namespace

// Page 2 "練習1": the first three multiples of a number, then the multiple
// of 8 nearest to 100.
PracticePage Practice1() {
  PracticePage pp{.problem_slot = 0};
  pp.reward = "やったね!パスワードは 冒険(ぼうけん) だよ!";
  struct Row { float operand; const char* a; const char* b; const char* c; };
  const Row rows[] = {
      {4, "4", "8", "12"},  {7, "7", "14", "21"},  {9, "9", "18", "27"}, {5, "5", "10", "15"},
      {2, "2", "4", "6"},   {11, "11", "22", "33"}, {8, "8", "16", "24"},
  };
  int k = 0;
  for (const Row& r : rows) {
    Problem p;
    p.expected = {r.a, r.b, r.c};
    p.setup = {
        SetOperand(r.operand),
        Print(0, 8, "(" + std::to_string(++k) + ")"),
        PrintNumber(4, 8, r.operand, 7),
        Print(7, 8, "の倍数を小さい方から順に3つ書きなさい｡"),
    };
    AnswerInThreeBoxes(p);
    pp.problems.push_back(std::move(p));
  }
  Problem nearest;
  nearest.expected = {"96"};
  nearest.setup = {
      Print(0, 8, "(8)"),
      Print(4, 8, "100までの整数で100に一番近い8の倍数は何ですか｡"),
  };
  pp.problems.push_back(std::move(nearest));
  pp.hints = {
      {8, 8, {}, "100÷8=12あまり4 だから100の中に8は12回入るんだよ!", 10, 17},
      {0, 0, {}, "そうかな?1ページのだん落3を見れば答えがわかるよ!", 10, 17},
  };
  return pp;
}

// Page 5 "練習2": common multiples, least common multiples and the trains.
PracticePage Practice2() {
  PracticePage pp{.problem_slot = 1};
  pp.label_x = 74;
  pp.reward = "やったね!パスワードは 想像(そうぞう) だよ!";
  struct Row { const char* numbers; const char* a; const char* b; const char* c; };
  const Row common[] = {
      {"3と4", "12", "24", "36"},  {"6と9", "18", "36", "54"},   {"4と5", "20", "40", "60"},
      {"12と9", "36", "72", "108"}, {"4と8", "8", "16", "24"},    {"3と6", "6", "12", "18"},
      {"2,4,6", "12", "24", "36"}, {"6,8,12", "24", "48", "72"}, {"3,8,6", "24", "48", "72"},
  };
  int k = 0;
  for (const Row& r : common) {
    Problem p;
    p.expected = {r.a, r.b, r.c};
    p.setup = {
        Print(0, 8, "(" + std::to_string(++k) + ")"),
        Print(4, 8, r.numbers, 7),
        Print(10, 8, "の公倍数を小さい方から順に3つ答えなさい｡"),
    };
    AnswerInThreeBoxes(p);
    pp.problems.push_back(std::move(p));
  }
  struct Least { const char* question; const char* answer; };
  const Least least[] = {
      {"(10) 2と6", "6"}, {"(11) 4と6", "12"}, {"(12) 3,9,12", "36"}, {"(13) 4,8,6", "24"},
  };
  for (const Least& r : least) {
    Problem p;
    p.expected = {r.answer};
    p.setup = {
        Print(0, 8, r.question),
        Print(11, 8, "の最小公倍数は何ですか｡"),
    };
    pp.problems.push_back(std::move(p));
  }
  Problem trains;
  trains.expected = {"10", "36"};
  trains.setup = {
      Print(9, 8, "(14)"),
      Print(9, 9, "上り電車は9分おきに 下り電車は12分おきに発車します｡"),
      Print(9, 10, "10時に上り電車と下り電車が同時に発車しました｡"),
      Print(9, 11, "次に上り電車と下り電車が同時に発車するのは何時何分でしょう｡"),
      ShowBar("FORM9", {{90, 3, "答え"}, {204, 3, "時"}, {372, 3, "分"}}),
  };
  trains.answer_label = false;
  pp.problems.push_back(std::move(trains));
  pp.hints = {
      {1, 9, {}, "そうかな?3ページのだん落5と4ページのだん落3を見れば答えがわかるよ!", 0, 17},
      {14, 14, {}, "次の上り電車は10時9分に 下り電車は10時12分に発車するんだよ!", 10, 17},
      {0, 0, {}, "そうかな?4ページのだん落3を見れば答えがわかるよ!", 0, 17},
  };
  return pp;
}

}  // namespace ham::lessons::multiples
