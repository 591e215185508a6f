// The division-fractions lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <tuple>

#include "lessons/division-fractions/lesson.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& DivisionFractionsResources();

namespace ham::testing {
namespace {

const frame::Lesson& Lesson() { return lessons::DivisionFractionsLesson(); }

constexpr LessonRunner RunLesson{&Lesson, &DivisionFractionsResources};

using Strings = std::vector<std::string>;

Form& F(LessonRun& r, const char* name) { return *r.rt().FindForm(name); }

// Typed boxes A, B (and C) and OK of the bar they make.
std::string Answer(const Strings& boxes) {
  return boxes.size() == 2 ? TypeTwo(boxes[0], boxes[1]) : TypeThree(boxes[0], boxes[1], boxes[2]);
}

const std::string kReduce2 = "商は約分して一番かんたんな分数にしよう!";
const std::string kCheck2 = "計算まちがいしてない?わからない時は1ページのだん落2を見れば答えがわかるよ!";
const std::string kReduce4 = "答えは約分して一番かんたんな分数にしよう!";
const std::string kH1 = "そうかな?3ページのだん落2を見れば答えがわかるよ!";
const std::string kH2 = "そうかな?3ページのだん落3を見れば答えがわかるよ!";
const std::string kH3 = "そうかな?1ページのだん落1を見れば答えがわかるよ!";
const std::string kH4 = "そうかな?1ページのだん落2を見れば答えがわかるよ!";
const std::string kH5 = "60を分母にもってくるのと60でわるのとは同じことなんだよ!";
const std::string kPraise = "天才!ごうかく!";
const std::string kPractice = "解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡";

// ----- start-up -------------------------------------------------------------------------------

TEST(DivisionFractionsStartUp, SheetFirstNeverShownAndItsBarPictures) {
  LessonRun r = RunLesson("");
  ASSERT_EQ(r.status, 0);
  Form& sheet = F(r, "FORM2");
  EXPECT_FALSE(sheet.visible);
  EXPECT_FALSE(Shown(r, "FORM2"));
  auto sizes = r.Ops("size");
  ASSERT_GE(sizes.size(), 2u);
  EXPECT_EQ(sizes[0].at("form"), "FORM2");
  EXPECT_EQ(sizes[0].at("w"), "640");
  EXPECT_EQ(sizes[0].at("h"), "480");
  EXPECT_EQ(sizes[1].at("form"), "MAINFORM");
  Form& main = r.rt().main_form();
  for (int i = 0; i < 16; ++i) EXPECT_EQ(sheet.PaletteColor(i), main.PaletteColor(i)) << i;
  EXPECT_EQ(sheet.state().foreground, 7);
  EXPECT_EQ(sheet.state().background, 0);

  // Each picture holds the sheet's 50 x 20 block: a white bar whose first
  // cell is empty and whose other cells are green.
  struct Case {
    const char* picture;
    int sheet_y;
    std::vector<std::pair<int, int>> green;  // sheet columns, both ends
  };
  const Case cases[] = {
      {"QuarterBarPicture", 90, {{21, 29}, {31, 39}, {41, 49}}},
      {"FifthBarPicture", 220, {{19, 25}, {27, 33}, {35, 41}, {43, 49}}},
  };
  const Pixel white = main.PaletteColor(7), green = main.PaletteColor(9);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picture);
    const Picture& pic = r.frame().picture(c.picture);
    ASSERT_TRUE(pic.loaded);
    ASSERT_EQ(pic.surface().width(), 50);
    ASSERT_EQ(pic.surface().height(), 20);
    int mismatches = 0, whites = 0, greens = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 50; ++x) {
        Pixel p = pic.surface().Get(x, y);
        mismatches += p != sheet.surface().Get(10 + x, c.sheet_y + y);
        int sx = 10 + x;
        bool in_bar = sx >= 11 && sx <= 49 && y <= 16;
        bool in_cell = false;
        for (auto [a, b] : c.green) in_cell = in_cell || (sx >= a && sx <= b);
        if (in_bar && in_cell) greens += p == green;
        else if (in_bar) whites += p == white;
      }
    EXPECT_EQ(mismatches, 0);
    int cell_columns = 0;
    for (auto [a, b] : c.green) cell_columns += b - a + 1;
    EXPECT_EQ(greens, cell_columns * 17);
    EXPECT_EQ(whites, (39 - cell_columns) * 17);
    // The empty first cell is white from its left edge on.
    EXPECT_EQ(pic.surface().Get(1, 8), white);
  }
  // The pictures are made before the learner record is read.
  std::size_t made = 0, record = 0;
  for (std::size_t i = 0; i < r.trace().size(); ++i) {
    const TraceRecord& t = r.trace()[i];
    if (t.at("op") == "copy" && t.at("form") == "FifthBarPicture") made = i;
    if (t.at("op") == "file" && t.at("path").rfind("C:\\DI1", 0) == 0 && record == 0) record = i;
  }
  EXPECT_GT(made, 0u);
  EXPECT_LT(made, record);
}

TEST(DivisionFractionsStartUp, FormsInPlace) {
  LessonRun r = RunLesson("");
  struct Case {
    const char* form;
    int x, y;
    bool visible, flagged;
  };
  const Case cases[] = {
      {"FORM5", 0, 480, true, false},  {"FORM3", 0, 414, false, false}, {"FORM4", 0, 0, true, true},
      {"FORM6", 641, 0, true, false},  {"FORM7", 0, 414, false, true},  {"FORM8", 0, 440, true, true},
      {"FORM9", 0, 414, false, true},  {"FORM10", 0, 414, false, true}, {"FORM11", 0, 414, false, true},
      {"FORM12", 0, 414, false, true},
  };
  for (const Case& c : cases) {
    Form& f = F(r, c.form);
    EXPECT_EQ(f.left, c.x) << c.form;
    EXPECT_EQ(f.top, c.y) << c.form;
    EXPECT_EQ(f.flagged, c.flagged) << c.form;
  }
  // Shown or left hidden by the start-up.
  for (const Case& c : cases) EXPECT_EQ(Shown(r, c.form), c.visible) << c.form;
  EXPECT_EQ(r.rt().main_form().top, 22);
  for (int k = 1; k <= 18; ++k) EXPECT_NE(r.state().EditRef.count("EDIT" + std::to_string(k)), 0u) << k;
}

