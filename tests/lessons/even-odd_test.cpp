// The even-odd lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>

#include "lessons/even-odd/lesson.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& EvenOddResources();

namespace ham::testing {
namespace {

constexpr LessonRunner RunLesson{&lessons::EvenOddLesson, &EvenOddResources};

bool HasBox(const LessonRun& r, int x1, int y1, int x2, int y2, int color) {
  for (const TraceRecord& b : r.Ops("box"))
    if (b.at("x1") == std::to_string(x1) && b.at("y1") == std::to_string(y1) && b.at("x2") == std::to_string(x2) &&
        b.at("y2") == std::to_string(y2) && b.at("color") == std::to_string(color))
      return true;
  return false;
}

// The index of the first trace record after `from` that matches.
template <typename Pred>
std::size_t Find(const LessonRun& r, Pred pred, std::size_t from = 0) {
  for (std::size_t i = from; i < r.trace().size(); ++i)
    if (pred(r.trace()[i])) return i;
  return r.trace().size();
}

bool IsOpen(const TraceRecord& e) { return e.at("op") == "mci" && e.at("command").rfind("open ", 0) == 0; }

const char* const kContents[] = {
    "(よく見よう!)  ☆ ぐう数と奇数 1 -------- 1ページ", "(やってみよう!)★ 練習 1 ---------------- 2ページ",
    "(よく見よう!)  ☆ ぐう数と奇数 2 -------- 3ページ", "(やってみよう!)★ 練習 2 ---------------- 4ページ",
    "(よく見よう!)  ☆ 整数の分類 ------------ 5ページ", "(やってみよう!)★ 練習 3 ---------------- 6ページ",
};

// ----- start-up, contents, chooser, forms --------------------------------------------------------

TEST(EvenOddStartUp, ContentsAndChooserMarkEachPracticeAlone) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2, mark3;
  };
  const Case cases[] = {
      {{}, false, false, false},
      {{{1, 1, 1, 1, 1, 1}}, true, false, false},
      {{{1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1}}, false, true, false},
      {{{}, {}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}}, false, false, true},
      {{{}, {1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 0}}, false, false, false},
      {{{1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}}, true, true, true},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    // Start-up, then the contents module, then the chooser.
    LessonRun r = RunLesson("click BMPBUTTON3\nclick BMPBUTTON6\nclick BMPBUTTON4\n", o);
    SCOPED_TRACE(::testing::PrintToString(c.flags));
    EXPECT_EQ(Count(r.Texts(), "5年生の算数   整数の分類"), 2);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(PrintCount(r, kContents[i]), 3) << kContents[i];
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(PrintedOn(r, "MAINFORM", kContents[i], 2, 8 + i)) << kContents[i];
    const bool marks[] = {c.mark1, c.mark2, c.mark3};
    for (int k = 0; k < 3; ++k) {
      int row = 9 + 2 * k;
      int expected = marks[k] ? 3 : 0;  // start-up, "pag0.sub", "site.sub"
      int n = 0;
      for (const TraceRecord& p : r.Ops("print"))
        if (p.at("text") == "ごうかく!" && p.at("row") == std::to_string(row) && p.at("col") == "55") ++n;
      EXPECT_EQ(n, expected) << "row " << row;
    }
    EXPECT_EQ(PrintCount(r, "ごうかく!"), 3 * (c.mark1 + c.mark2 + c.mark3));
    EXPECT_TRUE(PrintedOn(r, "MAINFORM", "何ページを開けますか? 0から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", 2, 2));
  }
}

TEST(EvenOddStartUp, FormsBoxesAndPictures) {
  LessonRun r = RunLesson("");
  EXPECT_EQ(r.rt().FindForm("FORM10"), nullptr);
  ASSERT_NE(r.rt().FindForm("FORM9"), nullptr);
  EXPECT_FALSE(r.rt().FindForm("FORM9")->visible);
  EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
  EXPECT_EQ(r.state().EditRef.size(), 4u);
  // The one-box bar with the middle-sized box.
  const Control* box = r.rt().FindForm("FORM7")->Find("EDIT2");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->rect.x, 128);
  EXPECT_EQ(box->rect.w, 96);
  const Control* ok = r.rt().FindForm("FORM7")->Find("BUTTON2");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->rect.x, 368);
  EXPECT_EQ(r.state().Pictures.size(), 8u);
  EXPECT_EQ(r.status, 0);
  // The title strip brings FORM9 along.
  LessonRun moved = RunLesson("click FORM4\n");
  EXPECT_EQ(moved.rt().FindForm("FORM9")->top, 714);
  EXPECT_EQ(moved.rt().FindForm("FORM7")->top, 714);
  EXPECT_EQ(moved.rt().FindForm("FORM6")->left, 1041);
}

