// The multiples lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>

#include "lessons/multiples/lesson.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& MultiplesResources();

namespace ham::testing {
namespace {

constexpr LessonRunner RunLesson{&lessons::MultiplesLesson, &MultiplesResources};

// The visible bar nearest the pupil among the answer bars.
std::string TopBar(LessonRun& r) {
  Form* top = nullptr;
  for (const char* name : {"FORM7", "FORM9", "FORM10"}) {
    Form* f = r.rt().FindForm(name);
    if (f->visible && (!top || f->z > top->z)) top = f;
  }
  return top ? top->form_name() : "";
}

std::string Focus(LessonRun& r) { return r.rt().focus() ? r.rt().focus()->name : ""; }

const char* const kContents[] = {
    "(よく見よう!)  ☆ 倍数 ------------------ 1ページ",
    "(やってみよう!)★ 練習 1 ---------------- 2ページ",
    "(よく見よう!)  ☆ 公倍数 1 -------------- 3ページ",
    "(よく見よう!)  ☆ 公倍数 2 -------------- 4ページ",
    "(やってみよう!)★ 練習 2 ---------------- 5ページ",
};

const std::vector<int> kAll1(8, 1);
const std::vector<int> kAll2(14, 1);

// ----- start-up, contents, chooser, navigation ----------------------------------------------

TEST(MultiplesStartUp, ContentsAndChooserWithPassMarks) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2;
  };
  const Case cases[] = {
      {{kAll1, {}}, true, false},
      {{{1, 1, 1, 1, 1, 1, 1, 0}, kAll2}, false, true},
      {{kAll1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}}, true, false},
      {{}, false, false},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("click BMPBUTTON4\n", o);
    EXPECT_TRUE(r.Drew("5年生の算数     倍数と公倍数"));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Count(r.Texts(), kContents[i]), 2) << kContents[i];
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Printed(r, kContents[i], 2, 7 + i)) << kContents[i];
    EXPECT_TRUE(Printed(r, "目次 ------------------ 0ページ", 18, 5));
    EXPECT_TRUE(Printed(r, "何ページを開けますか? 0から5までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
    // Contents page and chooser both at column 55.
    int marks1 = 0, marks2 = 0;
    for (const TraceRecord& p : r.Ops("print"))
      if (p.at("text") == "ごうかく!") {
        EXPECT_EQ(p.at("col"), "55");
        marks1 += p.at("row") == "8";
        marks2 += p.at("row") == "11";
      }
    EXPECT_EQ(marks1, c.mark1 ? 2 : 0);
    EXPECT_EQ(marks2, c.mark2 ? 2 : 0);
  }
}

TEST(MultiplesStartUp, PicturesAndForms) {
  LessonRun r = RunLesson("");
  std::vector<std::string> loaded;
  for (const frame::PictureSpec& p : lessons::MultiplesLesson().pictures) loaded.push_back(p.file);
  const std::vector<std::string> want = {"ｻｲｹ.BMP", "ﾎﾟｺ.BMP", "ﾁｬﾋﾟ.BMP", "ｽﾄﾗｲﾌﾟ.BMP", "ﾎﾟｺ2.BMP", "ﾁｬﾋﾟ2.BMP",
                                         "PF.BMP",  "CF.BMP",  "PR.BMP",   "PL.BMP",     "CR.BMP",   "CL.BMP"};
  EXPECT_EQ(loaded, want);
  for (const char* bar : {"FORM3", "FORM7", "FORM9", "FORM10"}) {
    Form* f = r.rt().FindForm(bar);
    ASSERT_NE(f, nullptr) << bar;
    EXPECT_FALSE(f->visible) << bar;
    EXPECT_EQ(f->top, 414) << bar;
  }
  // The narrow one-box bar, the hours and minutes bar, the three boxes.
  struct Box { const char* name; int x, w; };
  for (const Box& b : {Box{"EDIT2", 128, 64}, Box{"EDIT3", 144, 56}, Box{"EDIT4", 312, 56}, Box{"EDIT5", 144, 56},
                       Box{"EDIT6", 232, 56}, Box{"EDIT7", 320, 56}}) {
    Control* c = r.rt().FindControl(b.name);
    ASSERT_NE(c, nullptr) << b.name;
    EXPECT_EQ(c->rect.x, b.x) << b.name;
    EXPECT_EQ(c->rect.w, b.w) << b.name;
  }
}