TEST(DivisionFractionsStartUp, ContentsAndPassMarks) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2;
  };
  const std::vector<int> all(10, 1);
  std::vector<int> nine = all;
  nine[9] = 0;
  const Case cases[] = {{{all, {}}, true, false}, {{nine, all}, false, true}, {{all, all}, true, true}, {{}, false, false}};
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("click BMPBUTTON4\n", o);
    EXPECT_TRUE(DrewAt(r, "MAINFORM", "5年生の算数     わり算と分数", 100, 29));
    const Strings lines = {"(よく見よう!)  ☆ わり算と分数 1 -------- 1ページ",
                           "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                           "(よく見よう!)  ☆ わり算と分数 2 -------- 3ページ",
                           "(やってみよう!)★ 練習 2 ---------------- 4ページ"};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(PrintCount(r, lines[static_cast<std::size_t>(k)]), 2) << k;
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(Printed(r, lines[static_cast<std::size_t>(k)], 2, 7 + k)) << k;
    // Contents at start-up, then the chooser: both in column 55.
    int marks1 = 0, marks2 = 0;
    for (const TraceRecord& p : r.Ops("print")) {
      if (p.at("text") != "ごうかく!") continue;
      EXPECT_EQ(p.at("col"), "55");
      marks1 += p.at("row") == "8";
      marks2 += p.at("row") == "10";
    }
    EXPECT_EQ(marks1, c.mark1 ? 2 : 0);
    EXPECT_EQ(marks2, c.mark2 ? 2 : 0);
  }
}

// ----- page modules and navigation -------------------------------------------------------------

TEST(DivisionFractionsNavigation, PageModules) {
  struct Case {
    std::string script;
    float current;
    Strings printed;       // on the main window
    std::string bar_text;  // on FORM3, empty: the bar stays hidden
    double height;
  };
  const Case cases[] = {
      {"click BMPBUTTON3\n", 1,
       {"だん落何番から始めますか?", "回答らんに1から3までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
       "だん落  　     　から", 392},
      {Page(2), 2,
       {"何番から始めますか?", "回答らんに1から10までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡",
        "1番から10番まですべて ごうかくするとパスワードが出ます｡"},
       "問題　  　     　から", 392},
      {Page(3), 3, {"回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"}, "だん落  　     　から", 392},
      {Page(4), 4, {"何番から始めますか?"}, "問題　  　     　から", 392},
      {Page(4) + "click BMPBUTTON3\n", 4, {"単元終わり"}, "", 434},
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON3\n", 4, {"単元終わり"}, "", 434},
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 3, {"だん落何番から始めますか?"}, "", 392},
      {"click BMPBUTTON3\nclick BMPBUTTON6\n", 0, {"(よく見よう!)  ☆ わり算と分数 1 -------- 1ページ"}, "", 434},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    SCOPED_TRACE(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current);
    for (const std::string& p : c.printed) EXPECT_GE(PrintCount(r, p), 1) << p;
    if (!c.bar_text.empty()) { EXPECT_EQ(r.Texts("FORM3").back(), c.bar_text); }
    EXPECT_EQ(r.Ops("size").back().at("h"), std::to_string(static_cast<int>(c.height)));
  }
  // The headings of the pages, and the paragraph list of the explanation pages.
  LessonRun r = RunLesson("click BMPBUTTON3\nclick BMPBUTTON3\nclick BMPBUTTON3\nclick BMPBUTTON3\n");
  for (const char* h : {"1ﾍﾟｰｼﾞ          わり算と分数 1", "2ﾍﾟｰｼﾞ          練習1", "3ﾍﾟｰｼﾞ          わり算と分数 2",
                        "4ﾍﾟｰｼﾞ          練習2"})
    EXPECT_TRUE(DrewAt(r, "MAINFORM", h, 20, 0)) << h;
  for (int k = 1; k <= 4; ++k) EXPECT_TRUE(DrewAt(r, "MAINFORM", "だん落  " + std::to_string(k), 104, 190 + 20 * k)) << k;
  EXPECT_TRUE(DrewAt(r, "MAINFORM", "ハルモ", 380, 255));
}

