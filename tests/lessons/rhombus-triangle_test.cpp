// The rhombus-triangle lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "lessons/rhombus-triangle/lesson.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& RhombusTriangleResources();

namespace ham::testing {
namespace {

const frame::Lesson& Lesson() { return lessons::RhombusTriangleLesson(); }

constexpr LessonRunner RunLesson{&Lesson, &RhombusTriangleResources};

// Copies onto the main window (the finished animation frames).
std::vector<TraceRecord> MainCopies(const LessonRun& r) {
  std::vector<TraceRecord> out;
  for (const TraceRecord& c : r.Ops("copy"))
    if (c.at("form") == "MAINFORM") out.push_back(c);
  return out;
}

// ----- start-up ------------------------------------------------------------------------

TEST(RhombusTriangleStartUp, SheetBeforeTheMainFormWithTheMainWindowsPalette) {
  LessonRun r = RunLesson("");
  EXPECT_EQ(r.status, 0);
  Form* sheet = r.rt().FindForm("FORM2");
  ASSERT_NE(sheet, nullptr);
  EXPECT_FALSE(sheet->visible);
  EXPECT_FALSE(Shown(r, "FORM2"));
  EXPECT_EQ(sheet->width, 640);
  EXPECT_EQ(sheet->height, 480);
  Form& main = r.rt().main_form();
  for (int i = 0; i < 16; ++i) EXPECT_EQ(sheet->PaletteColor(i), main.PaletteColor(i)) << i;
  EXPECT_EQ(sheet->state().foreground, 7);
  EXPECT_EQ(sheet->state().background, 0);
  EXPECT_EQ(sheet->state().color3, 7);
  EXPECT_EQ(sheet->state().color4, 4);
  // The sheet is sized before anything is drawn on the main window.
  auto sizes = r.Ops("size");
  ASSERT_GE(sizes.size(), 2u);
  EXPECT_EQ(sizes[0].at("form"), "FORM2");
  EXPECT_EQ(sizes[1].at("form"), "MAINFORM");
  EXPECT_EQ(sizes[1].at("h"), "440");
  // The media control looked up before MAINFORM was loaded is still the main window's.
  ASSERT_NE(r.state().MciRef, nullptr);
  EXPECT_EQ(r.state().MciRef, main.Find("MCI1"));
  EXPECT_EQ(main.state().wy2, 568);
}

TEST(RhombusTriangleStartUp, ContentsAndPassMarks) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2;
  };
  const Case cases[] = {
      {{{1, 1, 1, 1, 1, 1, 1, 1}, {}}, true, false},
      {{{1, 1, 1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}}, false, true},
      {{{}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 0}}, false, false},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("click BMPBUTTON4\n", o);
    EXPECT_TRUE(r.Drew("5年生の算数   ひし形と三角形の面積"));
    EXPECT_TRUE(Printed(r, "(よく見よう!)  ☆ ひし形の面積 ---------- 1ページ", 2, 7));
    EXPECT_TRUE(Printed(r, "(やってみよう!)★ 練習 2 ---------------- 4ページ", 2, 10));
    // Contents at start-up, then the chooser: both in column 55.
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 8), c.mark1);
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 10), c.mark2);
    EXPECT_FALSE(Printed(r, "ごうかく!", 53, 8));
    EXPECT_TRUE(Printed(r, "何ページを開けますか? 0から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
  }
}

// ----- navigation ----------------------------------------------------------------------

