// The fraction add-sub lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "lessons/fraction-add-sub/lesson.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& FractionAddSubResources();

namespace ham::testing {
namespace {

const frame::Lesson& TheLesson() { return lessons::FractionAddSubLesson(); }

constexpr LessonRunner RunLesson{&TheLesson, &FractionAddSubResources};

std::string OkOf(std::size_t boxes) {
  const char* const ok[] = {"", "click BUTTON2", "click BUTTON3", "click BUTTON4", "click BUTTON5"};
  return ok[boxes];
}

// A field of the first or last of some records ("" when there are none).
std::string FirstField(const std::vector<TraceRecord>& recs, const char* key) {
  return recs.empty() ? "" : recs.front().at(key);
}
std::string LastField(const std::vector<TraceRecord>& recs, const char* key) {
  return recs.empty() ? "" : recs.back().at(key);
}

// Colours in which `text` was drawn at (x, y), in order.
std::string Colours(const LessonRun& r, const std::string& text, double x, double y) {
  std::string out;
  for (const TraceRecord& t : r.Ops("text"))
    if (t.at("text") == text && Num(t, "x") == x && Num(t, "y") == y) out += t.at("color");
  return out;
}

const std::string kPraise = "天才!ごうかく!";
const std::vector<int> kAllPassed(10, 1);

// ----- start-up, forms, navigation ------------------------------------------------------------

TEST(FasStartUp, ContentsPageAndPassMarks) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2;
  };
  const Case cases[] = {
      {{kAllPassed, {}}, true, false},
      {{{1, 1, 1, 1, 1, 1, 1, 1, 1, 0}, kAllPassed}, false, true},
      {{kAllPassed, kAllPassed}, true, true},
      {{}, false, false},
  };
  const char* const lines[] = {
      "(よく見よう!)  ☆ 分数のたし算ひき算 --------- 1ページ",
      "(よく見よう!)  ☆ 通分 ----------------------- 2ページ",
      "(やってみよう!)★ 練習 1 --------------------- 3ページ",
      "(やってみよう!)★ 練習 2 --------------------- 4ページ",
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("", o);
    EXPECT_TRUE(r.Drew("5年生の算数   通分と分数のたし算ひき算"));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(Printed(r, lines[i], 2, 7 + i, 7)) << i;
    EXPECT_EQ(Printed(r, "ごうかく!", 60, 9), c.mark1);
    EXPECT_EQ(Printed(r, "ごうかく!", 60, 10), c.mark2);
    // The page chooser marks the same rows.
    LessonRun chooser = RunLesson("click BMPBUTTON4\n", o);
    EXPECT_EQ(PrintedIn(AfterAction(chooser, "click BMPBUTTON4"), "ごうかく!", 60, 9), c.mark1);
    EXPECT_EQ(PrintedIn(AfterAction(chooser, "click BMPBUTTON4"), "ごうかく!", 60, 10), c.mark2);
  }
}

TEST(FasStartUp, PicturesFormsAndBars) {
  LessonRun r = RunLesson("");
  const std::vector<std::string> pictures = {"ｻｲｹ.BMP", "ﾎﾟｺ.BMP", "ﾁｬﾋﾟ.BMP", "ｽﾄﾗｲﾌﾟ.BMP", "ﾎﾟｺ2.BMP",
                                             "ﾁｬﾋﾟ2.BMP", "PF.BMP", "CF.BMP", "pl.BMP"};
  std::vector<std::string> loaded;
  for (const frame::PictureSpec& p : TheLesson().pictures) {
    loaded.push_back(p.file);
    EXPECT_TRUE(p.from_da) << p.file;
    EXPECT_TRUE(r.state().Pictures.at(p.file).loaded) << p.file;
  }
  EXPECT_EQ(loaded, pictures);
  std::vector<std::string> placed;
  for (const TraceRecord& m : r.Ops("move"))
    if (m.at("form") != "MAINFORM") placed.push_back(m.at("form"));
  EXPECT_EQ(placed, (std::vector<std::string>{"FORM5", "FORM3", "FORM4", "FORM6", "FORM7", "FORM8", "FORM9",
                                              "FORM10", "FORM11"}));
  for (const char* bar : {"FORM7", "FORM9", "FORM10", "FORM11"}) {
    Form* f = r.rt().FindForm(bar);
    ASSERT_NE(f, nullptr) << bar;
    EXPECT_EQ(f->top, 414) << bar;
    EXPECT_FALSE(f->visible) << bar;
    EXPECT_TRUE(f->flagged) << bar;
  }
  for (int k = 1; k <= 11; ++k) EXPECT_EQ(r.frame().edit("EDIT" + std::to_string(k))->font_size, 14) << k;
  // TypedAnswer1 and 2 (slots 0, 1) for the one- and two-box bars,
  // TypedAnswerA to D (slots 2 to 5) for the three- and four-box bars.
  struct Bar {
    std::string form, button;
    std::vector<int> typed, expected;
  };
  const Bar bars[] = {
      {"FORM7", "BUTTON2", {0}, {0}},
      {"FORM9", "BUTTON3", {0, 1}, {0, 1}},
      {"FORM10", "BUTTON4", {2, 3, 4}, {0, 1, 2}},
      {"FORM11", "BUTTON5", {2, 3, 4, 5}, {0, 1, 2, 3}},
  };
  ASSERT_EQ(TheLesson().bars.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(TheLesson().bars[i].form, bars[i].form);
    EXPECT_EQ(TheLesson().bars[i].button, bars[i].button);
    EXPECT_EQ(TheLesson().bars[i].typed, bars[i].typed) << bars[i].form;
    EXPECT_EQ(TheLesson().bars[i].expected, bars[i].expected) << bars[i].form;
  }
  EXPECT_EQ(frame::DispatchOrder(TheLesson()), (std::vector<float>{11, 21, 31, 41, 32, 33, 42, 43, 9999}));
}