TEST(DivisionFractionsNavigation, Chooser) {
  struct Case {
    std::string typed;
    bool refused;
    float current;
  };
  const Case cases[] = {{"0", false, 0}, {"4", false, 4}, {"5", true, 0}, {"2.0", true, 0}, {" 3", true, 0}};
  for (const Case& c : cases) {
    LessonRun r =
        RunLesson("click BMPBUTTON4\ntype EDIT1 " + c.typed + "\nclick BUTTON1\n" + (c.refused ? "dismiss\n" : ""));
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(Count(r.Messages(), "そのページはありません！"), c.refused ? 1 : 0);
    EXPECT_EQ(r.state().CurrentPage, c.current);
    EXPECT_TRUE(Printed(r, "何ページを開けますか? 0から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
    EXPECT_TRUE(Printed(r, "目次 ------------------ 0ページ", 18, 5));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", "ページ指定", 24, 7));
    EXPECT_TRUE(DrewAt(r, "FORM3", "ページから", 202, 3));
  }
}

TEST(DivisionFractionsNavigation, TitleStripTakesTheSheetAndBarsButNotTheMainWindow) {
  const std::vector<std::tuple<const char*, int, int>> offsets = {
      {"FORM2", 0, 22}, {"FORM3", 0, 414},  {"FORM5", 0, 480},  {"FORM6", 641, 0},   {"FORM7", 0, 414},
      {"FORM8", 0, 440}, {"FORM9", 0, 414}, {"FORM10", 0, 414}, {"FORM11", 0, 414}, {"FORM12", 0, 414}};
  LessonRun r = RunLesson("click FORM4\n");
  EXPECT_EQ(F(r, "FORM4").left, 400);
  EXPECT_EQ(F(r, "FORM4").top, 300);
  for (auto [form, dx, dy] : offsets) {
    EXPECT_EQ(F(r, form).left, 400 + dx) << form;
    EXPECT_EQ(F(r, form).top, 300 + dy) << form;
  }
  EXPECT_EQ(r.rt().main_form().left, 0);
  EXPECT_EQ(r.rt().main_form().top, 22);
  bool clicked = false;
  for (const TraceRecord& t : r.trace()) {
    clicked = clicked || (t.at("op") == "event" && t.at("procedure") == "FE$FORM4_MOUSEDOWN");
    if (clicked && t.at("op") == "move") {
      EXPECT_NE(t.at("form"), "MAINFORM");
    }
  }
  EXPECT_TRUE(clicked);
  // The next page module brings the main window; a second click takes all back.
  LessonRun next = RunLesson("click FORM4\nclick BMPBUTTON3\n");
  EXPECT_EQ(next.rt().main_form().left, 400);
  EXPECT_EQ(next.rt().main_form().top, 322);
  LessonRun back = RunLesson("click FORM4\nclick FORM4\n");
  for (auto [form, dx, dy] : offsets) {
    EXPECT_EQ(F(back, form).left, dx) << form;
    EXPECT_EQ(F(back, form).top, dy) << form;
  }
}

TEST(DivisionFractionsNavigation, ButtonsBlankTheFirstTwoBoxesAndHideEveryBar) {
  LessonRun r = RunLesson(Page(2) + Choose(6) + "type EDIT16 1\nclick BMPBUTTON3\n");
  EXPECT_EQ(r.state().CurrentPage, 3);
  EXPECT_EQ(FmGetText(r.state().EditRef.at("EDIT16")), "1");
  Strings hidden;
  bool after = false;
  for (const TraceRecord& t : r.trace()) {
    if (t.at("op") == "event" && t.at("procedure") == "FE$BMPBUTTON3_ON") after = true;
    if (after && t.at("op") == "hide") hidden.push_back(t.at("form"));
    if (after && t.at("op") == "settext") { EXPECT_TRUE(t.at("control") == "EDIT1" || t.at("control") == "EDIT2"); }
  }
  EXPECT_EQ(hidden, (Strings{"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}));
}

// ----- explanation pages ------------------------------------------------------------------------

TEST(DivisionFractionsExplanation, NarrationsFromEveryParagraph) {
  const Strings page1 = {"SOUND1.WAV", "SOUND2.WAV", "SOUND3.WAV", "SOUND4.WAV", "SOUND5.WAV",
                         "SOUND6.WAV", "SOUND7.WAV", "SOUND8.WAV", "SOUND9.WAV", "SOUND8.WAV"};
  Strings page3;
  for (int k = 10; k <= 22; ++k) page3.push_back("SOUND" + std::to_string(k) + ".WAV");
  struct Case {
    int page, from;
    Strings sounds;
  };
  const Case cases[] = {
      {1, 1, page1},
      {1, 2, Strings(page1.begin() + 4, page1.end())},
      {1, 3, {}},
      {3, 1, page3},
      {3, 2, Strings(page3.begin() + 4, page3.end())},
      {3, 3, Strings(page3.begin() + 5, page3.end())},
      {3, 4, {}},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.from));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.from));
    EXPECT_EQ(Opens(r), c.sounds);
    const int last = c.page == 1 ? 3 : 4;
    EXPECT_TRUE(DrewAt(r, "MAINFORM", "だん落 " + std::to_string(last), 570, 2));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.page == 1 ? "1ページ終わり" : "3ページ終わり", 400, c.page == 1 ? 340 : 380));
    EXPECT_EQ(r.state().CurrentParagraph, static_cast<float>(last - 1));
    EXPECT_EQ(r.Ops("wait").empty(), c.from == last);
    // Each narration but the page's first closes the one before; the page
    // end closes the last.
    Strings cmds = r.MciCommands();
    auto first = std::find_if(cmds.begin(), cmds.end(), [](const std::string& s) { return s.rfind("open", 0) == 0; });
    if (c.sounds.empty()) {
      EXPECT_EQ(first, cmds.end());
      continue;
    }
    Strings want;
    for (std::size_t i = 0; i < c.sounds.size(); ++i) {
      if (i > 0 || c.from > 1) want.push_back("close wave1");
      want.push_back("open " + c.sounds[i] + " alias wave1");
      want.push_back("play wave1");
    }
    want.push_back("close wave1");
    if (c.from > 1) --first;
    Strings got(first, first + static_cast<std::ptrdiff_t>(std::min<std::size_t>(want.size(), static_cast<std::size_t>(cmds.end() - first))));
    EXPECT_EQ(got, want);
  }
}

TEST(DivisionFractionsExplanation, HeadsAndParagraphsOutOfRange) {
  struct Case {
    int page;
    std::string typed;
    bool refused;
  };
  const Case cases[] = {{1, "0", true}, {1, "4", true}, {1, "3", false}, {3, "0", true}, {3, "5", true},
                        {3, "4", false}, {1, "-1", true}, {3, "x", true}};
  for (const Case& c : cases) {
    LessonRun r =
        RunLesson(Page(c.page) + "type EDIT1 " + c.typed + "\nclick BUTTON1\n" + (c.refused ? "dismiss\n" : ""));
    SCOPED_TRACE(std::to_string(c.page) + "/" + c.typed);
    EXPECT_EQ(Count(r.Messages(), "その段落はありません！"), c.refused ? 1 : 0);
    const std::string head = c.page == 1 ? "わり算と分数 1                       1ﾍﾟｰｼﾞ"
                                         : "わり算と分数 2                       3ﾍﾟｰｼﾞ";
    EXPECT_EQ(DrewAt(r, "MAINFORM", head, 200, 2), !c.refused);
    EXPECT_EQ(BoxDrawn(r, 190, 0, 320, 22, 2), !c.refused);
    EXPECT_EQ(r.rt().main_form().state().wy2, c.refused ? 568 : 479);
    if (c.refused) { EXPECT_EQ(r.Ops("focus").back().at("control"), "EDIT1"); }
  }
}

// The trace of page 1 played from paragraph 1.
const LessonRun& FullPage1() {
  static const LessonRun run = RunLesson(Page(1) + Choose(1));
  return run;
}

int TimeOfText(const LessonRun& r, const std::string& text, int y) {
  for (const TraceRecord& t : r.Ops("text"))
    if (t.at("text") == text && t.at("y") == std::to_string(y)) return std::stoi(t.at("t"));
  ADD_FAILURE() << text;
  return 0;
}

TEST(DivisionFractionsExplanation, BlinkingDivisionsEndWhite) {
  const LessonRun& r = FullPage1();
  for (auto [text, y] : {std::pair{"３÷４", 60}, std::pair{"３÷５", 190}}) {
    Strings colours;
    for (const TraceRecord& t : r.Ops("text"))
      if (t.at("text") == text && t.at("x") == "10" && t.at("y") == std::to_string(y)) colours.push_back(t.at("color"));
    EXPECT_EQ(colours, (Strings{"7", "0", "7", "0", "7", "0", "7", "0", "7", "0", "7"})) << text;
  }
}