// ----- navigation and page modules -------------------------------------------------------------------

TEST(EvenOddNavigation, PagesEndOfUnitAndChooser) {
  struct Case {
    std::string script;
    float current;
    std::string drawn;
  };
  const Case cases[] = {
      {"click BMPBUTTON3\n", 1, "1ﾍﾟｰｼﾞ          ぐう数と奇数 1"},
      {Page(2), 2, "2ﾍﾟｰｼﾞ          練習1"},
      {Page(3), 3, "3ﾍﾟｰｼﾞ          ぐう数と奇数 2"},
      {Page(4), 4, "4ﾍﾟｰｼﾞ          練習2"},
      {Page(5), 5, "5ﾍﾟｰｼﾞ        整数の分類"},
      {Page(6), 6, "6ﾍﾟｰｼﾞ          練習3"},
      // The end of the unit counts as page 6: NEXT shows it again, BEFOR goes to 5.
      {Page(6) + "click BMPBUTTON3\n", 6, "単元終わり"},
      {Page(6) + "click BMPBUTTON3\nclick BMPBUTTON3\n", 6, "単元終わり"},
      {Page(6) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 5, "5ﾍﾟｰｼﾞ        整数の分類"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current) << c.script;
    EXPECT_TRUE(r.Drew(c.drawn) || PrintedOn(r, "MAINFORM", c.drawn, 10, 7)) << c.script;
  }
  for (const char* t : {"7", "-1", "06", " 1", ""}) {
    std::string script = "click BMPBUTTON4\n";
    if (*t) script += std::string("type EDIT1 ") + t + "\n";
    LessonRun r = RunLesson(script + "click BUTTON1\ndismiss\n");
    EXPECT_EQ(r.Messages().size(), 1u) << t;
    if (r.Messages().size() != 1u) continue;
    EXPECT_EQ(r.Messages()[0], "そのページはありません！");
    EXPECT_EQ(r.state().InputMode, 5) << t;
  }
}

TEST(EvenOddNavigation, PageModulesPromptTheirRanges) {
  struct Case {
    int page;
    std::string range, all;
    int paragraphs;
  };
  const Case cases[] = {
      {1, "回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", "", 2},
      {2, "回答らんに1から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", "1番から6番まですべて ごうかくするとパスワードが出ます｡", 0},
      {3, "回答らんに1から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", "", 6},
      {4, "回答らんに1から5までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", "1番から5番まですべて ごうかくするとパスワードが出ます｡", 0},
      {5, "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", "", 4},
      {6, "回答らんに1から10までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡", "1番から10番まですべて ごうかくするとパスワードが出ます｡", 0},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page));
    SCOPED_TRACE(c.page);
    EXPECT_TRUE(PrintedOn(r, "MAINFORM", c.range, 2, 3));
    if (c.paragraphs > 0) {
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", "だん落何番から始めますか?", 2, 2));
      EXPECT_TRUE(DrewAt(r, "MAINFORM", "だん落  " + std::to_string(c.paragraphs), 104, 190 + 20 * c.paragraphs));
      EXPECT_FALSE(r.Drew("だん落  " + std::to_string(c.paragraphs + 1)));
      EXPECT_TRUE(DrewAt(r, "FORM3", "だん落  　     　から", 70, 3));
      // The emblem's seven rings are not filled.
      int rings = 0;
      for (const TraceRecord& e : r.Ops("circle"))
        if (e.at("x") == "420" && e.at("y") == "265") {
          ++rings;
          EXPECT_NE(e.count("filled") ? e.at("filled") : "false", "true");
        }
      EXPECT_EQ(rings, 7);
    } else {
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", "何番から始めますか?", 2, 2));
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", c.all, 2, 5));
      EXPECT_TRUE(DrewAt(r, "FORM3", "問題　  　     　から", 70, 3));
    }
  }
  // Each practice page lists its own flags.
  LessonRunOptions o;
  o.flags = {{0, 1, 0, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}};
  const struct { int page, row; } marked[] = {{2, 10}, {4, 11}, {6, 18}};
  for (const auto& m : marked) {
    LessonRun r = RunLesson(Page(m.page), o);
    int marks = 0;
    for (const TraceRecord& p : r.Ops("print"))
      if (p.at("text") == "ごうかく") ++marks;
    EXPECT_EQ(marks, 1) << m.page;
    EXPECT_TRUE(PrintedOn(r, "MAINFORM", "ごうかく", 14, m.row)) << m.page;
  }
}

// ----- explanation pages ---------------------------------------------------------------------------

std::vector<std::string> Sounds(std::initializer_list<int> numbers) {
  std::vector<std::string> out;
  for (int n : numbers) out.push_back("SOUND" + std::to_string(n) + ".WAV");
  return out;
}

