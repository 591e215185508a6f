// The number-comparison lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

#include "lessons/number-comparison/lesson.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& NumberComparisonResources();

namespace ham::testing {
namespace {

using lessons::number_comparison::kExpectedAnswerAlt;
using lessons::number_comparison::kOneBoxAnswer;

const frame::Lesson& Lesson() { return lessons::NumberComparisonLesson(); }

constexpr LessonRunner RunLesson{&Lesson, &NumberComparisonResources};

std::vector<std::string> Sounds(int first, int last) {
  std::vector<std::string> out;
  for (int k = first; k <= last; ++k) out.push_back("SOUND" + std::to_string(k) + ".WAV");
  return out;
}

// Trace records after the last event procedure of the given name.
std::vector<TraceRecord> After(const LessonRun& r, const std::string& procedure) {
  std::vector<TraceRecord> out;
  for (const TraceRecord& t : r.trace()) {
    if (t.count("op") && t.at("op") == "event" && t.at("procedure") == procedure) out.clear();
    out.push_back(t);
  }
  return out;
}

// A new number typed in the number bar below a problem.
std::string Renumber(const std::string& n) { return "erase EDIT1\ntype EDIT1 " + n + "\nclick BUTTON1\n"; }

const std::string kPraise = "天才!ごうかく!";

// ----- start-up ------------------------------------------------------------------------

TEST(NumberComparisonStartUp, FormsPicturesAndNoDrawingSheet) {
  LessonRun r = RunLesson("");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.Drew("5年生の算数   整数と小数と分数をくらべる"));
  EXPECT_TRUE(DrewAt(r, "MAINFORM", "5年生の算数   整数と小数と分数をくらべる", 100, 29));
  // FORM2 is in the resources but is not loaded.
  EXPECT_EQ(r.rt().FindForm("FORM2"), nullptr);
  for (const char* bar : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}) {
    ASSERT_NE(r.rt().FindForm(bar), nullptr) << bar;
    EXPECT_FALSE(r.rt().FindForm(bar)->visible) << bar;
  }
  for (int k = 1; k <= 18; ++k) EXPECT_NE(r.frame().edit("EDIT" + std::to_string(k)), nullptr) << k;
  // The pointing hand comes from the lesson's folder.
  EXPECT_TRUE(r.frame().picture("右指.BMP").loaded);
  EXPECT_TRUE(r.frame().picture("CF.BMP").loaded);
}

