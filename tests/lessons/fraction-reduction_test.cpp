// The fraction reduction lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "lessons/fraction-reduction/lesson.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& FractionReductionResources();

namespace ham::testing {
namespace {

const frame::Lesson& TheLesson() { return lessons::FractionReductionLesson(); }

constexpr LessonRunner RunLesson{&TheLesson, &FractionReductionResources};

std::string Boxes(const std::string& a, const std::string& b) { return AnswerBar({a, b}); }

std::vector<std::string> Voices(int first, int last) {
  std::vector<std::string> out;
  for (int v = first; v <= last; ++v) out.push_back("open SOUND" + std::to_string(v) + ".WAV alias wave1");
  return out;
}

// The last line of a script (which ends in a newline).
std::string LastLine(const std::string& script) {
  std::string body = script.substr(0, script.size() - 1);
  return body.substr(body.rfind('\n') + 1);
}

bool BoxIn(const std::vector<TraceRecord>& recs, double x1, double y1, double x2, double y2, int color) {
  for (const TraceRecord& b : OpsIn(recs, "box"))
    if (Num(b, "x1") == x1 && Num(b, "y1") == y1 && Num(b, "x2") == x2 && Num(b, "y2") == y2 &&
        b.at("color") == std::to_string(color))
      return true;
  return false;
}

bool LineIn(const std::vector<TraceRecord>& recs, double x1, double y1, double x2, double y2, int color) {
  for (const TraceRecord& l : OpsIn(recs, "line"))
    if (Num(l, "x1") == x1 && Num(l, "y1") == y1 && Num(l, "x2") == x2 && Num(l, "y2") == y2 &&
        l.at("color") == std::to_string(color))
      return true;
  return false;
}

const char* const kContents[] = {
    "(よく見よう!)  ☆ 約分 1 --------------------- 1ページ",
    "(よく見よう!)  ☆ 約分 2 --------------------- 2ページ",
    "(やってみよう!)★ 練習 1 --------------------- 3ページ",
    "(やってみよう!)★ 練習 2 --------------------- 4ページ",
};

const std::string kPraise = "天才!ごうかく!";
const std::string kLetterHint = "そうかな?わからない時は1ページのだん落1を見れば答えがわかるよ!";
const std::string kGeneral = "分子と分母を同じ数でわらなきゃダメよ!";
const std::string kNoProblem = "その番号はありません！";
const std::string kFormHeader = "解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡";

std::vector<int> Ones(int n) { return std::vector<int>(static_cast<std::size_t>(n), 1); }

// ----- start-up, contents, navigation -------------------------------------------------------

TEST(FrStartUp, ContentsPageAndPassMarks) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark3, mark4;
  };
  std::vector<int> nine = Ones(10);
  nine[9] = 0;
  std::vector<int> three = Ones(4);
  three[0] = 0;
  const Case cases[] = {
      {{}, false, false},
      {{Ones(4), {}}, true, false},
      {{three, Ones(10)}, false, true},
      {{Ones(4), nine}, true, false},  // nine passed problems show no mark
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("", o);
    EXPECT_TRUE(DrewIn(r.trace(), "MAINFORM", "5年生の算数   約分のしかた", 100, 29));
    EXPECT_TRUE(DrewIn(r.trace(), "MAINFORM", "ハミルタ", 100, 5, 5));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(Printed(r, kContents[i], 2, 7 + i, 7)) << i;
    EXPECT_EQ(Printed(r, "ごうかく!", 60, 9), c.mark3);
    EXPECT_EQ(Printed(r, "ごうかく!", 60, 10), c.mark4);
    EXPECT_EQ(r.Ops("print").size(), 4u + c.mark3 + c.mark4);
  }
}

TEST(FrStartUp, PicturesFormsAndBoxes) {
  LessonRun r = RunLesson("");
  const std::vector<std::string> files = {"ｻｲｹ.BMP",     "ﾎﾟｺ.BMP",  "ﾁｬﾋﾟ.BMP", "ｽﾄﾗｲﾌﾟ.BMP", "ﾎﾟｺ2.BMP",
                                          "ﾁｬﾋﾟ2.BMP", "PF.BMP",    "CF.BMP",    "pl.BMP"};
  ASSERT_EQ(TheLesson().pictures.size(), files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(TheLesson().pictures[i].file, files[i]);
    EXPECT_TRUE(TheLesson().pictures[i].from_da) << files[i];
    auto it = r.state().Pictures.find(files[i]);
    ASSERT_NE(it, r.state().Pictures.end()) << files[i];
    EXPECT_TRUE(it->second.loaded) << files[i];
  }
  EXPECT_TRUE(std::filesystem::exists(r.site().host / "da" / "pl.BMP"));
  std::vector<std::string> placed;
  for (const TraceRecord& m : r.Ops("move"))
    if (m.at("form") != "MAINFORM") placed.push_back(m.at("form"));
  EXPECT_EQ(placed, (std::vector<std::string>{"FORM5", "FORM3", "FORM4", "FORM6", "FORM7", "FORM8", "FORM9",
                                               "FORM10", "FORM11"}));
  for (const char* bar : {"FORM7", "FORM9", "FORM10", "FORM11"}) {
    Form* f = r.rt().FindForm(bar);
    ASSERT_NE(f, nullptr) << bar;
    EXPECT_EQ(std::make_pair(f->left, f->top), std::make_pair(0, 414)) << bar;
    EXPECT_FALSE(f->visible) << bar;
    EXPECT_TRUE(f->flagged) << bar;
  }
  EXPECT_FALSE(r.rt().FindForm("FORM3")->visible);
  for (int k = 1; k <= 11; ++k) {
    Control* box = r.frame().edit("EDIT" + std::to_string(k));
    ASSERT_NE(box, nullptr) << k;
    EXPECT_EQ(box->font_size, 14) << k;
  }
  // The carried bar layouts: the middle-sized one-box bar.
  Control* edit2 = r.rt().FindForm("FORM7")->Find("EDIT2");
  EXPECT_EQ(std::make_pair(edit2->rect.x, edit2->rect.w), std::make_pair(128, 96));
  EXPECT_EQ(r.rt().FindForm("FORM7")->Find("BUTTON2")->rect.x, 368);
  for (int k = 1; k <= 6; ++k) EXPECT_TRUE(r.state().NavButtonRef[static_cast<std::size_t>(k)]->enabled) << k;
}