TEST(RhombusTriangleNavigation, ButtonsBlankOnlyTheFirstTwoBoxesAndHideEveryBar) {
  LessonRun r = RunLesson(Page(2) + Choose(3) + "type EDIT14 10\nclick BMPBUTTON3\n");
  EXPECT_EQ(r.state().CurrentPage, 3);
  EXPECT_EQ(FmGetText(r.state().EditRef.at("EDIT14")), "10");
  std::vector<std::string> hidden;
  bool after = false;
  for (const TraceRecord& t : r.trace()) {
    if (t.at("op") == "event" && t.at("procedure") == "FE$BMPBUTTON3_ON") after = true;
    if (after && t.at("op") == "hide") hidden.push_back(t.at("form"));
    if (after && t.at("op") == "settext") {
      EXPECT_TRUE(t.at("control") == "EDIT1" || t.at("control") == "EDIT2") << t.at("control");
    }
  }
  EXPECT_EQ(hidden, (std::vector<std::string>{"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}));
  EXPECT_FALSE(r.rt().FindForm("FORM11")->visible);
}

TEST(RhombusTriangleNavigation, PagesAndChooser) {
  struct Case {
    std::string script;
    float current;
    std::string drawn;
  };
  const Case cases[] = {
      {"click BMPBUTTON3\n", 1, "1ﾍﾟｰｼﾞ          ひし形の面積"},
      {Page(4), 4, "4ﾍﾟｰｼﾞ          練習2"},
      {Page(4) + "click BMPBUTTON3\n", 4, "単元終わり"},             // the end page keeps page 4
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 3, "3ﾍﾟｰｼﾞ          三角形の面積"},
      {"click BMPBUTTON4\ntype EDIT1 5\nclick BUTTON1\ndismiss\n", 0, "そのページはありません！"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current) << c.script;
    std::vector<std::string> msgs = r.Messages();
    EXPECT_TRUE(r.Drew(c.drawn) || Count(msgs, c.drawn) == 1) << c.script;
  }
}

TEST(RhombusTriangleNavigation, TitleStripMovesTheExtraBarsToo) {
  LessonRun r = RunLesson("click FORM4\n");
  for (const char* bar : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}) {
    EXPECT_EQ(r.rt().FindForm(bar)->left, 400) << bar;
    EXPECT_EQ(r.rt().FindForm(bar)->top, 714) << bar;
  }
  EXPECT_EQ(r.rt().main_form().top, 322);
}

// ----- explanation pages ---------------------------------------------------------------

TEST(RhombusTriangleExplanation, NarrationsOfEachPage) {
  struct Case {
    int page, from;
    std::vector<std::string> sounds;
    std::string end;
  };
  const std::vector<std::string> page1 = {
      "SOUND6.WAV",  "SOUND7.WAV",  "SOUND30.WAV", "SOUND8.WAV",  "SOUND9.WAV",  "SOUND31.WAV", "SOUND9.WAV",
      "SOUND31.WAV", "SOUND9.WAV",  "SOUND31.WAV", "SOUND9.WAV",  "SOUND31.WAV", "SOUND10.WAV", "SOUND11.WAV",
      "SOUND12.WAV", "SOUND13.WAV", "SOUND14.WAV", "SOUND15.WAV", "SOUND16.WAV", "SOUND17.WAV", "SOUND18.WAV",
      "SOUND18.WAV"};
  const std::vector<std::string> page3 = {"SOUND19.WAV", "SOUND20.WAV", "SOUND21.WAV", "SOUND22.WAV",
                                          "SOUND7.WAV",  "SOUND23.WAV", "SOUND24.WAV", "SOUND25.WAV",
                                          "SOUND26.WAV", "SOUND27.WAV", "SOUND28.WAV", "SOUND17.WAV",
                                          "SOUND29.WAV", "SOUND29.WAV"};
  const Case cases[] = {
      {1, 1, page1, "1ページ終わり"},
      {1, 2, {"SOUND16.WAV", "SOUND17.WAV", "SOUND18.WAV", "SOUND18.WAV"}, "1ページ終わり"},
      {1, 3, {}, "1ページ終わり"},
      {3, 1, page3, "3ページ終わり"},
      {3, 2, {"SOUND28.WAV", "SOUND17.WAV", "SOUND29.WAV", "SOUND29.WAV"}, "3ページ終わり"},
      {3, 3, {}, "3ページ終わり"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.from));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.from));
    EXPECT_EQ(Opens(r), c.sounds);
    EXPECT_TRUE(r.Drew(c.end));
    EXPECT_TRUE(r.Drew("だん落 3"));
    if (c.from == 3) {
      EXPECT_TRUE(r.Ops("wait").empty());
      EXPECT_TRUE(r.MciCommands().empty() || Count(r.MciCommands(), "play wave1") == 0);
    }
  }
}