TEST(NumberComparisonStartUp, ContentsAndChooserPassMarks) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2;
  };
  const Case cases[] = {
      {{{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {}}, true, false},
      {{{1, 1, 1, 1, 1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1, 1, 1}}, false, true},
      {{{}, {1, 1, 1, 1, 1, 1, 1, 0}}, false, false},  // seven of eight
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("click BMPBUTTON4\n", o);
    EXPECT_TRUE(Printed(r, "(よく見よう!)  ☆ 分数を小数に変える ---- 1ページ", 2, 7));
    EXPECT_TRUE(Printed(r, "(やってみよう!)★ 練習 1 ---------------- 2ページ", 2, 8));
    EXPECT_TRUE(Printed(r, "(よく見よう!)  ☆ 小数を分数に変える ---- 3ページ", 2, 9));
    EXPECT_TRUE(Printed(r, "(やってみよう!)★ 練習 2 ---------------- 4ページ", 2, 10));
    EXPECT_TRUE(Printed(r, "何ページを開けますか? 0から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
    // Contents page and chooser: column 55 both.
    int marks1 = 0, marks2 = 0;
    for (const TraceRecord& p : r.Ops("print"))
      if (p.at("text") == "ごうかく!") {
        EXPECT_EQ(p.at("col"), "55");
        marks1 += p.at("row") == "8";
        marks2 += p.at("row") == "10";
      }
    EXPECT_EQ(marks1, c.mark1 ? 2 : 0);
    EXPECT_EQ(marks2, c.mark2 ? 2 : 0);
  }
}

// ----- navigation ----------------------------------------------------------------------

TEST(NumberComparisonNavigation, PagesAndChooser) {
  struct Case {
    std::string script;
    float current;
    std::string drawn;
  };
  const Case cases[] = {
      {"click BMPBUTTON3\n", 1, "1ﾍﾟｰｼﾞ          分数を小数に変える"},
      {"click BMPBUTTON3\nclick BMPBUTTON3\n", 2, "2ﾍﾟｰｼﾞ          練習1"},
      {Page(3), 3, "3ﾍﾟｰｼﾞ          小数を分数に変える"},
      {Page(4), 4, "4ﾍﾟｰｼﾞ          練習2"},
      {Page(4) + "click BMPBUTTON3\n", 4, "単元終わり"},
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON3\n", 4, "単元終わり"},  // NEXT shows it again
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 3, "3ﾍﾟｰｼﾞ          小数を分数に変える"},
      {"click BMPBUTTON4\ntype EDIT1 5\nclick BUTTON1\ndismiss\n", 0, "そのページはありません！"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    SCOPED_TRACE(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current);
    EXPECT_TRUE(r.Drew(c.drawn) || Count(r.Messages(), c.drawn) == 1);
  }
  // The page modules' texts for four paragraphs, ten and eight problems.
  LessonRun r = RunLesson(Page(1) + "click BMPBUTTON3\n" + "click BMPBUTTON3\nclick BMPBUTTON3\n");
  EXPECT_TRUE(Printed(r, "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 3));
  EXPECT_TRUE(Printed(r, "回答らんに1から10までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 3));
  EXPECT_TRUE(Printed(r, "1番から8番まですべて ごうかくするとパスワードが出ます｡", 2, 5));
  EXPECT_TRUE(DrewAt(r, "MAINFORM", "だん落  4", 104, 270));
}

TEST(NumberComparisonNavigation, TitleStripTakesEveryWindowAlong) {
  // One click moves the strip to (400,300) and every window with it, the
  // main window first; a second click takes them all back.
  struct Case {
    std::string script;
    int left, top;
  };
  const Case cases[] = {{"click FORM4\n", 400, 300}, {"click FORM4\nclick FORM4\n", 0, 0}};
  const std::vector<std::tuple<std::string, int, int>> offsets = {
      {"FORM3", 0, 414}, {"FORM5", 0, 480},  {"FORM6", 641, 0},   {"FORM7", 0, 414},
      {"FORM8", 0, 440}, {"FORM9", 0, 414}, {"FORM10", 0, 414}, {"FORM11", 0, 414}, {"FORM12", 0, 414}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.rt().FindForm("FORM4")->left, c.left);
    EXPECT_EQ(r.rt().FindForm("FORM4")->top, c.top);
    EXPECT_EQ(r.rt().main_form().left, c.left);
    EXPECT_EQ(r.rt().main_form().top, c.top + 22);
    for (const auto& [form, dx, dy] : offsets) {
      EXPECT_EQ(r.rt().FindForm(form)->left, c.left + dx) << form;
      EXPECT_EQ(r.rt().FindForm(form)->top, c.top + dy) << form;
    }
    std::vector<std::string> moved;
    for (const TraceRecord& t : After(r, "FE$FORM4_MOUSEDOWN"))
      if (t.at("op") == "move") moved.push_back(t.at("form"));
    EXPECT_EQ(moved, (std::vector<std::string>{"FORM4", "MAINFORM", "FORM3", "FORM5", "FORM6", "FORM7", "FORM8",
                                               "FORM9", "FORM10", "FORM11", "FORM12"}));
  }
}

TEST(NumberComparisonNavigation, ButtonsBlankOnlyTheFirstTwoBoxes) {
  LessonRun r = RunLesson(Page(4) + Choose(1) + "type EDIT14 2\nclick BMPBUTTON5\n");
  EXPECT_EQ(FmGetText(r.frame().edit("EDIT14")), "2");
  EXPECT_FALSE(r.rt().FindForm("FORM11")->visible);
  EXPECT_EQ(FmGetText(r.frame().edit("EDIT1")), "");
}

// ----- explanation pages ---------------------------------------------------------------

TEST(NumberComparisonExplanation, NarrationsFromEveryParagraph) {
  struct Case {
    int page, from;
    std::vector<std::string> sounds;
  };
  const Case cases[] = {
      {1, 1, Sounds(1, 15)}, {1, 2, Sounds(4, 15)}, {1, 3, Sounds(11, 15)}, {1, 4, {}},
      {3, 1, Sounds(16, 30)}, {3, 2, Sounds(21, 30)}, {3, 3, Sounds(25, 30)}, {3, 4, {}},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.from));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.from));
    EXPECT_EQ(Opens(r), c.sounds);
    std::vector<std::string> cmds = r.MciCommands();
    // Each narration but the page's first closes the sound before it; the
    // last paragraph closes its own at the end.
    for (std::size_t i = 0; i < cmds.size(); ++i) {
      if (cmds[i].rfind("open ", 0) != 0) continue;
      bool first = cmds[i] == "open SOUND1.WAV alias wave1" || cmds[i] == "open SOUND16.WAV alias wave1";
      if (!first) {
        ASSERT_GT(i, 0u);
        EXPECT_EQ(cmds[i - 1], "close wave1") << cmds[i];
      }
    }
    if (!c.sounds.empty()) {
      EXPECT_EQ(cmds.back(), "close wave1");
    }
    std::string end = c.page == 1 ? "1ページ終わり" : "3ページ終わり";
    EXPECT_TRUE(DrewAt(r, "MAINFORM", end, 400, c.page == 1 ? 340 : 360));
    EXPECT_TRUE(r.Drew("だん落 4"));
    EXPECT_EQ(r.state().CurrentParagraph, 3);
    if (c.from == 4) {
      EXPECT_TRUE(r.Ops("wait").empty());
      EXPECT_EQ(Count(cmds, "play wave1"), 0);
    }
  }
}

TEST(NumberComparisonExplanation, ParagraphsOutOfRangeDrawNothing) {
  for (int page : {1, 3})
    for (const char* typed : {"0", "5", "-1"}) {
      LessonRun r = RunLesson(Page(page) + "type EDIT1 " + typed + "\nclick BUTTON1\ndismiss\n");
      SCOPED_TRACE(std::to_string(page) + typed);
      EXPECT_EQ(r.Messages(), (std::vector<std::string>{"その段落はありません！"}));
      EXPECT_FALSE(r.Drew("だん落 1"));
      EXPECT_TRUE(Opens(r).empty());
    }
}

TEST(NumberComparisonExplanation, OpeningAndLaterStarts) {
  struct Case {
    int page, from;
    std::string heading;
    int clear_y1, clear_x2;  // the clearing before the last paragraph
  };
  const Case cases[] = {
      {1, 3, "分数を小数に変える                   1ﾍﾟｰｼﾞ", 25, 630},
      {3, 3, "小数を分数に変える                   3ﾍﾟｰｼﾞ", 24, 545},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.from));
    SCOPED_TRACE(c.page);
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.heading, 200, 2));
    EXPECT_TRUE(BoxDrawn(r, 180, 0, 360, 22, 2));
    EXPECT_TRUE(BoxDrawn(r, 0, 0, 640, 490, 0));
    EXPECT_TRUE(BoxDrawn(r, 0, c.clear_y1, c.clear_x2, 390, 0));
    EXPECT_EQ(r.rt().main_form().height, 434);
    EXPECT_EQ(r.rt().main_form().state().wy2, 479);
    // The earlier paragraphs were drawn without waiting: the first wait comes
    // after the first narration of the chosen paragraph.
    std::string first_open;
    bool waited_before = false;
    for (const TraceRecord& t : r.trace()) {
      if (!t.count("op")) continue;
      if (t.at("op") == "mci" && t.at("command").rfind("open ", 0) == 0 && first_open.empty())
        first_open = t.at("command");
      if (t.at("op") == "wait" && first_open.empty() && t.at("units") != "0") waited_before = true;
    }
    EXPECT_EQ(first_open, c.page == 1 ? "open SOUND11.WAV alias wave1" : "open SOUND25.WAV alias wave1");
    EXPECT_FALSE(waited_before);
  }
  // Page 3: the pictures at x 550 and 580 lie right of the cleared area.
  LessonRun r = RunLesson(Page(3) + Choose(3));
  int pictures = 0;
  for (const TraceRecord& p : r.Ops("picture"))
    if (p.at("form") == "MAINFORM" && p.at("y") == "110") ++pictures;
  EXPECT_EQ(pictures, 2);
}

