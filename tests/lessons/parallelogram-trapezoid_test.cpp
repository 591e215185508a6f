// The parallelogram and trapezoid lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "lessons/parallelogram-trapezoid/lesson.h"
#include "tests/lessons/harness.h"
#include "tools/stand_ins.h"

const ham::ResourceTable& ParallelogramTrapezoidResources();

namespace ham::testing {
namespace {

const frame::Lesson& TheLesson() { return lessons::ParallelogramTrapezoidLesson(); }

constexpr LessonRunner RunLesson{&TheLesson, &ParallelogramTrapezoidResources};

// Answers in FORM7 (one string) or in FORM9 (two).
std::string Answer(const std::vector<std::string>& boxes) {
  std::string s;
  if (boxes.size() == 1) {
    if (!boxes[0].empty()) s += "type EDIT2 " + boxes[0] + "\n";
    return s + "click BUTTON2\n";
  }
  for (std::size_t i = 0; i < boxes.size(); ++i)
    if (!boxes[i].empty()) s += "type EDIT" + std::to_string(3 + i) + " " + boxes[i] + "\n";
  return s + "click BUTTON3\n";
}

const char* const kContents[] = {
    "(よく見よう!)  ☆ 平行四辺形の面積1 ----- 1ページ", "(よく見よう!)  ☆ 平行四辺形の面積2 ----- 2ページ",
    "(やってみよう!)★ 練習 1 ---------------- 3ページ", "(よく見よう!)  ☆ 台形の面積1 ----------- 4ページ",
    "(よく見よう!)  ☆ 台形の面積2 ----------- 5ページ", "(やってみよう!)★ 練習 2 ---------------- 6ページ",
};

const std::vector<int> kAllPassed(9, 1);

// ----- start-up, forms, navigation ------------------------------------------------------------

TEST(PtStartUp, ContentsPageAndPassMarks) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2;
  };
  const Case cases[] = {
      {{kAllPassed, {}}, true, false},
      {{{1, 1, 1, 1, 1, 1, 1, 1, 0}, kAllPassed}, false, true},
      {{}, false, false},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("", o);
    EXPECT_TRUE(r.Drew("5年生の算数   平行四辺形と台形の面積"));
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Printed(r, kContents[i], 2, 7 + i, 7)) << i;
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 9), c.mark1);
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 12), c.mark2);
  }
}

TEST(PtStartUp, PicturesFormsAndBoxes) {
  LessonRun r = RunLesson("");
  // The lesson's own pictures come from its folder, in their stand-in sizes.
  for (const frame::PictureSpec& p : TheLesson().pictures) {
    auto it = r.state().Pictures.find(p.file);
    ASSERT_NE(it, r.state().Pictures.end()) << p.file;
    EXPECT_TRUE(it->second.loaded) << p.file;
    EXPECT_EQ(it->second.surface().width(), tools::StandInSize(TheLesson(), p.file).w) << p.file;
  }
  const std::vector<std::string> own = {"B6.BMP",  "B12.BMP",  "B27.BMP",  "B33.BMP",  "B39.BMP",
                                        "B42.BMP", "B68.BMP", "上指.BMP", "右指.BMP", "左指.BMP"};
  ASSERT_EQ(TheLesson().pictures.size(), 18u);
  for (std::size_t i = 0; i < own.size(); ++i) {
    EXPECT_EQ(TheLesson().pictures[8 + i].file, own[i]);
    EXPECT_TRUE(std::filesystem::exists(r.site().lesson / own[i])) << own[i];
  }
  // Forms in load order, each bar at the strip + 414, hidden.
  std::vector<std::string> placed;
  for (const TraceRecord& m : r.Ops("move"))
    if (m.at("form") != "MAINFORM") placed.push_back(m.at("form"));
  const std::vector<std::string> order = {"FORM5", "FORM3", "FORM4", "FORM6", "FORM7",
                                          "FORM8", "FORM9", "FORM10", "FORM11"};
  EXPECT_EQ(placed, order);
  for (const char* bar : {"FORM7", "FORM9", "FORM10", "FORM11"}) {
    Form* f = r.rt().FindForm(bar);
    ASSERT_NE(f, nullptr) << bar;
    EXPECT_EQ(std::make_pair(f->left, f->top), std::make_pair(0, 414)) << bar;
    EXPECT_FALSE(f->visible) << bar;
    EXPECT_TRUE(f->flagged) << bar;
  }
  for (int k = 1; k <= 11; ++k) {
    Control* box = r.frame().edit("EDIT" + std::to_string(k));
    ASSERT_NE(box, nullptr) << k;
    EXPECT_EQ(box->font_size, 14) << k;
  }
}