TEST(DivisionFractionsExplanation, LiftedCellsRepaintTheBarFromItsPicture) {
  const LessonRun& r = FullPage1();
  struct Case {
    const char* picture;
    int y;
  };
  for (const Case& c : {Case{"QuarterBarPicture", 90}, Case{"FifthBarPicture", 220}}) {
    std::vector<int> times;
    for (const TraceRecord& t : r.Ops("copy")) {
      if (t.at("src") != c.picture) continue;
      EXPECT_EQ(t.at("form"), "MAINFORM");
      EXPECT_EQ(t.at("x"), "10");
      EXPECT_EQ(t.at("y"), std::to_string(c.y));
      EXPECT_EQ(t.at("w"), "50");
      EXPECT_EQ(t.at("h"), "20");
      times.push_back(std::stoi(t.at("t")));
    }
    ASSERT_EQ(times.size(), 11u) << c.picture;
    for (std::size_t k = 1; k < times.size(); ++k) EXPECT_EQ(times[k] - times[k - 1], 2) << c.picture << k;
  }
  // From paragraph 2 the same frames are drawn at once, without sound.
  LessonRun later = RunLesson(Page(1) + Choose(2));
  std::vector<TraceRecord> copies;
  for (const TraceRecord& t : later.Ops("copy"))
    if (t.at("form") == "MAINFORM") copies.push_back(t);
  ASSERT_EQ(copies.size(), 22u);
  for (const TraceRecord& t : copies) EXPECT_EQ(t.at("t"), copies.front().at("t"));
}

TEST(DivisionFractionsExplanation, ClickDuringTheAnimationStopsThePage) {
  // A click while the first cell moves: the frames stop at the pause that
  // notices it, the rest of the page is not drawn.
  const LessonRun& full = FullPage1();
  int first = 0;
  for (const TraceRecord& t : full.Ops("copy"))
    if (t.at("src") == "QuarterBarPicture") {
      first = std::stoi(t.at("t"));
      break;
    }
  LessonRun r = RunLesson(Page(1) + Choose(1) + "+" + std::to_string(first + 7) + " click FORM4\n");
  int copies = 0;
  for (const TraceRecord& t : r.Ops("copy")) copies += t.at("src") == "QuarterBarPicture";
  EXPECT_GE(copies, 4);
  EXPECT_LE(copies, 5);
  EXPECT_EQ(Opens(r), (Strings{"SOUND1.WAV", "SOUND2.WAV"}));
  EXPECT_FALSE(r.Drew("← 一人分は─"));
  EXPECT_FALSE(r.Drew("1ページ終わり"));
}

TEST(DivisionFractionsExplanation, ShareBarsOnScreen) {
  // Shots in the pauses after "← 一人分は─": the share bar holds three
  // green cells of four (then of five), the bars above have lost their
  // first cell.
  const LessonRun& full = FullPage1();
  int t1 = TimeOfText(full, "← 一人分は─", 120), t2 = TimeOfText(full, "← 一人分は─", 250);
  LessonRun r = RunLesson(Page(1) + Choose(1) + "+" + std::to_string(t1 + 20) + " shot quarters.png\n+" +
                      std::to_string(t2 - t1) + " shot fifths.png\n");
  ASSERT_EQ(r.status, 0);
  const Form& main = r.rt().main_form();
  const Pixel white = main.PaletteColor(7), green = main.PaletteColor(9);
  const int top = 22;
  struct Case {
    const char* shot;
    std::vector<std::pair<int, int>> green, white;  // points of the main window
  };
  const Case cases[] = {
      {"quarters.png",
       {{65, 128}, {75, 128}, {85, 128}, {25, 98}, {45, 98}, {75, 98}, {95, 98}, {125, 98}, {145, 98}},
       {{95, 128}, {15, 98}, {65, 98}, {115, 98}, {70, 128}}},
      {"fifths.png",
       {{64, 258}, {72, 258}, {80, 258}, {22, 228}, {46, 228}, {72, 228}, {96, 228}, {122, 228}, {146, 228}},
       {{88, 258}, {96, 258}, {14, 228}, {64, 228}, {114, 228}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shot);
    std::optional<Surface> shot = Shot(r, c.shot);
    ASSERT_TRUE(shot.has_value());
    for (auto [x, y] : c.green) EXPECT_EQ(shot->Get(x, top + y), green) << x << "," << y;
    for (auto [x, y] : c.white) EXPECT_EQ(shot->Get(x, top + y), white) << x << "," << y;
  }
}

TEST(DivisionFractionsExplanation, BarPictureShowsTheBoardAroundTheCells) {
  // A shot in the pause after the first copy of the quarter-bar picture: its
  // 50 x 20 block at (10,90) holds the white and green bar, (11,90) to
  // (49,106), and board colour everywhere else.
  const LessonRun& full = FullPage1();
  int chosen = 0, first = 0;
  for (const TraceRecord& t : full.trace()) {
    if (t.at("op") == "action" && t.at("line") == "click BUTTON1") chosen = std::stoi(t.at("t"));
    if (!first && t.at("op") == "copy" && t.at("src") == "QuarterBarPicture") first = std::stoi(t.at("t"));
  }
  ASSERT_GT(first, chosen);
  LessonRun r = RunLesson(Page(1) + Choose(1) + "+" + std::to_string(first - chosen + 1) + " shot bar.png\n");
  std::optional<Surface> shot = Shot(r, "bar.png");
  ASSERT_TRUE(shot.has_value());
  const Form& main = r.rt().main_form();
  const Pixel board = main.PaletteColor(0), white = main.PaletteColor(7), green = main.PaletteColor(9);
  const int top = 22;
  int whites = 0, greens = 0, around = 0, wrong = 0;
  for (int y = 90; y < 110; ++y)
    for (int x = 10; x < 60; ++x) {
      Pixel p = shot->Get(x, top + y);
      if (x >= 11 && x <= 49 && y <= 106) {
        whites += p == white;
        greens += p == green;
      } else {
        ++around;
        wrong += p != board;
      }
    }
  EXPECT_EQ(whites + greens, 39 * 17);
  EXPECT_GT(whites, 0);
  EXPECT_GT(greens, 0);
  EXPECT_EQ(around, 50 * 20 - 39 * 17);
  EXPECT_EQ(wrong, 0) << "pixels around the bar not in the board colour";
}

TEST(DivisionFractionsExplanation, DivisionsGlideIntoFractions) {
  const LessonRun& r = FullPage1();
  struct Case {
    const char *a, *b, *division;
    int y;
    int x1, y1, x2, y2;  // the levelled stroke
  };
  const Case cases[] = {
      {"３", "４", "３÷４＝", 60, 89, 69, 75, 69},
      {"３", "５", "３÷５＝", 190, 75, 199, 89, 199},
      {"２", "７", "２÷７＝", 60, 89, 69, 75, 69},
      {"５", "８", "５÷８＝", 190, 75, 199, 89, 199},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.division);
    int passes = 0;
    for (const TraceRecord& t : r.Ops("text")) passes += t.at("text") == c.division && t.at("y") == std::to_string(c.y);
    EXPECT_GE(passes, 9);
    // The start: digits two blanks apart with a slanted stroke, in colour 2.
    EXPECT_TRUE(DrewAt(r, "MAINFORM", std::string(c.a) + "  " + c.b, 10, c.y));
    // The end: numerator above, denominator below the level stroke.
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.a, 74, c.y - 8));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.b, 74, c.y + 8));
    bool level = false;
    for (const TraceRecord& l : r.Ops("line"))
      level = level || (l.at("x1") == std::to_string(c.x1) && l.at("y1") == std::to_string(c.y1) &&
                        l.at("x2") == std::to_string(c.x2) && l.at("y2") == std::to_string(c.y2) && l.at("color") == "2");
    EXPECT_TRUE(level);
  }
}