TEST(EvenOddExplanation, EveryPageFromEveryParagraph) {
  const std::vector<std::string> page1 = Sounds({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
  const std::vector<std::string> page3 = Sounds({25, 26, 27, 28, 29, 37, 30, 31, 32, 33, 34, 35, 37, 36});
  const std::vector<std::string> page5 = Sounds({38, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24});
  struct Case {
    int page, start;
    const std::vector<std::string>* all;
    std::size_t skipped;  // narrations of the paragraphs before the start
    std::string label, end_text;
    int end_x, end_y, tab_right;
  };
  const Case cases[] = {
      {1, 1, &page1, 0, "だん落 2", "1ページ終わり", 200, 320, 320},
      {1, 2, &page1, 14, "だん落 2", "1ページ終わり", 200, 320, 320},
      {3, 1, &page3, 0, "だん落 6", "3ページ終わり", 200, 320, 320},
      {3, 2, &page3, 2, "だん落 6", "3ページ終わり", 200, 320, 320},
      {3, 3, &page3, 7, "だん落 6", "3ページ終わり", 200, 320, 320},
      {3, 4, &page3, 8, "だん落 6", "3ページ終わり", 200, 320, 320},
      {3, 5, &page3, 10, "だん落 6", "3ページ終わり", 200, 320, 320},
      {3, 6, &page3, 14, "だん落 6", "3ページ終わり", 200, 320, 320},
      {5, 1, &page5, 0, "だん落 4", "5ページ終わり", 380, 370, 290},
      {5, 2, &page5, 1, "だん落 4", "5ページ終わり", 380, 370, 290},
      {5, 3, &page5, 6, "だん落 4", "5ページ終わり", 380, 370, 290},
      {5, 4, &page5, 11, "だん落 4", "5ページ終わり", 380, 370, 290},
  };
  const char* const titles[] = {"", "ぐう数と奇数 1                       1ﾍﾟｰｼﾞ", "",
                                "ぐう数と奇数 2                       3ﾍﾟｰｼﾞ", "",
                                "整数の分類                           5ﾍﾟｰｼﾞ"};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.start));
    SCOPED_TRACE("page " + std::to_string(c.page) + " from " + std::to_string(c.start));
    std::vector<std::string> voiced(c.all->begin() + static_cast<long>(c.skipped), c.all->end());
    EXPECT_EQ(Opens(r), voiced);
    EXPECT_EQ(Count(r.MciCommands(), "play wave1 notify wait"), 0);
    EXPECT_TRUE(SoundsClosedOnce(r, c.end_text));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", c.end_text, c.end_x, c.end_y, 1));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", titles[c.page], 200, 2));
    EXPECT_TRUE(HasBox(r, 190, 0, c.tab_right, 22, 2));
    // The last label stands: drawn last of the labels, not in colour 0,
    // after the one before it was erased.
    std::string last_label, erased;
    for (const TraceRecord& t : r.Ops("text"))
      if (t.at("text").rfind("だん落 ", 0) == 0 && t.at("x") == "570") {
        if (t.at("color") == "0") erased = t.at("text");
        else last_label = t.at("text");
      }
    EXPECT_EQ(last_label, c.label);
    EXPECT_EQ(erased, "だん落 " + std::to_string(std::stoi(c.label.substr(10)) - 1));
    // Paragraphs before the chosen one are drawn without any wait.
    auto label_of = [&r](const std::string& text) {
      return Find(r, [&text](const TraceRecord& e) {
        return e.at("op") == "text" && e.at("text") == text && e.at("x") == "570" && e.at("color") != "0";
      });
    };
    std::size_t first = label_of("だん落 1");
    std::size_t chosen = label_of("だん落 " + std::to_string(c.start));
    EXPECT_LT(chosen, r.trace().size());
    for (std::size_t i = first; i < chosen; ++i) EXPECT_NE(r.trace()[i].at("op"), "wait") << i;
    if (c.skipped == c.all->size()) {
      EXPECT_TRUE(r.Ops("wait").empty());
    }
  }
}