TEST(NumberComparisonExplanation, BlinkingTextsEndInWhite) {
  LessonRun r = RunLesson(Page(1) + Choose(1));
  auto colours = [&](const std::string& text, int x, int y) {
    std::vector<std::string> out;
    for (const TraceRecord& t : r.Ops("text"))
      if (t.at("text") == text && t.at("x") == std::to_string(x) && t.at("y") == std::to_string(y))
        out.push_back(t.at("color"));
    return out;
  };
  auto passes = [](int n) {
    std::vector<std::string> out;
    for (int k = 0; k < n; ++k) out.push_back(k % 2 ? "7" : "0");
    return out;
  };
  EXPECT_EQ(colours("    0.6", 300, 30), passes(12));
  EXPECT_EQ(colours("= 0.6", 110, 100), passes(12));
  EXPECT_EQ(colours("    0.5", 300, 125), passes(10));
  EXPECT_EQ(colours("= 0.7 1 あまり 0.0 3", 110, 220), passes(8));
  EXPECT_EQ(colours(">", 102, 40), passes(8));
  // Each pass waits 50.
  int fifties = 0;
  for (const TraceRecord& w : r.Ops("wait")) fifties += w.at("units") == "50";
  EXPECT_EQ(fifties, 12 + 12 + 10 + 10 + 8 + 8 + 8 + 8);
  // "3 ÷ 5 = ─ だから" in green; the hand before the blinking ">".
  bool green = false;
  for (const TraceRecord& t : r.Ops("text"))
    if (t.at("text") == "3 ÷ 5 = ─ だから" && t.at("color") == "2") green = true;
  EXPECT_TRUE(green);
  bool hand = false;
  for (const TraceRecord& p : r.Ops("picture"))
    if (p.at("picture") == "右指.BMP" && p.at("x") == "3" && p.at("y") == "43") hand = true;
  EXPECT_TRUE(hand);
}

// The screen at the end of a script ending in "shot end.png".
Surface EndShot(const LessonRun& r) {
  std::optional<Surface> shot = ReadPng(r.site().drive_c.parent_path() / "shots" / "end.png");
  EXPECT_TRUE(shot.has_value());
  return shot ? *shot : Surface(1, 1);
}

// White pixels among the distinct pixels of an ellipse's arc between two
// angles in turns (y down); the page's 0..639 x 0..479 maps 1:1 onto the
// main window, which stands 22 pixels down the screen.
std::pair<int, int> ArcInk(const Surface& screen, Pixel white, double cx, double cy, double rx, double ry, double a0,
                           double a1) {
  std::vector<std::pair<int, int>> seen;
  int ink = 0;
  for (int i = 0; i <= 600; ++i) {
    double a = (a0 + (a1 - a0) * i / 600.0) * 2 * 3.14159265358979;
    int x = static_cast<int>(std::lround(cx + rx * std::cos(a)));
    int y = static_cast<int>(std::lround(cy + ry * std::sin(a)));
    if (std::find(seen.begin(), seen.end(), std::pair{x, y}) != seen.end()) continue;
    seen.push_back({x, y});
    ink += screen.Get(x, y + 22) == white;
  }
  return {ink, static_cast<int>(seen.size())};
}

