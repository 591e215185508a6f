// The average and per-unit quantity lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>


#include "lessons/average-per-unit/lesson.h"
#include "lessons/common/number_box.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& AveragePerUnitResources();

namespace ham::testing {
namespace {

const frame::Lesson& L() { return lessons::AveragePerUnitLesson(); }

constexpr LessonRunner RunLesson{&L, &AveragePerUnitResources};

// Texts printed at text cells after the last time `procedure` started.
std::vector<std::string> PrintsAfter(const LessonRun& r, const std::string& procedure) {
  const auto& t = r.trace();
  std::size_t from = 0;
  for (std::size_t i = 0; i < t.size(); ++i)
    if (t[i].count("procedure") && t[i].at("procedure") == procedure) from = i;
  std::vector<std::string> out;
  for (std::size_t i = from; i < t.size(); ++i)
    if (t[i].at("op") == "print") out.push_back(t[i].at("text"));
  return out;
}

// Last colour a text was drawn in on the main window.
std::string LastColorOf(const LessonRun& r, const std::string& text) {
  std::string c;
  for (const TraceRecord& t : r.Ops("text"))
    if (t.at("form") == "MAINFORM" && t.at("text") == text) c = t.at("color");
  return c;
}

// The bar a problem answers in, by page and problem.
std::string AnswerTo(int page, int problem, const std::vector<std::string>& texts) {
  if (page == 2 && problem == 3) return Answer({"EDIT14", "EDIT15"}, texts, "BUTTON5");
  if (page == 4 && problem <= 2) return Answer({"EDIT16", "EDIT17", "EDIT18"}, texts, "BUTTON6");
  if (page == 4 && problem == 3) return Answer({"EDIT3", "EDIT4", "EDIT5", "EDIT6"}, texts, "BUTTON3");
  return Answer({"EDIT2"}, texts, "BUTTON2");
}

std::string FirstBox(int page, int problem) {
  std::string s = AnswerTo(page, problem, {"x"});
  return s.substr(5, s.find(' ', 5) - 5);
}

// ----- start-up, contents, navigation -------------------------------------------------------

TEST(AveragePerUnitStartUp, ContentsPageWithPassMarksFromTheRecord) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2;
  };
  const Case cases[] = {
      {{{1, 1, 1, 1, 1, 1}, {}}, true, false},
      {{{1, 1, 1, 1, 1, 0}, {1, 1, 1, 1}}, false, true},
      {{}, false, false},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("", o);
    EXPECT_TRUE(r.Drew("5年生の算数   平均と単位量あたりの大きさ"));
    EXPECT_TRUE(Printed(r, "(よく見よう!)  ☆ 平均 ------------------- 1ページ", 2, 7));
    EXPECT_TRUE(Printed(r, "(やってみよう!)★ 練習 1 ----------------- 2ページ", 2, 8));
    EXPECT_TRUE(Printed(r, "(よく見よう!)  ☆ 単位量あたりの大きさ --- 3ページ", 2, 9));
    EXPECT_TRUE(Printed(r, "(やってみよう!)★ 練習 2 ----------------- 4ページ", 2, 10));
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 8), c.mark1);
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 10), c.mark2);
  }
}

TEST(AveragePerUnitStartUp, EventProceduresAreTheTwentyFourListed) {
  LessonRun r = RunLesson("");
  std::vector<std::string> have = {"FE$FORM4_MOUSEDOWN", "FE$EDIT1_CHANGE", "FE$BUTTON1_ON", "FE$EDIT2_CHANGE",
                                   "FE$BUTTON2_ON",      "FE$EDIT14_CHANGE", "FE$EDIT15_CHANGE", "FE$BUTTON5_ON",
                                   "FE$EDIT16_CHANGE",   "FE$EDIT17_CHANGE", "FE$EDIT18_CHANGE", "FE$BUTTON6_ON",
                                   "FE$EDIT3_CHANGE",    "FE$EDIT4_CHANGE",  "FE$EDIT5_CHANGE",  "FE$EDIT6_CHANGE",
                                   "FE$BUTTON3_ON"};
  for (int k = 1; k <= 7; ++k) have.push_back("FE$BMPBUTTON" + std::to_string(k) + "_ON");
  EXPECT_EQ(have.size(), 24u);
  for (const std::string& p : have) EXPECT_TRUE(r.rt().HasProcedure(p)) << p;
  // FORM10 is loaded and bound, but none of its events has a procedure.
  for (const char* p : {"FE$EDIT8_CHANGE", "FE$EDIT13_CHANGE", "FE$BUTTON4_ON", "FE$EDIT7_CHANGE"})
    EXPECT_FALSE(r.rt().HasProcedure(p)) << p;
  EXPECT_NE(r.rt().FindForm("FORM10"), nullptr);
  EXPECT_EQ(r.rt().FindForm("FORM2"), nullptr);  // present as a resource, never loaded
}

