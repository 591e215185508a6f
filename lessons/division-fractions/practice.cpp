// The practice pages: page 2 (quotients as fractions) and page 4 (times as
// fractions).
#include <string>
#include <vector>

#include "frame/templates.h"
#include "lessons/division-fractions/lesson.h"

namespace ham::lessons::division_fractions {

using namespace ham::frame;

namespace {

// ExpectedAnswer slots of boxes A, B and C, compared on the page as it
// gives them: page 4 keeps its second and third strings apart from page 2's.
const std::vector<int> kBoxes2 = {0, 1, 2};
const std::vector<int> kBoxes4 = {0, 3, 4};

const char* const kAsk = "□にあてはまる数字を答えなさい｡";

// The expected strings of boxes A, B (and C) into the page's slots.
Step Expect(const std::vector<int>& slots, std::vector<std::string> texts) {
  return Call([slots, texts](Frame& f) {
    for (std::size_t i = 0; i < texts.size(); ++i)
      f.state().ExpectedAnswer[static_cast<std::size_t>(slots[i])] = texts[i];
  });
}

// A letter of an answer figure at font size 13.
void Letter(Steps& s, double x, double y, const char* letter) {
  s.push_back(Font(13));
  s.push_back(Text(x, y, letter));
  s.push_back(Font(16));
}

// The answer bar over FORM7: two boxes A and B, or three boxes A, B and C.
Step AnswerBar(bool three) {
  if (three) return ShowClearedBar("FORM12", {{58, 3, "答え A"}, {248, 3, "B"}, {401, 3, "C"}});
  return ShowClearedBar("FORM11", {{80, 3, "答え A"}, {280, 3, "B"}});
}

PracticePage Common(int problem_slot, const char* reward) {
  PracticePage pp{.problem_slot = problem_slot};
  pp.reward = reward;
  pp.blank_warning = false;
  pp.praise_row = 18;
  return pp;
}

// The reduce hint of a problem: chosen when the typed boxes read the
// unreduced answer.
Hint Reduce(std::vector<std::string> typed, const char* text, int col) {
  Hint h;
  h.typed = std::move(typed);
  h.text = text;
  h.col = col;
  h.row = 18;
  return h;
}

Hint Always(const char* text, int col) {
  Hint h;
  h.text = text;
  h.col = col;
  h.row = 18;
  return h;
}

}  // namespace

PracticePage Practice1() {
  PracticePage pp = Common(0, "やったね!パスワードは 天気(てんき) だよ!");
  pp.answer_slots = kBoxes2;
  pp.strip_y1 = 330;
  pp.strip_y2 = 422;
  pp.praise_col = 10;
  struct Row {
    int dividend, divisor;
    std::vector<std::string> expected, reduce;
  };
  const Row rows[] = {
      {1, 5, {"1", "5"}, {}},
      {6, 7, {"6", "7"}, {}},
      {4, 5, {"4", "5"}, {}},
      {2, 8, {"1", "4"}, {"2", "8"}},
      {6, 9, {"2", "3"}, {"6", "9"}},
      {9, 8, {"1", "1", "8"}, {}},
      {13, 4, {"3", "1", "4"}, {}},
      {12, 8, {"1", "1", "2"}, {"1", "4", "8"}},
      {28, 6, {"4", "2", "3"}, {"4", "4", "6"}},
      {33, 9, {"3", "2", "3"}, {"3", "6", "9"}},
  };
  int n = 0;
  for (const Row& r : rows) {
    ++n;
    bool mixed = n > 5;
    Problem p;
    p.answer_label = false;
    Steps& s = p.setup;
    s.push_back(Expect(pp.answer_slots, r.expected));
    s.push_back(Print(0, 6, "(" + std::to_string(n) + ")"));
    s.push_back(Print(0, 7, "次のわり算の商を分数で答えると□にあてはまる数は何になりますか｡"));
    s.push_back(PrintNumber(8, 11, static_cast<float>(r.dividend)));
    s.push_back(Print(13, 11, "÷"));
    // Printed from the table: page 4's problem number never holds it.
    s.push_back(PrintNumber(17, 11, static_cast<float>(r.divisor)));
    if (!mixed) {
      s.push_back(Print(20, 11, "＝ ─"));
      s.push_back(Text(184, 198, "□"));
      Letter(s, 189, 201, "A");
      s.push_back(Text(184, 219, "□"));
      Letter(s, 189, 221, "B");
    } else {
      s.push_back(Print(20, 11, "＝ □─"));
      Letter(s, 189, 211, "A");
      s.push_back(Text(200, 198, "□"));
      Letter(s, 205, 201, "B");
      s.push_back(Text(200, 219, "□"));
      Letter(s, 205, 221, "C");
    }
    s.push_back(AnswerBar(mixed));
    if (!r.reduce.empty()) p.hints.push_back(Reduce(r.reduce, "商は約分して一番かんたんな分数にしよう!", 0));
    pp.problems.push_back(std::move(p));
  }
  pp.hints = {Always("計算まちがいしてない?わからない時は1ページのだん落2を見れば答えがわかるよ!", 0)};
  return pp;
}

PracticePage Practice2() {
  PracticePage pp = Common(1, "やったね!パスワードは 勇気(ゆうき) だよ!");
  pp.answer_slots = kBoxes4;
  pp.strip_y1 = 324;
  pp.strip_y2 = 420;
  pp.praise_col = 28;
  enum Group { kTime, kRibbon, kForty };
  enum Figure { kFraction, kMixed, kDivision };
  struct Row {
    Group group;
    int label_col;
    const char* quantity;
    const char* text;  // unit text, or the sentence
    const char* before;  // printed at row 8, column 13 before the figure
    Figure figure;
    std::vector<std::string> expected, reduce;
    const char* hint;
  };
  const char* const h1 = "そうかな?3ページのだん落2を見れば答えがわかるよ!";
  const char* const h2 = "そうかな?3ページのだん落3を見れば答えがわかるよ!";
  const char* const h3 = "そうかな?1ページのだん落1を見れば答えがわかるよ!";
  const char* const h4 = "そうかな?1ページのだん落2を見れば答えがわかるよ!";
  const char* const h5 = "60を分母にもってくるのと60でわるのとは同じことなんだよ!";
  const Row rows[] = {
      {kTime, 4, "     23分", "時間", "", kFraction, {"23", "60"}, {}, h1},
      {kTime, 4, "     25分", "時間", "", kFraction, {"5", "12"}, {"25", "60"}, h1},
      {kTime, 0, "4時間50分", "時間", "", kMixed, {"4", "5", "6"}, {"4", "50", "60"}, h2},
      {kTime, 4, "     11秒", "  分", "", kFraction, {"11", "60"}, {}, h2},
      {kTime, 4, "     20秒", "  分", "", kFraction, {"1", "3"}, {"20", "60"}, h2},
      {kTime, 4, "     90秒", "  分", "", kMixed, {"1", "1", "2"}, {"1", "30", "60"}, h2},
      {kRibbon, 0, "", "一人分の長さを求める式は次の通りです｡", "", kDivision, {"5", "3"}, {}, h3},
      {kRibbon, 0, "", "一人分の長さは次の通りです｡", "m", kMixed, {"1", "2", "3"}, {}, h4},
      {kForty, 0, "", "40分を時間に直す式は次の通りです｡", "", kDivision, {"40", "60"}, {}, h5},
      {kForty, 0, "", "40分を時間に直すと次の通りです｡", "時間", kFraction, {"2", "3"}, {"40", "60"}, h1},
  };
  int n = 0;
  for (const Row& r : rows) {
    ++n;
    Problem p;
    p.answer_label = false;
    Steps& s = p.setup;
    s.push_back(Expect(pp.answer_slots, r.expected));
    s.push_back(Print(r.label_col, 4, "(" + std::to_string(n) + ")"));
    if (r.group == kTime) {
      s.push_back(Print(10, 5, "を分数を使って    で表すと次の通りです｡"));
      s.push_back(Print(6, 6, kAsk));
      s.push_back(Print(1, 5, r.quantity));
      s.push_back(Print(24, 5, r.text));
      s.push_back(Print(13, 8, r.text));
    } else {
      s.push_back(Print(5, 4, r.group == kRibbon ? "5mのリボンを3人で分けます｡次の問いに答えなさい｡"
                                                : "40分を分数を使って時間で表します｡次の問いに答えなさい｡"));
      s.push_back(Print(5, 5, r.text));
      s.push_back(Print(5, 6, kAsk));
      if (*r.before) s.push_back(Print(13, 8, r.before));
    }
    switch (r.figure) {
      case kFraction:
        s.push_back(Print(10, 8, "─"));
        s.push_back(Text(80, 141, "□"));
        Letter(s, 84, 143, "A");
        s.push_back(Text(80, 162, "□"));
        Letter(s, 84, 164, "B");
        break;
      case kMixed:
        s.push_back(Print(8, 8, "□─"));
        Letter(s, 69, 154, "A");
        s.push_back(Text(80, 141, "□"));
        Letter(s, 84, 143, "B");
        s.push_back(Text(80, 162, "□"));
        Letter(s, 84, 164, "C");
        break;
      case kDivision:
        s.push_back(Print(10, 8, "□ ÷ □"));
        s.push_back(Font(13));
        s.push_back(Text(85, 154, "A"));
        s.push_back(Text(133, 154, "B"));
        s.push_back(Font(16));
        break;
    }
    s.push_back(AnswerBar(r.figure == kMixed));
    if (!r.reduce.empty()) p.hints.push_back(Reduce(r.reduce, "答えは約分して一番かんたんな分数にしよう!", 10));
    p.hints.push_back(Always(r.hint, 10));
    pp.problems.push_back(std::move(p));
  }
  return pp;
}

}  // namespace ham::lessons::division_fractions