TEST(MultiplesNavigation, ChooserPagesAndTheEndPage) {
  struct Case {
    std::string script;
    float current, previous;
    bool refused;
  };
  const Case cases[] = {
      {Page(5), 5, 0, false},
      {Page(0), 0, 0, false},
      {"click BMPBUTTON4\ntype EDIT1 6\nclick BUTTON1\ndismiss\n", 0, 0, true},
      {"click BMPBUTTON4\ntype EDIT1 05\nclick BUTTON1\ndismiss\n", 0, 0, true},
      {Page(5) + "click BMPBUTTON3\n", 5, 5, false},  // the end page reports page 5
      {Page(5) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 4, 5, false},
      {Page(2) + "click BMPBUTTON3\nclick BMPBUTTON2\n", 2, 3, false},
      {Page(4) + "click BMPBUTTON6\n", 0, 4, false},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    SCOPED_TRACE(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current);
    EXPECT_EQ(r.state().PreviousPage, c.previous);
    EXPECT_EQ(r.Messages().size(), c.refused ? 1u : 0u);
    if (c.refused) {
      EXPECT_EQ(r.Messages()[0], "そのページはありません！");
    }
  }
  LessonRun end = RunLesson(Page(5) + "click BMPBUTTON3\n");
  EXPECT_TRUE(Printed(end, "単元終わり", 10, 7));
}