TEST(EvenOddExplanation, LaterStartsDrawTheEarlierParagraphsFirst) {
  // Page 3 from paragraph 3: paragraph 2's erase box and the sums of
  // "ぐう数+1" stand before "SOUND31.WAV", which is then paused after.
  LessonRun p3 = RunLesson(Page(3) + Choose(3));
  std::size_t open = Find(p3, IsOpen);
  std::size_t erase = Find(p3, [](const TraceRecord& e) {
    return e.at("op") == "box" && e.at("x1") == "30" && e.at("y1") == "100" && e.at("x2") == "200" &&
           e.at("y2") == "152" && e.at("color") == "0";
  });
  std::size_t sum = Find(p3, [](const TraceRecord& e) { return e.at("op") == "text" && e.at("text") == "＋  ぐう数+1"; });
  EXPECT_LT(erase, sum);
  EXPECT_LT(sum, open);
  EXPECT_EQ(p3.trace()[open].at("command"), "open SOUND31.WAV alias wave1");
  std::size_t wait = Find(p3, [](const TraceRecord& e) { return e.at("op") == "wait" && e.at("units") == "50"; }, open);
  EXPECT_LT(wait, p3.trace().size());

  // Page 5 from paragraph 2: twelve blink passes of both reminders drawn at
  // once, ending in colour 6, and the board cleared before "SOUND15.WAV".
  LessonRun p5 = RunLesson(Page(5) + Choose(2));
  for (const char* text : {"今日の勉強は商はどうでもいいの!", "あまりだけを見るのよ!"}) {
    std::vector<std::string> colours;
    for (const TraceRecord& t : p5.Ops("text"))
      if (t.at("text") == text) colours.push_back(t.at("color"));
    EXPECT_EQ(colours.size(), 12u) << text;
    if (colours.size() != 12u) continue;
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(colours[i], i % 2 == 0 ? "0" : "6") << i;
  }
  std::size_t clear = Find(p5, [](const TraceRecord& e) {
    return e.at("op") == "box" && e.at("y1") == "26" && e.at("y2") == "340" && e.at("color") == "0";
  });
  EXPECT_LT(clear, Find(p5, IsOpen));
  EXPECT_TRUE(DrewAt(p5, "MAINFORM", "76÷9=8あまり4 ", 170, 124));
  EXPECT_TRUE(DrewAt(p5, "MAINFORM", " 1÷3=0あまり1", 170, 154));

  // Page 5 from paragraph 4: the finished question with the answers in red,
  // silently.
  LessonRun done = RunLesson(Page(5) + Choose(4));
  EXPECT_TRUE(Opens(done).empty());
  EXPECT_TRUE(done.Ops("wait").empty());
  EXPECT_TRUE(PrintedOn(done, "MAINFORM", "24番", 68, 11, 4));
  EXPECT_TRUE(PrintedOn(done, "MAINFORM", "30番", 68, 9, 4));
  EXPECT_TRUE(PrintedOn(done, "MAINFORM", "30÷4=7", 12, 14, 7));
  EXPECT_TRUE(PrintedOn(done, "MAINFORM", "あまりが1になる人たち", 21, 8, 6));
  EXPECT_TRUE(PrintedOn(done, "MAINFORM", "出席番号を4でわると", 2, 11, 7));
  EXPECT_TRUE(DrewAt(done, "MAINFORM", "今日の勉強は商はどうでもいいの!あまりだけを見て答える勉強なのよ!かんたんでしょ!", 0, 320, 6));
  EXPECT_EQ(done.state().CurrentParagraph, 3);
}

TEST(EvenOddExplanation, OutOfRangeParagraphsDrawNothing) {
  struct Case {
    int page;
    std::string typed;
  };
  const Case cases[] = {{1, "0"}, {1, "3"}, {3, "7"}, {3, "-1"}, {5, "5"}, {5, "abc"}, {1, "99999"}};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + "type EDIT1 " + c.typed + "\nclick BUTTON1\ndismiss\n");
    SCOPED_TRACE(std::to_string(c.page) + " [" + c.typed + "]");
    EXPECT_EQ(r.Messages().size(), 1u);
    if (r.Messages().size() != 1u) continue;
    EXPECT_EQ(r.Messages()[0], "その段落はありません！");
    EXPECT_TRUE(Opens(r).empty());
    EXPECT_FALSE(r.Drew("だん落 1"));
    EXPECT_EQ(r.status, 0);
  }
}

TEST(EvenOddExplanation, AClickStopsTheScript) {
  // During the narration of page 1 the pupil presses the title strip.
  LessonRun r = RunLesson(Page(1) + Choose(1) + "+1800 click FORM4\n");
  EXPECT_FALSE(r.Drew("1ページ終わり"));
  EXPECT_TRUE(r.Drew("16は,"));
  EXPECT_LT(Opens(r).size(), 14u);
  EXPECT_EQ(r.MciCommands().back(), "close wave1");
  EXPECT_EQ(r.rt().FindForm("FORM4")->left, 400);
}