TEST(PtStartUp, AnswerBarLayouts) {
  struct Case {
    const char* form;
    const char* control;
    Rect rect;
  };
  const Case cases[] = {
      {"FORM3", "EDIT1", {128, 0, 64, 22}},   {"FORM3", "BUTTON1", {320, 0, 80, 22}},
      {"FORM7", "EDIT2", {128, 0, 96, 22}},   {"FORM7", "BUTTON2", {368, 0, 80, 22}},
      {"FORM9", "EDIT3", {120, 0, 64, 24}},   {"FORM9", "EDIT4", {264, 0, 64, 24}},
      {"FORM9", "BUTTON3", {424, 0, 80, 22}}, {"FORM10", "EDIT5", {120, 0, 64, 22}},
      {"FORM10", "EDIT6", {232, 0, 64, 22}},  {"FORM10", "EDIT7", {344, 0, 64, 22}},
      {"FORM10", "BUTTON4", {472, 0, 80, 22}}, {"FORM11", "EDIT8", {96, 0, 64, 22}},
      {"FORM11", "EDIT9", {192, 0, 64, 22}},  {"FORM11", "EDIT10", {288, 0, 64, 22}},
      {"FORM11", "EDIT11", {384, 0, 64, 22}}, {"FORM11", "BUTTON5", {496, 0, 80, 22}},
  };
  LessonRun r = RunLesson("");
  for (const Case& c : cases) {
    Form* f = r.rt().FindForm(c.form);
    ASSERT_NE(f, nullptr) << c.form;
    Control* ctl = f->Find(c.control);
    ASSERT_NE(ctl, nullptr) << c.control;
    EXPECT_EQ(ctl->rect.x, c.rect.x) << c.control;
    EXPECT_EQ(ctl->rect.y, c.rect.y) << c.control;
    EXPECT_EQ(ctl->rect.w, c.rect.w) << c.control;
    EXPECT_EQ(ctl->rect.h, c.rect.h) << c.control;
    if (ctl->kind == ControlKind::kPushButton) {
      EXPECT_EQ(ctl->caption, "O  K") << c.control;
    }
  }
  EXPECT_EQ(r.rt().FindForm("FORM7")->caption, "FORM7");
  EXPECT_EQ(r.rt().FindForm("FORM7")->design.w, 641);
  EXPECT_EQ(r.rt().FindForm("FORM11")->design.w, 642);
  // The button of FORM7 is stored before its box.
  EXPECT_EQ(r.rt().FindForm("FORM7")->controls.front()->name, "BUTTON2");
}

