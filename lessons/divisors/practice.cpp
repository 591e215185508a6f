// The practice pages of the divisors lesson, answered in the one-box bar.
#include "frame/templates.h"
#include "lessons/divisors/lesson.h"

namespace ham::lessons::divisors {

using namespace ham::frame;

// Page 3 "練習1": all divisors of a number.
PracticePage Practice1() {
  PracticePage pp{.problem_slot = 0};
  pp.reward = "やったね!パスワードは 海岸(かいがん) だよ!";
  struct Row { float operand; const char* expected; const char* label; };
  const Row rows[] = {
      {15, "1 3 5 15", "(1)     (ヒント･･･答えは4つあるよ｡)"},
      {12, "1 2 3 4 6 12", "(2)     (ヒント･･･答えは6つあるよ｡)"},
      {27, "1 3 9 27", "(3)     (ヒント･･･答えは4つあるよ｡)"},
      {16, "1 2 4 8 16", "(4)     (ヒント･･･答えは5つあるよ｡)"},
      {18, "1 2 3 6 9 18", "(5)     (ヒント･･･答えは6つあるよ｡)"},
      {14, "1 2 7 14", "(6)     (ヒント･･･答えは4つあるよ｡)"},
      {30, "1 2 3 5 6 10 15 30", "(7)     (ヒント･･･答えは8つあるよ｡)"},
      {21, "1 3 7 21", "(8)     (ヒント･･･答えは4つあるよ｡)"},
      {24, "1 2 3 4 6 8 12 24", "(9)     (ヒント･･･答えは8つあるよ｡)"},
  };
  for (const Row& r : rows) {
    Problem p;
    p.expected = {r.expected};
    p.setup = {
        SetOperand(r.operand),
        Print(10, 8, r.label),
        PrintNumber(9, 9, r.operand, 7),
        Print(12, 9, "の約数を小さい方から順に全部書きなさい｡"),
        Print(9, 10, "(数字と数字の間は1コマ空けて答えなさい｡)"),
    };
    pp.problems.push_back(std::move(p));
  }
  pp.hints = {{0, 0, {}, "小さい順だよ!わからない時は2ページのだん落2を見れば答えがわかるよ!", 0, 17}};
  return pp;
}

// Page 5 "練習2": common divisors, greatest common divisors, one word problem.
PracticePage Practice2() {
  PracticePage pp{.problem_slot = 1};
  pp.label_x = 74;
  pp.reward = "やったね!パスワードは 工夫(くふう) だよ!";
  struct Row { const char* operand; const char* expected; const char* label; };
  const Row common[] = {
      {"9と18", "1 3 9", "(1)     (ヒント･･･答えは3つあるよ｡)"},
      {"10と30", "1 2 5 10", "(2)     (ヒント･･･答えは4つあるよ｡)"},
      {"36と60", "1 2 3 4 6 12", "(3)     (ヒント･･･答えは6つあるよ｡)"},
      {"6と18", "1 2 3 6", "(4)     (ヒント･･･答えは4つあるよ｡)"},
      {"36,12,24", "1 2 3 4 6 12", "(5)     (ヒント･･･答えは6つあるよ｡)"},
      {"16,24,8", "1 2 4 8", "(6)     (ヒント･･･答えは4つあるよ｡)"},
  };
  for (const Row& r : common) {
    Problem p;
    p.expected = {r.expected};
    p.setup = {
        SetWavFile(r.operand),
        Print(0, 8, r.label),
        Print(3, 9, r.operand, 7),
        Print(11, 9, "の公約数を全部書きなさい｡"),
        Print(3, 10, "(数字と数字の間は1コマ空けて答えなさい｡)"),
    };
    pp.problems.push_back(std::move(p));
  }
  const Row greatest[] = {
      {"10と15", "5", "(7)"},
      {"12と16", "4", "(8)"},
      {"24と32", "8", "(9)"},
      {"12,15,9", "3", "(10)"},
  };
  for (const Row& r : greatest) {
    Problem p;
    p.expected = {r.expected};
    p.setup = {
        SetWavFile(r.operand),
        Print(0, 9, r.label),
        Print(3, 10, r.operand),
        Print(11, 10, "の最大公約数は何ですか｡"),
    };
    pp.problems.push_back(std::move(p));
  }
  Problem word;
  word.expected = {"9"};
  word.setup = {
      Print(0, 8, "(11)"),
      Print(0, 9, "あめが27こ ガムが18こあります｡これをなるべく多くの子どもに"),
      Print(0, 10, "全員同じ数ずつあたる様に分けると何人に分けられるでしょう｡"),
  };
  pp.problems.push_back(std::move(word));
  pp.hints = {
      {1, 6, {}, "何かとばしてない?わからない時は4ページのだん落5を見れば答えがわかるよ!", 0, 17},
      {11, 11, {}, "この問題は27と18の最大公約数を求める問題だよ!", 10, 17},
      {7, 10, {}, "そうかな?わからない時は4ページのだん落3を見れば答えがわかるよ!", 10, 17},
  };
  return pp;
}

}  // namespace ham::lessons::divisors