// A dotted arc: between a fifth and four fifths of its pixels inked.
void ExpectDotted(std::pair<int, int> ink) {
  EXPECT_GT(ink.first * 5, ink.second) << ink.first << "/" << ink.second;
  EXPECT_LT(ink.first * 5, ink.second * 4) << ink.first << "/" << ink.second;
}

std::vector<std::string> Arcs(const LessonRun& r) {
  std::vector<std::string> arcs;
  for (const TraceRecord& c : r.Ops("circle"))
    if (c.at("form") == "MAINFORM" && c.at("aspect") != "1")
      arcs.push_back(c.at("x") + "," + c.at("y") + "," + c.at("r") + "," + c.at("aspect") + "," + c.at("start") + "," +
                     c.at("end") + "," + c.at("color"));
  return arcs;
}

TEST(NumberComparisonExplanation, DottedArcsOverAndUnderTheBars) {
  LessonRun r = RunLesson(Page(3) + Choose(4) + "shot end.png\n");
  // Three unit bars bracketed from above; the hundredths bar above and below.
  EXPECT_EQ(Arcs(r), (std::vector<std::string>{"160,100,150,0.07,0.5,1,7", "160,140,150,0.07,0.5,1,7",
                                               "160,180,150,0.07,0.5,1,7", "46,220,36,0.25,0.5,1,7",
                                               "46,230,36,0.25,0,0.5,7"}));
  Surface screen = EndShot(r);
  const Pixel white = r.rt().main_form().PaletteColor(7);
  // On the screen, on the arcs' sides away from the labels: ink with gaps.
  ExpectDotted(ArcInk(screen, white, 46, 220, 36, 9, 0.52, 0.62));
  ExpectDotted(ArcInk(screen, white, 46, 230, 36, 9, 0.05, 0.15));
  // Nothing of an arc where its mirror would run.
  EXPECT_EQ(ArcInk(screen, white, 46, 230, 36, 9, 0.52, 0.62).first, 0);
  EXPECT_EQ(ArcInk(screen, white, 160, 100, 150, 10.5, 0.05, 0.2).first, 0);
  EXPECT_TRUE(DrewAt(r, "MAINFORM", "0.24", 36, 203));
  EXPECT_TRUE(DrewAt(r, "MAINFORM", "100", 36, 260));
}

TEST(NumberComparisonExplanation, PageOneBarsArcsAboveOnly) {
  LessonRun r = RunLesson(Page(1) + Choose(4) + "shot end.png\n");
  EXPECT_EQ(Arcs(r), (std::vector<std::string>{"110,120,100,0.15,0.5,1,7", "50,180,40,0.25,0.5,1,7"}));
  Surface screen = EndShot(r);
  const Pixel white = r.rt().main_form().PaletteColor(7);
  ExpectDotted(ArcInk(screen, white, 110, 120, 100, 15, 0.55, 0.7));
  ExpectDotted(ArcInk(screen, white, 50, 180, 40, 10, 0.55, 0.7));
  EXPECT_EQ(ArcInk(screen, white, 110, 130, 100, 15, 0.05, 0.2).first, 0);
  EXPECT_TRUE(BoxDrawn(r, 10, 180, 90, 190, 2));
}

// ----- practice page 2 -----------------------------------------------------------------

struct AnswerCase {
  int problem;
  std::string script;  // after the problem is shown
  bool right;
  std::string hint;    // for a wrong answer
};

TEST(NumberComparisonPractice1, RightAndWrongAnswers) {
  const std::string para2 = "わからない時は1ページのだん落2を見れば答えがわかるよ!";
  const std::string para3 = "わからない時は1ページのだん落3を見れば答えがわかるよ!";
  const AnswerCase cases[] = {
      {1, TypeOne("1.2"), true, ""},
      {1, TypeOne("1.20"), false, para2},
      {2, TypeOne("2.58"), true, ""},
      {2, TypeOne("2.583"), false, para2},
      {2, TypeOne(" 2.58"), false, para2},
      {3, TypeOne("2.78"), true, ""},
      {4, TypeOne("1"), true, ""},
      {4, TypeOne("2"), false, para3},
      {5, TypeOne("3"), true, ""},
      {6, TypeOne("2"), true, ""},
      {6, TypeOne("1"), false, para3},
      {7, TypeOne("B"), true, ""},
      {7, TypeOne("b"), true, ""},
      {8, TypeOne("A"), true, ""},
      {8, TypeOne("a"), true, ""},
      {8, TypeOne("B"), false, para3},
      {9, TypeOne("c"), true, ""},
      {10, TypeOne("d"), true, ""},
      {10, TypeOne("D "), false, para3},
  };
  for (const AnswerCase& c : cases) {
    std::string script = Page(2) + Choose(c.problem) + c.script;
    LessonRun r = RunLesson(script);
    SCOPED_TRACE(script);
    EXPECT_EQ(r.state().PassFlags[0][static_cast<std::size_t>(c.problem)], c.right ? 1 : 0);
    EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), c.right ? 1 : 0);
    EXPECT_EQ(Printed(r, kPraise, 10, 17, 2), c.right);
    EXPECT_EQ(r.state().ProblemNumber[0], static_cast<float>(c.problem + (c.right ? 1 : 0)));
    std::vector<TraceRecord> after = After(r, "FE$BUTTON2_ON");
    bool strip = false;
    for (const TraceRecord& b : after)
      if (b.at("op") == "box" && b.at("x1") == "0" && b.at("y1") == "315" && b.at("y2") == "422" &&
          b.at("color") == "0")
        strip = true;
    if (c.right) {
      EXPECT_TRUE(strip);
      EXPECT_TRUE(BoxDrawn(r, 0, 30, 640, 490, 0));
    } else {
      // The lead and the paragraph to read, over what stands: nothing erased.
      EXPECT_FALSE(strip);
      for (const TraceRecord& b : after) EXPECT_NE(b.at("op"), "box");
      EXPECT_TRUE(Printed(r, "分数を小数に直すんだよ!", 0, 17, 2));
      EXPECT_TRUE(Printed(r, c.hint, 23, 17, 2));
      // The answer stays in the box for another try.
      EXPECT_EQ("type EDIT2 " + r.frame().edit("EDIT2")->text + "\nclick BUTTON2\n", c.script);
      EXPECT_TRUE(r.rt().FindForm("FORM7")->visible);
    }
  }
}