TEST(MultiplesNavigation, HeadingsOfThePageModules) {
  struct Case { int page; std::string heading, prompt; };
  const Case cases[] = {
      {1, "1ﾍﾟｰｼﾞ          倍数", "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
      {2, "2ﾍﾟｰｼﾞ          練習1", "回答らんに1から8までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
      {3, "3ﾍﾟｰｼﾞ          公倍数 1", "回答らんに1から5までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
      {4, "4ﾍﾟｰｼﾞ        公倍数 2", "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
      {5, "5ﾍﾟｰｼﾞ          練習2", "回答らんに1から14までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page));
    EXPECT_TRUE(r.Drew(c.heading)) << c.page;
    EXPECT_TRUE(Printed(r, c.prompt, 2, 3)) << c.page;
  }
  // Problems 11 to 14 stand in the second column of the page list.
  LessonRunOptions o;
  o.flags = {{}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0}};
  LessonRun r = RunLesson(Page(5), o);
  for (int k = 1; k <= 14; ++k) {
    int col = k <= 10 ? 10 : 38;
    int row = k <= 10 ? 8 + k : k - 2;
    EXPECT_TRUE(Printed(r, "番", col, row)) << k;
  }
  EXPECT_TRUE(Printed(r, "ごうかく", 14, 18));
  EXPECT_TRUE(Printed(r, "ごうかく", 42, 11));
  EXPECT_EQ(Count(r.Texts(), "ごうかく"), 2);
}

TEST(MultiplesNavigation, NumbersTypedOnTheContentsPageAreStoredNowhere) {
  for (const std::string& start : {std::string(""), Page(2) + "click BMPBUTTON6\n"}) {
    LessonRun r = RunLesson(start + "type EDIT1 3\nclick BUTTON1\n");
    EXPECT_EQ(r.state().StartParagraph, 0) << start;
    EXPECT_EQ(r.state().ProblemNumber[0], 0) << start;
    EXPECT_EQ(r.state().ProblemNumber[1], 0) << start;
    EXPECT_TRUE(r.Messages().empty());
    EXPECT_FALSE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡"));
  }
}

TEST(MultiplesNavigation, ButtonsEmptyEveryBoxAndHideEveryBar) {
  struct Case { int page, problem; std::vector<std::string> typed; };
  const Case cases[] = {{2, 1, {"4", "8", ""}}, {5, 14, {"10", ""}}, {5, 10, {"7"}}};
  for (const char* button : {"BMPBUTTON5", "BMPBUTTON6", "BMPBUTTON3"}) {
    for (const Case& c : cases) {
      std::string typing = AnswerBar(c.typed);
      typing = typing.substr(0, typing.rfind("click "));  // typed, not sent
      LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + typing + "click " + button + "\n");
      SCOPED_TRACE(std::string(button) + " " + std::to_string(c.page) + ":" + std::to_string(c.problem));
      for (const char* bar : {"FORM7", "FORM9", "FORM10"}) EXPECT_FALSE(r.rt().FindForm(bar)->visible) << bar;
      for (const char* box : {"EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT5", "EDIT6", "EDIT7"})
        EXPECT_EQ(r.rt().FindControl(box)->text, "") << box;
      EXPECT_EQ(r.state().InputMode, 0);
    }
  }
}

TEST(MultiplesNavigation, TitleStripMovesEveryBar) {
  LessonRun r = RunLesson("click FORM4\n");
  for (const char* bar : {"FORM3", "FORM7", "FORM9", "FORM10"}) {
    EXPECT_EQ(r.rt().FindForm(bar)->left, 400) << bar;
    EXPECT_EQ(r.rt().FindForm(bar)->top, 714) << bar;
  }
  EXPECT_EQ(r.rt().main_form().top, 322);
  EXPECT_EQ(r.rt().FindForm("FORM8")->top, 740);
  EXPECT_EQ(r.rt().FindForm("FORM5")->top, 780);
  EXPECT_EQ(r.rt().FindForm("FORM6")->left, 1041);
}

// ----- explanation pages ----------------------------------------------------------------------

TEST(MultiplesExplanation, EveryParagraphStart) {
  struct Case {
    int page, start;
    std::vector<std::string> sounds;  // opened in this order
    std::string end_text;
    int last_label;
  };
  const std::vector<std::string> page1 = {"SOUND1.WAV", "SOUND2.WAV", "SOUND3.WAV", "SOUND4.WAV",
                                          "SOUND5.WAV", "SOUND6.WAV", "SOUND8.WAV", "SOUND9.WAV",
                                          "SOUND13.WAV", "SOUND14.WAV", "SOUND15.WAV"};
  const std::vector<std::string> page3 = {"SOUND16.WAV", "SOUND17.WAV", "SOUND18.WAV", "SOUND19.WAV",
                                          "SOUND21.WAV", "SOUND23.WAV", "SOUND24.WAV", "SOUND25.WAV",
                                          "SOUND26.WAV", "SOUND27.WAV", "SOUND28.WAV", "SOUND29.WAV",
                                          "SOUND20.WAV", "SOUND22.WAV", "SOUND30.WAV"};
  std::vector<std::string> page4_3 = {"SOUND38.WAV", "SOUND39.WAV", "SOUND47.WAV", "SOUND31.WAV", "SOUND40.WAV"};
  for (const char* second : {"SOUND42.WAV", "SOUND43.WAV", "SOUND44.WAV", "SOUND43.WAV", "SOUND42.WAV"}) {
    page4_3.push_back("SOUND41.WAV");
    page4_3.push_back(second);
  }
  page4_3.push_back("SOUND45.WAV");
  page4_3.push_back("SOUND46.WAV");
  std::vector<std::string> page4 = {"SOUND31.WAV", "SOUND32.WAV", "SOUND33.WAV", "SOUND34.WAV",
                                    "SOUND35.WAV", "SOUND36.WAV", "SOUND37.WAV"};
  page4.insert(page4.end(), page4_3.begin(), page4_3.end());
  auto from = [](const std::vector<std::string>& v, const char* first) {
    return std::vector<std::string>(std::find(v.begin(), v.end(), first), v.end());
  };
  const Case cases[] = {
      {1, 1, page1, "1ページ終わり", 4},
      {1, 2, from(page1, "SOUND3.WAV"), "1ページ終わり", 4},
      {1, 3, from(page1, "SOUND14.WAV"), "1ページ終わり", 4},
      {1, 4, {}, "1ページ終わり", 4},
      {3, 1, page3, "3ページ終わり", 5},
      {3, 2, from(page3, "SOUND18.WAV"), "3ページ終わり", 5},
      {3, 3, from(page3, "SOUND24.WAV"), "3ページ終わり", 5},
      {3, 4, from(page3, "SOUND20.WAV"), "3ページ終わり", 5},
      {3, 5, {}, "3ページ終わり", 5},
      {4, 1, page4, "4ページ終わり", 4},
      {4, 2, from(page4, "SOUND36.WAV"), "4ページ終わり", 4},
      {4, 3, page4_3, "4ページ終わり", 4},
      {4, 4, {}, "4ページ終わり", 4},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.start));
    SCOPED_TRACE("page " + std::to_string(c.page) + " from " + std::to_string(c.start));
    EXPECT_EQ(Opens(r), c.sounds);
    // Every sound after the first closes the one before; the first one
    // closes first too when it is not the page's first; the page end closes
    // the last one.
    auto cmds = r.MciCommands();
    if (!c.sounds.empty()) {
      auto first = std::find_if(cmds.begin(), cmds.end(), [](const std::string& m) { return m.rfind("open ", 0) == 0; });
      auto last = std::find_if(cmds.rbegin(), cmds.rend(), [](const std::string& m) { return m.rfind("open ", 0) == 0; });
      EXPECT_EQ(std::count(first, last.base(), std::string("close wave1")),
                static_cast<long>(c.sounds.size()) - 1);
      EXPECT_EQ(cmds.back(), "close wave1");
    }
    // Between the chosen paragraph's label and its first sound: a close
    // unless that sound is the page's first.
    const auto& t = r.trace();
    std::size_t i = 0;
    while (i < t.size() && !(t[i].count("op") && t[i].at("op") == "text" &&
                             t[i].at("text") == "だん落 " + std::to_string(c.start) && t[i].at("x") == "570"))
      ++i;
    ASSERT_LT(i, t.size());
    std::vector<std::string> after;
    for (; i < t.size() && after.size() < 2; ++i)
      if (t[i].count("op") && t[i].at("op") == "mci") after.push_back(t[i].at("command"));
    if (!c.sounds.empty()) {
      ASSERT_EQ(after.size(), 2u);
      EXPECT_EQ(after[0] == "close wave1", c.start > 1);
    }
    EXPECT_TRUE(r.Drew(c.end_text));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", "だん落 " + std::to_string(c.last_label), 570, 2));
    // The last paragraph draws the finished page at once.
    if (c.sounds.empty()) {
      EXPECT_TRUE(r.Ops("wait").empty());
    }
    // The last paragraph leaves CurrentParagraph at the last one narrated.
    EXPECT_EQ(r.state().CurrentParagraph, c.last_label - 1);
  }
}

TEST(MultiplesExplanation, FinishedPages) {
  struct Case {
    int page;
    std::string heading;
    int bar_right;
    std::string end_text;
    int end_x, end_y;
    std::vector<std::string> texts;  // drawn even from the last paragraph
  };
  const Case cases[] = {
      {1, "倍数" + std::string(33, ' ') + "1ﾍﾟｰｼﾞ", 240, "1ページ終わり", 80, 320,
       {"3の倍数は", "33,･･･", "3の倍数は 3のだんの九九の答えと同じ!", "6,12,18,24,30,36,42,48,54･･･だよ! "}},
      {3, "公倍数 1" + std::string(29, ' ') + "3ﾍﾟｰｼﾞ", 280, "3ページ終わり", 80, 324,
       {"8の倍数  8,16,24,32,40,48,56,64,72", ",60,66,72", "(最小公倍数が 21なら公倍数は21づつふえる｡)"}},
      {4, "公倍数 2" + std::string(29, ' ') + "4ﾍﾟｰｼﾞ", 280, "4ページ終わり", 400, 410,
       {"① (3,8,12)の最小公倍数を求めなさい｡", "12の倍数  12,24,36,48,60,72,84,96,108", "答え 30,60,90"}},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.page == 3 ? 5 : 4));
    SCOPED_TRACE(c.page);
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.heading, 200, 2));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.end_text, c.end_x, c.end_y));
    bool bar = false;
    for (const TraceRecord& l : r.Ops("box"))
      if (l.at("x1") == "190" && l.at("y1") == "0" && l.at("x2") == std::to_string(c.bar_right) && l.at("y2") == "22")
        bar = true;
    EXPECT_TRUE(bar);
    for (const std::string& t : c.texts) EXPECT_TRUE(r.Drew(t)) << t;
  }
}

