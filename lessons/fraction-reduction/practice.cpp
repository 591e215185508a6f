// Practices of the fraction reduction lesson: page 3 (the letter of the equal
// fraction) and page 4 (the reduced fraction in boxes A and B).
#include <cctype>

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/fraction-reduction/lesson.h"

namespace ham::lessons::fraction_reduction {

using namespace ham::frame;

namespace {

std::string Small(const std::string& letter) {
  std::string s = letter;
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

constexpr int kLetterPage = 3;

}  // namespace

bool OneBoxRight(const Frame& f) {
  const FrameState& s = f.state();
  const std::string& typed = s.TypedAnswer[0];
  const std::string& expected = s.ExpectedAnswer[0];
  if (s.CurrentPage == kLetterPage) return typed == expected || typed == Small(expected);
  return typed == expected;
}

PracticePage Practice1() {
  PracticePage pp{.problem_slot = 0};
  pp.label_x = 78;
  pp.reward = "やったね!パスワードは 努力(どりょく) だよ!";
  pp.reward_col = 5;
  pp.blank_warning = false;
  pp.strip_y1 = 322;
  pp.strip_y2 = 465;
  pp.praise_col = 28;
  pp.praise_row = 17;
  pp.end_hide = {"FORM3", "FORM7"};
  struct Choice {
    const char *numerator, *denominator;  // of the question
    const char *numerators, *denominators, *two_digit;  // lines of the choices
    const char* letter;
  };
  // The denominators line and the line of two-digit denominators, drawn 4
  // units further left, together stand under the numerators.
  const Choice choices[] = {
      {"2", "3", "1     2     4", "2     5     6", "", "C"},
      {"1", "5", "3     3     2", "6           8", "      15", "B"},
      {"1", "4", "5     6     3", "            9", "20    12", "A"},
      {"3", "7", "2     5     9", "", "14    16    21", "C"},
  };
  int n = 0;
  for (const Choice& c : choices) {
    Problem p;
    p.expected = {c.letter};
    p.setup = {Print(0, 4, ProblemLabel(++n)),
               Print(4, 4, "次の分数と同じ大きさの分数を下のA,B,Cの中からえらんで記号で答えなさい｡"),
               Text(89, 127, c.numerator),
               Text(89, 147, c.denominator),
               Text(85, 138, "―"),
               Text(50, 240, "(A)―,(B)―,(C)―"),
               Text(78, 229, c.numerators),
               Text(78, 249, c.denominators),
               Text(74, 249, c.two_digit)};
    pp.problems.push_back(std::move(p));
  }
  pp.hints = {{0, 0, {}, "そうかな?わからない時は1ページのだん落1を見れば答えがわかるよ!", 0, 17}};
  return pp;
}

PracticePage Practice2() {
  PracticePage pp{.problem_slot = 1};
  pp.reward = "やったね!パスワードは 天文台(てんもんだい) だよ!";
  pp.reward_col = 2;
  pp.blank_warning = false;
  pp.strip_y1 = 333;
  pp.strip_y2 = 490;
  pp.praise_col = 10;
  pp.praise_row = 18;
  pp.end_hide = {"FORM3", "FORM7", "FORM9"};
  // The question's numbers live in the steps alone: page 3's problem
  // number is never borrowed to hold the denominator.
  struct Reduction {
    float numerator, denominator;
    const char *a, *b;  // expected in boxes A and B
  };
  const Reduction reductions[] = {
      {2, 6, "1", "3"},  {4, 12, "1", "3"}, {15, 36, "5", "12"}, {8, 16, "1", "2"}, {20, 30, "2", "3"},
      {7, 21, "1", "3"}, {6, 18, "1", "3"}, {12, 16, "3", "4"},  {36, 60, "3", "5"}, {9, 18, "1", "2"},
  };
  int n = 0;
  for (const Reduction& r : reductions) {
    Problem p;
    p.expected = {r.a, r.b};
    p.answer_label = false;  // the labels stand on FORM9
    p.setup = {Print(0, 8, ProblemLabel(++n)),
               Print(4, 8, "次の分数を約分しなさい｡(分子をAらんに、分母をBらんに答えなさい｡)"),
               PrintNumber(10, 10, r.numerator),
               PrintNumber(10, 11, r.denominator),
               Line(80, 208, 107, 208, 7),
               ShowBar("FORM9", {{60, 3, "答え"}, {100, 3, "A"}, {244, 3, "B"}})};
    pp.problems.push_back(std::move(p));
  }
  // A correct but unfinished reduction is told which divisor still divides
  // both numbers; problems 3 and 6 name the divisor for any wrong answer.
  auto still = [](int problem, const char* a, const char* b, const char* divisor) {
    return Hint{problem, problem, {a, b}, std::string("まだ分子と分母が") + divisor + "でわれるよ!", 0, 18};
  };
  auto always = [](int problem, const char* divisor) {
    return Hint{problem, problem, {}, std::string("この問題は分子と分母が") + divisor + "でわり切れそうよ!", 0, 18};
  };
  pp.hints = {
      still(2, "2", "6", "2"),   always(3, "3"),           still(4, "4", "8", "4"),  still(4, "2", "4", "2"),
      still(5, "10", "15", "5"), still(5, "4", "6", "2"),  always(6, "7"),           still(7, "3", "9", "3"),
      still(7, "2", "6", "2"),   still(8, "6", "8", "2"),  still(9, "18", "30", "6"), still(9, "9", "15", "3"),
      still(9, "12", "20", "4"), still(9, "6", "10", "2"), still(10, "3", "6", "3"),
      {0, 0, {}, "分子と分母を同じ数でわらなきゃダメよ!", 0, 18},
  };
  return pp;
}

}  // namespace ham::lessons::fraction_reduction