TEST(EvenOddExplanation, ARerunAfterARedStretchStartsInWhite) {
  // Page 5 from paragraph 3, stopped in the pause after the red "あまり0";
  // OK again runs the page anew, its title, label and plain texts in white.
  LessonRun full = RunLesson(Page(5) + Choose(3));
  int chosen = 0, red = 0;
  for (const TraceRecord& t : full.trace()) {
    if (t.at("op") == "action" && t.at("line") == "click BUTTON1") chosen = std::stoi(t.at("t"));
    if (t.at("op") == "print" && t.at("text") == "あまり0") red = std::stoi(t.at("t"));
  }
  ASSERT_GT(red, chosen);
  LessonRun r = RunLesson(Page(5) + Choose(3) + "+" + std::to_string(red - chosen + 100) + " click BUTTON1\n");
  std::size_t rerun = 0;
  for (std::size_t i = 0; i < r.trace().size(); ++i)
    if (r.trace()[i].at("op") == "event" && r.trace()[i].at("procedure") == "FE$BUTTON1_ON") rerun = i;
  std::vector<TraceRecord> first(r.trace().begin(), r.trace().begin() + static_cast<long>(rerun));
  std::vector<TraceRecord> again(r.trace().begin() + static_cast<long>(rerun), r.trace().end());
  EXPECT_TRUE(PrintedIn(first, "あまり0", 20, 13, 4));
  EXPECT_FALSE(PrintedIn(first, "あまりが0になる人", 21, 11));
  EXPECT_TRUE(DrewIn(again, "MAINFORM", "整数の分類                           5ﾍﾟｰｼﾞ", 200, 2, 7));
  EXPECT_TRUE(DrewIn(again, "MAINFORM", "だん落 1", 570, 2, 7));
  EXPECT_TRUE(PrintedIn(again, "出席番号を4でわると", 2, 8, 7));
  EXPECT_TRUE(PrintedIn(again, "24÷4=6", 12, 13, 7));
  EXPECT_TRUE(DrewIn(again, "MAINFORM", "5ページ終わり", 380, 370, 1));
}

// ----- practices -----------------------------------------------------------------------------------------

// Where a page keeps its flags and its problem number.
int FlagsOf(int page) { return page / 2 - 1; }
int SlotOf(int page) { return page == 2 ? 0 : 1; }

// Where problem n of a page prints its label.
std::pair<int, int> LabelAt(int page, int n) {
  if (page != 6) return {9, 6};
  if (n <= 4) return {5, 8};
  return {n <= 7 ? 5 : 1, 6};
}

TEST(EvenOddPractice, EveryProblemShowsItsQuestionAndTakesItsAnswer) {
  struct Case {
    int page, problem;
    std::string answer;
    std::string line;  // a line of the question
    int col, row;
  };
  const Case cases[] = {
      {2, 1, "2", " 4 ", 9, 7},
      {2, 2, "1", " 71 ", 9, 7},
      {2, 3, "1", " 935 ", 9, 7},
      {2, 4, "2", " 590 ", 9, 7},
      {2, 5, "1001", "4けたの整数で一番小さい奇数は何ですか｡", 10, 7},
      {2, 6, "9998", "4けたの整数で一番大きいぐう数は何ですか｡", 10, 7},
      {4, 1, "2", "ぐう数 × 2", 15, 10},
      {4, 2, "1", "ぐう数 ＋ 奇数", 15, 10},
      {4, 3, "2", "奇数 × 4", 15, 10},
      {4, 4, "2", "ぐう数 × 3", 15, 10},
      {4, 5, "1", "奇数 × 5", 15, 10},
      {6, 1, "1", "16は3", 5, 9},
      {6, 2, "3", "35は4", 5, 9},
      {6, 3, "2", "20は3", 5, 9},
      {6, 4, "0", "48は4", 5, 9},
      {6, 5, "1 4 7 10 13", " 1 ", 5, 8},
      {6, 6, "2 5 8 11 14", " 2 ", 5, 8},
      {6, 7, "3 6 9 12 15", " 0 ", 5, 8},
      {6, 8, "1", " 16 ", 5, 9},
      {6, 9, "2", " 22 ", 5, 9},
      {6, 10, "5", " 30 ", 5, 9},
  };
  const char* const headers[] = {"", "", "練習1                                2ﾍﾟｰｼﾞ", "",
                                 "練習2                                4ﾍﾟｰｼﾞ", "",
                                 "練習3                                6ﾍﾟｰｼﾞ"};
  const char* const second_lines[] = {"", "", "は 奇数ですか｡ぐう数ですか｡", "", "次の計算の結果は 奇数ですか｡ぐう数ですか｡"};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + AnswerOne(c.answer));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.problem));
    EXPECT_TRUE(DrewAt(r, "MAINFORM", headers[c.page], 200, 2));
    EXPECT_TRUE(PrintedOn(r, "MAINFORM", "解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡", 0, 2, 3));
    auto [label_col, label_row] = LabelAt(c.page, c.problem);
    EXPECT_TRUE(PrintedOn(r, "MAINFORM", "(" + std::to_string(c.problem) + ")", label_col, label_row));
    EXPECT_TRUE(PrintedOn(r, "MAINFORM", c.line, c.col, c.row, 7));
    if (c.page == 2 && c.problem <= 4) {
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", second_lines[2], 13, 7));
    }
    if (c.page == 4) {
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", second_lines[4], 10, 7));
    }
    if (c.page <= 4 && !(c.page == 2 && c.problem >= 5)) {
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", "奇数なら1､ぐう数なら2と答えなさい｡", 10, 8));
    }
    EXPECT_TRUE(DrewAt(r, "FORM7", "答え", c.page == 6 ? 74 : 78, 3));
    EXPECT_TRUE(PrintedOn(r, "MAINFORM", "天才!ごうかく!", 28, 17, 2));
    EXPECT_EQ(Count(Opens(r), "SOUND80.WAV"), 1);
    // Only this page's flag, and its own problem number moved on.
    for (int f = 0; f < 3; ++f)
      for (std::size_t i = 1; i < r.state().PassFlags[f].size(); ++i)
        EXPECT_EQ(r.state().PassFlags[f][i], f == FlagsOf(c.page) && i == static_cast<std::size_t>(c.problem) ? 1 : 0);
    EXPECT_EQ(r.state().ProblemNumber[SlotOf(c.page)], static_cast<float>(c.problem + 1));
    EXPECT_EQ(r.state().ProblemNumber[1 - SlotOf(c.page)], 0);
    // The next problem is shown (or the page's end).
    if (c.problem < static_cast<int>(lessons::EvenOddLesson().pages[c.page].practice.problems.size())) {
      auto [next_col, next_row] = LabelAt(c.page, c.problem + 1);
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", "(" + std::to_string(c.problem + 1) + ")", next_col, next_row));
    }
  }
}