TEST(DivisionFractionsExplanation, RuledBarsOfPageThree) {
  LessonRun r = RunLesson(Page(3) + Choose(4));
  // Three bars ruled into sixty cells; the first cell of each coloured 2.
  for (int y : {90, 180, 250}) {
    std::vector<int> xs;
    for (const TraceRecord& l : r.Ops("line"))
      if (l.at("y1") == std::to_string(y) && l.at("y2") == std::to_string(y + 10) && l.at("color") == "0")
        xs.push_back(std::stoi(l.at("x1")));
    ASSERT_EQ(xs.size(), 59u) << y;
    for (std::size_t k = 0; k < xs.size(); ++k) EXPECT_EQ(xs[k], 20 + 10 * static_cast<int>(k));
  }
  EXPECT_TRUE(BoxDrawn(r, 10, 90, 20, 100, 2));
  EXPECT_TRUE(BoxDrawn(r, 10, 180, 20, 190, 2));
  EXPECT_TRUE(BoxDrawn(r, 10, 250, 190, 260, 2));
  // Long arcs over the five bars, short ones under the first cells.
  Strings arcs;
  for (const TraceRecord& c : r.Ops("circle"))
    if (c.at("form") == "MAINFORM" && !c.count("filled"))
      arcs.push_back(c.at("x") + "," + c.at("y") + "," + c.at("r") + "," + c.at("aspect") + "," + c.at("start") + "," +
                     c.at("end"));
  EXPECT_EQ(arcs, (Strings{"310,90,300,0.07,0.5,1", "15,100,5,2,0,0.5", "310,180,300,0.07,0.5,1",
                           "15,190,5,2,0,0.5", "310,90,300,0.07,0.5,1", "310,170,300,0.07,0.5,1",
                           "310,250,300,0.07,0.5,1", "100,260,90,0.1,0,0.5"}));
  // The answer reduced: 18/60 struck out, then "= 2 3/10 分".
  EXPECT_TRUE(DrewAt(r, "MAINFORM", "           分", 40, 322));
  EXPECT_TRUE(DrewAt(r, "MAINFORM", "= 2 ─ 分", 135, 322));
  EXPECT_EQ(r.Ops("font").back().at("size"), "16");
}

// ----- practice pages --------------------------------------------------------------------------------

struct AnswerCase {
  int page, problem;
  Strings typed;
  std::string feedback;  // kPraise when right
};

void CheckAnswer(const AnswerCase& c) {
  LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + Answer(c.typed));
  std::string typed;
  for (const std::string& t : c.typed) typed += "[" + t + "]";
  SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.problem) + " " + typed);
  const bool right = c.feedback == kPraise;
  const bool page2 = c.page == 2;
  int col = right ? (page2 ? 10 : 28) : (page2 ? 0 : 10);
  EXPECT_TRUE(Printed(r, c.feedback, col, 18, 2));
  EXPECT_EQ(PrintCount(r, kPraise), right ? 1 : 0);
  std::size_t flags = page2 ? 0 : 1;
  EXPECT_EQ(r.state().PassFlags[flags][static_cast<std::size_t>(c.problem)], right ? 1 : 0);
  EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), right ? 1 : 0);
  EXPECT_EQ(r.state().ProblemNumber[flags], static_cast<float>(c.problem + (right ? 1 : 0)));
  EXPECT_TRUE(page2 ? BoxDrawn(r, 0, 330, 640, 422, 0) : BoxDrawn(r, 0, 324, 640, 420, 0));
  if (!right) {
    // A wrong answer leaves the bar and its texts.
    const char* bar = c.typed.size() == 2 ? "FORM11" : "FORM12";
    EXPECT_TRUE(r.rt().FindForm(bar)->visible);
    const char* first = c.typed.size() == 2 ? "EDIT14" : "EDIT16";
    EXPECT_EQ(FmGetText(r.state().EditRef.at(first)), c.typed[0]);
    EXPECT_EQ(r.rt().focus(), r.state().EditRef.at(first));
  }
}