TEST(MultiplesExplanation, MascotsEndWhereThePagesLeaveThem) {
  auto last_at = [](const LessonRun& r, const std::string& pic) {
    std::string at;
    for (const TraceRecord& p : r.Ops("picture"))
      if (p.at("form") == "MAINFORM" && p.at("picture") == pic) at = p.at("x") + "," + p.at("y");
    return at;
  };
  LessonRun one = RunLesson(Page(1) + Choose(4));
  EXPECT_EQ(last_at(one, "PR.BMP"), "50,265");
  EXPECT_EQ(last_at(one, "CF.BMP"), "190,80");
  LessonRun four = RunLesson(Page(4) + Choose(4));
  EXPECT_EQ(last_at(four, "PL.BMP"), "320,395");
  EXPECT_EQ(last_at(four, "CF.BMP"), "500,85");
}

TEST(MultiplesExplanation, PageOneOpensWithTheMascotsBeforeItsFirstLabel) {
  for (int start = 1; start <= 4; ++start) {
    SCOPED_TRACE(start);
    LessonRun r = RunLesson(Page(1) + Choose(start));
    std::vector<std::string> seq;
    for (const TraceRecord& t : AfterAction(r, "click BUTTON1")) {
      if (t.at("op") == "picture" && t.at("form") == "MAINFORM") seq.push_back(t.at("picture") + "@" + t.at("x"));
      if (t.at("op") == "text" && t.at("text") == "だん落 1") seq.push_back("label");
      if (seq.size() == 3) break;
    }
    EXPECT_EQ(seq, (std::vector<std::string>{"CF.BMP@190", "PF.BMP@160", "label"}));
  }
}

TEST(MultiplesExplanation, ProblemStatementsInTheirOwnFace) {
  LessonRun r = RunLesson(Page(4) + Choose(4));
  std::vector<std::string> faces;
  for (const TraceRecord& f : r.Ops("font"))
    if (f.at("form") == "MAINFORM") faces.push_back(f.at("name"));
  EXPECT_EQ(Count(faces, "ＭＳ 明朝"), 2);
  // Each statement is drawn in it; the page goes on in the lesson's face.
  std::string face;
  for (const TraceRecord& t : r.trace()) {
    if (!t.count("op")) continue;
    if (t.at("op") == "font" && t.at("form") == "MAINFORM") face = t.at("name");
    if (t.at("op") == "text" && t.at("form") == "MAINFORM") {
      bool statement = t.at("text").rfind("①", 0) == 0 || t.at("text").rfind("②", 0) == 0;
      EXPECT_EQ(face, statement ? "ＭＳ 明朝" : "標準明朝") << t.at("text");
    }
  }
}