TEST(AveragePerUnitStartUp, PicturesOfTheLessonFolderAndOfDa) {
  LessonRun r = RunLesson("");
  auto loaded = [&](const char* name) { return r.frame().picture(name).loaded; };
  for (const char* p : {"上指.BMP", "hok1.BMP", "hok2.BMP", "左指.BMP", "右指.BMP", "cr.BMP", "cl.BMP", "pr.BMP"})
    EXPECT_TRUE(loaded(p)) << p;
  for (const frame::PictureSpec& p : L().pictures) {
    auto dir = p.from_da ? r.site().host / "da" : r.site().lesson;
    EXPECT_TRUE(std::filesystem::exists(dir / p.file)) << p.file;
  }
  EXPECT_FALSE(L().pictures[8].from_da);   // "上指.BMP"
  EXPECT_TRUE(L().pictures[13].from_da);   // "cr.BMP"
}

TEST(AveragePerUnitNavigation, ChooserAndEndPage) {
  struct Case {
    std::string script;
    float current;
    bool refused;
  };
  const Case cases[] = {
      {Page(4), 4, false},
      {Page(0), 0, false},
      {"click BMPBUTTON4\ntype EDIT1 5\nclick BUTTON1\ndismiss\n", 0, true},  // the end page is not offered
      {Page(4) + "click BMPBUTTON3\n", 4, false},                            // the end page keeps page 4
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON3\n", 4, false},
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 3, false},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current) << c.script;
    EXPECT_EQ(!r.Messages().empty(), c.refused) << c.script;
    if (c.refused) {
      EXPECT_EQ(r.Messages()[0], "そのページはありません！");
    }
  }
  LessonRun end = RunLesson(Page(4) + "click BMPBUTTON3\n");
  EXPECT_TRUE(Printed(end, "単元終わり", 10, 7));
  LessonRun chooser = RunLesson("click BMPBUTTON4\n");
  EXPECT_TRUE(Printed(chooser, "何ページを開けますか? 0から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
}

TEST(AveragePerUnitNavigation, TitleStripMovesTheBarsToo) {
  LessonRun r = RunLesson("click FORM4\n");
  for (const char* f : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}) {
    EXPECT_EQ(r.rt().FindForm(f)->left, 400) << f;
    EXPECT_EQ(r.rt().FindForm(f)->top, 714) << f;
  }
  EXPECT_EQ(r.rt().main_form().top, 322);
}

TEST(AveragePerUnitNavigation, PageModules) {
  struct Case {
    int page;
    std::string heading, range, pass_line;
  };
  const Case cases[] = {
      {1, "1ﾍﾟｰｼﾞ          平均", "回答らんに1から5までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", ""},
      {2, "2ﾍﾟｰｼﾞ          練習1", "回答らんに1から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡",
       "1番から6番まですべて ごうかくするとパスワードが出ます｡"},
      {3, "3ﾍﾟｰｼﾞ        単位量あたりの大きさ", "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", ""},
      {4, "4ﾍﾟｰｼﾞ          練習2", "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡",
       "1番から4番まですべて ごうかくするとパスワードが出ます｡"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page));
    EXPECT_TRUE(r.Drew(c.heading)) << c.page;
    EXPECT_TRUE(Printed(r, c.range, 2, 3)) << c.page;
    if (!c.pass_line.empty()) {
      EXPECT_TRUE(Printed(r, c.pass_line, 2, 5)) << c.page;
    }
  }
}

// ----- page 1 -------------------------------------------------------------------------------