TEST(RhombusTriangleExplanation, SoundsThatDoNotCloseTheOneBefore) {
  // Page 1's sound 12 follows its own close; page 3's sound 19 is the first.
  for (auto [page, file] : {std::pair{1, "SOUND12.WAV"}, std::pair{3, "SOUND19.WAV"}, std::pair{1, "SOUND6.WAV"}}) {
    LessonRun r = RunLesson(Page(page) + Choose(1));
    auto cmds = r.MciCommands();
    auto at = std::find(cmds.begin(), cmds.end(), std::string("open ") + file + " alias wave1");
    ASSERT_NE(at, cmds.end()) << file;
    ASSERT_NE(at, cmds.begin());
    if (std::string(file) == "SOUND12.WAV") {
      EXPECT_EQ(*(at - 1), "close wave1");   // the guarded close of step 14
      EXPECT_NE(*(at - 2), "close wave1");   // and only that one
    }
  }
}

TEST(RhombusTriangleExplanation, PageHeadAndCoordinates) {
  LessonRun r = RunLesson(Page(1) + Choose(3));
  bool head = false, bar = false;
  for (const TraceRecord& t : r.Ops("text"))
    if (t.at("text") == "ひし形の面積                         1ﾍﾟｰｼﾞ" && t.at("x") == "190" && t.at("y") == "2")
      head = true;
  for (const TraceRecord& b : r.Ops("box"))
    if (b.at("x1") == "180" && b.at("x2") == "298" && b.at("y2") == "22" && b.at("color") == "2") bar = true;
  EXPECT_TRUE(head);
  EXPECT_TRUE(bar);
}

TEST(RhombusTriangleExplanation, BlinkingFiguresOfPageOne) {
  LessonRun r = RunLesson(Page(1) + Choose(1));
  auto passes = [&](const std::string& points) {
    std::vector<std::string> out;
    for (const TraceRecord& p : r.Ops("polyline"))
      if (p.at("points") == points)
        out.push_back(p.at("color") + "/" + (p.count("filled") && p.at("filled") == "true" ? p.at("fill") : "-"));
    return out;
  };
  // A quarter's triangle: yellow outline, inside yellow and black by turns,
  // seven passes, then left green; every quarter so.
  const std::vector<std::string> quarter = {"6/6", "6/0", "6/6", "6/0", "6/6", "6/0", "6/6", "2/2"};
  EXPECT_EQ(passes("[200,100,0,75,-60,0,200,100]"), quarter);
  EXPECT_EQ(passes("[200,100,0,75,60,0,200,100]"), quarter);
  EXPECT_EQ(passes("[200,250,0,-75,60,0,200,250]"), quarter);
  EXPECT_EQ(passes("[200,250,0,-75,-60,0,200,250]"), quarter);
  // The enclosing rectangle: outline only, then outline and inside together.
  EXPECT_EQ(passes("[140,100,120,0,0,150,-120,0,140,100]"),
            (std::vector<std::string>{"6/-", "0/-", "6/-", "0/-", "6/-", "0/-", "6/-",
                                      "6/6", "0/0", "6/6", "0/0", "6/6", "0/0", "6/6"}));
  // R1: outline 7, then green by turns, then green.
  EXPECT_EQ(passes("[200,100,-60,75,60,75,60,-75,200,100]"),
            (std::vector<std::string>{"7/-", "2/2", "2/0", "2/2", "2/0", "2/2", "2/0", "2/2", "2/2"}));
  // The formula blinks in yellow and black and stays yellow.
  std::vector<std::string> colours;
  for (const TraceRecord& t : r.Ops("text"))
    if (t.at("text") == "ひし形の面積=対角線×対角線÷2" && t.at("y") == "300") colours.push_back(t.at("color"));
  EXPECT_EQ(colours, (std::vector<std::string>{"6", "6", "0", "6", "0", "6", "0", "6"}));
}

// ----- the animation on the drawing sheet ----------------------------------------------------