TEST(MultiplesExplanation, CommonMultiplesAreColouredOverTheirRows) {
  // At size 24 a half-width character is 12 units wide and a full-width one 24:
  // each coloured number must stand over the same number of its row.
  struct Row { int y; std::string text; };
  const Row rows[] = {{84, "8の倍数  8,16,24,32,40,48,56,64,72"},
                      {124, "6の倍数  6,12,18,24,30,36,42,48,54,60,66,72"}};
  LessonRun r = RunLesson(Page(3) + Choose(5));
  int coloured = 0;
  for (const TraceRecord& t : r.Ops("text")) {
    if (t.at("color") != "2" || (t.at("y") != "84" && t.at("y") != "124")) continue;
    ++coloured;
    const Row& row = t.at("y") == "84" ? rows[0] : rows[1];
    int x = std::stoi(t.at("x"));
    // Units from the row's start (x 0) to each character.
    int units = 0;
    std::size_t i = 0;
    while (units < x && i < row.text.size()) {
      unsigned char c = static_cast<unsigned char>(row.text[i]);
      int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
      units += c < 0x80 ? 12 : 24;
      i += static_cast<std::size_t>(len);
    }
    EXPECT_EQ(units, x) << t.at("text");
    EXPECT_EQ(row.text.substr(i, t.at("text").size()), t.at("text")) << t.at("text") << " at " << x;
  }
  EXPECT_EQ(coloured, 6);
}

TEST(MultiplesExplanation, PlainWaitOfTheLastWalkingStop) {
  LessonRun r = RunLesson(Page(4) + Choose(3));
  // Four pauses of 60 and the fifth stop's plain wait, all of them waits of 60.
  int sixty = 0;
  for (const TraceRecord& w : r.Ops("wait")) sixty += w.at("units") == "60";
  EXPECT_EQ(sixty, 5);
  EXPECT_EQ(Count(Opens(r), "SOUND31.WAV"), 1);
  // From the last paragraph the plain wait is skipped with its step.
  LessonRun last = RunLesson(Page(4) + Choose(4));
  EXPECT_TRUE(last.Ops("wait").empty());
}

TEST(MultiplesExplanation, OutOfRangeParagraphs) {
  struct Case { int page, n; };
  for (const Case& c : {Case{1, 0}, Case{1, 5}, Case{3, 0}, Case{3, 6}, Case{4, 0}, Case{4, 5}, Case{1, -1}}) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.n) + "dismiss\n");
    SCOPED_TRACE(std::to_string(c.page) + ":" + std::to_string(c.n));
    ASSERT_EQ(r.Messages().size(), 1u);
    EXPECT_EQ(r.Messages()[0], "その段落はありません！");
    EXPECT_EQ(r.Ops("msgbox")[0].at("caption"), "");
    EXPECT_TRUE(Opens(r).empty());
    EXPECT_FALSE(r.Drew("だん落 1"));
    EXPECT_EQ(Focus(r), "EDIT1");
  }
}

TEST(MultiplesExplanation, ClickDuringNarrationStopsThePage) {
  LessonRun r = RunLesson(Page(1) + Choose(1) + "+100 click BMPBUTTON3\n");
  EXPECT_FALSE(r.Drew("1ページ終わり"));
  EXPECT_FALSE(r.Drew("33,･･･"));
  EXPECT_EQ(r.state().CurrentPage, 2);
  EXPECT_TRUE(r.Drew("2ﾍﾟｰｼﾞ          練習1"));
}

// ----- practice pages ---------------------------------------------------------------------------