TEST(DivisionFractionsPractice, AnswersOfPracticeOne) {
  const AnswerCase cases[] = {
      {2, 1, {"1", "5"}, kPraise},        {2, 2, {"6", "7"}, kPraise},       {2, 3, {"5", "4"}, kCheck2},
      {2, 4, {"1", "4"}, kPraise},        {2, 4, {"2", "8"}, kReduce2},      {2, 4, {"2", "9"}, kCheck2},
      {2, 4, {" 1", "4"}, kCheck2},       {2, 4, {"1 ", "4"}, kCheck2},      {2, 4, {"１", "４"}, kCheck2},
      {2, 5, {"6", "9"}, kReduce2},       {2, 5, {"2", "3"}, kPraise},       {2, 6, {"1", "1", "8"}, kPraise},
      {2, 7, {"3", "1", "4 "}, kCheck2},  {2, 7, {"3", "1", "4"}, kPraise},  {2, 8, {"1", "4", "8"}, kReduce2},
      {2, 8, {"0", "12", "8"}, kCheck2},  {2, 8, {"1", "1", "2"}, kPraise},  {2, 9, {"4", "4", "6"}, kReduce2},
      {2, 9, {"4", "2", "3"}, kPraise},   {2, 10, {"3", "6", "9"}, kReduce2}, {2, 10, {"3", "2", "3"}, kPraise},
  };
  for (const AnswerCase& c : cases) CheckAnswer(c);
}

TEST(DivisionFractionsPractice, AnswersOfPracticeTwo) {
  const AnswerCase cases[] = {
      {4, 1, {"23", "60"}, kPraise},       {4, 1, {"23", "61"}, kH1},         {4, 2, {"25", "60"}, kReduce4},
      {4, 2, {"25", "61"}, kH1},           {4, 2, {"5", "12"}, kPraise},      {4, 3, {"4", "5", "6"}, kPraise},
      {4, 3, {"4", "50", "60"}, kReduce4}, {4, 3, {"4", "5", "7"}, kH2},      {4, 4, {"11", "60"}, kPraise},
      {4, 4, {"22", "120"}, kH2},          {4, 5, {"20", "60"}, kReduce4},    {4, 5, {"1", "3"}, kPraise},
      {4, 6, {"1", "30", "60"}, kReduce4}, {4, 6, {"1", "1", "2"}, kPraise},  {4, 6, {"1", "1", "3"}, kH2},
      {4, 7, {"5", "3"}, kPraise},         {4, 7, {"3", "5"}, kH3},           {4, 8, {"1", "2", "3"}, kPraise},
      {4, 8, {"1", "2", "4"}, kH4},        {4, 9, {"40", "60"}, kPraise},     {4, 9, {"2", "3"}, kH5},
      {4, 10, {"2", "3"}, kPraise},        {4, 10, {"40", "60"}, kReduce4},   {4, 10, {"4", "6"}, kH1},
  };
  for (const AnswerCase& c : cases) CheckAnswer(c);
}

TEST(DivisionFractionsPractice, QuestionsFiguresAndBars) {
  struct Case {
    int page, problem;
    std::vector<std::tuple<std::string, int, int>> prints;  // text, column, row
    std::vector<std::tuple<std::string, int, int>> texts;   // on the main window
    bool three;
  };
  const std::string ask = "□にあてはまる数字を答えなさい｡";
  const Case cases[] = {
      {2, 1,
       {{"(1)", 0, 6}, {"次のわり算の商を分数で答えると□にあてはまる数は何になりますか｡", 0, 7}, {" 1 ", 8, 11},
        {"÷", 13, 11}, {" 5 ", 17, 11}, {"＝ ─", 20, 11}},
       {{"□", 184, 198}, {"A", 189, 201}, {"□", 184, 219}, {"B", 189, 221}},
       false},
      {2, 9,
       {{"(9)", 0, 6}, {" 28 ", 8, 11}, {" 6 ", 17, 11}, {"＝ □─", 20, 11}},
       {{"A", 189, 211}, {"□", 200, 198}, {"B", 205, 201}, {"□", 200, 219}, {"C", 205, 221}},
       true},
      {4, 1,
       {{"(1)", 4, 4}, {"を分数を使って    で表すと次の通りです｡", 10, 5}, {ask, 6, 6}, {"     23分", 1, 5},
        {"時間", 24, 5}, {"時間", 13, 8}, {"─", 10, 8}},
       {{"□", 80, 141}, {"A", 84, 143}, {"□", 80, 162}, {"B", 84, 164}},
       false},
      {4, 3,
       {{"(3)", 0, 4}, {"4時間50分", 1, 5}, {"□─", 8, 8}},
       {{"A", 69, 154}, {"B", 84, 143}, {"C", 84, 164}},
       true},
      {4, 6, {{"(6)", 4, 4}, {"     90秒", 1, 5}, {"  分", 24, 5}, {"  分", 13, 8}, {"□─", 8, 8}}, {}, true},
      {4, 7,
       {{"(7)", 0, 4}, {"5mのリボンを3人で分けます｡次の問いに答えなさい｡", 5, 4},
        {"一人分の長さを求める式は次の通りです｡", 5, 5}, {ask, 5, 6}, {"□ ÷ □", 10, 8}},
       {{"A", 85, 154}, {"B", 133, 154}},
       false},
      {4, 8, {{"一人分の長さは次の通りです｡", 5, 5}, {"m", 13, 8}, {"□─", 8, 8}}, {{"C", 84, 164}}, true},
      {4, 9,
       {{"40分を分数を使って時間で表します｡次の問いに答えなさい｡", 5, 4}, {"40分を時間に直す式は次の通りです｡", 5, 5},
        {"□ ÷ □", 10, 8}},
       {},
       false},
      {4, 10, {{"40分を時間に直すと次の通りです｡", 5, 5}, {"時間", 13, 8}, {"─", 10, 8}}, {{"B", 84, 164}}, false},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.problem));
    EXPECT_TRUE(Printed(r, kPractice, 0, 2, 3));
    EXPECT_TRUE(DrewAt(r, "MAINFORM",
                       c.page == 2 ? "練習1                                2ﾍﾟｰｼﾞ" : "練習2                                4ﾍﾟｰｼﾞ",
                       200, 2));
    for (auto& [text, col, row] : c.prints) EXPECT_TRUE(Printed(r, text, col, row)) << text;
    for (auto& [text, x, y] : c.texts) EXPECT_TRUE(DrewAt(r, "MAINFORM", text, x, y)) << text;
    // The answer letters at size 13, the size back at 16 after each.
    Strings sizes;
    bool letter_at_13 = true;
    std::string size = "16";
    for (const TraceRecord& t : r.trace()) {
      if (t.at("op") == "font" && t.count("size") && t.at("form") == "MAINFORM") size = t.at("size");
      if (t.at("op") == "text" && t.at("form") == "MAINFORM" && t.at("text").size() == 1)
        letter_at_13 = letter_at_13 && size == "13";
    }
    EXPECT_TRUE(letter_at_13);
    EXPECT_EQ(size, "16");
    // The bar shown last lies over FORM7 and has the focus in box A.
    Form& bar = F(r, c.three ? "FORM12" : "FORM11");
    EXPECT_TRUE(Shown(r, bar.form_name()));
    EXPECT_FALSE(Shown(r, c.three ? "FORM11" : "FORM12"));
    EXPECT_GT(bar.z, F(r, "FORM7").z);
    EXPECT_EQ(r.rt().focus(), r.state().EditRef.at(c.three ? "EDIT16" : "EDIT14"));
    if (c.three) {
      EXPECT_TRUE(DrewAt(r, "FORM12", "答え A", 58, 3));
      EXPECT_TRUE(DrewAt(r, "FORM12", "B", 248, 3));
      EXPECT_TRUE(DrewAt(r, "FORM12", "C", 401, 3));
    } else {
      EXPECT_TRUE(DrewAt(r, "FORM11", "答え A", 80, 3));
      EXPECT_TRUE(DrewAt(r, "FORM11", "B", 280, 3));
    }
    EXPECT_TRUE(r.Texts("FORM7").empty());
  }
}