TEST(FasNavigation, ButtonsBlankEveryBoxAndHideEveryBar) {
  LessonRun r = RunLesson(Page(3) + Choose(6) + "type EDIT8 5\nclick BMPBUTTON3\n");
  Clearing c = ClearedBy(r, "click BMPBUTTON3");
  EXPECT_EQ(c.blanked, EditBoxes(1, 11));
  EXPECT_EQ(c.hidden, (std::vector<std::string>{"FORM7", "FORM9", "FORM10", "FORM11"}));
  EXPECT_TRUE(r.Drew("4ﾍﾟｰｼﾞ          練習2"));
  EXPECT_TRUE(Printed(r, "1番から10番まですべて ごうかくするとパスワードが出ます｡", 2, 5));
}

TEST(FasNavigation, PageModulesAndPageState) {
  struct Case {
    std::string script;
    float current, previous;
    std::string heading;  // empty: the end page
  };
  const Case cases[] = {
      {"click BMPBUTTON3\n", 1, 0, "1ﾍﾟｰｼﾞ          分数のたし算ひき算"},
      {Page(2), 2, 0, "2ﾍﾟｰｼﾞ          通分"},
      {Page(3), 3, 0, "3ﾍﾟｰｼﾞ          練習1"},
      {Page(4) + "click BMPBUTTON3\n", 4, 4, ""},                    // the end page
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON3\n", 4, 4, ""},  // and again
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 3, 4, "3ﾍﾟｰｼﾞ          練習1"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current) << c.script;
    EXPECT_EQ(r.state().PreviousPage, c.previous) << c.script;
    const std::string last = c.script.substr(c.script.rfind('\n', c.script.size() - 2) + 1);
    auto after = AfterAction(r, last.substr(0, last.size() - 1));
    if (c.heading.empty()) {
      EXPECT_TRUE(PrintedIn(after, "単元終わり", 10, 7)) << c.script;
    } else {
      EXPECT_TRUE(DrewIn(after, "MAINFORM", c.heading, 20, 0)) << c.script;
    }
  }
  LessonRun one = RunLesson("click BMPBUTTON3\n");
  EXPECT_TRUE(Printed(one, "回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 3));
  LessonRun three = RunLesson(Page(3));
  EXPECT_TRUE(Printed(three, "回答らんに1から10までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 3));
  for (int k = 1; k <= 10; ++k) EXPECT_TRUE(Printed(three, "番", 10, 8 + k)) << k;
}

TEST(FasNavigation, ChooserAcceptsZeroToFour) {
  for (const char* t : {"5", " 3", "3 ", "03", "2.0"}) {
    LessonRun r = RunLesson("click BMPBUTTON4\ntype EDIT1 " + std::string(t) + "\nclick BUTTON1\ndismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << "[" << t << "]";
    EXPECT_EQ(r.Messages()[0], "そのページはありません！");
  }
  LessonRun ok = RunLesson(Page(4));
  EXPECT_TRUE(ok.Messages().empty());
  EXPECT_TRUE(ok.Drew("4ﾍﾟｰｼﾞ          練習2"));
  EXPECT_TRUE(Printed(ok, "何ページを開けますか? 0から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
}

TEST(FasNavigation, TitleStripMovesEveryBar) {
  LessonRun r = RunLesson("click FORM4\n");
  for (const char* bar : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11"}) {
    EXPECT_EQ(r.rt().FindForm(bar)->left, 400) << bar;
    EXPECT_EQ(r.rt().FindForm(bar)->top, 714) << bar;
  }
  EXPECT_EQ(r.rt().main_form().top, 322);
}

// ----- explanation pages ----------------------------------------------------------------------------

struct PageCase {
  int page;
  std::vector<int> voices;
  double x1, x2, y2;  // heading box
  std::string heading, end_text;
};

const PageCase kPages[] = {
    {1, {23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35}, 190, 400, 22,
     "通分と分数のたし算ひき算             1ﾍﾟｰｼﾞ", "1ページ終わり"},
    {2, {23, 36, 37, 38, 39, 40}, 180, 252, 24, "通分                                2ﾍﾟｰｼﾞ", "2ページ終わり"},
};

TEST(FasExplanation, ParagraphOnePlaysThePage) {
  for (const PageCase& c : kPages) {
    SCOPED_TRACE(c.page);
    LessonRun r = RunLesson(Page(c.page) + Choose(1));
    std::vector<std::string> want;
    for (int v : c.voices) want.push_back("open SOUND" + std::to_string(v) + ".WAV alias wave1");
    EXPECT_EQ(OpenCommands(r), want);
    // Each narration plays until the next closes it; the page end closes
    // the last.
    auto cmds = r.MciCommands();
    auto first = std::find(cmds.begin(), cmds.end(), want.front());
    ASSERT_GE(cmds.end() - first, static_cast<long>(3 * want.size()));
    for (std::size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(*(first + static_cast<long>(3 * i)), want[i]);
      EXPECT_EQ(*(first + static_cast<long>(3 * i + 1)), "play wave1");
      EXPECT_EQ(*(first + static_cast<long>(3 * i + 2)), "close wave1");
    }
    auto after = AfterAction(r, "click BUTTON1");
    bool strip = false;
    for (const TraceRecord& b : OpsIn(after, "box"))
      if (Num(b, "x1") == c.x1 && Num(b, "y1") == 0 && Num(b, "x2") == c.x2 && Num(b, "y2") == c.y2 &&
          b.at("color") == "2")
        strip = true;
    EXPECT_TRUE(strip);
    EXPECT_TRUE(DrewIn(after, "MAINFORM", c.heading, 200, 2));
    EXPECT_TRUE(DrewIn(after, "MAINFORM", c.end_text, 400, 380, 1));
    EXPECT_TRUE(DrewIn(after, "MAINFORM", "だん落 1", 570, 2, 0));
    EXPECT_TRUE(DrewIn(after, "MAINFORM", "だん落 2", 570, 2));
    EXPECT_EQ(r.state().CurrentParagraph, 1);
    EXPECT_EQ(r.rt().main_form().state().wy2, 479);
    auto fonts = OpsIn(after, "font");
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(Num(fonts.back(), "size"), 16);
    EXPECT_FALSE(r.Ops("wait").empty());
  }
}

TEST(FasExplanation, ParagraphTwoDrawsTheSamePageSilently) {
  for (const PageCase& c : kPages) {
    SCOPED_TRACE(c.page);
    LessonRun voiced = RunLesson(Page(c.page) + Choose(1));
    LessonRun silent = RunLesson(Page(c.page) + Choose(2));
    EXPECT_TRUE(OpenCommands(silent).empty());
    EXPECT_TRUE(silent.Ops("wait").empty());
    std::vector<std::string> a = Drawing(voiced, "click BUTTON1"), b = Drawing(silent, "click BUTTON1");
    EXPECT_GT(b.size(), 50u);
    EXPECT_EQ(a, b);
    EXPECT_TRUE(silent.Drew(c.end_text));
  }
}

TEST(FasExplanation, ParagraphsOutsideOneToTwo) {
  for (int page : {1, 2})
    for (const char* n : {"0", "3", "-1", ""}) {
      LessonRun r = RunLesson(Page(page) + "type EDIT1 " + n + "\nclick BUTTON1\ndismiss\n");
      ASSERT_EQ(r.Messages().size(), 1u) << page << " [" << n << "]";
      EXPECT_EQ(r.Messages()[0], "その段落はありません！");
      EXPECT_TRUE(OpsIn(AfterAction(r, "click BUTTON1"), "text").empty()) << page << " " << n;
    }
  // A paragraph number with a fraction is rounded to a whole paragraph.
  LessonRun r = RunLesson(Page(1) + "type EDIT1 1.5\nclick BUTTON1\n");
  EXPECT_TRUE(r.state().StartParagraph == 1 || r.state().StartParagraph == 2);
  EXPECT_TRUE(r.Messages().empty());
  EXPECT_TRUE(r.Drew("1ページ終わり"));
}

TEST(FasExplanation, BlinksEndInTheirLastColour) {
  struct Case {
    int page;
    std::string text;
    double x, y;
    std::string colours;  // of the blink, in order
  };
  const Case cases[] = {
      {1, "？", 380, 254, "01234567012345670123456701"},
      {1, "？", 395, 299, "01234567012345670123456701"},
      {1, "    3   2", 40, 64, "7" "01234567012345670123456701234567"},  // drawn once first
      {1, "        4", 40, 140, "0707070707"},
      {1, "        3", 40, 220, "0707070707"},
      {1, "この問題は － - － って書きかえることができる｡", 37, 268, "06060606060606"},
      {2, " 18", 42, 152, "7070707"},
      {2, " 18", 81, 152, "7070707"},
      {2, " 4", 42, 134, "7070707"},
      {2, "      3", 45, 134, "707070707"},
      {2, "2倍", 15, 120, "20202020202"},
      {2, "3倍", 124, 120, "20202020202"},
  };
  for (int page : {1, 2}) {
    LessonRun r = RunLesson(Page(page) + Choose(2));
    for (const Case& c : cases)
      if (c.page == page) {
        EXPECT_EQ(Colours(r, c.text, c.x, c.y), c.colours) << c.text;
      }
    if (page == 2) {
      EXPECT_EQ(Colours(r, "2倍", 15, 92), "4");
      EXPECT_EQ(Colours(r, "3倍", 124, 92), "4");
    }
  }
}

TEST(FasExplanation, PageOneStripsAndScaledTexts) {
  LessonRun r = RunLesson(Page(1) + Choose(2));
  auto after = AfterAction(r, "click BUTTON1");
  // 2/3 - 1/3 = 1/3 as strips: white boxes, green parts, parting lines.
  struct Box {
    double x1, y1, x2, y2;
    int colour;
  };
  const Box boxes[] = {
      {40, 174, 160, 194, 7}, {40, 174, 120, 194, 2}, {200, 174, 320, 194, 7}, {200, 174, 240, 194, 2},
      {360, 174, 480, 194, 7}, {360, 174, 400, 194, 2}, {200, 304, 320, 324, 7}, {200, 304, 260, 324, 2},
      {350, 150, 470, 160, 7}, {350, 150, 430, 160, 2}, {350, 230, 470, 240, 7}, {350, 230, 410, 240, 2},
      {0, 90, 550, 400, 0},
  };
  for (const Box& b : boxes) {
    bool found = false;
    for (const TraceRecord& t : OpsIn(after, "box"))
      if (Num(t, "x1") == b.x1 && Num(t, "y1") == b.y1 && Num(t, "x2") == b.x2 && Num(t, "y2") == b.y2 &&
          t.at("color") == std::to_string(b.colour))
        found = true;
    EXPECT_TRUE(found) << b.x1 << "," << b.y1 << "-" << b.x2 << "," << b.y2;
  }
  int parting = 0;
  for (const TraceRecord& t : OpsIn(after, "line"))
    if (t.at("color") == "0" && Num(t, "y1") == 150 && Num(t, "y2") == 160 && Num(t, "x1") > 350) ++parting;
  EXPECT_EQ(parting, 5);  // the strip of sixths
  for (const TraceRecord& t : OpsIn(after, "text"))
    if (t.at("text") == "？") {
      EXPECT_EQ(t.at("sx"), "2");
    }
  EXPECT_TRUE(DrewIn(after, "MAINFORM", "分母をそろえて分数を書きかえることを通分と言う｡", 42, 352, 2));
  EXPECT_TRUE(DrewIn(after, "MAINFORM", "(1切れずつの大きさを同じにすることだよ｡)", 42, 380, 6));
}

TEST(FasExplanation, PageTwoArcsMarksAndPicture) {
  LessonRun r = RunLesson(Page(2) + Choose(2));
  auto after = AfterAction(r, "click BUTTON1");
  struct Arc {
    double x, y, r;
    int colour;
    double aspect, start, end;
  };
  const Arc arcs[] = {
      {42, 125, 10, 2, 3.5, 0.26, 0.75},
      {42, 105, 10, 4, 3.4, 0.26, 0.75},
      {111, 126, 10, 2, 3.5, 0.75, 0.22},
      {111, 106, 10, 4, 3.4, 0.75, 0.22},
  };
  auto circles = OpsIn(after, "circle");
  ASSERT_EQ(circles.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(Num(circles[i], "x"), arcs[i].x) << i;
    EXPECT_EQ(Num(circles[i], "y"), arcs[i].y) << i;
    EXPECT_EQ(Num(circles[i], "r"), arcs[i].r) << i;
    EXPECT_EQ(circles[i].at("color"), std::to_string(arcs[i].colour)) << i;
    EXPECT_EQ(Num(circles[i], "aspect"), arcs[i].aspect) << i;
    EXPECT_EQ(Num(circles[i], "start"), arcs[i].start) << i;
    EXPECT_EQ(Num(circles[i], "end"), arcs[i].end) << i;
    EXPECT_EQ(circles[i].count("filled"), 0u) << i;
  }
  // The small marks, unscaled.
  for (const auto& [text, x, y] : std::vector<std::tuple<std::string, double, double>>{
           {"－", 40, 86}, {"→", 40, 155}, {"－", 40, 67}, {"→", 40, 134},
           {"－", 102, 87}, {"←", 103, 155}, {"－", 102, 68}, {"←", 103, 134}}) {
    bool found = false;
    for (const TraceRecord& t : OpsIn(after, "text"))
      if (t.at("text") == text && Num(t, "x") == x && Num(t, "y") == y) {
        found = true;
        EXPECT_EQ(t.count("sx") ? t.at("sx") : "1", "1") << text;
      }
    EXPECT_TRUE(found) << text << " " << x << "," << y;
  }
  // The picture's strip is covered before the pointer is drawn.
  const auto& t = r.trace();
  std::size_t cover = 0, pointer = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i].at("op") == "box" && t[i].at("x1") == "480" && t[i].at("y1") == "110" && t[i].at("x2") == "500" &&
        t[i].at("y2") == "170" && t[i].at("color") == "0")
      cover = i;
    if (t[i].at("op") == "picture" && t[i].at("picture") == "pl.BMP") pointer = i;
  }
  EXPECT_GT(cover, 0u);
  EXPECT_GT(pointer, cover);
  EXPECT_TRUE(DrewIn(after, "MAINFORM", "(最小公倍数の出し方をわすれたら[倍数と公倍数]の4ﾍﾟｰｼﾞを見てね!)", 80, 250));
}

TEST(FasExplanation, ClickDuringTheQuestionMarksStopsThePage) {
  LessonRun probe = RunLesson(Page(1) + Choose(1));
  double chosen = 0, marks = 0;
  for (const TraceRecord& a : probe.Ops("action"))
    if (a.at("line") == "click BUTTON1") chosen = Num(a, "t");
  int seen = 0;
  for (const TraceRecord& t : probe.Ops("text"))
    if (t.at("text") == "？" && ++seen == 20) marks = Num(t, "t");
  ASSERT_GT(marks, chosen);
  int delay = static_cast<int>(marks - chosen) + 1;
  LessonRun r = RunLesson(Page(1) + Choose(1) + "+" + std::to_string(delay) + " click FORM4\n");
  int drawn = 0;
  for (const TraceRecord& t : r.Ops("text"))
    if (t.at("text") == "？") ++drawn;
  EXPECT_GT(drawn, 10);
  EXPECT_LT(drawn, 52);
  EXPECT_FALSE(r.Drew("1ページ終わり"));
  EXPECT_FALSE(r.Drew("分母を2と3の最小公倍数にする｡"));
  EXPECT_EQ(r.rt().FindForm("FORM4")->left, 400);  // the click was carried out
  // The narration played before stays the file name; the expected answer
  // of box 1 is a variable of its own.
  EXPECT_EQ(r.state().WavFile, "SOUND26.WAV");
  EXPECT_EQ(r.state().ExpectedAnswer[0], "");
}

// ----- practices --------------------------------------------------------------------------------------

struct ProblemCase {
  int page, problem;
  std::vector<std::string> right;
  std::string numerators, denominators;  // empty: a word problem
};

const ProblemCase kProblems[] = {
    {3, 1, {"4"}, "2      □", "9      18"},
    {3, 2, {"6"}, "1      2", "3      □"},
    {3, 3, {"1"}, "3      □", "12     4"},
    {3, 4, {"6", "1"}, " 4     2      □", "12     □     3"},
    {3, 5, {"24", "4"}, " 3     12     □", " 6     □     8"},
    {3, 6, {"5", "2", "6", "6"}, " 5     1", " 6     3"},
    {3, 7, {"15", "8", "36", "36"}, " 5     2", "12     9"},
    {3, 8, {"4", "9", "24", "24"}, " 1     3", " 6     8"},
    {3, 9, {"16", "3", "24", "24"}, " 2     1", " 3     8"},
    {3, 10, {"2", "9", "12", "12"}, " 1     3", " 6     4"},
    {4, 1, {"5", "6"}, "１     １     □", "２     ３     □"},
    {4, 2, {"1", "6"}, "５     ２     □", "６     ３     □"},
    {4, 3, {"1", "1", "12"}, "１     ３       □", "３     ４       □"},
    {4, 4, {"3", "10"}, "４     １     □", "５     ２     □"},
    {4, 5, {"4", "1", "12"}, "１      ５       □", "４      ６       □"},
    {4, 6, {"2", "2", "21"}, "３      １       □", "７      ３       □"},
    {4, 7, {"1", "5", "6"}, "１      ３       □", "６      ９       □"},
    {4, 8, {"20", "21"}, "１      ３     □", "６      14     □"},
    {4, 9, {"3", "4"}, "", ""},
    {4, 10, {"1", "1", "30"}, "", ""},
};

TEST(FasPractice, EveryProblemShowsItsQuestionAndBar) {
  for (const ProblemCase& c : kProblems) {
    SCOPED_TRACE(std::to_string(c.page) + " " + std::to_string(c.problem));
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem));
    auto after = AfterAction(r, "click BUTTON1");
    const std::string header = c.page == 3 ? "練習1                                3ﾍﾟｰｼﾞ"
                                           : "練習2                                4ﾍﾟｰｼﾞ";
    EXPECT_TRUE(DrewIn(after, "MAINFORM", header, 200, 2));
    EXPECT_TRUE(PrintedIn(after, "解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡", 0, 2, 3));
    const int label_row = c.page == 4 && c.problem == 9 ? 6 : 4;
    EXPECT_TRUE(PrintedIn(after, "(" + std::to_string(c.problem) + ")", 0, label_row));
    if (!c.numerators.empty()) {
      const int col = c.page == 3 && c.problem >= 6 ? 5 : 4;
      EXPECT_TRUE(PrintedIn(after, c.numerators, col, 7));
      EXPECT_TRUE(PrintedIn(after, c.denominators, col, 8));
      EXPECT_EQ(r.state().ExpectedAnswer[4], c.numerators);
    }
    for (std::size_t i = 0; i < c.right.size(); ++i) EXPECT_EQ(r.state().ExpectedAnswer[i], c.right[i]) << i;
    // The bar of the problem over FORM7, its first box focused.
    const char* const bars[] = {"", "FORM7", "FORM9", "FORM10", "FORM11"};
    const char* const first[] = {"", "EDIT2", "EDIT3", "EDIT5", "EDIT8"};
    const std::string bar = bars[c.right.size()];
    EXPECT_TRUE(r.rt().FindForm("FORM7")->visible);
    for (const char* f : {"FORM9", "FORM10", "FORM11"})
      EXPECT_EQ(r.rt().FindForm(f)->visible, bar == f) << f;
    if (bar != "FORM7") {
      EXPECT_GT(r.rt().FindForm(bar)->z, r.rt().FindForm("FORM7")->z);
    }
    EXPECT_EQ(LastField(OpsIn(after, "focus"), "control"), first[c.right.size()]);
    EXPECT_EQ(DrewIn(after, "FORM7", "答え", 78, 3), bar == "FORM7");
    if (bar == "FORM9") {
      EXPECT_TRUE(DrewIn(after, "FORM9", "答え", 60, 3));
      EXPECT_TRUE(DrewIn(after, "FORM9", "A", 100, 3));
      EXPECT_TRUE(DrewIn(after, "FORM9", "B", 244, 3));
    } else if (bar == "FORM10") {
      EXPECT_TRUE(DrewIn(after, "FORM10", "答え A", 64, 3));
      EXPECT_TRUE(DrewIn(after, "FORM10", "B", 216, 3));
      EXPECT_TRUE(DrewIn(after, "FORM10", "C", 328, 3));
    } else if (bar == "FORM11") {
      EXPECT_TRUE(DrewIn(after, "FORM11", "答え A", 40, 3));
      EXPECT_TRUE(DrewIn(after, "FORM11", "B", 176, 3));
      EXPECT_TRUE(DrewIn(after, "FORM11", "C", 272, 3));
      EXPECT_TRUE(DrewIn(after, "FORM11", "D", 368, 3));
    }
    auto fonts = OpsIn(after, "font");
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(Num(fonts.back(), "size"), 16);
  }
}

TEST(FasPractice, QuestionFigures) {
  struct Case {
    int page, problem;
    std::vector<std::tuple<std::string, double, double>> texts;
    std::vector<std::tuple<std::string, int, int>> prints;
  };
  const Case cases[] = {
      {3, 1, {{"－ =", 29, 138}, {"－", 85, 138}}, {{"次の□にあてはまる数は何ですか｡", 4, 5}}},
      {3, 4, {{"－ = － = －", 29, 138}, {"A", 92, 153}, {"B", 148, 134}}, {}},
      {3, 6,
       {{"（－ ,   ）", 18, 140}, {"－", 89, 138}, {"答え（－ , －）", 18, 240}, {"A    B", 70, 229},
        {"C    D", 70, 248}},
       {{"次の分数を通分しなさい｡(答えのA,B,C,Dに当てはまる数を答えなさい｡)", 4, 5}}},
      {4, 1, {{"―  +  ―  =  ―", 32, 141}, {"B", 148, 153}, {"A", 148, 134}},
       {{"次の計算をして□にあてはまる数字を答えなさい｡", 4, 4}}},
      {4, 3, {{"―  +  ―  =  □―", 32, 141}, {"A", 148, 145}, {"C", 163, 153}, {"B", 163, 134}}, {}},
      {4, 5, {{"2―  +  1―  =  □―", 25, 141}, {"A", 158, 145}, {"C", 173, 153}, {"B", 173, 134}}, {}},
      {4, 7, {{"4―  -  2―  =  □―", 25, 141}, {"A", 157, 145}}, {}},
      {4, 8, {{"3―  -  2―  =  ―", 22, 141}, {"B", 155, 153}, {"A", 155, 134}}, {}},
      {4, 9,
       {{"1                             1", 12, 141}, {"4                             2", 12, 160}, {"□", 136, 274},
        {"□", 136, 294}, {"A", 141, 275}, {"B", 141, 294}},
       {{"1－mのはりがねがあります｡きょう－m使いました｡残りは何mでしょう｡", 0, 8},
        {"(答えのA,Bにあてはまる数字を答えなさい｡)", 0, 10},
        {"答え ─ m", 12, 15}}},
      {4, 10,
       {{"1                         5", 164, 104}, {"5                         6", 164, 122}, {"□", 136, 179},
        {"□", 136, 199}, {"A", 125, 192}, {"B", 141, 180}, {"C", 141, 199}},
       {{"きよし君はジュースを－リットル飲みましたがまだ－リットル残っています｡はじめに", 0, 6},
        {"ジュースは何リットルあったのでしょう｡(A,B,Cにあてはまる数字を答えなさい｡)", 0, 8},
        {"答え □－リットル", 10, 10}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.page) + " " + std::to_string(c.problem));
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem));
    auto after = AfterAction(r, "click BUTTON1");
    for (const auto& [text, x, y] : c.texts) EXPECT_TRUE(DrewIn(after, "MAINFORM", text, x, y)) << text;
    for (const auto& [text, col, row] : c.prints) EXPECT_TRUE(PrintedIn(after, text, col, row)) << text;
  }
  // The letters at 13 points, the figures of page 3 in their own sizes.
  struct Sizes {
    int page, problem;
    std::vector<double> sizes;
  };
  const Sizes sizes[] = {
      {3, 1, {23, 16}}, {3, 4, {22, 13, 16}}, {3, 6, {21, 16}}, {4, 1, {13, 16}}, {4, 9, {13, 16}},
  };
  for (const Sizes& s : sizes) {
    LessonRun r = RunLesson(Page(s.page) + Choose(s.problem));
    std::vector<double> got;
    bool started = false;
    for (const TraceRecord& t : AfterAction(r, "click BUTTON1")) {
      if (t.at("op") == "print" && t.at("text").rfind("(", 0) == 0) started = true;  // the label
      if (started && t.at("op") == "font" && t.at("form") == "MAINFORM") got.push_back(Num(t, "size"));
    }
    EXPECT_EQ(got, s.sizes) << s.page << " " << s.problem;
  }
}