TEST(MultiplesPractice, QuestionsAndTheirBars) {
  struct Case {
    int page, problem;
    std::vector<std::pair<int, std::string>> printed;  // at row 8 (col, text)
    std::string bar, focus;
    std::vector<std::pair<int, std::string>> labels;  // on the bar at y 3
  };
  const Case cases[] = {
      {2, 1, {{0, "(1)"}, {4, " 4 "}, {7, "の倍数を小さい方から順に3つ書きなさい｡"}}, "FORM10", "EDIT5", {{90, "答え"}}},
      {2, 6, {{0, "(6)"}, {4, " 11 "}}, "FORM10", "EDIT5", {{90, "答え"}}},
      {2, 8, {{0, "(8)"}, {4, "100までの整数で100に一番近い8の倍数は何ですか｡"}}, "FORM7", "EDIT2", {{86, "答え"}}},
      {5, 1, {{0, "(1)"}, {4, "3と4"}, {10, "の公倍数を小さい方から順に3つ答えなさい｡"}}, "FORM10", "EDIT5", {{90, "答え"}}},
      {5, 9, {{0, "(9)"}, {4, "3,8,6"}}, "FORM10", "EDIT5", {{90, "答え"}}},
      {5, 12, {{0, "(12) 3,9,12"}, {11, "の最小公倍数は何ですか｡"}}, "FORM7", "EDIT2", {{74, "答え"}}},
      {5, 14, {{9, "(14)"}}, "FORM9", "EDIT3", {{90, "答え"}, {204, "時"}, {372, "分"}}},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem));
    SCOPED_TRACE(std::to_string(c.page) + ":" + std::to_string(c.problem));
    for (const auto& [col, text] : c.printed) EXPECT_TRUE(Printed(r, text, col, 8)) << text;
    EXPECT_EQ(TopBar(r), c.bar);
    EXPECT_EQ(Focus(r), c.focus);
    for (const auto& [x, text] : c.labels) EXPECT_TRUE(DrewAt(r, c.bar, text, x, 3)) << text;
    EXPECT_TRUE(r.Drew(c.page == 2 ? "練習1" + std::string(32, ' ') + "2ﾍﾟｰｼﾞ"
                                   : "練習2" + std::string(32, ' ') + "5ﾍﾟｰｼﾞ"));
    EXPECT_TRUE(Printed(r, "解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡", 0, 2, 3));
  }
  LessonRun trains = RunLesson(Page(5) + Choose(14));
  EXPECT_TRUE(Printed(trains, "上り電車は9分おきに 下り電車は12分おきに発車します｡", 9, 9));
  EXPECT_TRUE(Printed(trains, "10時に上り電車と下り電車が同時に発車しました｡", 9, 10));
  EXPECT_TRUE(Printed(trains, "次に上り電車と下り電車が同時に発車するのは何時何分でしょう｡", 9, 11));
}

TEST(MultiplesPractice, RightAndWrongAnswers) {
  struct Case {
    int page, problem;
    std::vector<std::string> boxes;
    bool right;
    std::string feedback;  // at row 17 in colour 2
    int col;
  };
  const std::string hint1 = "そうかな?1ページのだん落3を見れば答えがわかるよ!";
  const std::string hint8 = "100÷8=12あまり4 だから100の中に8は12回入るんだよ!";
  const std::string hint2 = "そうかな?3ページのだん落5と4ページのだん落3を見れば答えがわかるよ!";
  const std::string hint10 = "そうかな?4ページのだん落3を見れば答えがわかるよ!";
  const std::string hint14 = "次の上り電車は10時9分に 下り電車は10時12分に発車するんだよ!";
  const std::string blank = "最後には 空白キーをうたないでね!";
  const std::string praise = "天才!ごうかく!";
  const Case cases[] = {
      {2, 1, {"4", "8", "12"}, true, praise, 28},
      {2, 1, {"4 8 12", "", ""}, false, hint1, 10},
      {2, 1, {"8", "4", "12"}, false, hint1, 10},
      {2, 1, {"４", "８", "１２"}, false, hint1, 10},
      {2, 1, {"4 ", "8", "12"}, false, blank, 10},
      {2, 1, {"4", "8", "12 "}, false, hint1, 10},  // only the first box is looked at for blanks
      {2, 6, {"11", "22", "33"}, true, praise, 28},
      {2, 7, {"8", "16", "24"}, true, praise, 28},
      {2, 8, {"96"}, true, praise, 28},
      {2, 8, {"104"}, false, hint8, 10},
      {2, 8, {"96 "}, false, blank, 10},
      {2, 8, {""}, false, hint8, 10},
      {5, 4, {"36", "72", "108"}, true, praise, 28},
      {5, 4, {"36", "72", "180"}, false, hint2, 0},
      {5, 8, {"24", "48", "72"}, true, praise, 28},
      {5, 9, {"24", "48", "72"}, true, praise, 28},
      {5, 9, {"12", "24", "36"}, false, hint2, 0},
      {5, 10, {"6"}, true, praise, 28},
      {5, 13, {"24"}, true, praise, 28},
      {5, 13, {"48"}, false, hint10, 0},
      {5, 13, {"24 "}, false, blank, 10},
      {5, 14, {"10", "36"}, true, praise, 28},
      {5, 14, {"10時", "36分"}, false, hint14, 10},
      {5, 14, {"10", "36分"}, false, hint14, 10},
      {5, 14, {"36", "10"}, false, hint14, 10},
      {5, 14, {"10:36"}, false, hint14, 10},
  };
  for (const Case& c : cases) {
    std::string script = Page(c.page) + Choose(c.problem) + AnswerBar(c.boxes);
    LessonRun r = RunLesson(script);
    SCOPED_TRACE(script);
    EXPECT_TRUE(Printed(r, c.feedback, c.col, 17, 2));
    int slot = c.page == 2 ? 0 : 1;
    EXPECT_EQ(r.state().PassFlags[slot][static_cast<std::size_t>(c.problem)], c.right ? 1 : 0);
    EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), c.right ? 1 : 0);
    EXPECT_EQ(r.state().ProblemNumber[slot], c.problem + (c.right ? 1 : 0));
    if (!c.right) {
      // The strip was cleared first; the question and its bar stay.
      bool cleared = false;
      for (const TraceRecord& l : r.Ops("box"))
        if (l.at("y1") == "320" && l.at("y2") == "385" && l.at("x2") == "640") cleared = true;
      EXPECT_TRUE(cleared);
      EXPECT_NE(TopBar(r), "");
    }
  }
}