TEST(EvenOddPractice, QuestionValuesKeptInTheirVariables) {
  // The number of a page 2 or page 6 question in ProblemOperand, the text of
  // a page 4 or page 6 (form A) question in WavFile; the expected answer
  // stays apart from both.
  struct Case {
    int page, problem;
    float operand;
    std::string wav, expected;
  };
  const Case cases[] = {
      {2, 3, 935, "", "1"},
      {4, 2, 0, "ぐう数 ＋ 奇数", "1"},
      {6, 2, 0, "35は4", "3"},
      {6, 7, 0, "", "3 6 9 12 15"},
      {6, 9, 22, "", "2"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.problem));
    EXPECT_EQ(r.state().ProblemOperand, c.operand);
    if (!c.wav.empty()) {
      EXPECT_EQ(r.state().WavFile, c.wav);
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", c.wav, c.page == 4 ? 15 : 5, c.page == 4 ? 10 : 9));
    }
    EXPECT_EQ(r.state().ExpectedAnswer[0], c.expected);
  }
  // The pass jingle takes the sound-file string, never the expected answer.
  LessonRun r = RunLesson(Page(4) + Choose(5) + AnswerOne("1") + "click BUTTON2\n");
  EXPECT_EQ(r.state().WavFile, "SOUND80.WAV");
  EXPECT_EQ(r.state().ExpectedAnswer[0], "1");
  EXPECT_EQ(r.state().PassFlags[1][5], 1);
}