TEST(AveragePerUnitPage1, FromParagraphOneEveryNarrationInOrder) {
  LessonRun r = RunLesson(Page(1) + Choose(1));
  const std::vector<std::string> expected = {
      "SOUND1.WAV",  "SOUND2.WAV",  "SOUND3.WAV",  "SOUND4.WAV",  "SOUND5.WAV",  "SOUND6.WAV",
      "SOUND7.WAV",  "SOUND33.WAV", "SOUND8.WAV",  "SOUND9.WAV",  "SOUND10.WAV", "SOUND11.WAV",
      "SOUND12.WAV", "SOUND28.WAV", "SOUND29.WAV", "SOUND30.WAV", "SOUND31.WAV", "SOUND32.WAV"};
  EXPECT_EQ(Opens(r), expected);
  EXPECT_TRUE(r.Drew("平均" + std::string(33, ' ') + "1ﾍﾟｰｼﾞ"));
  EXPECT_TRUE(r.Drew("1ページ終わり"));
  EXPECT_TRUE(r.Drew("だん落 5"));
  // Each narration is followed by PlayWave's short wait of 20.
  const auto& t = r.trace();
  int plays = 0, waited = 0;
  for (std::size_t i = 0; i + 1 < t.size(); ++i)
    if (t[i].at("op") == "mci" && t[i].at("command") == "play wave1") {
      ++plays;
      if (t[i + 1].at("op") == "wait" && t[i + 1].at("units") == "20") ++waited;
    }
  EXPECT_EQ(plays, 18);
  EXPECT_EQ(waited, 18);
}

TEST(AveragePerUnitPage1, StartsAndRange) {
  struct Case {
    int start;
    std::string first_sound;  // empty: none
  };
  const Case cases[] = {{2, "SOUND7.WAV"}, {3, "SOUND12.WAV"}, {4, "SOUND30.WAV"}, {5, ""}};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(1) + Choose(c.start));
    SCOPED_TRACE(c.start);
    auto opens = Opens(r);
    if (c.first_sound.empty()) {
      EXPECT_TRUE(opens.empty());
      EXPECT_TRUE(r.Ops("wait").empty());
    } else {
      ASSERT_FALSE(opens.empty());
      EXPECT_EQ(opens.front(), c.first_sound);
      // Nothing waits before the chosen paragraph begins.
      bool begun = false;
      for (const TraceRecord& t : r.trace()) {
        if (t.at("op") == "text" && t.at("text") == "だん落 " + std::to_string(c.start) && t.at("color") != "0")
          begun = true;
        if (!begun) {
          EXPECT_NE(t.at("op"), "wait");
        }
      }
      EXPECT_TRUE(begun);
    }
    // Earlier paragraphs drawn completely: the egg carrier walked, every column evened out.
    EXPECT_EQ(static_cast<int>(r.Ops("picture").size()) > 60, true);
    EXPECT_TRUE(r.Drew("1ページ終わり"));
    EXPECT_TRUE(r.Drew("だん落 5"));
  }
  for (int n : {0, 6, -1}) {
    LessonRun r = RunLesson(Page(1) + Choose(n) + "dismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << n;
    EXPECT_EQ(r.Messages()[0], "その段落はありません！");
    EXPECT_FALSE(r.Drew("平均" + std::string(33, ' ') + "1ﾍﾟｰｼﾞ")) << n;
  }
}

TEST(AveragePerUnitPage1, WeightsAgreeWithTheWorkedAverage) {
  LessonRun r = RunLesson(Page(1) + Choose(5));
  EXPECT_TRUE(r.Drew("(2)みちこさんの体重は31.6kg かずや君は33.5kg まみさんは29.1kgです｡"));
  EXPECT_TRUE(r.Drew("(31.6 + 33.5 + 29.1) ÷ 3 = 31.4"));
  EXPECT_TRUE(r.Drew("答え 平均31.4kg"));
  // The bars stand 4 units per kg on the base line y 220.
  struct Bar { std::string x1; double kg; };
  const Bar bars[] = {{"32", 31.6}, {"64", 33.5}, {"96", 29.1}};
  for (const Bar& b : bars) {
    bool found = false;
    for (const TraceRecord& box : r.Ops("box"))
      if (box.at("x1") == b.x1 && box.at("y2") == "220" && box.at("color") == "7") {
        found = true;
        EXPECT_NEAR(220 - std::stod(box.at("y1")), 4 * b.kg, 1.0) << b.x1;
      }
    EXPECT_TRUE(found) << b.x1;
  }
}

