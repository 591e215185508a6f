// The practice pages of the even-odd lesson, each answered in the one-box bar.
#include <string>
#include <utility>
#include <vector>

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/even-odd/lesson.h"

namespace ham::lessons::even_odd {

using namespace ham::frame;

namespace {

PracticePage Common(int problem_slot) {
  PracticePage pp{.problem_slot = problem_slot};
  pp.label_x = 78;
  pp.praise_col = 28;
  pp.praise_row = 17;
  pp.strip_y1 = 322;
  return pp;
}

}  // namespace

// Page 2 "練習1": odd or even, and the smallest odd and largest even
// four-digit numbers.
PracticePage Practice1() {
  PracticePage pp = Common(0);
  pp.reward = "やったね!パスワードは 森林(しんりん) だよ!";
  pp.strip_y2 = 365;
  pp.right_lead = std::string(65, ' ');
  pp.right_lead_col = 10;
  pp.right_lead_row = 17;
  pp.blank_warning = false;
  const struct { float number; const char* expected; } numbers[] = {{4, "2"}, {71, "1"}, {935, "1"}, {590, "2"}};
  int n = 1;
  for (const auto& q : numbers) {
    Problem p;
    p.expected = {q.expected};
    p.setup = {
        Print(9, 6, ProblemLabel(n)),
        SetOperand(q.number),
        PrintNumber(9, 7, q.number, 7),
        Print(13, 7, "は 奇数ですか｡ぐう数ですか｡"),
        Print(10, 8, "奇数なら1､ぐう数なら2と答えなさい｡"),
    };
    pp.problems.push_back(std::move(p));
    ++n;
  }
  const struct { const char* question; const char* expected; const char* near; const char* hint; } words[] = {
      {"4けたの整数で一番小さい奇数は何ですか｡", "1001", "1000", "1000は奇数かな?"},
      {"4けたの整数で一番大きいぐう数は何ですか｡", "9998", "9999", "9999はぐう数かな?"},
  };
  for (const auto& q : words) {
    Problem p;
    p.expected = {q.expected};
    p.setup = {Print(9, 6, ProblemLabel(n)), Print(10, 7, q.question)};
    p.hints = {Hint{0, 0, {q.near}, q.hint, 20, 17}};
    pp.problems.push_back(std::move(p));
    ++n;
  }
  pp.hints = {{0, 0, {}, "そうかな? 2でわり切れたらぐう数 わり切れなかったら奇数だよ!", 10, 17}};
  return pp;
}

// Page 4 "練習2": is a calculation of even and odd numbers odd or even.
PracticePage Practice2() {
  PracticePage pp = Common(1);
  pp.reward = "やったね!パスワードは 音楽(おんがく) だよ!";
  pp.strip_y2 = 390;
  pp.blank_warning = false;
  // A wrong answer erases nothing: the page's lead, then the paragraph to see.
  pp.wrong_erases_strip = false;
  pp.hint_lead = "ちがうよ!3ページの";
  pp.hint_lead_col = 10;
  pp.hint_lead_row = 17;
  pp.hint_lead_color = 2;
  const struct { const char* expression; const char* expected; const char* see; } rows[] = {
      {"ぐう数 × 2", "2", "だん落3を見れば答えがわかるよ!"},
      {"ぐう数 ＋ 奇数", "1", "だん落2を見れば答えがわかるよ!"},
      {"奇数 × 4", "2", "だん落5を見れば答えがわかるよ!"},
      {"ぐう数 × 3", "2", "だん落3を見れば答えがわかるよ!"},
      {"奇数 × 5", "1", "だん落5を見れば答えがわかるよ!"},
  };
  int n = 1;
  for (const auto& r : rows) {
    Problem p;
    p.expected = {r.expected};
    p.setup = {
        SetWavFile(r.expression),
        Print(9, 6, ProblemLabel(n)),
        Color(7),
        Print(10, 7, "次の計算の結果は 奇数ですか｡ぐう数ですか｡"),
        Print(10, 8, "奇数なら1､ぐう数なら2と答えなさい｡"),
        Print(15, 10, r.expression),
    };
    p.hints = {Hint{0, 0, {}, r.see, 28, 17}};
    pp.problems.push_back(std::move(p));
    ++n;
  }
  return pp;
}

// Page 6 "練習3": remainders, the numbers with a given remainder, and the
// relay team of a pupil.
PracticePage Practice3() {
  PracticePage pp = Common(1);
  pp.reward = "やったね!パスワードは 希望(きぼう) だよ!";
  pp.label_x = 74;
  pp.strip_y2 = 366;
  pp.blank_warning = true;  // "最後には 空白キーをうたないでね!" at (10, 17)
  int n = 1;
  // A: the remainder of a division.
  const struct { const char* value; const char* expected; } remainders[] = {
      {"16は3", "1"}, {"35は4", "3"}, {"20は3", "2"}, {"48は4", "0"}};
  for (const auto& q : remainders) {
    Problem p;
    p.expected = {q.expected};
    p.setup = {
        SetWavFile(q.value),
        Print(5, 8, ProblemLabel(n)),
        Print(5, 9, q.value),
        Print(10, 9, "でわるとあまりは何になりますか｡"),
    };
    pp.problems.push_back(std::move(p));
    ++n;
  }
  // B: the numbers from 1 to 15 with a remainder by 3.
  const struct { float value; const char* expected; } lists[] = {
      {1, "1 4 7 10 13"}, {2, "2 5 8 11 14"}, {0, "3 6 9 12 15"}};
  for (const auto& q : lists) {
    Problem p;
    p.expected = {q.expected};
    p.setup = {
        SetOperand(q.value),
        Print(5, 6, ProblemLabel(n)),
        Print(5, 7, "1から15までの整数の中で3でわるとあまりが"),
        PrintNumber(5, 8, q.value),
        Print(7, 8, "になる数を小さい方から順に書きなさい｡"),
        Print(5, 9, "(数字と数字の間は1コマずつ空けて入力しなさい｡)"),
    };
    pp.problems.push_back(std::move(p));
    ++n;
  }
  pp.problems[4].hints = {Hint{0, 0, {"4 7 10 13"}, "1÷3=0あまり1 だよ!", 10, 17}};
  pp.problems[5].hints = {Hint{0, 0, {"5 8 11 14"}, "2÷3=0あまり2 だよ!", 10, 17}};
  // C: the team of a pupil, 40 pupils in five teams by height order.
  const struct { float value; const char* expected; } teams[] = {{16, "1"}, {22, "2"}, {30, "5"}};
  for (const auto& q : teams) {
    Problem p;
    p.expected = {q.expected};
    p.setup = {
        SetOperand(q.value),
        Print(1, 6, ProblemLabel(n)),
        Print(5, 6, "クラスの40人が5つのチームに分かれてリレーをすることになりました｡"),
        Print(5, 7, "せの順に1番の人は赤､2番の人は青､3番の人は黄､4番の人は緑､5番の人は白"),
        Print(5, 8, "というように分かれました｡"),
        PrintNumber(5, 9, q.value),
        Print(8, 9, "番の人はどのチームになりますか｡"),
        Print(5, 10, "(赤なら1,青なら2,黄なら3,緑なら4,白なら5 と答えなさい｡)"),
    };
    pp.problems.push_back(std::move(p));
    ++n;
  }
  pp.hints = {
      {8, 10, {}, "この問題は5つに分けるんだから5でわったあまりを考えるんだよ!", 5, 17},
      {0, 0, {}, "そうかな?5ページのだん落1を見れば答えがわかるよ!", 10, 17},
  };
  return pp;
}

}  // namespace ham::lessons::even_odd