const std::string kCalc3 = "計算まちがいしてない?わからない時は1ページのだん落1を見れば答えがわかるよ!";
const std::string kCalc4 = "計算まちがいしてない?まず通分してから計算するんだよ!";
const std::string kReduce = "約分して一番かんたんな分数にしよう!";

TEST(FasPractice, RightAnswersInEveryBar) {
  for (const ProblemCase& c : kProblems) {
    std::string script = Page(c.page) + Choose(c.problem) + AnswerBar(c.right);
    SCOPED_TRACE(script);
    LessonRun r = RunLesson(script);
    auto after = AfterAction(r, OkOf(c.right.size()));
    // The page's message strip, then the praise.
    auto boxes = OpsIn(after, "box");
    EXPECT_EQ(FirstField(boxes, "y1"), c.page == 3 ? "322" : "340");
    EXPECT_EQ(FirstField(boxes, "y2"), c.page == 3 ? "465" : "466");
    EXPECT_TRUE(PrintedIn(after, kPraise, 28, c.page == 3 ? 17 : 18, 2));
    EXPECT_EQ(r.state().PassFlags[c.page == 3 ? 0 : 1][static_cast<std::size_t>(c.problem)], 1);
    EXPECT_EQ(r.state().ProblemNumber[0], c.problem + 1);
    const std::vector<std::string> opens = OpenCommands(r);
    EXPECT_EQ(std::count(opens.begin(), opens.end(), "open SOUND80.WAV alias wave1"), 1);
  }
}