TEST(FrNavigation, ButtonsBlankEveryBoxAndHideEveryBar) {
  LessonRun r = RunLesson(Page(4) + Choose(1) + "click BMPBUTTON1\n");
  Clearing c = ClearedBy(r, "click BMPBUTTON1");
  EXPECT_EQ(c.blanked, EditBoxes(1, 11));
  EXPECT_EQ(c.hidden, (std::vector<std::string>{"FORM7", "FORM9", "FORM10", "FORM11"}));
  EXPECT_TRUE(r.Drew("3ﾍﾟｰｼﾞ          練習1"));
}

TEST(FrNavigation, PageStateAfterButtons) {
  struct Case {
    std::string script;
    float current, previous;
    std::string shown;  // heading the last page module drew; empty: the end page
  };
  const Case cases[] = {
      {"click BMPBUTTON3\n", 1, 0, "1ﾍﾟｰｼﾞ          約分1"},
      {Page(4) + "click BMPBUTTON3\n", 4, 4, ""},
      // The end page is page 4 again: next shows it again, previous is page 3.
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON3\n", 4, 4, ""},
      {Page(4) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 3, 4, "3ﾍﾟｰｼﾞ          練習1"},
      {Page(2) + "click BMPBUTTON6\n", 0, 2, "0ﾍﾟｰｼﾞ          目次"},
      {Page(2) + "click BMPBUTTON1\nclick BMPBUTTON2\n", 2, 1, "2ﾍﾟｰｼﾞ          約分2"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    SCOPED_TRACE(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current);
    EXPECT_EQ(r.state().PreviousPage, c.previous);
    auto last = AfterAction(r, LastLine(c.script));
    if (c.shown.empty()) {
      EXPECT_TRUE(PrintedIn(last, "単元終わり", 10, 7));
      EXPECT_TRUE(BoxIn(last, 0, 0, 640, 550, 14));
    } else {
      EXPECT_TRUE(DrewIn(last, "MAINFORM", c.shown, 20, c.current == 0 ? 57 : 0, 10));
    }
  }
}

TEST(FrNavigation, ChooserAcceptsZeroToFour) {
  for (const char* t : {"5", "6", " 3", "3 ", "03", "３"}) {
    LessonRun r = RunLesson("click BMPBUTTON4\ntype EDIT1 " + std::string(t) + "\nclick BUTTON1\ndismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << "[" << t << "]";
    EXPECT_EQ(r.Messages()[0], "そのページはありません！");
    EXPECT_EQ(r.state().CurrentPage, 0) << t;
    EXPECT_EQ(r.state().InputMode, 5) << t;  // the chooser again
  }
  LessonRun r = RunLesson(Page(4));
  EXPECT_TRUE(r.Messages().empty());
  EXPECT_TRUE(r.Drew("4ﾍﾟｰｼﾞ          練習2"));
  EXPECT_TRUE(Printed(r, "何ページを開けますか? 0から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(Printed(r, kContents[i], 2, 7 + i)) << i;
}

TEST(FrNavigation, ChooserMarksAtColumnSixty) {
  LessonRunOptions o;
  o.flags = {Ones(4), Ones(10)};
  LessonRun r = RunLesson("click BMPBUTTON4\n", o);
  auto chooser = AfterAction(r, "click BMPBUTTON4");
  EXPECT_TRUE(PrintedIn(chooser, "ごうかく!", 60, 9));
  EXPECT_TRUE(PrintedIn(chooser, "ごうかく!", 60, 10));
}

TEST(FrNavigation, TitleStripMovesEveryBar) {
  LessonRun r = RunLesson("click FORM4\n");
  for (const char* f : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11"}) {
    EXPECT_EQ(r.rt().FindForm(f)->left, 400) << f;
    EXPECT_EQ(r.rt().FindForm(f)->top, 714) << f;
  }
  EXPECT_EQ(r.rt().FindForm("FORM8")->top, 740);
  EXPECT_EQ(r.rt().FindForm("FORM5")->top, 780);
  EXPECT_EQ(r.rt().FindForm("FORM6")->left, 1041);
  EXPECT_EQ(r.rt().main_form().top, 322);
}

TEST(FrNavigation, PageModules) {
  struct Case {
    int page;
    std::vector<std::tuple<std::string, int, int>> prints;
    std::string bar_text;
  };
  const Case cases[] = {
      {1,
       {{"だん落何番から始めますか?", 2, 2},
        {"回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 3}},
       "だん落  　     　から"},
      {2, {{"回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 3}}, "だん落  　     　から"},
      {3,
       {{"何番から始めますか?", 2, 2},
        {"回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 3},
        {"1番から4番まですべて ごうかくするとパスワードが出ます｡", 2, 5},
        {"番", 10, 12}},
       "問題　  　     　から"},
      {4,
       {{"回答らんに1から10までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 3},
        {"1番から10番まですべて ごうかくするとパスワードが出ます｡", 2, 5},
        {"番", 10, 18}},
       "問題　  　     　から"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page));
    SCOPED_TRACE(c.page);
    auto module = AfterAction(r, "click BUTTON1");
    for (const auto& [text, col, row] : c.prints) EXPECT_TRUE(PrintedIn(module, text, col, row)) << text;
    EXPECT_TRUE(DrewIn(module, "FORM3", c.bar_text, 70, 3));
    EXPECT_TRUE(r.rt().FindForm("FORM3")->visible);
    EXPECT_EQ(r.rt().main_form().state().wy2, 568);
    EXPECT_EQ(OpsIn(module, "focus").back().at("control"), "EDIT1");
  }
  LessonRun one = RunLesson(Page(1));
  // The numbers as the runtime converts them, with their leading blank.
  for (int k = 1; k <= 4; ++k)
    EXPECT_TRUE(DrewIn(one.trace(), "MAINFORM", "だん落  " + std::to_string(k), 104, 190 + 20 * k)) << k;
  EXPECT_FALSE(one.Drew("だん落  5"));
}

// ----- explanation pages --------------------------------------------------------------------------

struct PlayCase {
  int page, start;
  std::vector<std::string> voices;
  std::string label;  // the paragraph label at the end
};

TEST(FrExplanation, NarrationsFromTheChosenParagraph) {
  const PlayCase cases[] = {
      {1, 1, Voices(1, 12), "だん落 4"}, {1, 2, Voices(2, 12), "だん落 4"}, {1, 3, Voices(9, 12), "だん落 4"},
      {1, 4, {}, "だん落 4"},            {2, 1, Voices(13, 22), "だん落 2"}, {2, 2, {}, "だん落 2"},
  };
  for (const PlayCase& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.start));
    SCOPED_TRACE(std::to_string(c.page) + " from " + std::to_string(c.start));
    EXPECT_EQ(OpenCommands(r), c.voices);
    auto script = AfterAction(r, "click BUTTON1");
    // The last paragraph's label, over the one before erased in colour 0.
    auto texts = OpsIn(script, "text");
    ASSERT_GE(texts.size(), 3u);
    const TraceRecord& erased = texts[texts.size() - 3];
    const TraceRecord& label = texts[texts.size() - 2];
    EXPECT_EQ(label.at("text"), c.label);
    EXPECT_EQ(Num(label, "x"), 570);
    EXPECT_EQ(erased.at("color"), "0");
    EXPECT_EQ(Num(erased, "y"), 2);
    const TraceRecord& end = texts.back();
    EXPECT_EQ(end.at("text"), c.page == 1 ? "1ページ終わり" : "2ページ終わり");
    EXPECT_EQ(std::make_pair(Num(end, "x"), Num(end, "y")),
              c.page == 1 ? std::make_pair(400.0, 340.0) : std::make_pair(300.0, 300.0));
    EXPECT_EQ(end.at("color"), "1");
    // Heading strip and heading; the paragraphs on the 0..479 window.
    EXPECT_TRUE(BoxIn(script, 0, 0, 640, 490, 0));
    EXPECT_TRUE(BoxIn(script, 180, 0, 260, 24, 2));
    EXPECT_TRUE(DrewIn(script, "MAINFORM", c.page == 1 ? "約分1                                1ﾍﾟｰｼﾞ"
                                                       : "約分2                                2ﾍﾟｰｼﾞ",
                       200, 2));
    EXPECT_EQ(r.rt().main_form().state().wy2, 479);
    EXPECT_EQ(r.rt().main_form().height, 434);
    // From the page's clearing on: each narration but the page's first
    // closes the sound before it, and the page end closes the last.
    std::vector<std::string> sent;
    bool cleared = false;
    for (const TraceRecord& t : script) {
      if (t.at("op") == "box") cleared = true;
      if (t.at("op") == "text" && t.at("text") == end.at("text")) break;
      if (cleared && t.at("op") == "mci") sent.push_back(t.at("command"));
    }
    const std::string first = c.page == 1 ? "open SOUND1.WAV alias wave1" : "open SOUND13.WAV alias wave1";
    std::vector<std::string> want;
    for (const std::string& v : c.voices) {
      if (v != first) want.push_back("close wave1");
      want.insert(want.end(), {v, "play wave1"});
    }
    if (!want.empty()) want.push_back("close wave1");
    EXPECT_EQ(sent, want);
    // No pause waits before the chosen paragraph; a silent page waits not at all.
    if (c.voices.empty()) {
      EXPECT_TRUE(OpsIn(script, "wait").empty());
    }
  }
}

TEST(FrExplanation, LastParagraphDrawsTheWholePageSilently) {
  for (auto [page, last] : {std::pair{1, 4}, std::pair{2, 2}}) {
    LessonRun voiced = RunLesson(Page(page) + Choose(1));
    LessonRun silent = RunLesson(Page(page) + Choose(last));
    std::vector<std::string> a = Drawing(voiced, "click BUTTON1"), b = Drawing(silent, "click BUTTON1");
    EXPECT_GT(b.size(), 30u) << page;
    EXPECT_EQ(a, b) << page;
  }
}

TEST(FrExplanation, ParagraphsOutOfRange) {
  for (auto [page, n] : {std::pair{1, 0}, std::pair{1, 5}, std::pair{2, 0}, std::pair{2, 3}, std::pair{1, -1}}) {
    LessonRun r = RunLesson(Page(page) + Choose(n) + "dismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << page << " " << n;
    EXPECT_EQ(r.Messages()[0], "その段落はありません！");
    auto after = AfterAction(r, "click BUTTON1");
    EXPECT_TRUE(OpsIn(after, "text").empty()) << page << " " << n;
    EXPECT_TRUE(OpsIn(after, "box").empty()) << page << " " << n;
    EXPECT_EQ(OpsIn(after, "focus").back().at("control"), "EDIT1");
  }
}

TEST(FrExplanation, PageOneFiguresAndStrips) {
  LessonRun r = RunLesson(Page(1) + Choose(4));
  auto s = AfterAction(r, "click BUTTON1");
  // Fractions: numerator, denominator 20 below, bar at 18 below.
  struct Frac {
    std::string a, b;
    double x, y;
  };
  for (const Frac& f : {Frac{"1", "2", 100, 44}, Frac{"1", "2", 50, 180}, Frac{"2", "4", 100, 180},
                        Frac{"1", "2", 50, 316}, Frac{"3", "6", 100, 316}}) {
    EXPECT_TRUE(DrewIn(s, "MAINFORM", f.a, f.x, f.y, -1)) << f.a << "/" << f.b;
    EXPECT_TRUE(DrewIn(s, "MAINFORM", f.b, f.x, f.y + 20)) << f.a << "/" << f.b;
    EXPECT_TRUE(LineIn(s, f.x, f.y + 18, f.x + 10, f.y + 18, 7)) << f.a << "/" << f.b;
  }
  // The right-hand fractions again in yellow, bars included.
  for (const Frac& f : {Frac{"1", "2", 100, 44}, Frac{"2", "4", 100, 180}, Frac{"3", "6", 100, 316}}) {
    EXPECT_TRUE(DrewIn(s, "MAINFORM", f.a, f.x, f.y, 6)) << f.a;
    EXPECT_TRUE(DrewIn(s, "MAINFORM", f.b, f.x, f.y + 20, 6)) << f.b;
    EXPECT_TRUE(LineIn(s, f.x, f.y + 18, f.x + 10, f.y + 18, 6)) << f.a;
  }
  for (double y : {180.0, 200.0}) EXPECT_TRUE(DrewIn(s, "MAINFORM", "×2", 57, y, 2));
  for (double y : {316.0, 336.0}) EXPECT_TRUE(DrewIn(s, "MAINFORM", "×3", 57, y, 2));
  EXPECT_TRUE(DrewIn(s, "MAINFORM", "=", 90, 190));
  EXPECT_TRUE(DrewIn(s, "MAINFORM", "=", 90, 326));
  EXPECT_TRUE(LineIn(s, 60, 198, 88, 198, 7));
  EXPECT_TRUE(LineIn(s, 60, 334, 88, 334, 7));
  auto pics = OpsIn(s, "picture");
  ASSERT_EQ(pics.size(), 2u);
  EXPECT_EQ(pics[0].at("picture"), "CF.BMP");
  EXPECT_EQ(std::make_pair(Num(pics[0], "x"), Num(pics[0], "y")), std::make_pair(420.0, 100.0));
  EXPECT_EQ(pics[1].at("picture"), "PF.BMP");
  EXPECT_EQ(std::make_pair(Num(pics[1], "x"), Num(pics[1], "y")), std::make_pair(440.0, 100.0));
  // Each strip white, cut, its left half yellow, cut again.
  struct Strip {
    double y;
    std::vector<double> cuts;
  };
  for (const Strip& st : {Strip{44, {210}}, Strip{180, {180, 210, 240}}, Strip{316, {170, 190, 210, 230, 250}}}) {
    EXPECT_TRUE(BoxIn(s, 150, st.y, 270, st.y + 20, 7)) << st.y;
    EXPECT_TRUE(BoxIn(s, 150, st.y, 209, st.y + 20, 6)) << st.y;
    for (double x : st.cuts) {
      int n = 0;
      for (const TraceRecord& l : OpsIn(s, "line"))
        if (Num(l, "x1") == x && Num(l, "y1") == st.y && Num(l, "x2") == x && Num(l, "y2") == st.y + 20 &&
            l.at("color") == "0")
          ++n;
      EXPECT_EQ(n, st.cuts.size() == 1 ? 1 : 2) << st.y << " " << x;
    }
  }
}

TEST(FrExplanation, PageTwoCrossesOutInGreenAtSmallSize) {
  LessonRun r = RunLesson(Page(2) + Choose(2));
  auto s = AfterAction(r, "click BUTTON1");
  for (auto [x1, y1, x2, y2] : {std::tuple{110, 124, 98, 140}, std::tuple{108, 144, 100, 160},
                                std::tuple{110, 184, 98, 200}, std::tuple{108, 204, 100, 220},
                                std::tuple{120, 278, 100, 294}, std::tuple{120, 298, 100, 314},
                                std::tuple{110, 269, 95, 283}, std::tuple{110, 312, 95, 326}})
    EXPECT_TRUE(LineIn(s, x1, y1, x2, y2, 2)) << x1 << "," << y1;
  for (double x : {100.0, 131.0, 162.0}) EXPECT_TRUE(LineIn(s, x, 62, x + 10, 62, 7)) << x;
  EXPECT_TRUE(LineIn(s, 100, 296, 120, 296, 7));
  // The reduced numbers at 13 points, everything else at 16.
  std::vector<std::string> small;
  double size = 16;
  for (const TraceRecord& t : s) {
    if (t.at("op") == "font" && t.count("size")) size = Num(t, "size");
    if (t.at("op") == "text" && size == 13) small.push_back(t.at("text") + "@" + t.at("y"));
  }
  EXPECT_EQ(small, (std::vector<std::string>{"1@115", "2@159", "2@175", "3@219", "6@269", "9@313", "2@255",
                                             "3@327"}));
  EXPECT_EQ(size, 16);
  struct Txt {
    std::string text;
    double x, y;
    int color;
  };
  const Txt texts[] = {
      {"1   2   3", 100, 44, -1},
      {"2   4   6", 100, 64, -1},
      {"  =   =", 100, 54, -1},
      {"分数は分子と分母をできるだけ小さくして かんたんにしたほうがよい｡", 50, 94, 6},
      {"←約分", 135, 142, 2},
      {"←約分", 135, 202, 2},
      {"←約分", 135, 296, 2},
      {"約分とは分子と分母を同じ数でわっていって", 230, 200, 6},
      {"できるだけかんたんな分数にすること｡", 230, 220, 6},
      {"たとえば分子を2で1回わったら分母も2で1回わり", 230, 240, 7},
      {"分子を5で1回わったら分母も5で1回わるのよ！", 230, 260, 7},
      {"12", 100, 278, -1},
      {"18", 100, 298, -1},
  };
  for (const Txt& t : texts) EXPECT_TRUE(DrewIn(s, "MAINFORM", t.text, t.x, t.y, t.color)) << t.text;
  auto pics = OpsIn(s, "picture");
  ASSERT_EQ(pics.size(), 2u);
  EXPECT_EQ(Num(pics[0], "y"), 140);
  EXPECT_EQ(Num(pics[1], "x"), 440);
}

TEST(FrExplanation, PausesOfPageTwo) {
  LessonRun r = RunLesson(Page(2) + Choose(1));
  std::vector<int> waits;
  for (const TraceRecord& w : OpsIn(AfterAction(r, "click BUTTON1"), "wait")) waits.push_back(std::stoi(w.at("units")));
  // Every narration waits 20 after it starts.
  const std::vector<int> want = {200, 20, 700, 20, 750, 20, 300, 20, 800, 20, 300, 300, 400, 20, 300, 300,
                                 200, 20, 400, 20, 200, 500, 220, 20, 400, 200, 20, 800};
  EXPECT_EQ(waits, want);
}

// Time of the first record of `op` with `key` = `value` after `line`, from the line's action.
int DelayTo(const LessonRun& r, const std::string& line, const std::string& op, const std::string& key,
            const std::string& value) {
  auto recs = AfterAction(r, line);
  double from = Num(recs.front(), "t");
  for (const TraceRecord& t : recs)
    if (t.at("op") == op && t.count(key) && t.at(key) == value) return static_cast<int>(Num(t, "t") - from);
  return -1;
}

TEST(FrExplanation, ClickDuringAPauseStopsThePage) {
  // A click on the title strip during the pause after narration 20: the
  // drawing stays as far as it got, nothing after is played.
  LessonRun probe = RunLesson(Page(2) + Choose(1));
  int at = DelayTo(probe, "click BUTTON1", "mci", "command", "open SOUND20.WAV alias wave1");
  ASSERT_GT(at, 0);
  LessonRun r = RunLesson(Page(2) + Choose(1) + "+" + std::to_string(at + 100) + " click FORM4\n");
  EXPECT_EQ(OpenCommands(r), Voices(13, 20));
  EXPECT_TRUE(r.Drew("←約分"));
  EXPECT_TRUE(r.Drew("6"));       // drawn before the next pause
  EXPECT_FALSE(r.Drew("2ページ終わり"));
  EXPECT_FALSE(r.Drew("だん落 2"));
  EXPECT_EQ(r.rt().FindForm("FORM4")->left, 400);
  // Left at 13 points by the script, the main window is at 16 again.
  EXPECT_EQ(r.rt().main_form().state().font_size, 16);
}

TEST(FrExplanation, RestartFromTheNumberBarDrawsThePageAgain) {
  // OK again without navigating: the same page once more, from its clearing.
  LessonRun once = RunLesson(Page(2) + Choose(2));
  LessonRun twice = RunLesson(Page(2) + Choose(2) + "click BUTTON1\n");
  EXPECT_EQ(Drawing(once, "click BUTTON1"), Drawing(twice, "click BUTTON1"));
  std::vector<std::string> texts = twice.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), std::string("2ページ終わり")), 2);
}

// ----- practice page 3 ------------------------------------------------------------------------------------

TEST(FrPractice3, LettersInEitherCase) {
  struct Case {
    int problem;
    std::string typed;
    bool right;
  };
  const Case cases[] = {
      {1, "C", true},   {1, "c", true},   {1, "C ", false}, {1, "Ｃ", false}, {1, "(C)", false},
      {1, "A", false},  {1, "", false},   {1, "cc", false}, {2, "B", true},   {2, "b", true},
      {2, "C", false},  {3, "A", true},   {3, "a", true},   {3, " a", false}, {4, "C", true},
      {4, "c", true},   {4, "B", false},
  };
  for (const Case& c : cases) {
    std::string script = Page(3) + Choose(c.problem) + AnswerOne(c.typed);
    SCOPED_TRACE(script);
    LessonRun r = RunLesson(script);
    auto after = AfterAction(r, "click BUTTON2");
    auto prints = OpsIn(after, "print");
    ASSERT_FALSE(prints.empty());
    const TraceRecord& p = prints.front();
    EXPECT_EQ(p.at("text"), c.right ? kPraise : kLetterHint);
    EXPECT_EQ(p.at("col"), c.right ? "28" : "0");
    EXPECT_EQ(p.at("row"), "17");
    EXPECT_EQ(p.at("color"), "2");
    EXPECT_EQ(OpsIn(after, "box").front().at("y1"), "322");
    EXPECT_EQ(OpsIn(after, "box").front().at("y2"), "465");
    EXPECT_EQ(r.state().PassFlags[0][static_cast<std::size_t>(c.problem)], c.right ? 1 : 0);
    EXPECT_EQ(r.state().ProblemNumber[0], c.right ? c.problem + 1 : c.problem);
    EXPECT_FALSE(r.Drew("最後には 空白キーをうたないでね!"));
    if (!c.right) {
      // The problem stays for another try.
      EXPECT_TRUE(r.rt().FindForm("FORM7")->visible);
      EXPECT_TRUE(OpsIn(after, "settext").empty());
    }
  }
}

TEST(FrPractice3, QuestionsAndChoices) {
  struct Case {
    int problem;
    std::string numerator, denominator, numerators, denominators, two_digit;
  };
  const Case cases[] = {
      {1, "2", "3", "1     2     4", "2     5     6", ""},
      {2, "1", "5", "3     3     2", "6           8", "      15"},
      {3, "1", "4", "5     6     3", "            9", "20    12"},
      {4, "3", "7", "2     5     9", "", "14    16    21"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(3) + Choose(c.problem));
    SCOPED_TRACE(c.problem);
    auto s = AfterAction(r, "click BUTTON1");
    EXPECT_TRUE(PrintedIn(s, "(" + std::to_string(c.problem) + ")", 0, 4, 7));
    EXPECT_TRUE(PrintedIn(s, "次の分数と同じ大きさの分数を下のA,B,Cの中からえらんで記号で答えなさい｡", 4, 4, 7));
    EXPECT_TRUE(PrintedIn(s, kFormHeader, 0, 2, 3));
    EXPECT_TRUE(DrewIn(s, "MAINFORM", "練習1                                3ﾍﾟｰｼﾞ", 200, 2));
    EXPECT_TRUE(BoxIn(s, 0, 0, 640, 540, 0));
    EXPECT_TRUE(BoxIn(s, 190, 0, 250, 22, 2));
    const std::tuple<std::string, double, double> texts[] = {
        {c.numerator, 89, 127},  {c.denominator, 89, 147},  {"―", 85, 138},          {"(A)―,(B)―,(C)―", 50, 240},
        {c.numerators, 78, 229}, {c.denominators, 78, 249}, {c.two_digit, 74, 249},
    };
    for (const auto& [text, x, y] : texts) EXPECT_TRUE(DrewIn(s, "MAINFORM", text, x, y, 7)) << "[" << text << "]";
    EXPECT_TRUE(DrewIn(s, "FORM7", "答え", 78, 3));
    EXPECT_TRUE(r.rt().FindForm("FORM7")->visible);
    EXPECT_FALSE(r.rt().FindForm("FORM9")->visible);
    EXPECT_EQ(OpsIn(s, "focus").back().at("control"), "EDIT2");
    EXPECT_EQ(r.rt().main_form().height, 417);
  }
}

TEST(FrPractice3, ProblemNumbersThatNameNoProblem) {
  // 2.5 is kept as typed and, not being a whole number, is refused before
  // anything is drawn, like 0 and 5.
  for (const char* n : {"0", "5", "2.5", "-1", "9999", ""}) {
    std::string typed = *n ? "type EDIT1 " + std::string(n) + "\n" : "";
    LessonRun r = RunLesson(Page(3) + typed + "click BUTTON1\ndismiss\n" + AnswerOne("C"));
    SCOPED_TRACE(n);
    ASSERT_EQ(r.Messages().size(), 1u);
    EXPECT_EQ(r.Messages()[0], kNoProblem);
    auto after = AfterAction(r, "click BUTTON1");
    EXPECT_FALSE(PrintedIn(after, kFormHeader, 0, 2));
    EXPECT_TRUE(OpsIn(after, "box").empty());
    EXPECT_EQ(OpsIn(after, "focus").front().at("control"), "EDIT1");
    // Nothing is judged for it, and the lesson goes on.
    EXPECT_FALSE(r.Drew(kPraise));
    EXPECT_FALSE(r.Drew(kLetterHint));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(r.state().PassFlags[0][static_cast<std::size_t>(k)], 0);
    // No typed number ends the lesson: the answer after it is still taken,
    // and the host starts only once the script has run out.
    EXPECT_EQ(OpsIn(AfterAction(r, "click BUTTON2"), "run").size(), 1u);
  }
  LessonRun half = RunLesson(Page(3) + "type EDIT1 2.5\n");
  EXPECT_EQ(half.state().ProblemNumber[0], 2.5f);
}

TEST(FrPractice3, CapitalStaysRightAfterAClickDuringTheJingle) {
  // The praise of problem 1 is stopped during the jingle; the answer keeps
  // its own string, so the capital letter is still right.
  LessonRun r = RunLesson(Page(3) + Choose(1) + AnswerOne("C") + "+10 click FORM4\nclick BUTTON2\n");
  EXPECT_EQ(r.state().WavFile, "SOUND80.WAV");
  EXPECT_EQ(r.state().ExpectedAnswer[0], "B");  // problem 2 is shown
  std::vector<std::string> opens = OpenCommands(r);
  EXPECT_EQ(std::count(opens.begin(), opens.end(), "open SOUND80.WAV alias wave1"), 2);
  EXPECT_FALSE(r.Drew(kLetterHint));
  // The second right answer passes the same problem again and moves on.
  EXPECT_EQ(r.state().ProblemNumber[0], 2);
  EXPECT_TRUE(Printed(r, "(2)", 0, 4));
}

TEST(FrPractice3, PageEndAndReward) {
  struct Case {
    std::vector<int> flags;  // before the run
    int from;
    bool reward;
  };
  const Case cases[] = {
      {{0, 0, 0, 0}, 3, false},  // problems 1 and 2 stay unpassed
      {{1, 1, 0, 0}, 3, true},
      {{0, 1, 1, 0}, 4, false},
      {{1, 1, 1, 0}, 4, true},
  };
  const char* const letters[] = {"", "C", "b", "A", "c"};
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = {c.flags, {}};
    std::string script = Page(3) + Choose(c.from);
    for (int k = c.from; k <= 4; ++k) script += AnswerOne(letters[k]);
    LessonRun r = RunLesson(script, o);
    SCOPED_TRACE(c.from);
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(r.state().PassFlags[0][static_cast<std::size_t>(k)], k >= c.from ? 1 : c.flags[k - 1]) << k;
    EXPECT_EQ(Printed(r, "やったね!パスワードは 努力(どりょく) だよ!", 5, 7), c.reward);
    EXPECT_EQ(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13), c.reward);
    EXPECT_TRUE(Printed(r, "3ページ終わり", 30, 15, 1));
    std::vector<std::string> hidden;
    for (const TraceRecord& h : OpsIn(AfterAction(r, "click BUTTON2"), "hide")) hidden.push_back(h.at("form"));
    EXPECT_EQ(hidden, (std::vector<std::string>{"FORM3", "FORM7"}));
    EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
    EXPECT_EQ(r.state().ProblemNumber[0], 5);
  }
}

// ----- practice page 4 ------------------------------------------------------------------------------------

TEST(FrPractice4, AnswersAndHintsByTheTypedValues) {
  struct Case {
    int problem;
    std::string a, b;
    std::string feedback;  // kPraise for a right answer
  };
  auto still = [](int d) { return "まだ分子と分母が" + std::to_string(d) + "でわれるよ!"; };
  auto likely = [](int d) { return "この問題は分子と分母が" + std::to_string(d) + "でわり切れそうよ!"; };
  const Case cases[] = {
      {1, "1", "3", kPraise},      {1, "2", "6", kGeneral},     {1, "3", "1", kGeneral},
      {2, "1", "3", kPraise},      {2, "2", "6", still(2)},     {2, "2", "", kGeneral},
      {3, "5", "12", kPraise},     {3, "15", "36", likely(3)},  {3, "", "", likely(3)},
      {4, "1", "2", kPraise},      {4, "4", "8", still(4)},     {4, "2", "4", still(2)},
      {4, "2", "6", kGeneral},     {5, "2", "3", kPraise},      {5, "10", "15", still(5)},
      {5, "4", "6", still(2)},     {6, "1", "3", kPraise},      {6, "", "", likely(7)},
      {6, "2", "6", likely(7)},    {7, "1", "3", kPraise},      {7, "3", "9", still(3)},
      {7, "2", "6", still(2)},     {8, "3", "4", kPraise},      {8, "6", "8", still(2)},
      {9, "3", "5", kPraise},      {9, "18", "30", still(6)},   {9, "9", "15", still(3)},
      {9, "12", "20", still(4)},   {9, "6", "10", still(2)},    {9, "30", "18", kGeneral},
      {9, "3", "6", kGeneral},     {10, "1", "2", kPraise},     {10, "3", "6", still(3)},
      {10, "2", "6", kGeneral},    {10, "1", "3", kGeneral},    // a right numerator alone
      {1, " 1", "3", kGeneral},    {1, "１", "3", kGeneral},    {1, "1", "3 ", kGeneral},
  };
  for (const Case& c : cases) {
    std::string script = Page(4) + Choose(c.problem) + Boxes(c.a, c.b);
    SCOPED_TRACE(script);
    LessonRun r = RunLesson(script);
    const bool right = c.feedback == kPraise;
    auto after = AfterAction(r, "click BUTTON3");
    auto prints = OpsIn(after, "print");
    ASSERT_FALSE(prints.empty());
    EXPECT_EQ(prints.front().at("text"), c.feedback);
    EXPECT_EQ(prints.front().at("col"), right ? "10" : "0");
    EXPECT_EQ(prints.front().at("row"), "18");
    EXPECT_EQ(prints.front().at("color"), "2");
    EXPECT_TRUE(BoxIn(after, 0, 333, 640, 490, 0));
    EXPECT_EQ(r.state().PassFlags[1][static_cast<std::size_t>(c.problem)], right ? 1 : 0);
    EXPECT_EQ(r.state().ProblemNumber[1], right ? c.problem + 1 : c.problem);
    EXPECT_FALSE(r.Drew("最後には 空白キーをうたないでね!"));
    EXPECT_EQ(OpsIn(after, "focus").front().at("control"), "EDIT3");
    if (!right) {
      EXPECT_TRUE(r.rt().FindForm("FORM9")->visible);
      EXPECT_TRUE(OpsIn(after, "settext").empty());
    }
  }
}

TEST(FrPractice4, QuestionsOverBothBars) {
  struct Case {
    int problem;
    std::string numerator, denominator;  // as printed
  };
  const Case cases[] = {{1, " 2 ", " 6 "}, {3, " 15 ", " 36 "}, {9, " 36 ", " 60 "}, {10, " 9 ", " 18 "}};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(4) + Choose(c.problem));
    SCOPED_TRACE(c.problem);
    auto s = AfterAction(r, "click BUTTON1");
    EXPECT_TRUE(PrintedIn(s, "(" + std::to_string(c.problem) + ")", 0, 8));
    EXPECT_TRUE(PrintedIn(s, "次の分数を約分しなさい｡(分子をAらんに、分母をBらんに答えなさい｡)", 4, 8));
    EXPECT_TRUE(PrintedIn(s, c.numerator, 10, 10)) << c.numerator;
    EXPECT_TRUE(PrintedIn(s, c.denominator, 10, 11)) << c.denominator;
    EXPECT_TRUE(LineIn(s, 80, 208, 107, 208, 7));
    EXPECT_TRUE(DrewIn(s, "MAINFORM", "練習2                                4ﾍﾟｰｼﾞ", 200, 2));
    EXPECT_TRUE(DrewIn(s, "FORM9", "答え", 60, 3));
    EXPECT_TRUE(DrewIn(s, "FORM9", "A", 100, 3));
    EXPECT_TRUE(DrewIn(s, "FORM9", "B", 244, 3));
    EXPECT_FALSE(DrewIn(s, "FORM7", "答え", 78, 3));
    Form* seven = r.rt().FindForm("FORM7");
    Form* nine = r.rt().FindForm("FORM9");
    EXPECT_TRUE(seven->visible);
    EXPECT_TRUE(nine->visible);
    EXPECT_GT(nine->z, seven->z);
    EXPECT_EQ(OpsIn(s, "focus").back().at("control"), "EDIT3");
  }
}

TEST(FrPractice4, ProblemNumbersAreRounded) {
  struct Case {
    std::string typed;
    int shown;  // 0: refused
  };
  const Case cases[] = {{"2.5", 2}, {"3.5", 4}, {"9.6", 10}, {"0", 0}, {"11", 0}, {"10.5", 10}, {"0.4", 0}};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(4) + "type EDIT1 " + c.typed + "\nclick BUTTON1\n" + (c.shown ? "" : "dismiss\n"));
    SCOPED_TRACE(c.typed);
    if (c.shown) {
      EXPECT_TRUE(r.Messages().empty());
      EXPECT_TRUE(Printed(r, "(" + std::to_string(c.shown) + ")", 0, 8));
    } else {
      ASSERT_EQ(r.Messages().size(), 1u);
      EXPECT_EQ(r.Messages()[0], kNoProblem);
      EXPECT_FALSE(r.Drew("練習2                                4ﾍﾟｰｼﾞ"));
    }
  }
}