TEST(AveragePerUnitPage1, BlinkingEndsVisible) {
  LessonRun r = RunLesson(Page(1) + Choose(5));
  EXPECT_EQ(Count(r.Texts(), "(                ) ÷ 4"), 11);
  EXPECT_EQ(LastColorOf(r, "(                ) ÷ 4"), "7");
  EXPECT_EQ(Count(r.Texts(), "45 × 5 = 225"), 16);
  EXPECT_EQ(LastColorOf(r, "45 × 5 = 225"), "7");
  // "= 11" follows the brackets' last pass.
  auto texts = r.Texts();
  auto last = std::find(texts.rbegin(), texts.rend(), "(                ) ÷ 4");
  EXPECT_NE(std::find(texts.rbegin(), last, "= 11"), last);
}

TEST(AveragePerUnitPage1, EggsEvenOutToElevenPerDay) {
  LessonRun r = RunLesson(Page(1) + Choose(2));
  // Paragraph 1's eggs: columns of 9, 13, 12 and 10, then three moved.
  std::map<std::string, int> column;
  for (const TraceRecord& c : r.Ops("circle")) {
    if (c.at("form") != "MAINFORM" || c.count("filled") == 0) continue;
    column[c.at("x")] += c.at("fill") == "7" ? 1 : -1;
  }
  // The columns are drawn twice (paragraph 2 draws them again before counting):
  // 11 + 11 evened out in paragraph 1, then 9, 13, 12, 10; the moving eggs
  // at x 40 and 92 come and go.
  EXPECT_EQ(column["36"], 11 + 9);
  EXPECT_EQ(column["56"], 11 + 13);
  EXPECT_EQ(column["76"], 11 + 12);
  EXPECT_EQ(column["96"], 11 + 10);
  EXPECT_EQ(column["40"], 0);
  EXPECT_EQ(column["92"], 0);
}

TEST(AveragePerUnitPage1, ClickDuringTheScriptStopsIt) {
  LessonRun r = RunLesson(Page(1) + Choose(1) + "+300 click BMPBUTTON3\n");
  EXPECT_FALSE(r.Drew("1ページ終わり"));
  EXPECT_EQ(r.state().CurrentPage, 2);
  EXPECT_LE(Opens(r).size(), 2u);
}

// ----- page 3 -------------------------------------------------------------------------------

TEST(AveragePerUnitPage3, FloodFillsStayInsideTheirHalves) {
  // The finished page, as the pupil sees it before leaving.
  LessonRun r = RunLesson(Page(3) + Choose(4) + "shot bags.png\n");
  ASSERT_TRUE(r.Drew("3ページ終わり"));
  std::optional<Surface> shot = ReadPng(r.site().drive_c.parent_path() / "shots" / "bags.png");
  ASSERT_TRUE(shot.has_value());
  const int top = 22;  // the main window's place on the screen
  auto at = [&](int x, int y) { return shot->Get(x, top + y); };
  const Pixel magenta = MakePixel(255, 0, 255), cyan = MakePixel(0, 255, 255);
  // Every filled pixel lies in its bag and in the part it was filled from.
  int upper = 0, lower = 0, second = 0;
  for (int y = 23; y < 400; ++y)
    for (int x = 0; x < 640; ++x) {
      Pixel p = at(x, y);
      if (p == magenta) {
        ++upper;
        EXPECT_TRUE(x > 44 && x < 126 && y > 49 && y < 100) << x << "," << y;
      } else if (p == cyan) {
        bool first_lower = x > 44 && x < 126 && y > 100 && y < 149;
        bool second_sides = ((x > 144 && x < 170) || (x > 200 && x < 226)) && y > 49 && y < 139;
        EXPECT_TRUE(first_lower || second_sides) << x << "," << y;
        (first_lower ? lower : second) += 1;
      }
    }
  EXPECT_GT(upper, 1000);
  EXPECT_GT(lower, 1000);
  EXPECT_GT(second, 500);
  EXPECT_EQ(at(55, 55), magenta);
  EXPECT_EQ(at(55, 120), cyan);
  EXPECT_EQ(at(160, 80), cyan);
  EXPECT_EQ(at(210, 80), cyan);
  // The middle of the second bag keeps the framed box's own fill; outside, the board.
  const Canvas& main = r.rt().main_form();
  EXPECT_EQ(at(185, 75), main.PaletteColor(4));
  EXPECT_EQ(at(30, 80), main.PaletteColor(0));
  EXPECT_EQ(at(135, 80), main.PaletteColor(0));
  EXPECT_EQ(r.Ops("fill").size(), 4u);
}