TEST(RhombusTriangleAnimation, FramesGoThroughTheScratchPicture) {
  LessonRun r = RunLesson(Page(3) + Choose(1));
  std::vector<TraceRecord> copies = r.Ops("copy");
  ASSERT_EQ(copies.size(), 32u);
  struct Frame { int w; int pause; };
  std::vector<Frame> want;
  for (int i = 0; i < 5; ++i) want.push_back({50, 2});
  for (int i = 0; i < 4; ++i) want.push_back({100, 2});
  want.push_back({100, 30});
  want.push_back({100, 30});
  for (int i = 0; i < 5; ++i) want.push_back({100, 2});
  for (std::size_t k = 0; k < want.size(); ++k) {
    const TraceRecord& in = copies[2 * k];
    const TraceRecord& out = copies[2 * k + 1];
    EXPECT_EQ(in.at("form"), "SavePicture");
    EXPECT_EQ(in.at("src"), "FORM2");
    EXPECT_EQ(in.at("sx"), "50");
    EXPECT_EQ(in.at("sy"), "100");
    EXPECT_EQ(out.at("form"), "MAINFORM");
    EXPECT_EQ(out.at("src"), "SavePicture");
    EXPECT_EQ(out.at("x"), "50");
    EXPECT_EQ(out.at("y"), "100");
    EXPECT_EQ(out.at("w"), std::to_string(want[k].w)) << k;
    EXPECT_EQ(out.at("h"), "120");
  }
  // Each frame waits its pause before the next one.
  for (std::size_t k = 0; k + 1 < want.size(); ++k) {
    int t0 = std::stoi(copies[2 * k + 1].at("t")), t1 = std::stoi(copies[2 * k + 3].at("t"));
    if (k == 8) continue;  // the slide ends in a pause of 250 and sound 24
    EXPECT_EQ(t1 - t0, want[k].pause) << k;
  }
  EXPECT_FALSE(Shown(r, "FORM2"));
  EXPECT_FALSE(r.rt().FindForm("FORM2")->visible);
  // The scratch picture is released after every frame.
  EXPECT_FALSE(r.frame().picture("SavePicture").loaded);
}

TEST(RhombusTriangleAnimation, LaterStartDrawsEveryFrameAtOnce) {
  LessonRun r = RunLesson(Page(3) + Choose(2));
  std::vector<TraceRecord> copies = MainCopies(r);
  ASSERT_EQ(copies.size(), 16u);
  for (const TraceRecord& c : copies) EXPECT_EQ(c.at("t"), copies.front().at("t"));
  EXPECT_EQ(Opens(r).front(), "SOUND28.WAV");
}

// Time of the k-th finished frame (0-based) of page 3 started at paragraph 1.
int FrameTime(std::size_t k) {
  static const std::vector<TraceRecord> copies = MainCopies(RunLesson(Page(3) + Choose(1)));
  return std::stoi(copies.at(k).at("t"));
}

TEST(RhombusTriangleAnimation, ScreenDuringTheTurnShowsTheTurnedCopy) {
  // Screenshot in the pause after the first turn frame: the copy of the
  // triangle stands turned at (72,100) beside the triangle, on the main window.
  int t = FrameTime(9) + 15;
  LessonRun r = RunLesson(Page(3) + Choose(1) + "+" + std::to_string(t) + " shot turn.png\n");
  ASSERT_EQ(r.status, 0);
  std::optional<Surface> shot = ReadPng(r.site().drive_c.parent_path() / "shots" / "turn.png");
  ASSERT_TRUE(shot.has_value());
  const int top = 22;  // the main window's place on the screen
  auto face = [&](const char* pic, int x, int y) { return r.frame().picture(pic).surface().Get(x, y); };
  // Upper part B33 at (72,100) and lower part B54 at (72,116), as drawn.
  for (auto [pic, px, py, at_x, at_y] : {std::tuple{"B33.BMP", 5, 8, 72, 100}, std::tuple{"B54.BMP", 5, 20, 72, 116},
                                          std::tuple{"B6.BMP", 3, 40, 50, 150}, std::tuple{"B66.BMP", 3, 3, 50, 198}}) {
    EXPECT_EQ(shot->Get(at_x + px, top + at_y + py), face(pic, px, py)) << pic;
  }
  // Where the slid copy stood before the turn (B6 at (82,100)) is black again
  // outside the turned parts.
  EXPECT_EQ(shot->Get(135, top + 140), r.rt().main_form().PaletteColor(0));
  // The sheet itself is nowhere on the screen: its copy of B33 would stand at y 100.
  EXPECT_NE(shot->Get(72 + 5, 100 + 8), face("B33.BMP", 5, 8));
}