TEST(FasPractice, WrongAnswersAndTheirHints) {
  struct Hint {
    std::string text;
    int col;
  };
  struct Case {
    int page, problem;
    std::vector<std::string> boxes;
    std::vector<Hint> hint;  // in print order
  };
  const Case cases[] = {
      {3, 1, {"４"}, {{kCalc3, 0}}},  // a full-width digit
      {3, 1, {" 4"}, {{kCalc3, 0}}},
      {3, 1, {"4 "}, {{kCalc3, 0}}},  // no blank warning in this lesson
      {3, 1, {"4/18"}, {{kCalc3, 0}}},
      {3, 2, {""}, {{kCalc3, 0}}},
      {3, 4, {"1", "6"}, {{kCalc3, 0}}},
      {3, 5, {"24", ""}, {{kCalc3, 0}}},
      {3, 6, {"5", "1", "6", "3"}, {{"の最小公倍数にそろえるんだよ!", 25}, {"まず分母を 6と3", 10}}},
      {3, 7, {"5", "2", "12", "9"}, {{"の最小公倍数にそろえるんだよ!", 25}, {"まず分母を12と9", 10}}},
      {3, 8, {"4", "9", "24", ""}, {{"の最小公倍数にそろえるんだよ!", 25}, {"まず分母を 6と8", 10}}},
      {3, 9, {"16", "3", "24", "25"}, {{"の最小公倍数にそろえるんだよ!", 25}, {"まず分母を 3と8", 10}}},
      {3, 10, {"2", "9", "12", "１２"}, {{"の最小公倍数にそろえるんだよ!", 25}, {"まず分母を 6と4", 10}}},
      {4, 7, {"1", "15", "18"}, {{kReduce, 10}}},
      {4, 7, {"1", "5", "7"}, {{kCalc4, 0}}},
      {4, 7, {"1", "15", "18 "}, {{kCalc4, 0}}},
      {4, 8, {"40", "42"}, {{kReduce, 10}}},
      {4, 8, {"40", "42 "}, {{kCalc4, 0}}},
      {4, 5, {"4", "2", "24"}, {{kCalc4, 0}}},  // only two unreduced results are known
      {4, 3, {"1", "15", "18"}, {{kCalc4, 0}}},
      {4, 2, {"40", "42"}, {{kCalc4, 0}}},
      {4, 1, {"５", "６"}, {{kCalc4, 0}}},
      {4, 9, {"1", "4"}, {{kCalc4, 0}}},
      {4, 10, {"1", "1", "3"}, {{kCalc4, 0}}},
  };
  for (const Case& c : cases) {
    std::string script = Page(c.page) + Choose(c.problem) + AnswerBar(c.boxes);
    SCOPED_TRACE(script);
    LessonRun r = RunLesson(script);
    auto after = AfterAction(r, OkOf(c.boxes.size()));
    std::vector<TraceRecord> prints = OpsIn(after, "print");
    ASSERT_EQ(prints.size(), c.hint.size());
    const int row = c.page == 3 ? 17 : 18;
    for (std::size_t i = 0; i < prints.size(); ++i) {
      EXPECT_EQ(prints[i].at("text"), c.hint[i].text) << i;
      EXPECT_EQ(prints[i].at("col"), std::to_string(c.hint[i].col)) << i;
      EXPECT_EQ(prints[i].at("row"), std::to_string(row)) << i;
      EXPECT_EQ(prints[i].at("color"), "2") << i;
    }
    // Page 3 prints over the strip as it is; page 4 clears its strip first.
    auto boxes = OpsIn(after, "box");
    if (c.page == 3) {
      EXPECT_TRUE(boxes.empty());
    } else {
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].at("y1"), "340");
      EXPECT_EQ(boxes[0].at("y2"), "466");
    }
    EXPECT_EQ(r.state().PassFlags[c.page == 3 ? 0 : 1][static_cast<std::size_t>(c.problem)], 0);
    EXPECT_EQ(r.state().ProblemNumber[0], c.problem);
    // The bar and what was typed stay.
    const char* const bars[] = {"", "FORM7", "FORM9", "FORM10", "FORM11"};
    EXPECT_TRUE(r.rt().FindForm(bars[c.boxes.size()])->visible);
    EXPECT_TRUE(OpsIn(after, "hide").empty());
  }
}

