// The polygon-area lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>

#include "lessons/polygon-area/lesson.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& PolygonAreaResources();

namespace ham::testing {
namespace {

constexpr LessonRunner RunLesson{&lessons::PolygonAreaLesson, &PolygonAreaResources};

const char* const kContents[] = {
    "(よく見よう!)  ☆ 多角形の面積1 --------- 1ページ", "(よく見よう!)  ☆ 多角形の面積2 --------- 2ページ",
    "(よく見よう!)  ☆ 多角形の面積3 --------- 3ページ", "(やってみよう!)★ 練習 1 ---------------- 4ページ",
    "(よく見よう!)  ☆ 多角形の面積4 --------- 5ページ", "(よく見よう!)  ☆ 多角形の面積5 --------- 6ページ",
    "(やってみよう!)★ 練習 2 ---------------- 7ページ",
};

// ----- start-up, contents, chooser, forms --------------------------------------------------------

TEST(PolygonAreaStartUp, ContentsAndChooserWithPassMarks) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2;
  };
  const Case cases[] = {
      {{{1, 1, 1, 1, 1, 1}, {}}, true, false},
      {{{1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1}}, false, true},
      {{}, false, false},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("click BMPBUTTON4\n", o);
    EXPECT_TRUE(r.Drew("5年生の算数   多角形の面積"));
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(Printed(r, kContents[i], 2, 7 + i)) << kContents[i];
    // The contents page at column 55, the chooser at the frame's column 53.
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 10), c.mark1);
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 13), c.mark2);
    EXPECT_EQ(Printed(r, "ごうかく!", 53, 10), c.mark1);
    EXPECT_EQ(Printed(r, "ごうかく!", 53, 13), c.mark2);
    EXPECT_TRUE(Printed(r, "何ページを開けますか? 0から7までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
  }
}

TEST(PolygonAreaStartUp, FormsAndBoxes) {
  LessonRun r = RunLesson("");
  EXPECT_EQ(r.rt().FindForm("FORM10"), nullptr);
  // The program holds MAINFORM and FORM3 to FORM9 only.
  std::vector<std::string> forms;
  for (const ResourceEntry& e : PolygonAreaResources())
    if (e.type == "RCDATA" && e.name.substr(0, 4) != "F1A0" && e.name.substr(0, 3) != "FB$") forms.emplace_back(e.name);
  std::sort(forms.begin(), forms.end());
  EXPECT_EQ(forms, (std::vector<std::string>{"FORM3", "FORM4", "FORM5", "FORM6", "FORM7", "FORM8", "FORM9", "MAINFORM"}));
  ASSERT_NE(r.rt().FindForm("FORM9"), nullptr);
  EXPECT_FALSE(r.rt().FindForm("FORM9")->visible);
  EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
  EXPECT_EQ(r.state().EditRef.size(), 4u);
  // The title strip brings FORM9 along, and nothing fails for the missing FORM10.
  LessonRun moved = RunLesson("click FORM4\n");
  EXPECT_EQ(moved.rt().FindForm("FORM9")->left, 400);
  EXPECT_EQ(moved.rt().FindForm("FORM9")->top, 714);
  EXPECT_EQ(moved.rt().FindForm("FORM7")->top, 714);
  EXPECT_EQ(moved.status, 0);
}