TEST(EvenOddPractice, WrongAnswersShowTheirHints) {
  const std::string general2 = "そうかな? 2でわり切れたらぐう数 わり切れなかったら奇数だよ!";
  const std::string general6 = "そうかな?5ページのだん落1を見れば答えがわかるよ!";
  const std::string blank = "最後には 空白キーをうたないでね!";
  struct Case {
    int page, problem;
    std::string answer, hint;
    int col;
  };
  const Case cases[] = {
      {2, 1, "1", general2, 10},
      {2, 1, "2 ", general2, 10},  // no trailing-blank warning on page 2
      {2, 1, "", general2, 10},
      {2, 4, "２", general2, 10},
      {2, 5, "1000", "1000は奇数かな?", 20},
      {2, 5, "999", general2, 10},
      {2, 5, "1000 ", general2, 10},
      {2, 6, "9999", "9999はぐう数かな?", 20},
      {2, 6, "1000", general2, 10},
      {4, 1, "1", "だん落3を見れば答えがわかるよ!", 28},
      {4, 2, "2", "だん落2を見れば答えがわかるよ!", 28},
      {4, 3, "1", "だん落5を見れば答えがわかるよ!", 28},
      {4, 4, "2 ", "だん落3を見れば答えがわかるよ!", 28},  // no trailing-blank warning on page 4
      {4, 5, "9999", "だん落5を見れば答えがわかるよ!", 28},
      {6, 1, "1 ", blank, 10},
      {6, 5, "1 4 7 10 13 ", blank, 10},
      {6, 5, "4 7 10 13", "1÷3=0あまり1 だよ!", 10},
      {6, 5, "1 4 7 10", general6, 10},
      {6, 5, "4 7 10 13 ", blank, 10},
      {6, 6, "5 8 11 14", "2÷3=0あまり2 だよ!", 10},
      {6, 6, "4 7 10 13", general6, 10},
      {6, 5, "5 8 11 14", general6, 10},
      {6, 7, "0 3 6 9 12 15", general6, 10},
      {6, 7, " 3 6 9 12 15", general6, 10},
      {6, 8, "0", "この問題は5つに分けるんだから5でわったあまりを考えるんだよ!", 5},
      {6, 10, "0", "この問題は5つに分けるんだから5でわったあまりを考えるんだよ!", 5},
      {6, 10, "5 ", blank, 10},
      {6, 4, "4", general6, 10},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.problem) + AnswerOne(c.answer));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.problem) + " [" + c.answer + "]");
    EXPECT_TRUE(PrintedOn(r, "MAINFORM", c.hint, c.col, 17, 2));
    EXPECT_EQ(PrintedOn(r, "MAINFORM", "ちがうよ!3ページの", 10, 17, 2), c.page == 4);
    EXPECT_FALSE(PrintedOn(r, "MAINFORM", "天才!ごうかく!", 28, 17));
    // One hint line (and page 4's lead), nothing else on the row.
    int lines = 0;
    bool answered = false;
    for (const TraceRecord& e : r.trace()) {
      if (e.at("op") == "action" && e.at("line") == "click BUTTON2") answered = true;
      if (answered && e.at("op") == "print" && e.at("row") == "17") ++lines;
    }
    EXPECT_EQ(lines, c.page == 4 ? 2 : 1);
    EXPECT_EQ(r.state().PassFlags[FlagsOf(c.page)][static_cast<std::size_t>(c.problem)], 0);
    EXPECT_EQ(r.state().ProblemNumber[SlotOf(c.page)], static_cast<float>(c.problem));
    // The bar stays for another try.
    EXPECT_TRUE(r.rt().FindForm("FORM7")->visible);
  }
  // The pupil may try again after a hint.
  LessonRun again = RunLesson(Page(2) + Choose(5) + AnswerOne("1000") + "erase EDIT2 4\n" + AnswerOne("1001"));
  EXPECT_EQ(again.state().PassFlags[0][5], 1);
}

TEST(EvenOddPractice, MessageStripsOfEachPage) {
  struct Case {
    int page;
    std::string answer;
    bool erased;
    int y2;
  };
  const Case cases[] = {
      {2, "2", true, 365}, {2, "1", true, 365},  {4, "2", true, 390},
      {4, "1", false, 0},  {6, "1", true, 366},  {6, "1 ", true, 366},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(1) + AnswerOne(c.answer));
    SCOPED_TRACE(std::to_string(c.page) + " [" + c.answer + "]");
    int strips = 0;
    for (const TraceRecord& b : r.Ops("box"))
      if (b.at("x1") == "0" && b.at("y1") == "322" && b.at("x2") == "640") {
        ++strips;
        EXPECT_EQ(b.at("y2"), std::to_string(c.y2));
      }
    EXPECT_EQ(strips, c.erased ? 1 : 0);
    // Page 2 blanks the hint row before its praise.
    EXPECT_EQ(PrintedOn(r, "MAINFORM", std::string(65, ' '), 10, 17, 7), c.page == 2 && c.answer == "2");
  }
}

TEST(EvenOddPractice, ProblemNumbersThatNameNoProblem) {
  struct Case {
    int page;
    std::string typed;
  };
  const Case cases[] = {{2, "0"}, {2, "7"}, {2, "6.6"}, {2, "abc"}, {4, "6"}, {4, "5.7"},
                        {4, "-1"}, {6, "11"}, {6, "0"}, {6, "10.6"}, {6, "99999"}};
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + "type EDIT1 " + c.typed + "\nclick BUTTON1\ndismiss\n");
    SCOPED_TRACE(std::to_string(c.page) + " [" + c.typed + "]");
    EXPECT_EQ(r.Messages().size(), 1u);
    if (r.Messages().size() != 1u) continue;
    EXPECT_EQ(r.Messages()[0], "その番号はありません！");
    EXPECT_FALSE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡"));
    EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
    EXPECT_EQ(r.status, 0);
  }
}