TEST(NumberComparisonPractice1, OnlyTheLetterProblemsTakeTheLowerCaseLetter) {
  // Problem 8's "a" is right and problem 9 follows ("c" beside "C"); problem
  // 1, chosen then, does not take "c".
  LessonRun r = RunLesson(Page(2) + Choose(8) + TypeOne("a") + Renumber("1") + TypeOne("c"));
  EXPECT_EQ(r.state().PassFlags[0][8], 1);
  EXPECT_EQ(r.state().PassFlags[0][1], 0);
  EXPECT_EQ(r.state().ExpectedAnswer[kExpectedAnswerAlt], "c");
  EXPECT_EQ(r.state().ExpectedAnswer[kOneBoxAnswer], "1.2");
  EXPECT_TRUE(Printed(r, "わからない時は1ページのだん落2を見れば答えがわかるよ!", 23, 17));
  // Before any letter problem the lower-case string is empty: an empty answer is wrong.
  LessonRun empty = RunLesson(Page(2) + Choose(1) + "click BUTTON2\n");
  EXPECT_EQ(empty.state().PassFlags[0][1], 0);
  EXPECT_TRUE(empty.state().ExpectedAnswer[kExpectedAnswerAlt].empty());
}

TEST(NumberComparisonPractice1, ProblemDrawing) {
  struct Case {
    int problem;
    int number_col, number_row;
    std::string question;
    int question_col, question_row;
    std::vector<std::tuple<std::string, int, int>> numbers;  // printed at (col, row)
    std::string bar;
    int bar_x, bar_y;
  };
  const std::string fraction = "次の分数を小数に変えなさい｡きちんとした小数で表せないものは";
  const std::string compare = "次の□に等号か不等号を書き入れます｡";
  const std::string line = "次の数は上の数直線に書き入れるとA,B,C,Dのどれになりますか｡";
  const Case cases[] = {
      {1, 0, 7, fraction, 0, 8, {{" 6 ", 20, 10}, {" 5 ", 20, 11}}, "─", 168, 199},
      {3, 0, 7, fraction, 0, 8, {{" 7 ", 20, 10}, {" 9 ", 20, 11}}, "2 ─", 150, 199},
      {4, 0, 7, compare, 3, 7, {{" 4 ", 20, 10}, {" 5 ", 20, 11}}, "─ □", 164, 199},
      {5, 0, 7, compare, 3, 7, {{" 3 ", 27, 10}, {" 2 ", 27, 11}}, "1.5 □ ─", 164, 199},
      {6, 0, 7, compare, 3, 7, {{" 3 ", 20, 10}, {" 8 ", 20, 11}}, "─ □", 164, 199},
      {7, 4, 10, line, 8, 10, {{" 7 ", 20, 11}, {" 8 ", 20, 12}}, "2 ─", 150, 219},
      {9, 4, 10, line, 8, 10, {{" 3.2 ", 20, 11}}, "↑", 333, 140},
      {10, 4, 10, line, 8, 10, {{" 18 ", 20, 11}, {" 5 ", 20, 12}}, "─", 169, 219},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(2) + Choose(c.problem));
    SCOPED_TRACE(c.problem);
    EXPECT_TRUE(DrewAt(r, "MAINFORM", "練習1                                2ﾍﾟｰｼﾞ", 200, 2));
    EXPECT_TRUE(Printed(r, "解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡", 0, 2, 3));
    EXPECT_TRUE(Printed(r, "(" + std::to_string(c.problem) + ")", c.number_col, c.number_row));
    EXPECT_TRUE(Printed(r, c.question, c.question_col, c.question_row));
    for (const auto& [text, col, row] : c.numbers) EXPECT_TRUE(Printed(r, text, col, row)) << text;
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.bar, c.bar_x, c.bar_y));
    EXPECT_TRUE(DrewAt(r, "FORM7", "答え", 78, 3));
    EXPECT_TRUE(r.rt().FindForm("FORM7")->visible);
    EXPECT_FALSE(r.rt().FindForm("FORM11")->visible);
  }
  LessonRun r = RunLesson(Page(2) + Choose(4));
  EXPECT_TRUE(DrewAt(r, "MAINFORM", "0.7", 220, 199));
  EXPECT_TRUE(Printed(r, "(ﾋﾝﾄ---分数は小数に直して考えるとよくわかるよ!)", 3, 9));
  LessonRun line7 = RunLesson(Page(2) + Choose(7));
  EXPECT_TRUE(Printed(line7, "(ﾋﾝﾄ---分数は小数に直して考えるとよくわかるよ!)", 30, 12));
  int long_ticks = 0, short_ticks = 0;
  for (const TraceRecord& l : line7.Ops("line")) {
    long_ticks += l.at("y1") == "123" && l.at("y2") == "140";
    short_ticks += l.at("y1") == "133" && l.at("y2") == "140";
  }
  EXPECT_EQ(long_ticks, 5);
  EXPECT_EQ(short_ticks, 21);
}