TEST(PtNavigation, ButtonsBlankEveryBoxAndHideEveryBar) {
  LessonRun r = RunLesson("click BMPBUTTON3\n");
  Clearing c = ClearedBy(r, "click BMPBUTTON3");
  EXPECT_EQ(c.blanked, EditBoxes(1, 11));
  EXPECT_EQ(c.hidden, (std::vector<std::string>{"FORM7", "FORM9", "FORM10", "FORM11"}));
  EXPECT_TRUE(r.Drew("1ﾍﾟｰｼﾞ          平行四辺形の面積"));
  EXPECT_TRUE(Printed(r, "回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 3));
}

TEST(PtNavigation, PageStateAfterButtons) {
  struct Case {
    std::string script;
    float current, previous;
    std::string shown;  // text the last page module drew
  };
  const Case cases[] = {
      {Page(6) + "click BMPBUTTON3\n", 6, 6, ""},                       // the end page
      {Page(6) + "click BMPBUTTON3\nclick BMPBUTTON3\n", 6, 6, ""},     // and again
      {Page(6) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 5, 6, "5ﾍﾟｰｼﾞ          台形の面積2"},
      {Page(3) + "click BMPBUTTON3\n", 4, 3, "4ﾍﾟｰｼﾞ          台形の面積1"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current) << c.script;
    EXPECT_EQ(r.state().PreviousPage, c.previous) << c.script;
    if (c.shown.empty()) {
      EXPECT_TRUE(Printed(r, "単元終わり", 10, 7)) << c.script;
    } else {
      EXPECT_TRUE(r.Drew(c.shown)) << c.script;
    }
  }
}

TEST(PtNavigation, ChooserAcceptsZeroToSix) {
  for (const char* t : {"7", " 3", "3 ", "03"}) {
    LessonRun r = RunLesson("click BMPBUTTON4\ntype EDIT1 " + std::string(t) + "\nclick BUTTON1\ndismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << "[" << t << "]";
    EXPECT_EQ(r.Messages()[0], "そのページはありません！");
    EXPECT_EQ(r.state().CurrentPage, 0) << t;
  }
  LessonRun ok = RunLesson(Page(6));
  EXPECT_TRUE(ok.Messages().empty());
  EXPECT_TRUE(ok.Drew("6ﾍﾟｰｼﾞ          練習2"));
  EXPECT_TRUE(Printed(ok, "何ページを開けますか? 0から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
}

TEST(PtNavigation, TitleStripMovesTheFourBox) {
  LessonRun r = RunLesson("click FORM4\n");
  EXPECT_EQ(r.rt().FindForm("FORM11")->left, 400);
  EXPECT_EQ(r.rt().FindForm("FORM11")->top, 714);
  EXPECT_EQ(r.rt().FindForm("FORM9")->top, 714);
  EXPECT_EQ(r.rt().main_form().top, 322);
}

// ----- explanation pages ----------------------------------------------------------------------------

struct PageCase {
  int page;
  std::vector<int> voices;
  Rect bar;  // heading strip x1, y1, x2, y2
  std::string heading, end_text;
  double end_x, end_y;
};

const PageCase kPages[] = {
    {1, {1, 2, 5, 7, 8, 9, 10, 11, 12, 13, 14}, {185, 0, 340, 22},
     "平行四辺形の面積1                    1ﾍﾟｰｼﾞ", "1ページ終わり", 400, 340},
    {2, {16, 17, 18, 19, 20}, {185, 0, 340, 22}, "平行四辺形の面積2                    2ﾍﾟｰｼﾞ", "2ページ終わり",
     300, 300},
    {4, {21, 44, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34}, {190, 0, 305, 20},
     "台形の面積1                          4ﾍﾟｰｼﾞ", "4ページ終わり", 400, 380},
    {5, {35, 36, 37, 38, 39, 40, 41, 42, 43}, {180, 0, 300, 20}, "台形の面積2                          5ﾍﾟｰｼﾞ",
     "5ページ終わり", 300, 300},
};

TEST(PtExplanation, ParagraphOnePlaysThePage) {
  for (const PageCase& c : kPages) {
    SCOPED_TRACE(c.page);
    LessonRun r = RunLesson(Page(c.page) + Choose(1));
    std::vector<std::string> want;
    for (int v : c.voices) want.push_back("open SOUND" + std::to_string(v) + ".WAV alias wave1");
    EXPECT_EQ(OpenCommands(r), want);
    auto after = AfterAction(r, "click BUTTON1");
    bool strip = false;
    for (const TraceRecord& b : OpsIn(after, "box"))
      if (Num(b, "x1") == c.bar.x && Num(b, "y1") == c.bar.y && Num(b, "x2") == c.bar.w &&
          Num(b, "y2") == c.bar.h && b.at("color") == "2")
        strip = true;
    EXPECT_TRUE(strip);
    EXPECT_TRUE(DrewIn(after, "MAINFORM", c.heading, 200, 2));
    EXPECT_TRUE(DrewIn(after, "MAINFORM", c.end_text, c.end_x, c.end_y));
    EXPECT_TRUE(DrewIn(after, "MAINFORM", "だん落 2", 570, 2));
    EXPECT_EQ(r.rt().main_form().state().wy2, 479);
  }
}

TEST(PtExplanation, ParagraphTwoDrawsTheSamePageSilently) {
  for (const PageCase& c : kPages) {
    SCOPED_TRACE(c.page);
    LessonRun voiced = RunLesson(Page(c.page) + Choose(1));
    LessonRun silent = RunLesson(Page(c.page) + Choose(2));
    EXPECT_TRUE(OpenCommands(silent).empty());
    EXPECT_TRUE(silent.Ops("wait").empty());
    std::vector<std::string> a = Drawing(voiced, "click BUTTON1"), b = Drawing(silent, "click BUTTON1");
    EXPECT_GT(b.size(), 20u);
    EXPECT_EQ(a, b);
  }
}

TEST(PtExplanation, ParagraphsOutsideOneToTwo) {
  for (int page : {1, 2, 4, 5})
    for (int n : {0, 3}) {
      LessonRun r = RunLesson(Page(page) + Choose(n) + "dismiss\n");
      ASSERT_EQ(r.Messages().size(), 1u) << page << " " << n;
      EXPECT_EQ(r.Messages()[0], "その段落はありません！");
      EXPECT_TRUE(OpsIn(AfterAction(r, "click BUTTON1"), "text").empty()) << page << " " << n;
    }
}

// Polylines of the triangle cut off page 1's parallelogram.
std::vector<TraceRecord> Triangles(const std::vector<TraceRecord>& recs) {
  std::vector<TraceRecord> out;
  for (const TraceRecord& p : OpsIn(recs, "polyline"))
    if (!p.count("filled") && p.at("points").find("-24,48,24,0") != std::string::npos) out.push_back(p);
  return out;
}

TEST(PtExplanation, TriangleAnimationOfPageOne) {
  LessonRun r = RunLesson(Page(1) + Choose(1));
  auto tri = Triangles(r.trace());
  // Down 11, right 12, up 11 twice (drawn and erased).
  ASSERT_EQ(tri.size(), 45u);
  EXPECT_EQ(tri.front().at("points"), "[240,40,-24,48,24,0,0,-48]");
  EXPECT_EQ(tri.front().at("rel"), "[0,1,1,1]");
  EXPECT_EQ(tri[11].at("points"), "[246,90,-24,48,24,0,0,-48]");
  EXPECT_EQ(tri.back().at("points"), "[314,40,-24,48,24,0,0,-48]");
  EXPECT_EQ(tri.back().at("color"), "0");
  // The pieces of both parallelograms, B42 among them.
  int pieces = 0;
  for (const TraceRecord& p : r.Ops("picture"))
    if (p.at("picture") == "B42.BMP") ++pieces;
  EXPECT_EQ(pieces, 2);
}

TEST(PtExplanation, ClickDuringTheAnimationStopsTheScriptInCopyPen) {
  // Find when the animation runs, then click the title strip then.
  LessonRun probe = RunLesson(Page(1) + Choose(1));
  double chosen = 0;
  for (const TraceRecord& a : probe.Ops("action"))
    if (a.at("line") == "click BUTTON1") chosen = Num(a, "t");
  auto tri = Triangles(probe.trace());
  ASSERT_EQ(tri.size(), 45u);
  int delay = static_cast<int>(Num(tri[15], "t") - chosen) + 1;
  LessonRun r = RunLesson(Page(1) + Choose(1) + "+" + std::to_string(delay) + " click FORM4\n");
  auto drawn = Triangles(r.trace());
  EXPECT_GT(drawn.size(), 10u);
  EXPECT_LT(drawn.size(), 45u);
  EXPECT_FALSE(r.Drew("1ページ終わり"));
  EXPECT_TRUE(r.Drew("平行四辺形の面積1                    1ﾍﾟｰｼﾞ"));
  EXPECT_EQ(r.rt().main_form().state().draw_mode, 13);
}

TEST(PtExplanation, PendingActionResetsMergePen) {
  // Page 1 reduced to merge pen and a long pause, interrupted by a click on
  // the title strip, which resets nothing itself; without the lesson's hook
  // the main window would stay in merge pen.
  static const frame::Lesson with_hook = [] {
    frame::Lesson l = TheLesson();
    l.pages[1].explanation.steps = {frame::DrawModeStep{15}, frame::Pause(500)};
    return l;
  }();
  static const frame::Lesson without_hook = [] {
    frame::Lesson l = with_hook;
    l.on_pending = nullptr;
    return l;
  }();
  for (const frame::Lesson* l : {&with_hook, &without_hook}) {
    LessonRun r(*l, ParallelogramTrapezoidResources(), Page(1) + Choose(1) + "+100 click FORM4\n");
    EXPECT_EQ(r.rt().FindForm("FORM4")->left, 400);
    EXPECT_EQ(r.rt().main_form().state().draw_mode, l == &with_hook ? 13 : 15);
  }
}

TEST(PtExplanation, PageFourWaitsForItsNarration) {
  LessonRun r = RunLesson(Page(4) + Choose(1));
  auto cmds = r.MciCommands();
  auto it = std::find(cmds.begin(), cmds.end(), "open SOUND23.WAV alias wave1");
  ASSERT_NE(it, cmds.end());
  ASSERT_GE(cmds.end() - it, 4);
  EXPECT_EQ(*(it + 1), "play wave1 notify wait");
  EXPECT_EQ(*(it + 2), "close wave1");
  EXPECT_EQ(*(it + 3), "open SOUND24.WAV alias wave1");
  // Every other narration after the first closes the one before.
  auto first = std::find(cmds.begin(), cmds.end(), "open SOUND21.WAV alias wave1");
  EXPECT_EQ(std::count(first, it, std::string("close wave1")), 3);
}

TEST(PtExplanation, PageFourBlinksByTheCounter) {
  LessonRun r = RunLesson(Page(4) + Choose(2));
  struct Case {
    std::string text;
    double x, y;
    std::string colors;
  };
  const Case cases[] = {
      {"10cm", 190, 200, "0707070707"},
      {"×7", 155, 300, "6606060606"},  // drawn once, then i = 1..9
      {"×7 ÷2", 155, 300, "0606060606"},
  };
  for (const Case& c : cases) {
    std::string colors;
    for (const TraceRecord& t : r.Ops("text"))
      if (t.at("text") == c.text && Num(t, "x") == c.x && Num(t, "y") == c.y) colors += t.at("color");
    EXPECT_EQ(colors.substr(colors.size() - c.colors.size()), c.colors) << c.text;
  }
}

TEST(PtExplanation, PageFiveClearsTheFirstExample) {
  LessonRun r = RunLesson(Page(5) + Choose(2));
  const auto& t = r.trace();
  std::size_t answer = 0, clear = 0, second = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const TraceRecord& x = t[i];
    if (x.at("op") == "text" && x.at("text") == "答え 39c㎡") answer = i;
    if (x.at("op") == "box" && x.at("x1") == "0" && x.at("y1") == "80" && x.at("x2") == "640" &&
        x.at("y2") == "370" && x.at("color") == "0")
      clear = i;
    if (x.at("op") == "polyline" && x.at("points").rfind("[20,100,100,0", 0) == 0) second = i;
  }
  EXPECT_LT(0u, answer);
  EXPECT_LT(answer, clear);
  EXPECT_LT(clear, second);
  EXPECT_TRUE(r.Drew("答え 100c㎡"));
}

// ----- practices --------------------------------------------------------------------------------------

const std::string kHint3 = "そうかな?わからない時は2ページのだん落1を見れば答えがわかるよ!";
const std::string kCalc3 = "計算まちがいしてない?わからない時は2ページのだん落1を見れば答えがわかるよ!";
const std::string kHint6 = "そうかな?わからない時は5ページのだん落1を見れば答えがわかるよ!";
const std::string kCalc6 = "計算まちがいしてない?わからない時は5ページのだん落1を見れば答えがわかるよ!";
const std::string kPraise = "天才!ごうかく!";

TEST(PtPractice, RightAndWrongAnswers) {
  struct Case {
    int page, problem;
    std::vector<std::string> boxes;
    bool right;
    std::string feedback;
    int col, row;
  };
  const Case cases[] = {
      {3, 1, {"12"}, true, kPraise, 20, 23},
      {3, 1, {"12 "}, false, kHint3, 0, 23},  // no blank warning on this page
      {3, 1, {""}, false, kHint3, 0, 23},
      {3, 2, {"7"}, true, kPraise, 20, 23},
      {3, 3, {"10", "7"}, true, kPraise, 20, 23},
      {3, 3, {"7", "10"}, false, kHint3, 0, 23},
      {3, 4, {"13", "6"}, true, kPraise, 20, 23},
      {3, 4, {"13", ""}, false, kHint3, 0, 23},
      {3, 5, {"88"}, true, kPraise, 20, 23},
      {3, 5, {"88.0"}, false, kCalc3, 0, 23},
      {3, 8, {"112"}, false, kCalc3, 0, 23},
      {3, 9, {"98"}, true, kPraise, 20, 23},
      {3, 9, {"112"}, false, "高さはどれかよく見てね!", 15, 23},
      {3, 9, {"112 "}, false, kCalc3, 0, 23},
      {6, 1, {"4", "8"}, true, kPraise, 20, 22},
      {6, 1, {"8", "4"}, false, kHint6, 0, 22},
      {6, 4, {"5", "2"}, true, kPraise, 20, 22},
      {6, 5, {"39"}, true, kPraise, 20, 22},
      {6, 6, {"105"}, true, kPraise, 20, 22},
      {6, 8, {"87.5"}, true, kPraise, 20, 22},
      {6, 8, {"87.50"}, false, kCalc6, 0, 22},
      {6, 8, {"８７.５"}, false, kCalc6, 0, 22},
      {6, 9, {"45.5 "}, false, kCalc6, 0, 22},
  };
  for (const Case& c : cases) {
    std::string script = Page(c.page) + Choose(c.problem) + Answer(c.boxes);
    SCOPED_TRACE(script);
    LessonRun r = RunLesson(script);
    const std::string ok = c.boxes.size() == 1 ? "click BUTTON2" : "click BUTTON3";
    auto after = AfterAction(r, ok);
    std::vector<TraceRecord> prints = OpsIn(after, "print");
    ASSERT_FALSE(prints.empty());
    const TraceRecord& p = prints.front();
    EXPECT_EQ(p.at("text"), c.feedback);
    EXPECT_EQ(p.at("col"), std::to_string(c.col));
    EXPECT_EQ(p.at("row"), std::to_string(c.row));
    EXPECT_EQ(p.at("color"), "2");
    // The message strip of the page is cleared first.
    const TraceRecord strip = OpsIn(after, "box").front();
    EXPECT_EQ(strip.at("y1"), c.page == 3 ? "435" : "410");
    EXPECT_EQ(strip.at("y2"), c.page == 3 ? "490" : "466");
    int flags = c.page == 3 ? 0 : 1;
    EXPECT_EQ(r.state().PassFlags[flags][static_cast<std::size_t>(c.problem)], c.right ? 1 : 0);
    EXPECT_EQ(r.state().ProblemNumber[0], c.right ? c.problem + 1 : c.problem);
    EXPECT_FALSE(r.Drew("最後には 空白キーをうたないでね!"));
  }
}

TEST(PtPractice, TwoBoxProblemsShowFormNineOverFormSeven) {
  struct Case {
    int page, problem;
    bool two_boxes, unit;
  };
  const Case cases[] = {
      {3, 1, false, false}, {3, 3, true, false}, {3, 4, true, false}, {3, 5, false, true},
      {6, 2, true, false},  {6, 5, false, true}, {6, 9, false, true},
  };
  for (const Case& c : cases) {
    std::string script = Page(c.page) + Choose(c.problem);
    SCOPED_TRACE(script);
    LessonRun r = RunLesson(script);
    Form* seven = r.rt().FindForm("FORM7");
    Form* nine = r.rt().FindForm("FORM9");
    EXPECT_TRUE(seven->visible);
    EXPECT_EQ(nine->visible, c.two_boxes);
    auto after = AfterAction(r, "click BUTTON1");
    EXPECT_EQ(DrewIn(after, "FORM7", "答え", 78, 3), !c.two_boxes);
    EXPECT_EQ(DrewIn(after, "FORM7", "c㎡", 228, 3), c.unit);
    EXPECT_EQ(DrewIn(after, "FORM9", "答え", 60, 3), c.two_boxes);
    EXPECT_EQ(DrewIn(after, "FORM9", "A", 100, 3), c.two_boxes);
    EXPECT_EQ(DrewIn(after, "FORM9", "B", 244, 3), c.two_boxes);
    EXPECT_EQ(OpsIn(after, "focus").back().at("control"), c.two_boxes ? "EDIT3" : "EDIT2");
    if (c.two_boxes) {
      EXPECT_GT(nine->z, seven->z);
    }
    // The problem drew on the 0..479 window and left the page at 0..568.
    EXPECT_EQ(r.rt().main_form().state().wy2, 568);
  }
}

TEST(PtPractice, FormulaTexts) {
  struct Case {
    int page, problem;
    std::vector<std::tuple<std::string, double, double>> texts;
  };
  const Case cases[] = {
      {3, 1, {{"□ × 10", 250, 200}}},
      {3, 3, {{"□ × □", 250, 200}, {"A", 254, 201}, {"B", 302, 201}}},
      {6, 1, {{"(□ ＋ □) ×   ÷ 2", 250, 200}, {" A", 256, 201}, {" B", 304, 201}, {"6", 360, 200}}},
      {6, 2, {{" A", 256, 201}, {" B", 304, 201}, {"4", 360, 200}}},
      {6, 3, {{"(12 ＋ □) × □ ÷ 2", 250, 200}, {" A", 303, 201}, {" B", 359, 201}}},
      {6, 4, {{"(□ ＋ 11) × 7 ÷ □", 250, 200}, {" A", 256, 201}, {" B", 400, 201}}},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem));
    auto after = AfterAction(r, "click BUTTON1");
    for (const auto& [text, x, y] : c.texts)
      EXPECT_TRUE(DrewIn(after, "MAINFORM", text, x, y)) << c.page << " " << c.problem << " " << text;
    const std::string question = c.page == 3 ? "次の式は下の平行四辺形の面積を求める式です｡□にあてはまる数字を答えなさい｡"
                                             : "次の式は下の台形の面積を求める式です｡□にあてはまる数字を答えなさい｡";
    EXPECT_TRUE(Printed(r, question, 4, 7));
    EXPECT_TRUE(Printed(r, "(" + std::to_string(c.problem) + ")", 0, 7));
  }
  LessonRun area = RunLesson(Page(6) + Choose(7));
  EXPECT_TRUE(Printed(area, "次の台形の面積を求めなさい｡", 4, 7));
}

TEST(PtPractice, FiguresFromTheProblemNumbers) {
  struct Arc {
    double x, y, r, aspect, start, end;
  };
  struct Case {
    int page, problem;
    std::string polygon;
    std::vector<Arc> arcs;
    std::vector<std::tuple<std::string, double, double>> labels;
  };
  const Case cases[] = {
      {3, 1, "[30,190,120,0,-20,100,-120,0,20,-100]",
       {{70, 290, 60, 0.2, 0, 0.5}, {50, 240, 12.5, 4, 0.75, 0.25}},
       {{"12cm", 65, 300}, {"10cm", 58, 230}}},
      {3, 4, "[30,190,130,0,-20,60,-130,0,20,-60]",
       {{75, 250, 65, 0.2, 0, 0.5}, {160, 220, 7.5, 4, 0.75, 0.25}},
       {{"13cm", 65, 260}, {"6cm", 168, 220}}},
      {3, 8, "[30,190,50,0,20,150,-50,0,-20,-150]",
       {{75, 340, 25, 0.2, 0, 0.5}, {30, 265, 18.75, 4, 0.25, 0.75}},
       {{"5cm", 65, 350}, {"15cm", 10, 260}}},
      {3, 9, "[30,190,70,0,-20,140,-70,0,20,-140]",
       {{45, 330, 35, 0.2, 0, 0.5}, {100, 260, 17.5, 4, 0.75, 0.25}, {30, 330, 20, 7, 0.5, 0.75}},
       {{"7cm", 40, 340}, {"14cm", 108, 220}, {"16cm", 0, 260}}},
      {6, 3, "[30,190,120,0,-40,60,-70,0,-10,-60]",
       {{90, 190, 60, 0.2, 0.5, 1}, {75, 250, 35, 0.2, 0, 0.5}, {50, 220, 7.5, 4, 0.75, 0.25}},
       {{"12cm", 80, 168}, {"7cm", 65, 260}, {"6cm", 58, 220}}},
      {6, 7, "[30,190,120,0,10,20,-150,0,20,-20]",
       {{90, 190, 60, 0.2, 0.5, 1}, {85, 210, 75, 0.2, 0, 0.5}, {50, 200, 5, 2, 0.75, 0.25}},
       {{"12cm", 80, 168}, {"15cm", 75, 220}, {"2cm", 58, 200}}},
      {6, 9, "[30,190,20,0,20,130,-50,0,10,-130]",
       {{40, 190, 10, 0.2, 0.5, 1}, {45, 320, 25, 0.2, 0, 0.5}, {50, 255, 16.25, 4, 0.75, 0.25}},
       {{"2cm", 30, 168}, {"5cm", 35, 330}, {"13cm", 58, 255}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.page) + " " + std::to_string(c.problem));
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem));
    auto after = AfterAction(r, "click BUTTON1");
    auto polys = OpsIn(after, "polyline");
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].at("points"), c.polygon);
    EXPECT_EQ(polys[0].at("fill"), "2");
    auto circles = OpsIn(after, "circle");
    ASSERT_EQ(circles.size(), c.arcs.size());
    for (std::size_t i = 0; i < circles.size(); ++i) {
      const TraceRecord& a = circles[i];
      EXPECT_EQ(Num(a, "x"), c.arcs[i].x) << i;
      EXPECT_EQ(Num(a, "y"), c.arcs[i].y) << i;
      EXPECT_EQ(Num(a, "r"), c.arcs[i].r) << i;
      EXPECT_EQ(Num(a, "aspect"), c.arcs[i].aspect) << i;
      EXPECT_EQ(Num(a, "start"), c.arcs[i].start) << i;
      EXPECT_EQ(Num(a, "end"), c.arcs[i].end) << i;
      EXPECT_EQ(a.at("color"), "7") << i;
    }
    for (const auto& [text, x, y] : c.labels) EXPECT_TRUE(DrewIn(after, "MAINFORM", text, x, y)) << text;
  }
}