TEST(FasPractice, OneBoxOkComparesPerPage) {
  struct Case {
    int page, problem;
    std::string typed;
    bool right;
  };
  const Case cases[] = {
      {3, 1, "4", true},
      {3, 1, "2      □", false},
      {4, 1, "１     １     □", true},  // NumeratorLine of page 4's problem
      {4, 1, "5", false},
      {4, 9, "１     ３     □", false},
      {4, 9, "５     ２     □", true},  // problem 9 keeps the line of problem 2
  };
  for (const Case& c : cases) {
    std::string script = Page(c.page);
    if (c.problem == 9) script += Choose(2) + "erase EDIT1\n";
    script += Choose(c.problem) + "type EDIT2 " + c.typed + "\nclick BUTTON2\n";
    SCOPED_TRACE(script);
    LessonRun r = RunLesson(script);
    auto after = AfterAction(r, "click BUTTON2");
    EXPECT_EQ(PrintedIn(after, kPraise, 28, c.page == 3 ? 17 : 18), c.right);
    auto focus = OpsIn(after, "focus");
    ASSERT_FALSE(focus.empty());
    EXPECT_EQ(focus.front().at("control"), "EDIT2");
  }
}

TEST(FasPractice, WideBarsCompareEveryBox) {
  struct Case {
    int problem;
    std::string typed, button;
    bool right;
  };
  const Case cases[] = {
      {3, "type EDIT5 1\ntype EDIT6 1\ntype EDIT7 12\n", "BUTTON4", true},
      {3, "type EDIT5 1\n", "BUTTON4", false},
      {3, "type EDIT5 1\ntype EDIT6 1\ntype EDIT7 13\n", "BUTTON4", false},
      {3, "type EDIT3 1\ntype EDIT4 1\ntype EDIT7 12\n", "BUTTON4", false},  // not the bar's strings
      {1, "type EDIT3 5\ntype EDIT4 6\n", "BUTTON3", true},
      {1, "type EDIT5 5\ntype EDIT6 6\n", "BUTTON3", false},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(4) + Choose(c.problem) + c.typed + "click " + c.button + "\n");
    SCOPED_TRACE(c.typed + c.button);
    auto after = AfterAction(r, "click " + c.button);
    EXPECT_EQ(PrintedIn(after, kPraise, 28, 18), c.right);
    EXPECT_EQ(PrintedIn(after, kCalc4, 0, 18), !c.right);
    EXPECT_EQ(FirstField(OpsIn(after, "focus"), "control"), c.button == "BUTTON4" ? "EDIT5" : "EDIT3");
  }
  // The four-box bar of page 3, box by box.
  for (int wrong = 0; wrong <= 4; ++wrong) {
    std::vector<std::string> boxes = {"15", "8", "36", "36"};
    if (wrong < 4) boxes[static_cast<std::size_t>(wrong)] = "0";
    LessonRun r = RunLesson(Page(3) + Choose(7) + AnswerBar(boxes));
    EXPECT_EQ(Printed(r, kPraise, 28, 17), wrong == 4) << wrong;
    EXPECT_EQ(FirstField(OpsIn(AfterAction(r, "click BUTTON5"), "focus"), "control"), "EDIT8");
  }
}