// ----- practice page 4 -----------------------------------------------------------------

TEST(NumberComparisonPractice2, RightAndWrongAnswers) {
  const std::string reduce = "答えは約分して一番かんたんな分数にしよう!";
  const std::string p3a = "そうかな?わからない時は3ページのだん落1を見れば答えがわかるよ!";
  const std::string p3b = "そうかな?わからない時は3ページのだん落2を見れば答えがわかるよ!";
  const std::string p1a = "分数を小数に直してみて!わからない時は1ページのだん落2を見れば答えがわかるよ!";
  const std::string p1b = "分数を小数に直してみて!わからない時は1ページのだん落3を見れば答えがわかるよ!";
  const std::string five = "5は1分の1の位が5つあると考えよう!";
  struct Case {
    int problem;
    std::string script;
    bool right;
    std::string hint;
    int col;
  };
  const Case cases[] = {
      {1, TypeTwo("1", "5"), true, "", 0},
      {1, TypeTwo("2", "10"), false, reduce, 10},
      {1, TypeTwo("5", "1"), false, p3a, 0},
      {2, TypeTwo("9", "25"), true, "", 0},
      {2, TypeTwo("36", "100"), false, reduce, 10},
      {2, TypeTwo("18", "50"), false, reduce, 10},
      {2, TypeTwo("9", "26"), false, p3a, 0},
      {3, TypeThree("1", "1", "4"), true, "", 0},
      {3, TypeThree("1", "25", "100"), false, reduce, 10},
      {3, TypeThree("1", "5", "20"), false, reduce, 10},
      {3, TypeThree("1", "4", "1"), false, p3b, 0},
      {4, TypeTwo("5", "1"), true, "", 0},
      {4, TypeTwo("10", "2"), false, five, 10},
      {4, TypeTwo("1", "5"), false, five, 10},
      {5, TypeThree("4", "3", "20"), true, "", 0},
      {5, TypeThree("4", "15", "100"), false, reduce, 10},
      {5, TypeThree("4", "3", "2"), false, p3b, 0},
      {6, TypeOne("C"), true, "", 0},
      {6, TypeOne("c"), true, "", 0},
      {6, TypeOne("A"), false, p1a, 0},
      {7, TypeOne("b"), true, "", 0},
      {7, TypeOne("C"), false, p1b, 0},
      {8, TypeOne("a"), true, "", 0},
      {8, TypeOne("B"), false, p1a, 0},
  };
  for (const Case& c : cases) {
    std::string script = Page(4) + Choose(c.problem) + c.script;
    LessonRun r = RunLesson(script);
    SCOPED_TRACE(script);
    EXPECT_EQ(r.state().PassFlags[1][static_cast<std::size_t>(c.problem)], c.right ? 1 : 0);
    EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), c.right ? 1 : 0);
    EXPECT_EQ(Printed(r, kPraise, 28, 18, 2), c.right);
    EXPECT_FLOAT_EQ(r.state().ProblemNumber[1], static_cast<float>(c.problem + (c.right ? 1 : 0)));
    EXPECT_TRUE(BoxDrawn(r, 0, 334, 640, 420, 0));
    if (!c.right) {
      EXPECT_TRUE(Printed(r, c.hint, c.col, 18, 2));
      // One hint only.
      int hints = 0;
      for (const std::string& h : {reduce, p3a, p3b, p1a, p1b, five}) hints += Count(r.Texts(), h);
      EXPECT_EQ(hints, 1);
    }
  }
}