TEST(DivisionFractionsPractice, TheNextProblemsBarComesOnTop) {
  struct Case {
    int page, problem;
    Strings answer;
    const char *next_bar, *other_bar, *first_box;
  };
  const Case cases[] = {
      {2, 5, {"2", "3"}, "FORM12", "FORM11", "EDIT16"},
      {4, 3, {"4", "5", "6"}, "FORM11", "FORM12", "EDIT14"},
      {4, 6, {"1", "1", "2"}, "FORM11", "FORM12", "EDIT14"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + Answer(c.answer) + "shot next.png\n");
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.problem));
    EXPECT_EQ(r.state().ProblemNumber[c.page == 2 ? 0u : 1u], static_cast<float>(c.problem + 1));
    EXPECT_GT(F(r, c.next_bar).z, F(r, c.other_bar).z);
    EXPECT_GT(F(r, c.next_bar).z, F(r, "FORM7").z);
    EXPECT_EQ(r.rt().focus(), r.state().EditRef.at(c.first_box));
    // The pupil sees the next problem's bar at (0,414): at x 142 FORM12 has
    // box A and FORM11 its background, at x 180 the other way round.
    std::optional<Surface> shot = Shot(r, "next.png");
    ASSERT_TRUE(shot.has_value());
    const int y = 414 + 11;
    const Pixel bg = shot->Get(10, y);
    const bool twelve = shot->Get(142, y) != bg && shot->Get(180, y) == bg;
    const bool eleven = shot->Get(180, y) != bg && shot->Get(142, y) == bg;
    EXPECT_EQ(twelve, std::string(c.next_bar) == "FORM12");
    EXPECT_EQ(eleven, std::string(c.next_bar) == "FORM11");
  }
}

TEST(DivisionFractionsPractice, OneBoxOkDoesNothing) {
  LessonRun r = RunLesson(Page(2) + Choose(1) + "type EDIT2 1\nclick BUTTON2\n");
  EXPECT_TRUE(Shown(r, "FORM7"));
  for (const TraceRecord& e : r.Ops("event")) EXPECT_NE(e.at("procedure"), "FE$BUTTON2_ON");
  EXPECT_EQ(r.state().TypedAnswer[0], "");
  EXPECT_EQ(PrintCount(r, kPraise) + PrintCount(r, kCheck2), 0);
  for (const char* name : {"FE$EDIT2_CHANGE", "FE$BUTTON2_ON", "FE$EDIT3_CHANGE", "FE$EDIT13_CHANGE", "FE$BUTTON3_ON",
                           "FE$BUTTON4_ON"})
    EXPECT_FALSE(r.rt().HasProcedure(name)) << name;
  for (const char* name : {"FE$EDIT1_CHANGE", "FE$BUTTON1_ON", "FE$EDIT14_CHANGE", "FE$EDIT15_CHANGE", "FE$BUTTON5_ON",
                           "FE$EDIT16_CHANGE", "FE$EDIT17_CHANGE", "FE$EDIT18_CHANGE", "FE$BUTTON6_ON",
                           "FE$FORM4_MOUSEDOWN", "FE$BMPBUTTON1_ON", "FE$BMPBUTTON7_ON"})
    EXPECT_TRUE(r.rt().HasProcedure(name)) << name;
}

TEST(DivisionFractionsPractice, NumbersThatNameNoProblemAreRefusedBeforeDrawing) {
  struct Case {
    int page;
    std::string typed;
  };
  const Case cases[] = {{2, "0"}, {2, "11"}, {2, "abc"}, {2, "-1"}, {4, "0"}, {4, "11"}, {4, "2.5"}, {4, "10.5"}};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + "type EDIT1 " + c.typed + "\nclick BUTTON1\ndismiss\n");
    SCOPED_TRACE(std::to_string(c.page) + "/" + c.typed);
    EXPECT_EQ(r.Messages(), Strings{"その番号はありません！"});
    EXPECT_FALSE(r.Drew(kPractice));
    EXPECT_FALSE(Printed(r, c.page == 2 ? "2ページ終わり" : "4ページ終わり", 30, 15));
    for (const char* f : {"FORM7", "FORM11", "FORM12"}) EXPECT_FALSE(Shown(r, f)) << f;
    EXPECT_EQ(r.Ops("focus").back().at("control"), "EDIT1");
  }
  // Page 2 rounds what is typed, page 4 keeps it.
  LessonRun rounded = RunLesson(Page(2) + "type EDIT1 2.6\nclick BUTTON1\n");
  EXPECT_EQ(rounded.state().ProblemNumber[0], 3);
  EXPECT_TRUE(Printed(rounded, "(3)", 0, 6));
  LessonRun kept = RunLesson(Page(4) + "type EDIT1 2.6\nclick BUTTON1\ndismiss\n");
  EXPECT_FLOAT_EQ(kept.state().ProblemNumber[1], 2.6f);
  // A refused number leaves the problem on screen unjudged: its OK writes no flag.
  LessonRun r =
      RunLesson(Page(4) + Choose(2) + "erase EDIT1\ntype EDIT1 2.5\nclick BUTTON1\ndismiss\n" + TypeTwo("5", "12"));
  EXPECT_EQ(r.Messages().size(), 1u);
  for (float f : r.state().PassFlags[1]) EXPECT_EQ(f, 0);
  EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), 0);
  EXPECT_EQ(PrintCount(r, kPraise), 0);
}