TEST(EvenOddPractice, PagesFourAndSixShareTheirProblemNumber) {
  // 3 typed on page 4, then 7 on page 6: problem 7 of page 6.
  LessonRun r = RunLesson(Page(4) + Choose(3) + Page(6) + Choose(7));
  EXPECT_TRUE(PrintedOn(r, "MAINFORM", "(3)", 9, 6));
  EXPECT_TRUE(PrintedOn(r, "MAINFORM", "(7)", 5, 6));
  EXPECT_EQ(r.state().ProblemNumber[1], 7);
  EXPECT_EQ(r.state().ExpectedAnswer[0], "3 6 9 12 15");
  // A right answer on page 6 moves the shared number on and sets page 6's
  // flag; page 4's problem with that number is shown from it.
  LessonRun on = RunLesson(Page(6) + Choose(4) + AnswerOne("0"));
  EXPECT_EQ(on.state().ProblemNumber[1], 5);
  EXPECT_EQ(on.state().ProblemNumber[0], 0);
  EXPECT_EQ(on.state().PassFlags[2][4], 1);
  EXPECT_EQ(on.state().PassFlags[1][4], 0);
}

TEST(EvenOddPractice, LastProblemEndsThePageWithTheReward) {
  struct Case {
    int page;
    std::vector<std::vector<int>> flags;
    std::string answer, end_text, reward;
  };
  const Case cases[] = {
      {2, {}, "9998", "2ページ終わり", ""},
      {2, {{1, 1, 1, 1, 1, 0}}, "9998", "2ページ終わり", "やったね!パスワードは 森林(しんりん) だよ!"},
      {4, {{}, {1, 1, 1, 1, 0}}, "1", "4ページ終わり", "やったね!パスワードは 音楽(おんがく) だよ!"},
      {4, {{1, 1, 1, 1, 1, 1}, {1, 1, 1, 0, 0}}, "1", "4ページ終わり", ""},
      {6, {{}, {}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 0}}, "5", "6ページ終わり", "やったね!パスワードは 希望(きぼう) だよ!"},
      {6, {{}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0}}, "5", "6ページ終わり", ""},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    int last = static_cast<int>(lessons::EvenOddLesson().pages[c.page].practice.problems.size());
    LessonRun r = RunLesson(Page(c.page) + Choose(last) + AnswerOne(c.answer), o);
    SCOPED_TRACE(std::to_string(c.page) + " " + c.reward);
    EXPECT_TRUE(PrintedOn(r, "MAINFORM", c.end_text, 30, 15, 1));
    EXPECT_EQ(r.state().ProblemNumber[SlotOf(c.page)], static_cast<float>(last + 1));
    EXPECT_FALSE(r.rt().FindForm("FORM3")->visible);
    EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
    EXPECT_FALSE(r.rt().FindForm("FORM9")->visible);
    if (c.reward.empty()) {
      EXPECT_FALSE(r.Drew("計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!"));
      EXPECT_EQ(PrintCount(r, "やったね!パスワードは 森林(しんりん) だよ!") +
                    PrintCount(r, "やったね!パスワードは 音楽(おんがく) だよ!") +
                    PrintCount(r, "やったね!パスワードは 希望(きぼう) だよ!"),
                0);
    } else {
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", c.reward, 5, 7));
      EXPECT_TRUE(PrintedOn(r, "MAINFORM", "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13));
      bool big = false;
      for (const TraceRecord& f : r.Ops("font"))
        if (f.at("form") == "MAINFORM" && f.count("size") && f.at("size") == "24") big = true;
      EXPECT_TRUE(big);
    }
  }
}

// ----- exit ----------------------------------------------------------------------------------------------

TEST(EvenOddExit, WritesSixFiveTenAndEveryFlag) {
  LessonRunOptions o;
  o.flags = {{0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
  LessonRun r = RunLesson(Page(2) + Choose(1) + AnswerOne("2") + Page(4) + Choose(5) + AnswerOne("1") + Page(6) +
                              Choose(10) + AnswerOne("5") + "click BMPBUTTON7\n",
                          o);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(lessons::EvenOddLesson(),
                                          {{1, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 1}}));
  EXPECT_EQ(r.Record().substr(0, 9), " 6  5  10");
  EXPECT_TRUE(r.HostStarted());
  // The record read back marks the three rows of the contents page.
  LessonRunOptions all;
  all.record_text = tools::RecordText(lessons::EvenOddLesson(),
                                      {{1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}});
  LessonRun back = RunLesson("click BMPBUTTON7\n", all);
  for (int row : {9, 11, 13}) EXPECT_TRUE(PrintedOn(back, "MAINFORM", "ごうかく!", 55, row)) << row;
  EXPECT_EQ(back.Record(), all.record_text);
}

}  // namespace
}  // namespace ham::testing
