// Practices of the fraction add-sub lesson: page 3 (equal fractions, common
// denominators) and page 4 (adding and subtracting), answered in the two-,
// three- and four-box bars over the one-box bar.
#include "lessons/fraction-add-sub/lesson.h"

#include "frame/frame.h"
#include "frame/templates.h"

namespace ham::lessons::fraction_add_sub {

using namespace ham::frame;

namespace {

// The question's two lines kept for the one-box OK, then printed.
void QuestionLines(Steps& s, int col, const std::string& numerators, const std::string& denominators) {
  s.push_back(Call([numerators, denominators](Frame& f) {
    f.state().ExpectedAnswer[kNumeratorLine] = numerators;
    f.state().ExpectedAnswer[kDenominatorLine] = denominators;
  }));
  s.push_back(Print(col, 7, numerators));
  s.push_back(Print(col, 8, denominators));
}

void TwoBoxBar(Steps& s) {
  s.push_back(ShowBar("FORM9", {{60, 3, "答え"}, {100, 3, "A"}, {244, 3, "B"}}));
}

void ThreeBoxBar(Steps& s) {
  s.push_back(ShowBar("FORM10", {{64, 3, "答え A"}, {216, 3, "B"}, {328, 3, "C"}}));
}

void FourBoxBar(Steps& s) {
  s.push_back(ShowBar("FORM11", {{40, 3, "答え A"}, {176, 3, "B"}, {272, 3, "C"}, {368, 3, "D"}}));
}

// ----- page 3 -----

struct EqualFractions {
  std::string numerators, denominators;
  std::vector<std::string> expected;
};

Problem Practice1Problem(int n, const EqualFractions& q) {
  Problem p;
  p.expected = q.expected;
  Steps& s = p.setup;
  s.push_back(Print(0, 4, ProblemLabel(n)));
  if (n <= 5) {
    s.push_back(Print(4, 5, "次の□にあてはまる数は何ですか｡"));
    QuestionLines(s, 4, q.numerators, q.denominators);
    if (n <= 3) {
      s.insert(s.end(), {Font(23), Text(29, 138, "－ ="), Text(85, 138, "－"), Font(16)});
    } else {
      s.insert(s.end(), {Font(22), Text(29, 138, "－ = － = －"), Font(13), Text(92, 153, "A"),
                         Text(148, 134, "B"), Font(16)});
      TwoBoxBar(s);
      p.answer_label = false;
    }
  } else {
    s.push_back(Print(4, 5, "次の分数を通分しなさい｡(答えのA,B,C,Dに当てはまる数を答えなさい｡)"));
    QuestionLines(s, 5, q.numerators, q.denominators);
    s.insert(s.end(), {Font(21), Text(18, 140, "（－ ,   ）"), Text(89, 138, "－"), Font(16),
                       Text(18, 240, "答え（－ , －）"), Text(70, 229, "A    B"), Text(70, 248, "C    D")});
    FourBoxBar(s);
    p.answer_label = false;
  }
  return p;
}

// ----- page 4 -----

struct Sum {
  std::string figure;
  double fx;
  std::vector<std::pair<std::string, std::pair<double, double>>> letters;
  std::string numerators, denominators;
  std::vector<std::string> expected;
};

Problem Practice2Problem(int n, const Sum& q) {
  Problem p;
  p.expected = q.expected;
  p.answer_label = false;
  Steps& s = p.setup;
  s.push_back(Print(0, 4, ProblemLabel(n)));
  s.push_back(Print(4, 4, "次の計算をして□にあてはまる数字を答えなさい｡"));
  QuestionLines(s, 4, q.numerators, q.denominators);
  // The figure in the font size left by the drawing before.
  s.push_back(Text(q.fx, 141, q.figure));
  s.push_back(Font(13));
  for (const auto& [letter, at] : q.letters) s.push_back(Text(at.first, at.second, letter));
  s.push_back(Font(16));
  if (q.expected.size() == 2) TwoBoxBar(s);
  else ThreeBoxBar(s);
  return p;
}

Problem WireProblem() {
  Problem p;
  p.expected = {"3", "4"};
  p.answer_label = false;
  p.setup = {Print(0, 6, ProblemLabel(9)),
             Print(0, 8, "1－mのはりがねがあります｡きょう－m使いました｡残りは何mでしょう｡"),
             Print(0, 10, "(答えのA,Bにあてはまる数字を答えなさい｡)"),
             Text(12, 141, "1" + Blanks(29) + "1"),
             Text(12, 160, "4" + Blanks(29) + "2"),
             Print(12, 15, "答え ─ m"),
             Text(136, 274, "□"),
             Text(136, 294, "□"),
             Font(13),
             Text(141, 275, "A"),
             Text(141, 294, "B"),
             Font(16)};
  TwoBoxBar(p.setup);
  return p;
}

Problem JuiceProblem() {
  Problem p;
  p.expected = {"1", "1", "30"};
  p.answer_label = false;
  p.setup = {Print(0, 4, ProblemLabel(10)),
             Print(0, 6, "きよし君はジュースを－リットル飲みましたがまだ－リットル残っています｡はじめに"),
             Print(0, 8, "ジュースは何リットルあったのでしょう｡(A,B,Cにあてはまる数字を答えなさい｡)"),
             Text(164, 104, "1" + Blanks(25) + "5"),
             Text(164, 122, "5" + Blanks(25) + "6"),
             Print(10, 10, "答え □－リットル"),
             Text(136, 179, "□"),
             Text(136, 199, "□"),
             Font(13),
             Text(125, 192, "A"),
             Text(141, 180, "B"),
             Text(141, 199, "C"),
             Font(16)};
  ThreeBoxBar(p.setup);
  return p;
}

}  // namespace

PracticePage Practice1() {
  PracticePage pp{.problem_slot = 0};
  pp.label_x = 78;
  pp.reward = "やったね!パスワードは 挑戦(ちょうせん) だよ!";
  pp.strip_y1 = 322;
  pp.strip_y2 = 465;
  pp.praise_col = 28;
  pp.praise_row = 17;
  pp.blank_warning = false;
  pp.wrong_erases_strip = false;
  pp.end_hide = {"FORM3", "FORM7", "FORM9", "FORM11"};
  const EqualFractions table[] = {
      {"2" + Blanks(6) + "□", "9" + Blanks(6) + "18", {"4"}},
      {"1" + Blanks(6) + "2", "3" + Blanks(6) + "□", {"6"}},
      {"3" + Blanks(6) + "□", "12" + Blanks(5) + "4", {"1"}},
      {" 4" + Blanks(5) + "2" + Blanks(6) + "□", "12" + Blanks(5) + "□" + Blanks(5) + "3", {"6", "1"}},
      {" 3" + Blanks(5) + "12" + Blanks(5) + "□", " 6" + Blanks(5) + "□" + Blanks(5) + "8", {"24", "4"}},
      {" 5" + Blanks(5) + "1", " 6" + Blanks(5) + "3", {"5", "2", "6", "6"}},
      {" 5" + Blanks(5) + "2", "12" + Blanks(5) + "9", {"15", "8", "36", "36"}},
      {" 1" + Blanks(5) + "3", " 6" + Blanks(5) + "8", {"4", "9", "24", "24"}},
      {" 2" + Blanks(5) + "1", " 3" + Blanks(5) + "8", {"16", "3", "24", "24"}},
      {" 1" + Blanks(5) + "3", " 6" + Blanks(5) + "4", {"2", "9", "12", "12"}},
  };
  for (int n = 1; n <= 10; ++n) pp.problems.push_back(Practice1Problem(n, table[n - 1]));
  // Problems 6 to 10: the sentence's end first, then the lead-in naming
  // the two denominators before it.
  const char* const lead_in[] = {"まず分母を 6と3", "まず分母を12と9", "まず分母を 6と8", "まず分母を 3と8",
                                 "まず分母を 6と4"};
  pp.hints.push_back({1, 5, {}, "計算まちがいしてない?わからない時は1ページのだん落1を見れば答えがわかるよ!", 0, 17});
  for (int n = 6; n <= 10; ++n) {
    Hint h{n, n, {}, "の最小公倍数にそろえるんだよ!", 25, 17};
    h.steps = {Print(10, 17, lead_in[n - 6])};
    pp.hints.push_back(std::move(h));
  }
  return pp;
}

PracticePage Practice2() {
  PracticePage pp{.problem_slot = 0};
  pp.reward = "やったね!パスワードは 季節(きせつ) だよ!";
  pp.strip_y1 = 340;
  pp.strip_y2 = 466;
  pp.praise_col = 28;
  pp.praise_row = 18;
  pp.blank_warning = false;
  pp.end_hide = {"FORM3", "FORM7", "FORM9", "FORM10"};
  using L = std::vector<std::pair<std::string, std::pair<double, double>>>;
  const L fraction = {{"B", {148, 153}}, {"A", {148, 134}}};
  const L mixed = {{"A", {148, 145}}, {"C", {163, 153}}, {"B", {163, 134}}};
  const L mixed2 = {{"A", {158, 145}}, {"C", {173, 153}}, {"B", {173, 134}}};
  const L mixed3 = {{"A", {157, 145}}, {"C", {173, 153}}, {"B", {173, 134}}};
  const std::string five = Blanks(5), six = Blanks(6), seven = Blanks(7);
  const Sum table[] = {
      {"―  +  ―  =  ―", 32, fraction, "１" + five + "１" + five + "□", "２" + five + "３" + five + "□", {"5", "6"}},
      {"―  -  ―  =  ―", 32, fraction, "５" + five + "２" + five + "□", "６" + five + "３" + five + "□", {"1", "6"}},
      {"―  +  ―  =  □―", 32, mixed, "１" + five + "３" + seven + "□", "３" + five + "４" + seven + "□",
       {"1", "1", "12"}},
      {"―  -  ―  =  ―", 32, fraction, "４" + five + "１" + five + "□", "５" + five + "２" + five + "□", {"3", "10"}},
      {"2―  +  1―  =  □―", 25, mixed2, "１" + six + "５" + seven + "□", "４" + six + "６" + seven + "□",
       {"4", "1", "12"}},
      {"3―  -  1―  =  □―", 25, mixed2, "３" + six + "１" + seven + "□", "７" + six + "３" + seven + "□",
       {"2", "2", "21"}},
      {"4―  -  2―  =  □―", 25, mixed3, "１" + six + "３" + seven + "□", "６" + six + "９" + seven + "□",
       {"1", "5", "6"}},
      {"3―  -  2―  =  ―", 22, {{"B", {155, 153}}, {"A", {155, 134}}}, "１" + six + "３" + five + "□",
       "６" + six + "14" + five + "□", {"20", "21"}},
  };
  for (int n = 1; n <= 8; ++n) pp.problems.push_back(Practice2Problem(n, table[n - 1]));
  pp.problems.push_back(WireProblem());
  pp.problems.push_back(JuiceProblem());
  // Two results left unreduced are told apart from a miscalculation.
  const std::string reduce = "約分して一番かんたんな分数にしよう!";
  Hint seven_unreduced{7, 7, {"1", "15", "18"}, reduce, 10, 18};
  seven_unreduced.typed_from = kTypedA;  // the three-box bar's strings
  pp.hints.push_back(std::move(seven_unreduced));
  pp.hints.push_back({8, 8, {"40", "42"}, reduce, 10, 18});
  pp.hints.push_back({0, 0, {}, "計算まちがいしてない?まず通分してから計算するんだよ!", 0, 18});
  return pp;
}

}  // namespace ham::lessons::fraction_add_sub