TEST(FrPractice4, PageEndAndReward) {
  struct Case {
    std::vector<int> flags;
    bool reward;
  };
  std::vector<int> nine = Ones(10);
  nine[9] = 0;
  std::vector<int> eight = nine;
  eight[0] = 0;
  for (const Case& c : {Case{nine, true}, Case{eight, false}}) {
    LessonRunOptions o;
    o.flags = {{}, c.flags};
    LessonRun r = RunLesson(Page(4) + Choose(10) + Boxes("1", "2"), o);
    SCOPED_TRACE(c.reward);
    EXPECT_EQ(Printed(r, "やったね!パスワードは 天文台(てんもんだい) だよ!", 2, 7), c.reward);
    EXPECT_EQ(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13), c.reward);
    EXPECT_TRUE(Printed(r, "4ページ終わり", 30, 15, 1));
    std::vector<std::string> hidden;
    for (const TraceRecord& h : OpsIn(AfterAction(r, "click BUTTON3"), "hide")) hidden.push_back(h.at("form"));
    EXPECT_EQ(hidden, (std::vector<std::string>{"FORM3", "FORM7", "FORM9"}));
    for (const char* f : {"FORM3", "FORM7", "FORM9"}) EXPECT_FALSE(r.rt().FindForm(f)->visible) << f;
    EXPECT_EQ(r.state().ProblemNumber[1], 11);
  }
}