TEST(PolygonAreaNavigation, PagesChooserAndEnd) {
  struct Case {
    std::string script;
    float current;
    std::string drawn;
  };
  const Case cases[] = {
      {Page(7) + "click BMPBUTTON3\n", 7, "単元終わり"},
      {Page(7) + "click BMPBUTTON3\nclick BMPBUTTON3\n", 7, "単元終わり"},
      {Page(7) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 6, "6ﾍﾟｰｼﾞ        多角形の面積5"},
      {Page(5), 5, "5ﾍﾟｰｼﾞ        多角形の面積4"},
      {Page(4), 4, "4ﾍﾟｰｼﾞ          練習1"},
      {"click BMPBUTTON3\n", 1, "1ﾍﾟｰｼﾞ          多角形の面積1"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current) << c.script;
    EXPECT_TRUE(r.Drew(c.drawn) || Printed(r, c.drawn, 10, 7)) << c.script;
  }
  for (const char* t : {"8", "-1", "07", ""}) {
    std::string script = "click BMPBUTTON4\n";
    if (*t) script += std::string("type EDIT1 ") + t + "\n";
    LessonRun r = RunLesson(script + "click BUTTON1\ndismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << t;
    EXPECT_EQ(r.Messages()[0], "そのページはありません！");
  }
}

TEST(PolygonAreaNavigation, OkOnTheContentsPageDoesNothing) {
  LessonRun r = RunLesson("type EDIT1 1\nclick BUTTON1\n");
  EXPECT_EQ(r.state().CurrentPage, 0);
  EXPECT_TRUE(r.Messages().empty());
  EXPECT_TRUE(OpenCommands(r).empty());
  EXPECT_FALSE(r.Drew("だん落 1"));
}

TEST(PolygonAreaNavigation, PageModulesPromptTheirRanges) {
  struct Case {
    int page;
    std::string range;
  };
  const Case cases[] = {
      {1, "回答らんに1から3までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
      {2, "回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
      {3, "回答らんに1から3までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
      {4, "回答らんに1から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
      {6, "回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
      {7, "回答らんに1から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page));
    EXPECT_TRUE(Printed(r, c.range, 2, 3)) << c.page;
  }
  LessonRunOptions o;
  o.flags = {{0, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 1}};
  LessonRun p7 = RunLesson(Page(7), o);
  EXPECT_TRUE(Printed(p7, "1番から6番まですべて ごうかくするとパスワードが出ます｡", 2, 5));
  EXPECT_TRUE(Printed(p7, "ごうかく", 14, 14));  // problem 6 of page 7
  EXPECT_FALSE(Printed(p7, "ごうかく", 14, 10));  // problem 2 is page 4's
}

// ----- explanation pages --------------------------------------------------------------------------

TEST(PolygonAreaExplanation, EveryPageFromEveryParagraph) {
  struct Case {
    int page, start;
    std::size_t opens;        // narrations voiced
    std::string first_open;   // "" when none
    int waits;                // narrations that play to their end
    std::string label, end_text;
  };
  const Case cases[] = {
      {1, 1, 15, "SOUND1.WAV", 1, "だん落 3", "1ページ終わり"},
      {1, 2, 14, "SOUND2.WAV", 1, "だん落 3", "1ページ終わり"},
      {1, 3, 0, "", 0, "だん落 3", "1ページ終わり"},
      {2, 1, 18, "SOUND13.WAV", 5, "だん落 2", "2ページ終わり"},
      {2, 2, 0, "", 0, "だん落 2", "2ページ終わり"},
      {3, 1, 6, "SOUND20.WAV", 0, "だん落 3", "3ページ終わり"},
      {3, 2, 5, "SOUND21.WAV", 0, "だん落 3", "3ページ終わり"},
      {3, 3, 0, "", 0, "だん落 3", "3ページ終わり"},
      {5, 1, 15, "SOUND24.WAV", 0, "だん落 2", "5ページ終わり"},
      {5, 2, 0, "", 0, "だん落 2", "5ページ終わり"},
      {6, 1, 12, "SOUND39.WAV", 0, "だん落 2", "6ページ終わり"},
      {6, 2, 0, "", 0, "だん落 2", "6ページ終わり"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.start));
    SCOPED_TRACE("page " + std::to_string(c.page) + " from " + std::to_string(c.start));
    std::vector<std::string> opens = OpenCommands(r);
    EXPECT_EQ(opens.size(), c.opens);
    if (!c.first_open.empty() && !opens.empty()) {
      EXPECT_EQ(opens.front(), "open " + c.first_open + " alias wave1");
    }
    EXPECT_EQ(Count(r.MciCommands(), "play wave1 notify wait"), c.waits);
    EXPECT_TRUE(SoundsClosedOnce(r, c.end_text));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.end_text, c.page == 1 ? 400 : c.page == 2 ? 300 : 400,
                       c.page == 1 ? 370 : c.page == 2 ? 300 : 350));
    // The last label stands: drawn last of the labels, not in colour 0.
    std::string last_label;
    for (const TraceRecord& t : r.Ops("text"))
      if (t.at("text").rfind("だん落 ", 0) == 0 && t.at("x") == "570" && t.at("color") != "0") last_label = t.at("text");
    EXPECT_EQ(last_label, c.label);
    // The heading tab is the wide one; the paragraphs draw in (0,0)-(639,479).
    bool tab = false;
    for (const TraceRecord& b : r.Ops("box"))
      if (b.at("x1") == "190" && b.at("y1") == "0" && b.at("x2") == "315" && b.at("y2") == "22" && b.at("color") == "2")
        tab = true;
    EXPECT_TRUE(tab);
    // A start at the last paragraph draws the finished page without waiting.
    if (c.opens == 0) {
      EXPECT_TRUE(r.Ops("wait").empty());
    }
  }
}

TEST(PolygonAreaExplanation, LaterStartDrawsEarlierParagraphsSilently) {
  LessonRun r = RunLesson(Page(1) + Choose(2));
  EXPECT_TRUE(r.Drew("長方形の面積 = たて×横"));
  EXPECT_TRUE(r.Drew("ひし形の面積 = 対角線×対角線÷2"));
  // Nothing waited before the first narration of paragraph 2.
  const auto& t = r.trace();
  bool waited_before = false;
  bool seen_label = false;
  for (const TraceRecord& e : t) {
    if (e.at("op") == "text" && e.at("text") == "だん落 1" && e.at("x") == "570") seen_label = true;
    if (e.at("op") == "mci" && e.at("command").rfind("open ", 0) == 0) break;
    if (seen_label && e.at("op") == "wait") waited_before = true;
  }
  EXPECT_TRUE(seen_label);
  EXPECT_FALSE(waited_before);
}

TEST(PolygonAreaExplanation, BlinksEndInTheirLastColour) {
  LessonRun r = RunLesson(Page(5) + Choose(2));
  // The placeholder is erased by drawing it in colour 0, then "(12-8)" blinks
  // seven times and stays in colour 7.
  std::vector<std::string> colours;
  bool erased = false;
  for (const TraceRecord& t : r.Ops("text")) {
    if (t.at("text") == " ？" && t.at("x") == "283" && t.at("y") == "160" && t.at("color") == "0") erased = true;
    if (t.at("text") == "(12-8)") {
      EXPECT_TRUE(erased);
      colours.push_back(t.at("color"));
    }
  }
  EXPECT_EQ(colours, (std::vector<std::string>{"7", "0", "7", "0", "7", "0", "7"}));
  // A blinking line between colour 6 and 2 (counter 0 to 7) ends in colour 2.
  std::vector<std::string> line;
  for (const TraceRecord& l : r.Ops("line"))
    if (l.at("x1") == "100" && l.at("y1") == "170" && l.at("x2") == "180" && l.at("y2") == "170")
      line.push_back(l.at("color"));
  ASSERT_EQ(line.size(), 16u);  // two blinks of eight passes
  EXPECT_EQ(line.front(), "6");
  EXPECT_EQ(line.back(), "2");
  // A blinking polygon ends filled.
  std::vector<std::string> fills;
  for (const TraceRecord& p : r.Ops("polyline"))
    if (p.count("filled") && p.at("points").rfind("[100,80,100,170,180,170", 0) == 0) fills.push_back(p.at("fill"));
  ASSERT_EQ(fills.size(), 5u);
  EXPECT_EQ(fills.back(), "2");
  EXPECT_EQ(fills[1], "0");
}

TEST(PolygonAreaExplanation, OutOfRangeParagraphs) {
  struct Case {
    int page, n;
  };
  for (const Case& c : {Case{1, 4}, Case{1, 0}, Case{2, 3}, Case{5, 3}, Case{6, -1}, Case{3, 4}}) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.n) + "dismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << c.page << " " << c.n;
    EXPECT_EQ(r.Messages()[0], "その段落はありません！");
    EXPECT_TRUE(OpenCommands(r).empty());
  }
}

TEST(PolygonAreaExplanation, InterruptionReturnsToTheUsualWindow) {
  // A click on the title strip while page 1 narrates: the script stops and
  // the sound is closed.
  LessonRun r = RunLesson(Page(1) + Choose(1) + "+300 click FORM4\n");
  EXPECT_FALSE(r.Drew("1ページ終わり"));
  EXPECT_EQ(r.rt().FindForm("FORM4")->left, 400);
  EXPECT_LT(OpenCommands(r).size(), 15u);
  EXPECT_EQ(r.MciCommands().back(), "close wave1");
}

TEST(PolygonAreaExplanation, PendingActionRestoresTheUsualWindow) {
  // What the main loop does when the pupil has acted, after "close wave1".
  Runtime rt;
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 479);
  frame::Frame f(lessons::PolygonAreaLesson());
  ASSERT_TRUE(lessons::PolygonAreaLesson().on_pending);
  lessons::PolygonAreaLesson().on_pending(f);
  const DrawState& st = rt.main_form().state();
  EXPECT_TRUE(st.window);
  EXPECT_EQ(st.wx1, 0);
  EXPECT_EQ(st.wy1, 0);
  EXPECT_EQ(st.wx2, 639);
  EXPECT_EQ(st.wy2, 568);
}

// ----- practices ------------------------------------------------------------------------------------

TEST(PolygonAreaPractice, EveryProblemAcceptsItsAnswer) {
  struct Case {
    int page, problem;
    std::string answer, line;
  };
  const Case cases[] = {
      {4, 1, "31.5", ""},
      {4, 2, "51", ""},
      {4, 3, "21", ""},
      {4, 4, "97.5", "四角形ABCDは平行四辺形です｡"},
      {4, 5, "99.44", ""},
      {4, 6, "58", ""},
      {7, 1, "68", ""},
      {7, 2, "92.5", ""},
      {7, 3, "143.5", "四角形ABCDはひし形です｡"},
      {7, 4, "77.19", "四角形ABCDはひし形です｡"},
      {7, 5, "35.4", "四角形ABCDと四角形CDEFは平行四辺形です｡"},
      {7, 6, "9.18", "四角形ABCDは長方形です｡"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + AnswerOne(c.answer));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.problem));
    std::string header = c.page == 4 ? "練習1                                4ﾍﾟｰｼﾞ" : "練習2                                7ﾍﾟｰｼﾞ";
    EXPECT_TRUE(DrewAt(r, "MAINFORM", header, 200, 2));
    EXPECT_TRUE(Printed(r, "(" + std::to_string(c.problem) + ")", 0, 4));
    EXPECT_TRUE(Printed(r, "赤い部分の面積を求めなさい｡", 4, 5));
    if (!c.line.empty()) {
      EXPECT_TRUE(Printed(r, c.line, 4, 4));
    }
    EXPECT_TRUE(DrewAt(r, "FORM7", "答え", 86, 3));
    EXPECT_TRUE(DrewAt(r, "FORM7", "c㎡", 200, 3));
    EXPECT_TRUE(Printed(r, "天才!ごうかく!", 28, 22, 2));
    int flags = c.page == 4 ? 0 : 1;
    EXPECT_EQ(r.state().PassFlags[flags][static_cast<std::size_t>(c.problem)], 1);
    EXPECT_EQ(r.state().PassFlags[1 - flags][static_cast<std::size_t>(c.problem)], 0);
    EXPECT_EQ(r.state().ProblemNumber[0], static_cast<float>(c.problem + 1));
    EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), 1);
  }
}