TEST(RhombusTriangleAnimation, InterruptionKeepsTheLastFinishedFrame) {
  for (std::size_t k : {2u, 9u, 13u}) {
    int t = FrameTime(k) + 1;
    // A click on the title strip stops the script and moves every window by (400,300).
    LessonRun r = RunLesson(Page(3) + Choose(1) + "+" + std::to_string(t) + " click FORM4\nshot after.png\n");
    SCOPED_TRACE(k);
    std::vector<TraceRecord> copies = MainCopies(r);
    // The frame waited on is the last one, or the next one composed before
    // the pause that notices the click.
    ASSERT_GE(copies.size(), k + 1);
    ASSERT_LE(copies.size(), k + 2);
    EXPECT_FALSE(r.Drew("3ページ終わり"));
    std::optional<Surface> shot = ReadPng(r.site().drive_c.parent_path() / "shots" / "after.png");
    ASSERT_TRUE(shot.has_value());
    // What the pupil sees of the block is what the sheet held at the last copy.
    const Surface& sheet = r.rt().FindForm("FORM2")->surface();
    int w = std::stoi(copies.back().at("w"));
    int mismatches = 0, drawn = 0;
    for (int y = 100; y < 220; ++y)
      for (int x = 50; x < 50 + w; ++x) {
        mismatches += shot->Get(400 + x, 322 + y) != sheet.Get(x, y);
        drawn += sheet.Get(x, y) != r.rt().main_form().PaletteColor(0);
      }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(drawn, 500);
    EXPECT_FALSE(r.rt().FindForm("FORM2")->visible);
  }
}

// ----- practice pages ------------------------------------------------------------------

struct AnswerCase {
  int page, problem;
  std::string script;  // the answer typed and OK
  bool right;
  std::string feedback;  // printed at row 20 in colour 2
  int col;
};

TEST(RhombusTrianglePractice, RightAndWrongAnswers) {
  const std::string p1a = "そうかな?わからない時は1ページのだん落2を見れば答えがわかるよ!";
  const std::string p1b = "計算まちがいしてない?わからない時は1ページのだん落2を見れば答えがわかるよ!";
  const std::string p2a = "そうかな?わからない時は3ページのだん落2を見れば答えがわかるよ!";
  const std::string p2b = "計算まちがいしてない?わからない時は3ページのだん落2を見れば答えがわかるよ!";
  const std::string ok = "天才!ごうかく!";
  const AnswerCase cases[] = {
      {2, 1, TypeOne("2"), true, ok, 28},
      {2, 2, TypeOne("7 "), false, p1a, 0},
      {2, 3, TypeTwo("10", "2"), true, ok, 28},
      {2, 3, TypeTwo("2", "10"), false, p1a, 0},
      {2, 4, TypeTwo("9", "13"), true, ok, 28},
      {2, 4, TypeTwo("13", "9"), true, ok, 28},
      {2, 4, TypeTwo("9", "9"), false, p1a, 0},
      {2, 5, TypeOne("27 "), false, p1b, 0},
      {2, 5, TypeOne("27"), true, ok, 28},
      {2, 7, TypeOne("45.50"), false, p1b, 0},
      {2, 8, TypeOne("67.5"), true, ok, 28},
      {4, 1, TypeOne("7"), true, ok, 28},
      {4, 3, TypeOne("2"), true, ok, 28},
      {4, 3, TypeOne("3"), false, p2a, 0},
      {4, 4, TypeTwo("6", "2"), true, ok, 28},
      {4, 4, TypeTwo("2", "6"), false, p2a, 0},
      {4, 5, TypeTwo("5", "7"), true, ok, 28},
      {4, 5, TypeTwo("7", "5"), false, "三角形を頭の中で回してみると底辺が5cmに見えてくるよ!", 10},
      {4, 6, TypeOne("35"), true, ok, 28},
      {4, 9, TypeOne("31.5"), true, ok, 28},
      {4, 9, TypeOne("31"), false, p2b, 0},
      {4, 10, TypeOne("16.5"), true, ok, 28},
      {4, 10, TypeOne("77"), false, "高さは14cmかな? 11cmかな?", 10},
  };
  for (const AnswerCase& c : cases) {
    std::string script = Page(c.page) + Choose(c.problem) + c.script;
    LessonRun r = RunLesson(script);
    SCOPED_TRACE(script);
    EXPECT_TRUE(Printed(r, c.feedback, c.col, 20, 2));
    std::size_t flags = c.page == 2 ? 0 : 1;
    EXPECT_EQ(r.state().PassFlags[flags][static_cast<std::size_t>(c.problem)], c.right ? 1 : 0);
    EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), c.right ? 1 : 0);
    EXPECT_FALSE(Printed(r, "最後には 空白キーをうたないでね!", 10, 17));
    // The strip cleared first: right answers down to 492 or 470, wrong ones 492.
    std::string y2 = c.right && c.page == 4 ? "470" : "492";
    bool strip = false;
    for (const TraceRecord& b : r.Ops("box"))
      if (b.at("x1") == "0" && b.at("y1") == "320" && b.at("y2") == y2 && b.at("color") == "0") strip = true;
    EXPECT_TRUE(strip);
  }
}