TEST(NumberComparisonPractice2, BarsOfEachProblem) {
  struct Case {
    int problem;
    std::string bar;  // the bar the pupil sees
    std::vector<std::tuple<std::string, int, int>> labels;
    std::string left;  // the question's left-hand text at row 8
  };
  const Case cases[] = {
      {1, "FORM11", {{"答え A", 80, 3}, {"B", 280, 3}}, "   0.2 ="},
      {2, "FORM11", {{"答え A", 80, 3}, {"B", 280, 3}}, "  0.36 ="},
      {3, "FORM12", {{"答え A", 58, 3}, {"B", 248, 3}, {"C", 401, 3}}, "1.25 ="},
      {4, "FORM11", {{"答え A", 80, 3}, {"B", 280, 3}}, "     5 ="},
      {5, "FORM12", {{"答え A", 58, 3}, {"B", 248, 3}, {"C", 401, 3}}, "4.15 ="},
      {6, "FORM7", {{"答え", 78, 3}}, ""},
      {8, "FORM7", {{"答え", 78, 3}}, ""},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(4) + Choose(c.problem));
    SCOPED_TRACE(c.problem);
    EXPECT_TRUE(DrewAt(r, "MAINFORM", "練習2                                4ﾍﾟｰｼﾞ", 200, 2));
    const Form* seen = r.rt().FindForm(c.bar);
    EXPECT_TRUE(seen->visible);
    for (const char* other : {"FORM7", "FORM11", "FORM12"}) {
      const Form* f = r.rt().FindForm(other);
      if (f != seen && f->visible) {
        EXPECT_GT(seen->z, f->z) << other;
      }
    }
    for (const auto& [text, x, y] : c.labels) EXPECT_TRUE(DrewAt(r, c.bar, text, x, y)) << text;
    if (c.bar != "FORM7") {
      EXPECT_EQ(r.rt().focus(), r.frame().edit(c.bar == "FORM11" ? "EDIT14" : "EDIT16"));
      EXPECT_TRUE(Printed(r, "(" + std::to_string(c.problem) + ")", 0, 4));
      EXPECT_TRUE(Printed(r, c.left, 0, 8));
      EXPECT_EQ(r.state().ExpectedAnswer[kOneBoxAnswer], c.left);
      EXPECT_TRUE(Printed(r, c.bar == "FORM11" ? "─" : "□─", c.bar == "FORM11" ? 10 : 8, 8));
      EXPECT_TRUE(DrewAt(r, "MAINFORM", "□", 80, 141));
      EXPECT_TRUE(DrewAt(r, "MAINFORM", "□", 80, 162));
      EXPECT_EQ(Count(r.Texts("FORM7"), "答え"), 0);
    } else {
      EXPECT_EQ(r.rt().focus(), r.frame().edit("EDIT2"));
      EXPECT_TRUE(Printed(r, "(" + std::to_string(c.problem) + ")", 0, 5));
    }
  }
}

TEST(NumberComparisonPractice2, OrderProblemsShowTheirThreeNumbers) {
  struct Case {
    int problem;
    std::string middle, numerators, denominators;
    bool whole;
  };
  const Case cases[] = {
      {6, "(い) 0.25", "      1                           2", "      5                           9", false},
      {7, "(い) 4.6", "      5                           41", "      8                           9", true},
      {8, "(い) 4", "      23                          31", "      6                           7", false},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(4) + Choose(c.problem));
    SCOPED_TRACE(c.problem);
    EXPECT_TRUE(Printed(r, "上の(あ)(い)(う)の数を小さい順にならべると次のA,B,Cのどれになりますか｡", 0, 9));
    EXPECT_TRUE(Printed(r, "A---(あ),(い),(う)    B---(う),(い),(あ)    C---(あ),(う),(い)", 0, 10));
    EXPECT_TRUE(Printed(r, "(あ)  ─                    (う)  ─", 5, 6));
    EXPECT_EQ(Printed(r, "4", 9, 6), c.whole);
    EXPECT_TRUE(Printed(r, c.middle, 18, 6));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.numerators, 40, 104));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.denominators, 40, 125));
    EXPECT_EQ(r.state().ExpectedAnswer[1], c.middle);
    EXPECT_EQ(r.state().ExpectedAnswer[2], c.numerators);
  }
  // From problem 5 to 6 with a right answer: FORM7 is raised over FORM12.
  LessonRun r = RunLesson(Page(4) + Choose(5) + TypeThree("4", "3", "20") + TypeOne("c"));
  EXPECT_EQ(r.state().PassFlags[1][5], 1);
  EXPECT_EQ(r.state().PassFlags[1][6], 1);
  EXPECT_FLOAT_EQ(r.state().ProblemNumber[1], 7);
  EXPECT_GT(r.rt().FindForm("FORM7")->z, r.rt().FindForm("FORM12")->z);
}

// ----- both pages ----------------------------------------------------------------------

TEST(NumberComparisonPractice, NumbersThatNameNoProblemAreRefused) {
  struct Case {
    int page;
    std::string typed;
  };
  // 11 and 9 are one past the last problem: typed, they are refused too.
  const Case cases[] = {{2, "0"}, {2, "11"}, {2, "12"}, {2, "-1"}, {4, "0"}, {4, "9"}, {4, "2.5"}, {4, "abc"}};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + "type EDIT1 " + c.typed + "\nclick BUTTON1\ndismiss\n");
    SCOPED_TRACE(std::to_string(c.page) + "/" + c.typed);
    EXPECT_EQ(r.Messages(), (std::vector<std::string>{"その番号はありません！"}));
    EXPECT_FALSE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡"));
    EXPECT_FALSE(r.Drew(c.page == 2 ? "2ページ終わり" : "4ページ終わり"));
    EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
    EXPECT_EQ(r.rt().focus(), r.frame().edit("EDIT1"));
  }
  // Page 2's number is rounded: 2.4 is problem 2.
  LessonRun rounded = RunLesson(Page(2) + "type EDIT1 2.4\nclick BUTTON1\n");
  EXPECT_TRUE(Printed(rounded, "(2)", 0, 7));
  // 2.5 on page 4 stays 2.5: the problem still shown is judged by no one.
  LessonRun r = RunLesson(Page(4) + Choose(2) + Renumber("2.5") + "dismiss\n" + TypeTwo("9", "25"));
  EXPECT_FLOAT_EQ(r.state().ProblemNumber[1], 2.5f);
  for (float f : r.state().PassFlags[1]) EXPECT_EQ(f, 0);
  EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), 0);
  EXPECT_FALSE(Printed(r, kPraise, 28, 18));
}