TEST(MultiplesPractice, AnExpectedAnswerNotSetKeepsItsValue) {
  // Problem 10 sets only the first expected answer; the second and third stay
  // those of problem 9, and the one-box bar looks at the first alone.
  const std::string to10 = Page(5) + Choose(9) + AnswerBar({"24", "48", "72"});
  LessonRun r = RunLesson(to10);
  EXPECT_EQ(r.state().ProblemNumber[1], 10);
  EXPECT_EQ(r.state().ExpectedAnswer[0], "6");
  EXPECT_EQ(r.state().ExpectedAnswer[1], "48");
  EXPECT_EQ(r.state().ExpectedAnswer[2], "72");
  LessonRun passed = RunLesson(to10 + AnswerBar({"6"}));
  EXPECT_EQ(passed.state().PassFlags[1][10], 1);
  EXPECT_EQ(passed.state().ProblemNumber[1], 11);
}

TEST(MultiplesPractice, TheNextProblemAnswersInItsOwnBar) {
  struct Case {
    int page, problem;
    std::vector<std::string> right;
    std::string next_bar, focus;
    bool ten_still_shown;  // nothing hides FORM10 before a one-box problem
  };
  const Case cases[] = {
      {2, 7, {"8", "16", "24"}, "FORM7", "EDIT2", true},
      {5, 9, {"24", "48", "72"}, "FORM7", "EDIT2", true},
      {5, 13, {"24"}, "FORM9", "EDIT3", false},
      {5, 3, {"20", "40", "60"}, "FORM10", "EDIT5", true},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + AnswerBar(c.right));
    SCOPED_TRACE(std::to_string(c.page) + ":" + std::to_string(c.problem));
    EXPECT_EQ(TopBar(r), c.next_bar);
    EXPECT_EQ(Focus(r), c.focus);
    EXPECT_EQ(r.rt().FindForm("FORM10")->visible, c.ten_still_shown);
    EXPECT_FALSE(r.rt().FindForm("FORM9")->visible && c.next_bar != "FORM9");
  }
  // Problem 8 then passes in the box that is on top.
  LessonRun r = RunLesson(Page(2) + Choose(7) + AnswerBar({"8", "16", "24"}) + AnswerBar({"96"}));
  EXPECT_EQ(r.state().PassFlags[0][8], 1);
  EXPECT_TRUE(Printed(r, "2ページ終わり", 30, 15, 1));
}

TEST(MultiplesPractice, PageEndsAndRewards) {
  struct Case {
    int page, problem;
    std::vector<std::vector<int>> flags;
    std::vector<std::string> right;
    std::string reward;  // empty: not all passed
    std::string end_text, next_question;
  };
  const std::vector<int> all_but_8 = {1, 1, 1, 1, 1, 1, 1, 0};
  std::vector<int> all_but_14(14, 1);
  all_but_14[13] = 0;
  std::vector<int> all_but_2(14, 1);
  all_but_2[1] = 0;
  const std::string reward1 = "やったね!パスワードは 冒険(ぼうけん) だよ!";
  const std::string reward2 = "やったね!パスワードは 想像(そうぞう) だよ!";
  const Case cases[] = {
      {2, 8, {all_but_8}, {"96"}, reward1, "2ページ終わり", ""},
      {2, 8, {}, {"96"}, "", "2ページ終わり", ""},
      {2, 3, {{1, 1, 0, 1, 1, 1, 1, 1}}, {"9", "18", "27"}, reward1, "", "(4)"},
      {5, 14, {{}, all_but_14}, {"10", "36"}, reward2, "5ページ終わり", ""},
      {5, 2, {{}, all_but_2}, {"18", "36", "54"}, reward2, "", "(3)"},
      {5, 14, {{}, {}}, {"10", "36"}, "", "5ページ終わり", ""},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + AnswerBar(c.right), o);
    SCOPED_TRACE(std::to_string(c.page) + ":" + std::to_string(c.problem));
    EXPECT_EQ(Printed(r, c.reward.empty() ? reward1 : c.reward, 5, 7), !c.reward.empty());
    EXPECT_EQ(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13), !c.reward.empty());
    if (!c.end_text.empty()) {
      EXPECT_TRUE(Printed(r, c.end_text, 30, 15, 1));
      for (const char* f : {"FORM3", "FORM7", "FORM9", "FORM10"}) EXPECT_FALSE(r.rt().FindForm(f)->visible) << f;
    } else {
      EXPECT_TRUE(Printed(r, c.next_question, 0, 8));
      EXPECT_FALSE(r.Drew(c.page == 2 ? "2ページ終わり" : "5ページ終わり"));
    }
  }
}