TEST(RhombusTrianglePractice, ProblemDrawingAndBars) {
  struct Case {
    int page, problem;
    std::string number, question, formula;
    bool two;
    bool unit;
  };
  const Case cases[] = {
      {2, 1, "(1)", "次の式は下のひし形の面積を求める式です｡□にあてはまる数字を答えなさい｡", "15×11÷□", false, false},
      {2, 4, "(4)", "次の式は下のひし形の面積を求める式です｡□にあてはまる数字を答えなさい｡", "□×□÷2", true, false},
      {2, 5, "(5)", "次のひし形の面積を求めなさい｡", "", false, true},
      {4, 5, "(5)", "次の式は下の三角形の面積を求める式です｡□にあてはまる数字を答えなさい｡", "□×□÷2", true, false},
      {4, 6, "(6)", "次の三角形の面積を求めなさい｡", "", false, true},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem));
    SCOPED_TRACE(c.page * 100 + c.problem);
    EXPECT_TRUE(Printed(r, c.number, 0, 4));
    EXPECT_TRUE(Printed(r, c.question, c.page == 4 && c.problem > 5 ? 5 : 4, 4));
    if (!c.formula.empty()) {
      EXPECT_TRUE(r.Drew(c.formula));
    }
    EXPECT_EQ(r.rt().FindForm("FORM11")->visible, c.two);
    EXPECT_TRUE(r.rt().FindForm("FORM7")->visible);
    EXPECT_EQ(Count(r.Texts("FORM11"), "答え A"), c.two ? 1 : 0);
    EXPECT_EQ(Count(r.Texts("FORM11"), "B"), c.two ? 1 : 0);
    EXPECT_EQ(Count(r.Texts("FORM7"), "答え"), c.two ? 0 : 1);
    EXPECT_EQ(Count(r.Texts("FORM7"), "c㎡"), c.unit ? 1 : 0);
  }
  // After a right A/B answer the next one-box problem shows FORM7 alone.
  LessonRun r = RunLesson(Page(4) + Choose(5) + TypeTwo("5", "7"));
  EXPECT_EQ(r.state().ProblemNumber[0], 6);
  EXPECT_FALSE(r.rt().FindForm("FORM11")->visible);
  EXPECT_TRUE(r.rt().FindForm("FORM7")->visible);
}

TEST(RhombusTrianglePractice, NumbersThatNameNoProblemAreRefusedBeforeDrawing) {
  struct Case {
    int page;
    std::string typed;
  };
  const Case cases[] = {{2, "0"}, {2, "9"}, {2, "2.5"}, {2, "abc"}, {4, "11"}, {4, "10.5"}, {4, "-1"}};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + "type EDIT1 " + c.typed + "\nclick BUTTON1\ndismiss\n");
    SCOPED_TRACE(c.typed);
    ASSERT_EQ(r.Messages().size(), 1u);
    EXPECT_EQ(r.Messages()[0], "その番号はありません！");
    EXPECT_FALSE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡"));
    EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
  }
  // 2.5 is kept as typed, so it names no problem; the shown problem's OK
  // then judges nothing and writes no flag.
  LessonRun r = RunLesson(Page(2) + Choose(2) + "erase EDIT1\ntype EDIT1 2.5\nclick BUTTON1\ndismiss\n" + TypeOne("7"));
  EXPECT_FLOAT_EQ(r.state().ProblemNumber[0], 2.5f);
  EXPECT_EQ(r.Messages().size(), 1u);
  for (float f : r.state().PassFlags[0]) EXPECT_EQ(f, 0);
  EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), 0);
  EXPECT_FALSE(Printed(r, "天才!ごうかく!", 28, 20));
}