TEST(PolygonAreaPractice, WrongAnswersShowHints) {
  const std::string general4 = "計算まちがいしてるよ!わからない時は3ページのだん落2を見れば答えがわかるよ!";
  const std::string lead7 = "計算まちがいしてないかな?公式をわすれた人は1ページのだん落1を見よう!";
  struct Case {
    int page, problem;
    std::string answer, hint;
  };
  const Case cases[] = {
      {4, 1, "31.50", general4},
      {4, 1, " 31.5", general4},
      {4, 1, "31.5 ", general4},  // no trailing-blank warning in this lesson
      {4, 1, "３１．５", general4},
      {4, 1, "", general4},
      {4, 2, "50", general4},
      {4, 3, "20", "三角形と台形がくっついてるんだよ!公式をわすれた人は1ページのだん落1を見よう!"},
      {4, 6, "60", "台形から三角形を2つ切り取った形だよ!公式をわすれた人は1ページのだん落1を見よう!"},
      {7, 1, "67", "長方形から三角形が2つ切り取ってあるんだよ!"},
      {7, 6, "39.42", "底辺が10.8cmの大きい三角形と小さい三角形が見えたら 後はかんたんなんだよ!"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + AnswerOne(c.answer));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.problem) + " [" + c.answer + "]");
    EXPECT_TRUE(Printed(r, c.hint, 0, 22, 2));
    EXPECT_EQ(Printed(r, lead7, 0, 23, 2), c.page == 7);
    EXPECT_FALSE(r.Drew("最後には 空白キーをうたないでね!"));
    EXPECT_FALSE(Printed(r, "天才!ごうかく!", 28, 22));
    EXPECT_EQ(r.state().PassFlags[c.page == 4 ? 0 : 1][static_cast<std::size_t>(c.problem)], 0);
    EXPECT_EQ(r.state().ProblemNumber[0], static_cast<float>(c.problem));
    // Only the page's own general line and its hint: page 4's line stays off page 7.
    int hints = 0;
    for (const TraceRecord& p : r.Ops("print"))
      if (p.at("row") == "22" || p.at("row") == "23") ++hints;
    EXPECT_EQ(hints, c.page == 7 ? 2 : 1);
  }
}