TEST(MultiplesPractice, ProblemNumbersThatNameNoProblem) {
  struct Case { int page; std::string typed; };
  const Case cases[] = {
      {2, "0"}, {2, "9"}, {2, "-1"}, {2, "8.7"}, {2, "abc"}, {2, "99999"},
      {5, "0"}, {5, "15"}, {5, "14.6"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + "type EDIT1 " + c.typed + "\nclick BUTTON1\ndismiss\n" +
                            "type EDIT2 6\nclick BUTTON2\n");
    SCOPED_TRACE(std::to_string(c.page) + ":" + c.typed);
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.Messages().size(), 1u);
    EXPECT_EQ(r.Messages()[0], "その番号はありません！");
    // The focus goes back to the number box after the message.
    std::string focus_after;
    bool seen = false;
    for (const TraceRecord& t : r.trace()) {
      if (!t.count("op")) continue;
      if (t.at("op") == "msgbox") seen = true;
      if (seen && t.at("op") == "focus" && focus_after.empty()) focus_after = t.at("control");
    }
    EXPECT_EQ(focus_after, "EDIT1");
    EXPECT_FALSE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡"));
    EXPECT_FALSE(r.Drew(c.page == 2 ? "2ページ終わり" : "5ページ終わり"));
    EXPECT_FALSE(r.Drew("天才!ごうかく!"));
    for (float f : r.state().PassFlags[c.page == 2 ? 0 : 1]) EXPECT_EQ(f, 0);
  }
  // The 16-bit problem number takes a typed number rounded.
  for (const char* typed : {"13", "12.6", "13.4"}) {
    LessonRun r = RunLesson(Page(5) + "type EDIT1 " + typed + "\nclick BUTTON1\n");
    EXPECT_TRUE(r.Messages().empty()) << typed;
    EXPECT_TRUE(Printed(r, "(13) 4,8,6", 0, 8)) << typed;
  }
}

TEST(MultiplesPractice, JingleClickKeepsTheExpectedAnswer) {
  // A click on OK during the pass jingle abandons it; the answer expected
  // stays the problem's, not the jingle's file name.
  LessonRun r = RunLesson(Page(2) + Choose(8) + "type EDIT2 96\nclick BUTTON2\n+10 click BUTTON2\n");
  EXPECT_EQ(r.state().ExpectedAnswer[0], "96");
  EXPECT_EQ(r.state().WavFile, "SOUND80.WAV");
}

// ----- exit ---------------------------------------------------------------------------------------

TEST(MultiplesExit, WritesTheRecordAndStartsTheHost) {
  LessonRun r = RunLesson(Page(2) + Choose(8) + AnswerBar({"96"}) + Page(5) + Choose(14) + AnswerBar({"10", "36"}) +
                          "click BMPBUTTON7\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(lessons::MultiplesLesson(),
                                          {{0, 0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}));
  EXPECT_EQ(r.Record().substr(0, 10), " 8  14  0 ");
  EXPECT_TRUE(r.HostStarted());
  ASSERT_EQ(r.Ops("run").size(), 1u);
  EXPECT_EQ(r.Ops("run")[0].at("program"), "ﾎﾟｺﾄﾁｬﾋﾟ1.exe");
}

TEST(MultiplesExit, RecordFlagsAreReadInPageOrder) {
  LessonRunOptions o;
  o.record_text = " 8  14  0  1  0  0  0  0  0  0  1  0  1  0  0  0  0  0  0  0  0  0  0  0  1 \r\n";
  LessonRun r = RunLesson("click BMPBUTTON7\n", o);
  EXPECT_EQ(r.state().PassFlags[0][1], 1);
  EXPECT_EQ(r.state().PassFlags[0][8], 1);
  EXPECT_EQ(r.state().PassFlags[1][2], 1);
  EXPECT_EQ(r.state().PassFlags[1][14], 1);
  EXPECT_EQ(r.state().PassFlags[1][1], 0);
  EXPECT_EQ(r.Record(), tools::RecordText(lessons::MultiplesLesson(),
                                          {{1, 0, 0, 0, 0, 0, 0, 1}, {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}));
}

}  // namespace
}  // namespace ham::testing