TEST(DivisionFractionsPractice, PracticeOneLeavesPracticeTwosNumberAlone) {
  // A problem of page 2 does not write its divisor into page 4's number: OK
  // on page 4 with nothing typed names no problem.
  LessonRun r = RunLesson(Page(2) + Choose(4) + Page(4) + "click BUTTON1\ndismiss\n");
  EXPECT_TRUE(Printed(r, " 8 ", 17, 11));
  EXPECT_EQ(r.state().ProblemNumber[1], 0);
  EXPECT_EQ(r.Messages(), Strings{"その番号はありません！"});
  EXPECT_FALSE(Printed(r, "(8)", 0, 4));
}

TEST(DivisionFractionsPractice, PageEndsAndRewards) {
  struct Case {
    int page, problem;
    Strings answer;
    std::vector<std::vector<int>> flags;
    std::string reward;  // empty: none
    bool ends;
  };
  const std::vector<int> all(10, 1);
  std::vector<int> but_last = all;
  but_last[9] = 0;
  const std::string tenki = "やったね!パスワードは 天気(てんき) だよ!";
  const std::string yuuki = "やったね!パスワードは 勇気(ゆうき) だよ!";
  const Case cases[] = {
      {2, 10, {"3", "2", "3"}, {but_last}, tenki, true},
      {2, 10, {"3", "2", "3"}, {}, "", true},
      {2, 3, {"4", "5"}, {all}, tenki, false},  // passed again: the reward again
      {4, 10, {"2", "3"}, {{}, but_last}, yuuki, true},
      {4, 10, {"2", "3"}, {all, {}}, "", true},
      {4, 7, {"5", "3"}, {{}, all}, yuuki, false},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + Answer(c.answer), o);
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.problem) + " " + c.reward);
    const std::string end = c.page == 2 ? "2ページ終わり" : "4ページ終わり";
    EXPECT_EQ(Printed(r, end, 30, 15, 1), c.ends);
    EXPECT_TRUE(BoxDrawn(r, 0, 30, 640, 490, 0));
    if (!c.reward.empty()) {
      EXPECT_TRUE(Printed(r, c.reward, 5, 7));
      EXPECT_TRUE(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13));
    } else {
      EXPECT_EQ(PrintCount(r, tenki) + PrintCount(r, yuuki), 0);
    }
    Strings waits;
    for (const TraceRecord& w : r.Ops("wait")) waits.push_back(w.at("units"));
    EXPECT_EQ(waits, c.reward.empty() ? (Strings{"20", "250"}) : (Strings{"20", "250", "200"}));
    if (c.ends) {
      for (const char* f : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"})
        EXPECT_FALSE(F(r, f).visible) << f;
    } else {
      EXPECT_TRUE(Printed(r, "(" + std::to_string(c.problem + 1) + ")", c.page == 2 ? 0 : c.problem + 1 == 8 ? 0 : 4,
                          c.page == 2 ? 6 : 4));
    }
  }
}

TEST(DivisionFractionsPractice, ClickDuringTheJingleLeavesTheProblemToBePassedAgain) {
  // The click comes while the jingle starts: the right answer's steps stop,
  // the flag stays set and the pass pictures stay; OK with the same answer
  // is judged right again, since the jingle's name never takes the place of
  // box A's expected text.
  LessonRun r = RunLesson(Page(4) + Choose(1) + TypeTwo("23", "60") + "+10 click FORM4\nclick BUTTON5\n");
  EXPECT_EQ(PrintCount(r, kPraise), 2);
  EXPECT_EQ(r.state().PassFlags[1][1], 1);
  EXPECT_EQ(r.state().ProblemNumber[1], 2);
  EXPECT_TRUE(Printed(r, "(2)", 4, 4));
  EXPECT_EQ(r.state().WavFile, "SOUND80.WAV");
  EXPECT_EQ(r.state().ExpectedAnswer[0], "5");
  Strings mascots;
  for (const TraceRecord& p : r.Ops("picture"))
    if (p.at("form") == "FORM6") mascots.push_back(p.at("picture"));
  EXPECT_EQ(mascots, (Strings{"ﾎﾟｺ.BMP", "ﾁｬﾋﾟ.BMP", "ﾎﾟｺ2.BMP", "ﾁｬﾋﾟ2.BMP", "ﾎﾟｺ2.BMP", "ﾁｬﾋﾟ2.BMP", "ﾎﾟｺ.BMP",
                              "ﾁｬﾋﾟ.BMP"}));
  // Between the two OKs the problem stayed, with its answer typed.
  EXPECT_EQ(Count(r.Texts(), "□"), 4);
}

// ----- exit --------------------------------------------------------------------------------------------

TEST(DivisionFractionsExit, RecordOfTwentyThreeNumbers) {
  LessonRun r = RunLesson(Page(2) + Choose(4) + TypeTwo("1", "4") + Page(4) + Choose(10) + TypeTwo("2", "3") +
                          "click BMPBUTTON7\n");
  EXPECT_EQ(r.status, 0);
  const std::string record = r.Record();
  EXPECT_EQ(record, tools::RecordText(Lesson(), {{0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}));
  std::istringstream in(record);
  std::vector<float> numbers;
  for (float v; in >> v;) numbers.push_back(v);
  ASSERT_EQ(numbers.size(), 23u);
  EXPECT_EQ(numbers[0], 10);
  EXPECT_EQ(numbers[1], 10);
  EXPECT_EQ(numbers[2], 0);
  EXPECT_EQ(numbers[3 + 3], 1);
  EXPECT_EQ(numbers[13 + 9], 1);
  EXPECT_EQ(std::count(numbers.begin() + 3, numbers.end(), 1.0f), 2);
  EXPECT_TRUE(r.HostStarted());
  // A record read at start-up comes back as it was.
  LessonRunOptions o;
  o.flags = {{1, 0, 1, 0, 1, 0, 1, 0, 1, 0}, {0, 1, 0, 1, 0, 1, 0, 1, 0, 1}};
  LessonRun again = RunLesson("click BMPBUTTON7\n", o);
  EXPECT_EQ(again.Record(), tools::RecordText(Lesson(), o.flags));
}

}  // namespace
}  // namespace ham::testing