TEST(FrPractice4, PageThreeKeepsItsProblemNumber) {
  // Page 4's question does not touch page 3's number: OK with an empty box
  // on page 3 afterwards finds no problem, as it would without page 4.
  LessonRun r = RunLesson(Page(4) + Choose(1) + "click BMPBUTTON1\nclick BUTTON1\ndismiss\n");
  EXPECT_EQ(r.state().ProblemNumber[0], 0);
  ASSERT_EQ(r.Messages().size(), 1u);
  EXPECT_EQ(r.Messages()[0], kNoProblem);
  // A problem reached on page 3 stays there while page 4 is worked.
  LessonRun kept = RunLesson(Page(3) + Choose(2) + AnswerOne("b") + Page(4) + Choose(1) + Boxes("1", "3"));
  EXPECT_EQ(kept.state().ProblemNumber[1], 2);
  EXPECT_EQ(kept.state().PassFlags[0][2], 1);
}

TEST(FrPractice4, UnseenBarsCompareEveryBox) {
  // FORM10 and FORM11 are never shown; their OK compares each box with its
  // expected string, as the frame's does.
  struct Case {
    std::string typed, button;
    bool right;
  };
  const Case cases[] = {
      {"type EDIT8 1\ntype EDIT9 3\n", "BUTTON5", true},
      {"type EDIT8 1\n", "BUTTON5", false},
      {"type EDIT8 1\ntype EDIT9 3\ntype EDIT10 1\n", "BUTTON5", false},
      {"type EDIT5 1\ntype EDIT6 3\n", "BUTTON4", true},
      {"type EDIT5 1\n", "BUTTON4", false},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(4) + Choose(1) + c.typed + "click " + c.button + "\n");
    SCOPED_TRACE(c.typed + c.button);
    EXPECT_EQ(Printed(r, kPraise, 10, 18), c.right);
    EXPECT_EQ(Printed(r, kGeneral, 0, 18), !c.right);
    auto focus = OpsIn(AfterAction(r, "click " + c.button), "focus");
    ASSERT_FALSE(focus.empty());
    EXPECT_EQ(focus.front().at("control"), c.button == "BUTTON5" ? "EDIT8" : "EDIT5");
  }
}

