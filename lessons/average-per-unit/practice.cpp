// Practice 1 (page 2, averages) and practice 2 (page 4, quantity per unit).
#include <string>
#include <vector>

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/average-per-unit/lesson.h"

namespace ham::lessons::average_per_unit {

using namespace ham::frame;

namespace {

const char* const kCheckLead = "計算まちがいしてない?わからない時は1ページの";

// One-box problem: "答え" and the unit on FORM7.
void OneBox(Steps& s, const std::string& unit) {
  s.push_back(TextOn("FORM7", 78, 3, "答え"));
  s.push_back(TextOn("FORM7", 200, 3, unit));
}

Hint Hint2(std::string text, int row = 18, Steps more = {}) {
  Hint h;
  h.text = std::move(text);
  h.col = 0;
  h.row = row;
  h.steps = std::move(more);
  return h;
}

// Marks of a wrong answer on page 4: per box "①○," or "①×," at row 17 from
// column 10, 7 columns apart, the last one ending in "　だよ!"; each box
// compared exactly as its bar's OK compared it. Problem 3 adds the hint for
// box ③ when ① and ② are right and ③ is not.
Step Marks(int count, bool third_box_hint) {
  return Call([count, third_box_hint](Frame& f) {
    static const char* const kCircled[] = {"①", "②", "③", "④"};
    const FrameState& s = f.state();
    std::vector<bool> right;
    Steps marks;
    for (int i = 0; i < count; ++i) {
      auto k = static_cast<std::size_t>(i);
      right.push_back(s.TypedAnswer[k] == s.ExpectedAnswer[k]);
      std::string text = std::string(kCircled[i]) + (right.back() ? "○" : "×") + (i + 1 < count ? "," : "　だよ!");
      marks.push_back(Print(10 + 7 * i, 17, text));
    }
    if (third_box_hint && right[0] && right[1] && !right[2]) {
      marks.push_back(Print(2, 18, "[③のﾋﾝﾄ]"));
      marks.push_back(Print(2, 19, "400km分だから50ﾘｯﾄﾙもいるんだよ!1km分ならそれを400にわった分でいいんだよ!"));
    }
    f.RunSteps(marks);
  });
}

Hint MarksHint(int count, bool third_box_hint) {
  Hint h;
  h.col = 10;
  h.row = 17;
  h.steps = {Marks(count, third_box_hint)};
  return h;
}

}  // namespace

PracticePage Practice1() {
  PracticePage pp{.problem_slot = 0};
  pp.label_x = 78;
  pp.reward = "やったね!パスワードは 宇宙(うちゅう) だよ!";
  pp.strip_y1 = 340;
  pp.strip_y2 = 422;
  pp.wrong_erases_strip = false;
  pp.praise_col = 10;
  pp.praise_row = 18;
  pp.blank_warning = false;

  auto see = [](const char* paragraph) {
    return Hint2(kCheckLead, 18, {Print(44, 18, std::string("だん落") + paragraph + "を見れば答えがわかるよ!")});
  };

  Problem p1;
  p1.expected = {"156"};
  p1.setup = {Print(0, 5, "(1)1日平均26ページずつ6日間本を読んだら何ページ読めますか｡")};
  OneBox(p1.setup, "ページ");
  p1.hints = {see("4")};

  Problem p2;
  p2.expected = {"75"};
  p2.setup = {Print(0, 5, "(2)きのうの理科のテストでともえさんは65点 こうじ君は90点 けんや君は70点を"),
              Print(3, 6, "とりました｡3人の平均点は何点でしょう｡")};
  OneBox(p2.setup, "点");
  p2.hints = {see("3")};

  Problem p3;
  p3.expected = {"160", "2080"};
  p3.setup = {Print(0, 5, "(3)おかあさんの作ったおにぎりは7こで1120gでした｡1この重さは平均何gですか｡"),
              Print(3, 6, "またこのおにぎり13こ分の重さは何gになりますか｡")};
  p3.setup.push_back(ShowClearedBar("FORM11", {{30, 3, "答え 1こ平均"}, {214, 3, "g"}, {240, 3, "13こ分"}, {366, 3, "g"}}));
  p3.hints = {see("2")};

  Problem p4;
  p4.expected = {"49"};
  p4.setup = {Print(0, 5, "(4)下の表は4日間の作品てんの入場者数です｡4日目はまだ書いてありませんが"),
              Print(3, 6, "4日間の入場者は1日平均45.5人だったそうです｡"),
              Print(3, 7, "4日目の入場者は何人だったのでしょうか｡"),
              Box(30, 180, 354, 220, 7), Line(30, 200, 354, 200, 7)};
  for (int i = 0; i <= 3; ++i) p4.setup.push_back(Line(130 + 56 * i, 180, 130 + 56 * i, 220, 7));
  p4.setup.push_back(Text(56, 182, "日てい    1日目  2日目  3日目  4日目"));
  p4.setup.push_back(Text(40, 202, "入場者(人)    52     46     35"));
  OneBox(p4.setup, "人");
  p4.hints = {Hint2("4日間の入場者数の合計は45.5人の4日分だから 45.5×4=182人 だよ!")};

  Problem p5;
  p5.expected = {"26.2"};
  p5.setup = {Print(0, 5, "(5)5年生3人と6年生2人でくり拾いに行きました｡5年生は1人平均25こ"),
              Print(3, 6, "6年生は1人平均28こ拾いました｡全員の平均は1人何こになるでしょう｡")};
  OneBox(p5.setup, "こ");
  p5.hints = {Hint2("全員の合計は25この3人分＋28この2人分だよ!")};

  Problem p6;
  p6.expected = {"4300"};
  p6.setup = {Print(0, 5, "(6)ちずこさんは9月分の小使い帳を調べたら29日までは1日平均73円しか使って"),
              Print(3, 6, "いなかったのに30日にゲームソフトを買ったので9月全体では1日平均213.9円も"),
              Print(3, 7, "使ったことになってしまいました｡ゲームソフトはいくらだったのでしょうか｡")};
  OneBox(p6.setup, "円");
  p6.hints = {Hint2("30日間で使ったお金は213.9円の30日分だから 213.9×30=6417円で", 18,
                    {Print(0, 19, "29日までに使ったお金は73円の29日分だから 73×29=2117円だよ!")})};

  for (Problem* p : {&p1, &p2, &p3, &p4, &p5, &p6}) {
    p->answer_label = false;
    pp.problems.push_back(std::move(*p));
  }
  return pp;
}

PracticePage Practice2() {
  PracticePage pp{.problem_slot = 1};
  pp.label_x = 78;
  pp.reward = "やったね!パスワードは 感謝(かんしゃ) だよ!";
  pp.strip_y1 = 320;
  pp.strip_y2 = 420;
  pp.praise_col = 28;
  pp.praise_row = 17;
  pp.blank_warning = false;

  // Every problem of this page first sets the main window's font name.
  auto font = [] { return Step{FontNameStep{"ＭＳ 明朝"}}; };
  auto three_boxes = [](Steps& s, const std::string& unit) {
    s.push_back(ShowClearedBar("FORM12", {{53, 3, "答え ①"}, {243, 3, "②"}, {396, 3, "③"}, {165, 3, unit}, {309, 3, unit}}));
  };

  Problem p1;
  p1.expected = {"2.2", "2.1", "1"};
  p1.setup = {font(),
              Print(0, 5, "(1)きょうこさんの家では表の畑とうらの畑のさつまいもの取れ高をくらべました｡"),
              Print(3, 6, "表の畑は110㎡で取れた量は242kgだったのに対して うらの畑は210㎡で"),
              Print(3, 7, "取れた量は441kgでした｡"),
              Print(3, 8, "①表の畑は1㎡あたり何kg取れたでしょうか｡"),
              Print(3, 10, "②うらの畑は1㎡あたり何kg取れたでしょうか｡"),
              Print(3, 12, "③どちらの畑の方が多かったでしょう｡(表の畑なら1,うらの畑なら2と答えなさい｡)")};
  three_boxes(p1.setup, "kg");
  p1.hints = {MarksHint(3, false)};

  Problem p2;
  p2.expected = {"540", "480", "2"};
  p2.setup = {font(),
              Print(0, 6, "(2)赤いぬのは4.6mで2484円で 青いぬのは2.5mで1200円でした｡"),
              Print(3, 8, "①赤いぬのは1mあたりいくらでしょう｡"),
              Print(3, 10, "②青いぬのは1mあたりいくらでしょう｡"),
              Print(3, 12, "③どちらのぬのの方が安いでしょうか｡(赤いぬのなら1,青いぬのなら2と答えなさい｡)")};
  three_boxes(p2.setup, "円");
  p2.hints = {MarksHint(3, false)};

  Problem p3;
  p3.expected = {"8", "12.5", "0.125", "0.08"};
  p3.setup = {font(),
              Print(0, 6, "(3)父の車は50ﾘｯﾄﾙのガソリンで400km 母の車は16ﾘｯﾄﾙのガソリンで200km走ります｡"),
              Print(3, 8, "①父の車は1ﾘｯﾄﾙのガソリンで何km走りますか｡"),
              Print(3, 10, "②母の車は1ﾘｯﾄﾙのガソリンで何km走りますか｡"),
              Print(3, 12, "③父の車は1km走るのに何ﾘｯﾄﾙのガソリンを使いますか｡"),
              Print(3, 14, "④母の車は1km走るのに何ﾘｯﾄﾙのガソリンを使いますか｡")};
  p3.setup.push_back(ShowClearedBar("FORM9", {{15, 3, "答え ①"}, {131, 3, "km"}, {172, 3, "②"}, {243, 3, "km"},
                                              {284, 3, "③"}, {354, 3, "ﾘｯﾄﾙ"}, {396, 3, "④"}, {466, 3, "ﾘｯﾄﾙ"}}));
  p3.hints = {MarksHint(4, true)};
  p3.praise = "天才!この様に2通りの方法でいろいろな事がくらべられるのよ!";
  p3.praise_col = 10;
  p3.praise_row = 17;
  p3.jingle_pause = 800;

  Problem p4;
  p4.expected = {"88.5"};
  p4.setup = {font(),
              Print(0, 6, "(4)おじさんの町の面積は178k㎡で 人口(人数)は15753人です｡"),
              Print(3, 7, "1k㎡あたり何人の人が住んでいるでしょう｡")};
  OneBox(p4.setup, "人");
  p4.hints = {Hint2("計算まちがいしてない?わからない時は3ページのだん落2を見れば答えがわかるよ!", 17)};
  p4.praise = "天才!この様に1k㎡あたりに住んでいる人数の事を人口みつ度と言うんだよ!";
  p4.praise_col = 10;
  p4.praise_row = 17;
  p4.jingle_pause = 800;

  for (Problem* p : {&p1, &p2, &p3, &p4}) {
    p->answer_label = false;
    pp.problems.push_back(std::move(*p));
  }
  return pp;
}

}  // namespace ham::lessons::average_per_unit