TEST(NumberComparisonPractice, LastProblemsEndThePagesWithTheRewardWhenAllPassed) {
  struct Case {
    int page, last;
    std::string answer, end, reward;
    int reward_col;
    std::vector<std::vector<int>> flags;
  };
  const Case cases[] = {
      {2, 10, TypeOne("D"), "2ページ終わり", "やったね!パスワードは 植物(しょくぶつ) だよ!", 1,
       {{1, 1, 1, 1, 1, 1, 1, 1, 1, 0}}},
      {4, 8, TypeOne("A"), "4ページ終わり", "やったね!パスワードは 満月(まんげつ) だよ!", 5, {{}, {1, 1, 1, 1, 1, 1, 1, 0}}},
      {2, 10, TypeOne("D"), "2ページ終わり", "", 0, {}},
      {4, 8, TypeOne("A"), "4ページ終わり", "", 0, {{}, {1, 1, 1, 1, 1, 1, 0, 0}}},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson(Page(c.page) + Choose(c.last) + c.answer, o);
    SCOPED_TRACE(c.end + c.reward);
    EXPECT_TRUE(Printed(r, c.end, 30, 15, 1));
    EXPECT_FLOAT_EQ(r.state().ProblemNumber[c.page == 2 ? 0 : 1], static_cast<float>(c.last + 1));
    for (const char* f : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"})
      EXPECT_FALSE(r.rt().FindForm(f)->visible) << f;
    bool reward = false;
    for (const TraceRecord& p : r.Ops("print"))
      if (p.at("text").rfind("やったね!", 0) == 0) {
        reward = true;
        EXPECT_EQ(p.at("text"), c.reward);
        EXPECT_EQ(p.at("col"), std::to_string(c.reward_col));
        EXPECT_EQ(p.at("row"), "7");
      }
    EXPECT_EQ(reward, !c.reward.empty());
    EXPECT_EQ(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13), !c.reward.empty());
  }
}

TEST(NumberComparisonPractice, ClickDuringTheJingleKeepsTheExpectedAnswer) {
  // OK pressed again while the pass jingle plays: the jingle's file name is
  // no answer, the same typed text is judged right once more.
  LessonRun r = RunLesson(Page(2) + Choose(1) + TypeOne("1.2") + "+10 click BUTTON2\n");
  EXPECT_EQ(r.state().WavFile, "SOUND80.WAV");
  EXPECT_FALSE(Printed(r, "分数を小数に直すんだよ!", 0, 17));
  EXPECT_EQ(r.state().PassFlags[0][1], 1);
  EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), 2);
  EXPECT_EQ(r.state().ProblemNumber[0], 2);
  EXPECT_EQ(r.state().ExpectedAnswer[kOneBoxAnswer], "2.58");
}

TEST(NumberComparisonPractice, ProceduresOfTheBars) {
  LessonRun r = RunLesson("");
  for (const char* name : {"FE$BMPBUTTON1_ON", "FE$BMPBUTTON7_ON", "FE$EDIT1_CHANGE", "FE$BUTTON1_ON",
                           "FE$EDIT2_CHANGE", "FE$BUTTON2_ON", "FE$EDIT14_CHANGE", "FE$EDIT15_CHANGE",
                           "FE$BUTTON5_ON", "FE$EDIT16_CHANGE", "FE$EDIT17_CHANGE", "FE$EDIT18_CHANGE",
                           "FE$BUTTON6_ON", "FE$FORM4_MOUSEDOWN"})
    EXPECT_TRUE(r.rt().HasProcedure(name)) << name;
  for (const char* name : {"FE$EDIT3_CHANGE", "FE$EDIT13_CHANGE", "FE$BUTTON3_ON", "FE$BUTTON4_ON"})
    EXPECT_FALSE(r.rt().HasProcedure(name)) << name;
}

// ----- exit ------------------------------------------------------------------------------

TEST(NumberComparisonExit, RecordWithTheCountsAndBothFlagArrays) {
  LessonRun r = RunLesson(Page(2) + Choose(3) + TypeOne("2.78") + Page(4) + Choose(8) + TypeOne("A") +
                          "click BMPBUTTON7\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(Lesson(), {{0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 1}}));
  EXPECT_EQ(r.Record().substr(0, 10), " 10  8  0 ");
  EXPECT_TRUE(r.HostStarted());
  // Read back at the next start: the flags come in the same order.
  LessonRunOptions o;
  o.record_text = r.Record();
  LessonRun again = RunLesson("", o);
  EXPECT_EQ(again.state().PassFlags[0][3], 1);
  EXPECT_EQ(again.state().PassFlags[1][8], 1);
  EXPECT_EQ(again.state().PassFlags[1][3], 0);
}

}  // namespace
}  // namespace ham::testing