TEST(AveragePerUnitPage3, StartsAndBlinks) {
  LessonRun from2 = RunLesson(Page(3) + Choose(2));
  auto opens = Opens(from2);
  ASSERT_FALSE(opens.empty());
  EXPECT_EQ(opens.front(), "SOUND20.WAV");
  EXPECT_EQ(opens.back(), "SOUND27.WAV");
  EXPECT_EQ(from2.Ops("fill").size(), 4u);
  EXPECT_TRUE(from2.Drew("1ふくろ10kg入りで1980円のワンワンドッグフードと"));

  LessonRun from4 = RunLesson(Page(3) + Choose(4));
  EXPECT_TRUE(Opens(from4).empty());
  EXPECT_TRUE(from4.Drew("だん落 4"));
  EXPECT_EQ(Count(from4.Texts(), "198円"), 12);
  EXPECT_EQ(LastColorOf(from4, "198円"), "6");
  EXPECT_EQ(LastColorOf(from4, "220円"), "6");
  EXPECT_TRUE(from4.Drew("1980 ÷ 10 = 198   198円"));
  EXPECT_TRUE(from4.Drew("1540 ÷ 7 = 220    220円"));

  LessonRun from1 = RunLesson(Page(3) + Choose(1));
  EXPECT_EQ(Opens(from1).size(), 15u);  // SOUND13 to SOUND27

  for (int n : {0, 5}) {
    LessonRun r = RunLesson(Page(3) + Choose(n) + "dismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << n;
    EXPECT_EQ(r.Messages()[0], "その段落はありません！");
    EXPECT_TRUE(r.Ops("fill").empty());
  }
}

// ----- practices ----------------------------------------------------------------------------

struct Feedback {
  std::string text;
  int col, row;
};

TEST(AveragePerUnitPractice, AnswersAndTheirFeedback) {
  struct Case {
    int page, problem;
    std::vector<std::string> answer;
    bool right;
    std::vector<Feedback> feedback;  // printed in colour 2
  };
  const std::string lead = "計算まちがいしてない?わからない時は1ページの";
  const Case cases[] = {
      {2, 1, {"156"}, true, {{"天才!ごうかく!", 10, 18}}},
      {2, 1, {"156 "}, false, {{lead, 0, 18}, {"だん落4を見れば答えがわかるよ!", 44, 18}}},
      {2, 2, {"75"}, true, {{"天才!ごうかく!", 10, 18}}},
      {2, 2, {"70"}, false, {{lead, 0, 18}, {"だん落3を見れば答えがわかるよ!", 44, 18}}},
      {2, 3, {"160", "2080"}, true, {{"天才!ごうかく!", 10, 18}}},
      {2, 3, {"160", ""}, false, {{lead, 0, 18}, {"だん落2を見れば答えがわかるよ!", 44, 18}}},
      {2, 4, {"49"}, true, {}},
      {2, 4, {"182"}, false, {{"4日間の入場者数の合計は45.5人の4日分だから 45.5×4=182人 だよ!", 0, 18}}},
      {2, 5, {"26.2"}, true, {}},
      {2, 5, {"26"}, false, {{"全員の合計は25この3人分＋28この2人分だよ!", 0, 18}}},
      {2, 6, {"4300"}, true, {}},
      {2, 6, {"6417"}, false,
       {{"30日間で使ったお金は213.9円の30日分だから 213.9×30=6417円で", 0, 18},
        {"29日までに使ったお金は73円の29日分だから 73×29=2117円だよ!", 0, 19}}},
      {4, 1, {"2.2", "2.1", "1"}, true, {{"天才!ごうかく!", 28, 17}}},
      {4, 1, {"2.2", "2.1", "１"}, false, {{"①○,", 10, 17}, {"②○,", 17, 17}, {"③×　だよ!", 24, 17}}},
      {4, 1, {"2.1", "", "1"}, false, {{"①×,", 10, 17}, {"②×,", 17, 17}, {"③○　だよ!", 24, 17}}},
      {4, 2, {"540", "480", "2"}, true, {{"天才!ごうかく!", 28, 17}}},
      {4, 2, {"540", "480", "1"}, false, {{"①○,", 10, 17}, {"②○,", 17, 17}, {"③×　だよ!", 24, 17}}},
      {4, 3, {"8", "12.5", "0.125", "0.08"}, true,
       {{"天才!この様に2通りの方法でいろいろな事がくらべられるのよ!", 10, 17}}},
      {4, 3, {"8", "12.5", "0.12", "0.08"}, false,
       {{"①○,", 10, 17}, {"②○,", 17, 17}, {"③×,", 24, 17}, {"④○　だよ!", 31, 17},
        {"[③のﾋﾝﾄ]", 2, 18},
        {"400km分だから50ﾘｯﾄﾙもいるんだよ!1km分ならそれを400にわった分でいいんだよ!", 2, 19}}},
      {4, 4, {"88.5"}, true, {{"天才!この様に1k㎡あたりに住んでいる人数の事を人口みつ度と言うんだよ!", 10, 17}}},
      {4, 4, {"88"}, false, {{"計算まちがいしてない?わからない時は3ページのだん落2を見れば答えがわかるよ!", 0, 17}}},
  };
  for (const Case& c : cases) {
    std::string script = Page(c.page) + Choose(c.problem) + AnswerTo(c.page, c.problem, c.answer);
    LessonRun r = RunLesson(script);
    SCOPED_TRACE(script);
    for (const Feedback& f : c.feedback) EXPECT_TRUE(Printed(r, f.text, f.col, f.row, 2)) << f.text;
    int flags = c.page == 2 ? 0 : 1;
    EXPECT_EQ(r.state().PassFlags[flags][static_cast<std::size_t>(c.problem)], c.right ? 1 : 0);
    EXPECT_EQ(Count(Opens(r), "SOUND80.WAV"), c.right ? 1 : 0);
    // No trailing-blank warning on either page.
    EXPECT_EQ(Count(PrintsAfter(r, ""), "最後には 空白キーをうたないでね!"), 0);
    if (!c.right) {
      // A wrong answer keeps the problem, with the focus in the bar's first box.
      EXPECT_EQ(r.frame().ProblemNumber(c.page), c.problem);
      auto focus = r.Ops("focus");
      ASSERT_FALSE(focus.empty());
      EXPECT_EQ(focus.back().at("control"), FirstBox(c.page, c.problem));
    }
  }
}

TEST(AveragePerUnitPractice, MessageStripsAndJinglePauses) {
  struct Case {
    int page, problem;
    std::vector<std::string> answer;
    std::string strip_y1, strip_y2;  // empty: nothing erased before the feedback
    std::string jingle;              // pause after the jingle, right answers
  };
  const Case cases[] = {
      {2, 1, {"156"}, "340", "422", "250"}, {2, 1, {"1"}, "", "", ""},
      {4, 1, {"2.2", "2.1", "1"}, "320", "420", "250"}, {4, 1, {"0", "0", "0"}, "320", "420", ""},
      {4, 3, {"8", "12.5", "0.125", "0.08"}, "320", "420", "800"},
      {4, 4, {"88.5"}, "320", "420", "800"}, {4, 4, {"1"}, "320", "420", ""},
  };
  for (const Case& c : cases) {
    std::string script = Page(c.page) + Choose(c.problem) + AnswerTo(c.page, c.problem, c.answer);
    LessonRun r = RunLesson(script);
    SCOPED_TRACE(script);
    // The drawing after the answer's OK.
    const auto& t = r.trace();
    std::size_t from = 0;
    for (std::size_t i = 0; i < t.size(); ++i)
      if (t[i].count("procedure") && t[i].at("procedure").rfind("FE$BUTTON", 0) == 0 &&
          t[i].at("procedure") != "FE$BUTTON1_ON")
        from = i;
    ASSERT_GT(from, 0u);
    std::vector<TraceRecord> boxes, waits;
    for (std::size_t i = from; i < t.size(); ++i) {
      if (t[i].at("op") == "box" && t[i].at("form") == "MAINFORM") boxes.push_back(t[i]);
      if (t[i].at("op") == "wait") waits.push_back(t[i]);
    }
    if (c.strip_y1.empty()) {
      EXPECT_TRUE(boxes.empty());
    } else {
      ASSERT_FALSE(boxes.empty());
      EXPECT_EQ(boxes[0].at("y1"), c.strip_y1);
      EXPECT_EQ(boxes[0].at("y2"), c.strip_y2);
    }
    if (c.jingle.empty()) {
      EXPECT_TRUE(waits.empty());
    } else {
      ASSERT_GE(waits.size(), 2u);
      EXPECT_EQ(waits[0].at("units"), "20");
      EXPECT_EQ(waits[1].at("units"), c.jingle);
    }
  }
}

TEST(AveragePerUnitPractice, BarsAndTheirLabels) {
  struct Case {
    int page, problem;
    std::string bar;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {2, 1, "FORM7", {"答え", "ページ"}},
      {2, 3, "FORM11", {"答え 1こ平均", "g", "13こ分", "g"}},
      {4, 1, "FORM12", {"答え ①", "②", "③", "kg", "kg"}},
      {4, 2, "FORM12", {"答え ①", "②", "③", "円", "円"}},
      {4, 3, "FORM9", {"答え ①", "km", "②", "km", "③", "ﾘｯﾄﾙ", "④", "ﾘｯﾄﾙ"}},
      {4, 4, "FORM7", {"答え", "人"}},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem));
    SCOPED_TRACE(c.bar + " " + std::to_string(c.problem));
    EXPECT_EQ(r.Texts(c.bar), c.labels);
    EXPECT_TRUE(r.rt().FindForm(c.bar)->visible);
    EXPECT_TRUE(r.rt().FindForm("FORM7")->visible);  // shown by the practice form first
    EXPECT_TRUE(r.Drew("練習" + std::to_string(c.page / 2) + std::string(32, ' ') + std::to_string(c.page) + "ﾍﾟｰｼﾞ"));
    bool ms_mincho = false;
    for (const TraceRecord& f : r.Ops("font"))
      if (f.count("name") && f.at("name") == "ＭＳ 明朝" && f.at("form") == "MAINFORM") ms_mincho = true;
    EXPECT_EQ(ms_mincho, c.page == 4);
  }
  LessonRun table = RunLesson(Page(2) + Choose(4));
  EXPECT_TRUE(table.Drew("日てい    1日目  2日目  3日目  4日目"));
  EXPECT_TRUE(table.Drew("入場者(人)    52     46     35"));
}