TEST(RhombusTrianglePractice, LastProblemsEndThePagesAndAllPassedShowsThePassword) {
  struct Case {
    int page, last;
    std::string answer, end, reward;
    std::vector<std::vector<int>> flags;
  };
  const Case cases[] = {
      {2, 8, TypeOne("67.5"), "2ページ終わり", "やったね!パスワードは 散歩(さんぽ) だよ!", {{1, 1, 1, 1, 1, 1, 1, 0}}},
      {4, 10, TypeOne("16.5"), "4ページ終わり", "やったね!パスワードは 健康(けんこう) だよ!",
       {{}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 0}}},
      {4, 10, TypeOne("16.5"), "4ページ終わり", "", {}},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson(Page(c.page) + Choose(c.last) + c.answer, o);
    SCOPED_TRACE(c.end + c.reward);
    EXPECT_TRUE(Printed(r, c.end, 30, 15, 1));
    EXPECT_EQ(r.state().ProblemNumber[0], static_cast<float>(c.last + 1));
    for (const char* f : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"})
      EXPECT_FALSE(r.rt().FindForm(f)->visible) << f;
    if (!c.reward.empty()) {
      EXPECT_TRUE(Printed(r, c.reward, 5, 7));
      EXPECT_TRUE(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13));
    } else {
      EXPECT_TRUE(r.Ops("print").size() > 0);
      EXPECT_FALSE(Printed(r, "やったね!パスワードは 健康(けんこう) だよ!", 5, 7));
    }
    // The jingle's file name went to WavFile, the expected answer stayed.
    EXPECT_EQ(r.state().WavFile, "SOUND80.WAV");
    EXPECT_EQ(r.state().ExpectedAnswer[0], c.page == 2 ? "67.5" : "16.5");
  }
}

TEST(RhombusTrianglePractice, ProceduresOfTheBars) {
  LessonRun r = RunLesson("");
  for (const char* name : {"FE$BMPBUTTON1_ON", "FE$BMPBUTTON7_ON", "FE$EDIT1_CHANGE", "FE$BUTTON1_ON",
                           "FE$EDIT2_CHANGE", "FE$BUTTON2_ON", "FE$EDIT14_CHANGE", "FE$EDIT15_CHANGE",
                           "FE$BUTTON5_ON", "FE$EDIT16_CHANGE", "FE$EDIT17_CHANGE", "FE$EDIT18_CHANGE",
                           "FE$BUTTON6_ON", "FE$FORM4_MOUSEDOWN"})
    EXPECT_TRUE(r.rt().HasProcedure(name)) << name;
  // The five- and six-box bars have none; the sheet's event names are inert.
  for (const char* name : {"FE$EDIT3_CHANGE", "FE$EDIT13_CHANGE", "FE$BUTTON3_ON", "FE$BUTTON4_ON",
                           "FE$FORM12_START"})
    EXPECT_FALSE(r.rt().HasProcedure(name)) << name;
}

// ----- exit ------------------------------------------------------------------------------

TEST(RhombusTriangleExit, RecordWithTheCountsAndBothFlagArrays) {
  LessonRun r = RunLesson(Page(2) + Choose(4) + TypeTwo("13", "9") + Page(4) + Choose(10) + TypeOne("16.5") +
                      "click BMPBUTTON7\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(Lesson(), {{0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}));
  EXPECT_EQ(r.Record().substr(0, 10), " 8  10  0 ");
  EXPECT_TRUE(r.HostStarted());
}

}  // namespace
}  // namespace ham::testing