// ----- exit -------------------------------------------------------------------------------------------

TEST(FrExit, WritesBothPracticesFlags) {
  LessonRun r = RunLesson(Page(3) + Choose(2) + AnswerOne("B") + "click BMPBUTTON6\n" + Page(4) + Choose(9) +
                      Boxes("3", "5") + "click BMPBUTTON7\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(TheLesson(), {{0, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 1}}));
  EXPECT_EQ(r.Record().substr(0, 9), " 4  10  0");
  EXPECT_TRUE(r.HostStarted());
  EXPECT_EQ(r.MciCommands().back(), "close wave1");
}

TEST(FrExit, RecordIsReadInPageOrder) {
  LessonRunOptions o;
  o.flags = {{0, 1, 0, 1}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 1}};
  LessonRun r = RunLesson("click BMPBUTTON7\n", o);
  EXPECT_EQ(r.state().PassFlags[0][2], 1);
  EXPECT_EQ(r.state().PassFlags[0][4], 1);
  EXPECT_EQ(r.state().PassFlags[1][1], 1);
  EXPECT_EQ(r.state().PassFlags[1][10], 1);
  EXPECT_EQ(r.state().PassFlags[1][2], 0);
  EXPECT_EQ(r.Record(), tools::RecordText(TheLesson(), o.flags));
}

}  // namespace
}  // namespace ham::testing