TEST(AveragePerUnitPractice, ProblemNumbersThatNameNoProblem) {
  struct Case {
    int page;
    std::string typed;
    bool refused;
    float stored;
  };
  const Case cases[] = {
      {4, "2.5", true, 2.5f}, {4, "0", true, 0}, {4, "5", true, 5}, {4, "-1", true, -1},
      {4, "abc", true, 0},    {4, "4.0", false, 4}, {2, "2.6", false, 3}, {2, "7", true, 7},
  };
  for (const Case& c : cases) {
    std::string script = Page(c.page) + "type EDIT1 " + c.typed + "\nclick BUTTON1\n" + (c.refused ? "dismiss\n" : "");
    LessonRun r = RunLesson(script);
    SCOPED_TRACE(script);
    EXPECT_EQ(r.frame().ProblemNumber(c.page), c.stored);
    EXPECT_EQ(r.Messages().size(), c.refused ? 1u : 0u);
    if (c.refused) {
      EXPECT_EQ(r.Messages()[0], "その番号はありません！");
      EXPECT_FALSE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡"));
      EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
      EXPECT_EQ(r.Ops("focus").back().at("control"), "EDIT1");
    } else {
      EXPECT_TRUE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡"));
    }
  }
}

TEST(AveragePerUnitPractice, RefusedFractionJudgesNoAnswer) {
  // Problem 4 on screen, then 2.5 typed in the number bar: refused; an OK on
  // the bar still shown judges nothing and writes no flag.
  LessonRun r = RunLesson(Page(4) + Choose(4) + "type EDIT1 2.5\nclick BUTTON1\ndismiss\n" +
                    AnswerTo(4, 4, {"88.5"}) + "click BMPBUTTON7\n");
  ASSERT_EQ(r.Messages().size(), 1u);
  EXPECT_EQ(Count(Opens(r), "SOUND80.WAV"), 0);
  EXPECT_FALSE(Printed(r, "天才!この様に1k㎡あたりに住んでいる人数の事を人口みつ度と言うんだよ!", 10, 17));
  for (float f : r.state().PassFlags[1]) EXPECT_EQ(f, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(L(), {}));
}