TEST(PolygonAreaPractice, MessageStrips) {
  struct Case {
    int page;
    std::string answer;
    std::string y2;
  };
  const Case cases[] = {{4, "31.5", "492"}, {4, "1", "492"}, {7, "68", "490"}, {7, "1", "492"}};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(1) + AnswerOne(c.answer));
    bool strip = false;
    for (const TraceRecord& b : r.Ops("box"))
      if (b.at("x1") == "0" && b.at("y1") == "340" && b.at("x2") == "640" && b.at("y2") == c.y2) strip = true;
    EXPECT_TRUE(strip) << c.page << " " << c.answer;
  }
}

TEST(PolygonAreaPractice, ProblemNumbersThatNameNoProblem) {
  for (std::string n : {"0", "7", "-1", "7.4", "abc", "99999"}) {
    LessonRun r = RunLesson(Page(4) + "type EDIT1 " + n + "\nclick BUTTON1\ndismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << n;
    EXPECT_EQ(r.Messages()[0], "その番号はありません！");
    EXPECT_FALSE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡")) << n;
    EXPECT_FALSE(r.Drew("4ページ終わり")) << n;
    EXPECT_EQ(r.status, 0);
  }
}

TEST(PolygonAreaPractice, LastProblemEndsThePage) {
  struct Case {
    int page;
    std::vector<std::vector<int>> flags;
    std::string answer, end_text, reward;
  };
  const Case cases[] = {
      {4, {}, "58", "4ページ終わり", ""},
      {4, {{1, 1, 1, 1, 1, 0}}, "58", "4ページ終わり", "やったね!パスワードは 発見(はっけん) だよ!"},
      {7, {{}, {1, 1, 1, 1, 1, 0}}, "9.18", "7ページ終わり", "やったね!パスワードは 観察(かんさつ) だよ!"},
      {7, {{}, {1, 1, 1, 1, 1, 1}}, "9.18", "7ページ終わり", "やったね!パスワードは 観察(かんさつ) だよ!"},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson(Page(c.page) + Choose(6) + AnswerOne(c.answer), o);
    SCOPED_TRACE(c.end_text + " " + c.reward);
    EXPECT_TRUE(Printed(r, c.end_text, 30, 15, 1));
    EXPECT_EQ(r.state().ProblemNumber[0], 7);
    EXPECT_FALSE(r.rt().FindForm("FORM3")->visible);
    EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
    // Page 4 hides FORM9 as well, page 7 leaves it alone.
    int form9_hides = 0;
    for (const TraceRecord& h : r.Ops("hide"))
      if (h.at("form") == "FORM9") ++form9_hides;
    int before = 0;
    LessonRun ref = RunLesson(Page(c.page) + Choose(6), o);
    for (const TraceRecord& h : ref.Ops("hide"))
      if (h.at("form") == "FORM9") ++before;
    // ShowPracticeForm hides FORM9 once per problem shown: one more for the second.
    EXPECT_EQ(form9_hides - before, c.page == 4 ? 1 : 0);
    if (c.reward.empty()) {
      EXPECT_FALSE(r.Drew("計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!"));
    } else {
      EXPECT_TRUE(Printed(r, c.reward, 5, 7));
      EXPECT_TRUE(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13));
    }
  }
}