TEST(PtPractice, ProblemNumbersOutOfRange) {
  for (int page : {3, 6})
    for (const char* n : {"0", "-1", "10"}) {
      LessonRun r = RunLesson(Page(page) + "type EDIT1 " + n + "\nclick BUTTON1\ndismiss\n");
      ASSERT_EQ(r.Messages().size(), 1u) << page << " " << n;
      EXPECT_EQ(r.Messages()[0], "その番号はありません！");
      EXPECT_FALSE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡")) << page << " " << n;
    }
}

TEST(PtPractice, BothPagesShareOneProblemNumber) {
  struct Case {
    std::string script;
    float number;
  };
  const Case cases[] = {
      {Page(3) + Choose(5), 5},
      {Page(3) + Choose(5) + Answer({"88"}), 6},
      {Page(3) + Choose(5) + Page(6) + Choose(2), 2},
      {Page(6) + Choose(9) + Answer({"45.5"}), 10},
      // The navigation blanks the number box on the practice page, which
      // the box's procedure stores as 0.
      {Page(3) + Choose(5) + Page(6), 0},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.state().ProblemNumber[0], c.number) << c.script;
    EXPECT_EQ(r.state().ProblemNumber[1], 0) << c.script;
  }
}

TEST(PtPractice, LastProblemEndsThePageWithOrWithoutTheReward) {
  struct Case {
    int page;
    std::vector<int> flags;
    std::vector<std::string> answer;
    bool reward;
  };
  std::vector<int> eight(9, 1);
  eight[8] = 0;
  std::vector<int> seven = eight;
  seven[3] = 0;
  const Case cases[] = {
      {3, eight, {"98"}, true},
      {3, seven, {"98"}, false},
      {6, eight, {"45.5"}, true},
      {6, seven, {"45.5"}, false},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.page == 3 ? std::vector<std::vector<int>>{c.flags, {}} : std::vector<std::vector<int>>{{}, c.flags};
    LessonRun r = RunLesson(Page(c.page) + Choose(9) + Answer(c.answer), o);
    SCOPED_TRACE(c.page);
    const std::string reward = c.page == 3 ? "やったね!パスワードは 検査(けんさ) だよ!"
                                           : "やったね!パスワードは 貿易(ぼうえき) だよ!";
    EXPECT_EQ(Printed(r, reward, 5, 7), c.reward);
    EXPECT_EQ(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13), c.reward);
    EXPECT_TRUE(Printed(r, c.page == 3 ? "3ページ終わり" : "6ページ終わり", 30, 15, 1));
    // The page end hides the number bar and the bars of the page.
    std::vector<std::string> hidden;
    for (const TraceRecord& h : OpsIn(AfterAction(r, "click BUTTON2"), "hide")) hidden.push_back(h.at("form"));
    std::vector<std::string> want = {"FORM3", "FORM7", "FORM9"};
    if (c.page == 6) want.push_back("FORM10");
    EXPECT_EQ(hidden, want);
    for (const char* f : {"FORM3", "FORM7", "FORM9"}) EXPECT_FALSE(r.rt().FindForm(f)->visible) << f;
  }
}