TEST(AveragePerUnitPractice, LastProblemsEndThePagesWithTheReward) {
  struct Case {
    int page, last;
    std::vector<std::vector<int>> flags;
    std::vector<std::string> answer;
    std::string reward, end;
  };
  const Case cases[] = {
      {2, 6, {{1, 1, 1, 1, 1, 0}}, {"4300"}, "やったね!パスワードは 宇宙(うちゅう) だよ!", "2ページ終わり"},
      {4, 4, {{}, {1, 1, 1, 0}}, {"88.5"}, "やったね!パスワードは 感謝(かんしゃ) だよ!", "4ページ終わり"},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson(Page(c.page) + Choose(c.last) + AnswerTo(c.page, c.last, c.answer), o);
    SCOPED_TRACE(c.end);
    EXPECT_TRUE(Printed(r, c.reward, 5, 7));
    EXPECT_TRUE(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13));
    EXPECT_TRUE(Printed(r, c.end, 30, 15, 1));
    for (const char* f : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"})
      EXPECT_FALSE(r.rt().FindForm(f)->visible) << f;
  }
  // Without the other flags: no reward, the page still ends.
  LessonRun r = RunLesson(Page(2) + Choose(6) + AnswerTo(2, 6, {"4300"}));
  EXPECT_FALSE(Printed(r, "やったね!パスワードは 宇宙(うちゅう) だよ!", 5, 7));
  EXPECT_TRUE(Printed(r, "2ページ終わり", 30, 15));
}