TEST(FasPractice, ProblemNumbersThatNameNoProblem) {
  for (int page : {3, 4})
    for (const char* n : {"0", "-1", "11", "2.5", "0.5", "10.5", "abc"}) {
      LessonRun r = RunLesson(Page(page) + "type EDIT1 " + n + "\nclick BUTTON1\ndismiss\n");
      ASSERT_EQ(r.Messages().size(), 1u) << page << " " << n;
      EXPECT_EQ(r.Messages()[0], "その番号はありません！");
      // Refused before anything is drawn, and no page end for a typed 11.
      EXPECT_TRUE(OpsIn(AfterAction(r, "click BUTTON1"), "text").empty()) << page << " " << n;
      EXPECT_TRUE(OpsIn(AfterAction(r, "click BUTTON1"), "print").empty()) << page << " " << n;
      EXPECT_FALSE(r.rt().FindForm("FORM7")->visible) << page << " " << n;
    }
  // The number is kept as typed.
  LessonRun r = RunLesson(Page(3) + "type EDIT1 2.5\nclick BUTTON1\ndismiss\n");
  EXPECT_EQ(r.state().ProblemNumber[0], 2.5f);
  // A right answer clicked after a refused number judges nothing.
  LessonRun after = RunLesson(Page(3) + Choose(1) + "type EDIT1 2.5\nclick BUTTON1\ndismiss\n" + AnswerBar({"4"}));
  EXPECT_EQ(after.state().PassFlags[0][1], 0);
  EXPECT_EQ(after.state().PassFlags[0][2], 0);
  EXPECT_FALSE(after.Drew(kPraise));
}