TEST(PolygonAreaPractice, RewardAgainOncePassed) {
  LessonRunOptions o;
  o.flags = {{1, 1, 1, 1, 1, 1}};
  LessonRun r = RunLesson(Page(4) + Choose(1) + AnswerOne("31.5") + AnswerOne("51"), o);
  int rewards = 0;
  for (const TraceRecord& p : r.Ops("print"))
    if (p.at("text") == "やったね!パスワードは 発見(はっけん) だよ!") ++rewards;
  EXPECT_EQ(rewards, 2);
  EXPECT_EQ(r.state().ProblemNumber[0], 3);
  EXPECT_TRUE(Printed(r, "(3)", 0, 4));
}

// ----- exit --------------------------------------------------------------------------------------------

TEST(PolygonAreaExit, WritesSixAndSixFlags) {
  LessonRunOptions o;
  o.flags = {{0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0}};
  LessonRun r =
      RunLesson(Page(4) + Choose(2) + AnswerOne("51") + Page(7) + Choose(6) + AnswerOne("9.18") + "click BMPBUTTON7\n", o);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(lessons::PolygonAreaLesson(), {{0, 1, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 1}}));
  EXPECT_EQ(r.Record().substr(0, 8), " 6  6  0");
  EXPECT_TRUE(r.HostStarted());
}

}  // namespace
}  // namespace ham::testing