TEST(AveragePerUnitPractice, RightAnswerAdvancesToTheNextBar) {
  // Problem 3 of page 2 answers in FORM11; problem 4 then in FORM7 again.
  LessonRun r = RunLesson(Page(2) + Choose(3) + AnswerTo(2, 3, {"160", "2080"}));
  EXPECT_EQ(r.frame().ProblemNumber(2), 4);
  EXPECT_TRUE(Printed(r, "(4)下の表は4日間の作品てんの入場者数です｡4日目はまだ書いてありませんが", 0, 5));
  EXPECT_EQ(r.Ops("focus").back().at("control"), "EDIT2");
  // Page 4 problem 2 (FORM12) to problem 3 (FORM9).
  LessonRun p4 = RunLesson(Page(4) + Choose(2) + AnswerTo(4, 2, {"540", "480", "2"}));
  EXPECT_EQ(p4.frame().ProblemNumber(4), 3);
  EXPECT_TRUE(p4.rt().FindForm("FORM9")->visible);
  EXPECT_EQ(p4.Ops("focus").back().at("control"), "EDIT3");
}

// ----- exit and the carried procedures -----------------------------------------------------------

TEST(AveragePerUnitExit, RecordHoldsTheCountsAndTenFlags) {
  LessonRun r = RunLesson(Page(2) + Choose(1) + AnswerTo(2, 1, {"156"}) + Page(4) + Choose(3) +
                    AnswerTo(4, 3, {"8", "12.5", "0.125", "0.08"}) + "click BMPBUTTON7\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(L(), {{1, 0, 0, 0, 0, 0}, {0, 0, 1, 0}}));
  EXPECT_EQ(r.Record().substr(0, 9), " 6  4  0 ");
  EXPECT_TRUE(r.HostStarted());
  // Read back at the next start.
  LessonRunOptions o;
  o.record_text = r.Record();
  LessonRun again = RunLesson("", o);
  EXPECT_EQ(again.state().PassFlags[0][1], 1);
  EXPECT_EQ(again.state().PassFlags[1][3], 1);
  EXPECT_EQ(again.state().PassFlags[1][4], 0);
}

TEST(AveragePerUnitCarried, RunsOnTheNumberBoxAndTheFourBoxOk) {
  // The lesson runs on the shared settings.
  EXPECT_EQ(L().problem_rounded, lessons::common::kNumberBoxRounding);
  const frame::AnswerBar carried = lessons::common::FourBoxOk();
  bool has_four_box = false;
  for (const frame::AnswerBar& b : L().bars)
    if (b.form == "FORM9") has_four_box = b.boxes == carried.boxes && b.expected == carried.expected;
  EXPECT_TRUE(has_four_box);
}

}  // namespace
}  // namespace ham::testing