TEST(FasPractice, BothPagesShareOneProblemNumber) {
  struct Case {
    std::string script;
    float number;
  };
  const Case cases[] = {
      {Page(3) + Choose(5), 5},
      {Page(3) + Choose(5) + AnswerBar({"24", "4"}), 6},
      {Page(3) + Choose(5) + Page(4) + Choose(2), 2},
      {Page(4) + Choose(9) + AnswerBar({"3", "4"}), 10},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.state().ProblemNumber[0], c.number) << c.script;
    EXPECT_EQ(r.state().ProblemNumber[1], 0) << c.script;
  }
  // The navigation blanks the number box while the practice page is still
  // shown, which its procedure stores as 0.
  LessonRun r = RunLesson(Page(3) + Choose(5) + Page(4));
  EXPECT_EQ(r.state().ProblemNumber[0], 0);
}

TEST(FasPractice, LastProblemEndsThePageWithOrWithoutTheReward) {
  struct Case {
    int page;
    std::vector<int> flags;
    bool reward;
  };
  std::vector<int> nine(10, 1);
  nine[9] = 0;
  std::vector<int> eight = nine;
  eight[3] = 0;
  const Case cases[] = {{3, nine, true}, {3, eight, false}, {4, nine, true}, {4, eight, false}};
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.page == 3 ? std::vector<std::vector<int>>{c.flags, {}} : std::vector<std::vector<int>>{{}, c.flags};
    const std::vector<std::string> answer =
        c.page == 3 ? std::vector<std::string>{"2", "9", "12", "12"} : std::vector<std::string>{"1", "1", "30"};
    LessonRun r = RunLesson(Page(c.page) + Choose(10) + AnswerBar(answer), o);
    SCOPED_TRACE(c.page);
    auto after = AfterAction(r, OkOf(answer.size()));
    const std::string reward = c.page == 3 ? "やったね!パスワードは 挑戦(ちょうせん) だよ!"
                                           : "やったね!パスワードは 季節(きせつ) だよ!";
    EXPECT_EQ(PrintedIn(after, reward, 5, 7), c.reward);
    EXPECT_EQ(PrintedIn(after, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13), c.reward);
    EXPECT_TRUE(PrintedIn(after, c.page == 3 ? "3ページ終わり" : "4ページ終わり", 30, 15, 1));
    std::vector<std::string> hidden;
    for (const TraceRecord& h : OpsIn(after, "hide")) hidden.push_back(h.at("form"));
    const std::vector<std::string> want = c.page == 3 ? std::vector<std::string>{"FORM3", "FORM7", "FORM9", "FORM11"}
                                                      : std::vector<std::string>{"FORM3", "FORM7", "FORM9", "FORM10"};
    EXPECT_EQ(hidden, want);
    for (const char* f : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11"})
      EXPECT_FALSE(r.rt().FindForm(f)->visible) << f;
    EXPECT_EQ(r.state().ProblemNumber[0], 11);
  }
}