TEST(PtPractice, ExpectedAnswerSurvivesTheJingle) {
  // A click while the jingle plays stops the praise; the same problem,
  // answered again, is still right.
  LessonRun r = RunLesson(Page(3) + Choose(1) + Answer({"12"}) + "+10 click BUTTON2\n");
  EXPECT_EQ(r.state().WavFile, "SOUND80.WAV");
  EXPECT_EQ(r.state().ExpectedAnswer[0], "7");  // problem 2 is shown
  std::vector<std::string> opens = OpenCommands(r);
  EXPECT_EQ(std::count(opens.begin(), opens.end(), "open SOUND80.WAV alias wave1"), 2);
  EXPECT_FALSE(r.Drew(kHint3));
  EXPECT_EQ(r.state().ProblemNumber[0], 2);
}

TEST(PtPractice, WideBarsCompareTheirFirstBox) {
  struct Case {
    std::string typed;
    std::string button;
    bool right;
  };
  const Case cases[] = {
      {"type EDIT8 12\n", "BUTTON5", true},
      {"type EDIT5 12\n", "BUTTON5", true},  // EDIT5 and EDIT8 share a string
      {"type EDIT5 12\ntype EDIT6 1\n", "BUTTON4", true},
      {"type EDIT9 12\n", "BUTTON5", false},
      {"type EDIT5 1\n", "BUTTON4", false},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(3) + Choose(1) + c.typed + "click " + c.button + "\n");
    SCOPED_TRACE(c.typed + c.button);
    EXPECT_EQ(Printed(r, kPraise, 20, 23), c.right);
    EXPECT_EQ(Printed(r, kHint3, 0, 23), !c.right);
    auto focus = OpsIn(AfterAction(r, "click " + c.button), "focus");
    ASSERT_FALSE(focus.empty());
    EXPECT_EQ(focus.front().at("control"), c.button == "BUTTON5" ? "EDIT8" : "EDIT5");
  }
}

// ----- exit -------------------------------------------------------------------------------------------------

TEST(PtExit, WritesBothPracticesFlags) {
  LessonRun r = RunLesson(Page(3) + Choose(3) + Answer({"10", "7"}) + Page(6) + Choose(5) + Answer({"39"}) +
                      "click BMPBUTTON7\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(TheLesson(), {{0, 0, 1}, {0, 0, 0, 0, 1}}));
  EXPECT_EQ(r.Record().substr(0, 8), " 9  9  0");
  EXPECT_TRUE(r.HostStarted());
}

TEST(PtExit, RecordIsReadInPageOrder) {
  LessonRunOptions o;
  o.flags = {{0, 1}, {1, 0, 0, 0, 0, 0, 0, 0, 1}};
  LessonRun r = RunLesson("click BMPBUTTON7\n", o);
  EXPECT_EQ(r.state().PassFlags[0][2], 1);
  EXPECT_EQ(r.state().PassFlags[1][1], 1);
  EXPECT_EQ(r.state().PassFlags[1][9], 1);
  EXPECT_EQ(r.Record(), tools::RecordText(TheLesson(), o.flags));
}

}  // namespace
}  // namespace ham::testing