TEST(FasPractice, RewardBeforeTheLastProblem) {
  // The tenth flag won on problem 4: the reward, its pause, then problem 5.
  std::vector<int> flags(10, 1);
  flags[3] = 0;
  LessonRunOptions o;
  o.flags = {flags, {}};
  LessonRun r = RunLesson(Page(3) + Choose(4) + AnswerBar({"6", "1"}), o);
  auto after = AfterAction(r, "click BUTTON3");
  EXPECT_TRUE(PrintedIn(after, "やったね!パスワードは 挑戦(ちょうせん) だよ!", 5, 7));
  EXPECT_TRUE(PrintedIn(after, "(5)", 0, 4));
  EXPECT_FALSE(PrintedIn(after, "3ページ終わり", 30, 15));
  bool waited = false;
  for (const TraceRecord& w : OpsIn(after, "wait"))
    if (Num(w, "units") == 200) waited = true;
  EXPECT_TRUE(waited);
}

TEST(FasPractice, ExpectedAnswerSurvivesTheJingle) {
  // A click while the jingle plays stops the praise: the flag is set, the
  // problem stays; answered again, it is still right.
  LessonRun r = RunLesson(Page(3) + Choose(1) + AnswerBar({"4"}) + "+10 click BUTTON2\n");
  EXPECT_EQ(r.state().WavFile, "SOUND80.WAV");
  EXPECT_EQ(r.state().PassFlags[0][1], 1);
  EXPECT_EQ(r.state().ProblemNumber[0], 2);
  EXPECT_EQ(r.state().ExpectedAnswer[0], "6");  // problem 2 is shown
  std::vector<std::string> opens = OpenCommands(r);
  EXPECT_EQ(std::count(opens.begin(), opens.end(), "open SOUND80.WAV alias wave1"), 2);
  EXPECT_FALSE(r.Drew(kCalc3));
}

TEST(FasPractice, NarrationLeavesTheExpectedAnswersAlone) {
  LessonRun r = RunLesson(Page(3) + Choose(1) + Page(1) + Choose(1) + Page(3) + "click BMPBUTTON5\n" +
                    "type EDIT1 1\nclick BUTTON1\n" + AnswerBar({"4"}));
  EXPECT_EQ(r.state().PassFlags[0][1], 1);
  EXPECT_TRUE(PrintedIn(AfterAction(r, "click BUTTON2"), kPraise, 28, 17));
}

// ----- exit -------------------------------------------------------------------------------------------------

TEST(FasExit, WritesBothPracticesFlags) {
  LessonRun r = RunLesson(Page(3) + Choose(2) + AnswerBar({"6"}) + Page(4) + Choose(10) + AnswerBar({"1", "1", "30"}) +
                    "click BMPBUTTON7\n");
  EXPECT_EQ(r.status, 0);
  std::vector<int> three(10, 0), four(10, 0);
  three[1] = 1;
  four[9] = 1;
  EXPECT_EQ(r.Record(), tools::RecordText(TheLesson(), {three, four}));
  EXPECT_EQ(r.Record().substr(0, 10), " 10  10  0");
  EXPECT_TRUE(r.HostStarted());
}

TEST(FasExit, RecordIsReadInPageOrder) {
  LessonRunOptions o;
  o.flags = {{0, 1}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 1}};
  LessonRun r = RunLesson("click BMPBUTTON7\n", o);
  EXPECT_EQ(r.state().PassFlags[0][2], 1);
  EXPECT_EQ(r.state().PassFlags[1][1], 1);
  EXPECT_EQ(r.state().PassFlags[1][10], 1);
  EXPECT_EQ(r.Record(), tools::RecordText(TheLesson(), o.flags));
}

}  // namespace
}  // namespace ham::testing
