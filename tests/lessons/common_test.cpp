// The shared floor of the lessons: the navigation, the answer bars, the
// drawing sheet's bars and the number box, as the lessons take them.
#include <gtest/gtest.h>

#include <algorithm>

#include "frame/frame.h"
#include "frame/templates.h"
#include "lessons/common/bars.h"
#include "lessons/common/navigation.h"
#include "lessons/common/number_box.h"
#include "lessons/common/sheet.h"

namespace ham::testing {
namespace {

std::vector<std::string> FormNames(const frame::Lesson& l) {
  std::vector<std::string> names;
  for (const frame::FormLoad& f : l.forms) names.push_back(f.name);
  return names;
}

std::vector<std::string> Buttons(const frame::Lesson& l) {
  std::vector<std::string> buttons;
  for (const frame::AnswerBar& b : l.bars) buttons.push_back(b.button);
  return buttons;
}

const frame::AnswerBar& BarOf(const frame::Lesson& l, const std::string& form) {
  auto it = std::find_if(l.bars.begin(), l.bars.end(), [&](const frame::AnswerBar& b) { return b.form == form; });
  EXPECT_NE(it, l.bars.end()) << form;
  return *it;
}

TEST(AnswerBarsKit, BarSetForCarryingLessons) {
  struct Case {
    bool wide;
    std::vector<std::string> forms, boxes, hidden;
    std::vector<std::string> buttons;
  };
  const Case cases[] = {
      {true,
       {"FORM5", "FORM3", "FORM4", "FORM6", "FORM7", "FORM8", "FORM9", "FORM10", "FORM11"},
       {"EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT5", "EDIT6", "EDIT7", "EDIT8", "EDIT9", "EDIT10", "EDIT11"},
       {"FORM7", "FORM9", "FORM10", "FORM11"},
       {"BUTTON2", "BUTTON3", "BUTTON4", "BUTTON5"}},
      {false,
       {"FORM5", "FORM3", "FORM4", "FORM6", "FORM7", "FORM8", "FORM9"},
       {"EDIT1", "EDIT2", "EDIT3", "EDIT4"},
       {"FORM7", "FORM9"},
       {"BUTTON2", "BUTTON3"}},
  };
  for (const Case& c : cases) {
    frame::Lesson l;
    lessons::common::UseAnswerBars(l, {.wide_bars = c.wide});
    std::vector<std::string> moved;
    for (const frame::MoveTarget& m : l.move) moved.push_back(m.form);
    EXPECT_EQ(FormNames(l), c.forms) << c.wide;
    EXPECT_EQ(l.boxes, c.boxes) << c.wide;
    EXPECT_EQ(l.nav_blank, c.boxes) << c.wide;
    EXPECT_EQ(l.nav_hide, c.hidden) << c.wide;
    EXPECT_EQ(Buttons(l), c.buttons) << c.wide;
    for (const std::string& h : c.hidden) EXPECT_NE(std::find(moved.begin(), moved.end(), h), moved.end()) << h;
    // Answer strings 1 and 2 for the one- and two-box bars.
    EXPECT_EQ(l.bars[0].typed, std::vector<int>{0});
    EXPECT_EQ(l.bars[1].typed, (std::vector<int>{0, 1}));
    for (const frame::FormLoad& f : l.forms)
      if (f.name == "FORM7" || f.name == "FORM9" || f.name == "FORM10" || f.name == "FORM11") {
        EXPECT_TRUE(f.bar_font) << f.name;
        EXPECT_EQ(f.y, 414) << f.name;
      }
  }
}

TEST(AnswerBarsKit, WideBarsJudgeTheirFirstBoxAlone) {
  frame::Lesson l;
  lessons::common::UseAnswerBars(l);
  frame::Frame f(l);
  frame::FrameState& s = f.state();
  s.ExpectedAnswer[0] = "12";
  for (const char* form : {"FORM10", "FORM11"}) {
    const frame::AnswerBar& bar = BarOf(l, form);
    EXPECT_EQ(bar.typed.front(), 2) << form;
    ASSERT_TRUE(bar.judge) << form;
    s.TypedAnswer[2] = "12";
    s.TypedAnswer[3] = "wrong";
    EXPECT_TRUE(bar.judge(f)) << form;
    s.TypedAnswer[2] = "13";
    EXPECT_FALSE(bar.judge(f)) << form;
  }
}

TEST(AnswerBarsKit, OptionsGiveTheOneBoxRuleAndWideBarsThatJudgeEveryBox) {
  frame::Lesson l;
  lessons::common::UseAnswerBars(
      l, {.one_box_judge = [](const frame::Frame& f) { return f.state().TypedAnswer[0] == "yes"; },
          .wide_bars_every_box = true});
  ASSERT_TRUE(BarOf(l, "FORM7").judge);
  for (const char* form : {"FORM9", "FORM10", "FORM11"}) EXPECT_FALSE(BarOf(l, form).judge) << form;
  frame::Frame f(l);
  f.state().TypedAnswer[0] = "yes";
  EXPECT_TRUE(BarOf(l, "FORM7").judge(f));
  f.state().TypedAnswer[0] = "no";
  EXPECT_FALSE(BarOf(l, "FORM7").judge(f));
}

TEST(NavigationKit, TwoFrameBarsAndTheUsualWindowAfterAnAction) {
  frame::Lesson l = lessons::common::TwoBarNavigation();
  EXPECT_EQ(FormNames(l),
            (std::vector<std::string>{"FORM5", "FORM3", "FORM4", "FORM6", "FORM7", "FORM8", "FORM9"}));
  EXPECT_EQ(l.boxes, (std::vector<std::string>{"EDIT1", "EDIT2", "EDIT3", "EDIT4"}));
  EXPECT_EQ(Buttons(l), (std::vector<std::string>{"BUTTON2", "BUTTON3"}));
  EXPECT_EQ(l.nav_hide, (std::vector<std::string>{"FORM7", "FORM9"}));
  EXPECT_EQ(l.practice_hide, (std::vector<std::string>{"FORM3", "FORM7", "FORM9"}));
  EXPECT_EQ(l.practice_form_hide, (std::vector<std::string>{"FORM9"}));
  EXPECT_TRUE(l.on_pending);
}

TEST(SheetKit, FormsBarsAndNavigation) {
  frame::Lesson l = lessons::common::SheetAndBars();
  EXPECT_EQ(FormNames(l), (std::vector<std::string>{"FORM5", "FORM3", "FORM4", "FORM6", "FORM7", "FORM8", "FORM9",
                                                    "FORM10", "FORM11", "FORM12"}));
  ASSERT_EQ(l.boxes.size(), 18u);
  EXPECT_EQ(l.boxes.back(), "EDIT18");
  // The five- and six-box bars have no procedures.
  EXPECT_FALSE(BarOf(l, "FORM9").live);
  EXPECT_FALSE(BarOf(l, "FORM10").live);
  EXPECT_TRUE(BarOf(l, "FORM11").live);
  EXPECT_TRUE(BarOf(l, "FORM12").live);
  EXPECT_EQ(l.nav_blank, (std::vector<std::string>{"EDIT1", "EDIT2"}));
  EXPECT_EQ(l.nav_hide, (std::vector<std::string>{"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}));
  EXPECT_EQ(l.practice_form_hide, (std::vector<std::string>{"FORM9", "FORM11"}));
  EXPECT_TRUE(l.before_main_form);
}

TEST(SheetKit, OneBoxBarAsTheLessonSays) {
  struct Case {
    lessons::common::SheetOptions options;
    bool live;
    int slot;
  };
  const Case cases[] = {
      {{}, true, 0},
      {{.one_box_answers = false}, false, 0},
      {{.one_box_slot = 3}, true, 3},
  };
  for (const Case& c : cases) {
    frame::Lesson l = lessons::common::SheetAndBars(c.options);
    const frame::AnswerBar& one = BarOf(l, "FORM7");
    EXPECT_EQ(one.live, c.live) << c.slot;
    EXPECT_EQ(one.expected, std::vector<int>{c.slot}) << c.slot;
    EXPECT_EQ(one.typed, std::vector<int>{0}) << c.slot;
    EXPECT_FALSE(one.judge) << c.slot;
  }
}

TEST(SheetKit, TwoAndThreeBoxOksReadTheSlotsAndOrderTheLessonsTablesGive) {
  // As a sheet lesson says it: page 2's problem 4 in either order, page 4
  // comparing boxes B and C with its own strings.
  frame::Lesson l = lessons::common::SheetAndBars();
  l.pages = {frame::ContentsPage(), frame::Page{}, frame::Page{}, frame::Page{}, frame::Page{}, frame::EndPage()};
  l.pages[2].kind = frame::PageKind::kPractice;
  l.pages[2].practice.problems.resize(4);
  l.pages[2].practice.problems[3].any_order = true;
  l.pages[4].kind = frame::PageKind::kPractice;
  l.pages[4].practice.problems.resize(4);
  l.pages[4].practice.answer_slots = {0, 3, 4};
  frame::Frame f(l);
  frame::FrameState& s = f.state();
  s.ExpectedAnswer = {"6", "8", "2", "5", "3", ""};
  const frame::AnswerBar& two = BarOf(l, "FORM11");
  const frame::AnswerBar& three = BarOf(l, "FORM12");
  EXPECT_FALSE(two.judge);
  EXPECT_FALSE(three.judge);
  struct Case {
    float page, problem;
    std::string a, b, c;
    bool two_right, three_right;
  };
  const Case cases[] = {
      {2, 1, "6", "8", "2", true, true},
      {2, 1, "8", "6", "2", false, false},
      {2, 4, "8", "6", "2", true, true},
      {2, 4, "6", "6", "2", false, false},
      {4, 1, "6", "5", "3", true, true},
      {4, 1, "6", "8", "2", false, false},
      {4, 4, "5", "6", "3", false, false},
  };
  for (const Case& c : cases) {
    s.CurrentPage = c.page;
    s.ProblemNumber[0] = c.problem;
    s.TypedAnswer[0] = c.a;
    s.TypedAnswer[1] = c.b;
    s.TypedAnswer[2] = c.c;
    EXPECT_EQ(f.IsRight(two), c.two_right) << c.page << " " << c.problem << " " << c.a << c.b;
    EXPECT_EQ(f.IsRight(three), c.three_right) << c.page << " " << c.problem << " " << c.a << c.b << c.c;
  }
}

TEST(AnswerTables, DefaultOkTakesTheSlotsOrderAndFurtherStringsOfThePageAndProblem) {
  // Page 1: problem 2 in any order, problem 3's first answer also slot 4.
  // Page 3 compares boxes B and C with slots 3 and 4; its problem 2 in any order.
  frame::PracticePage first{.problem_slot = 0};
  first.problems.resize(3);
  first.problems[1].any_order = true;
  first.problems[2].also_expected = {4};
  frame::PracticePage second{.problem_slot = 1};
  second.problems.resize(2);
  second.problems[1].any_order = true;
  second.answer_slots = {0, 3, 4};
  frame::Lesson l;
  l.pages = {frame::ContentsPage(), frame::Page{}, frame::Page{}, frame::Page{}, frame::EndPage()};
  l.pages[1].kind = frame::PageKind::kPractice;
  l.pages[1].practice = first;
  l.pages[2].kind = frame::PageKind::kExplanation;
  l.pages[3].kind = frame::PageKind::kPractice;
  l.pages[3].practice = second;
  const frame::AnswerBar one = frame::Bar("FORM7", "BUTTON2", {"EDIT2"});
  const frame::AnswerBar two = frame::Bar("FORM11", "BUTTON5", {"EDIT14", "EDIT15"});
  const frame::AnswerBar three = frame::Bar("FORM12", "BUTTON6", {"EDIT16", "EDIT17", "EDIT18"});
  frame::Frame f(l);
  frame::FrameState& s = f.state();
  s.ExpectedAnswer = {"6", "8", "2", "5", "3", ""};
  struct Case {
    float page, problem;
    std::string a, b, c;
    bool one, two, three;
  };
  const Case cases[] = {
      {1, 1, "6", "8", "2", true, true, true},
      {1, 1, "8", "6", "2", false, false, false},
      {1, 1, "3", "8", "2", false, false, false},
      {1, 2, "8", "6", "2", false, true, true},
      {1, 2, "2", "8", "6", false, false, true},
      {1, 2, "6", "6", "2", true, false, false},
      {1, 3, "3", "8", "2", true, true, true},
      {1, 3, "6", "3", "2", true, false, false},
      {3, 1, "6", "5", "3", true, true, true},
      {3, 1, "6", "8", "2", true, false, false},
      {3, 1, "5", "6", "3", false, false, false},
      {3, 2, "5", "6", "3", false, true, true},
      // Elsewhere, and under a number that names no problem, the bar's own slots in order.
      {2, 2, "8", "6", "2", false, false, false},
      {1, 4, "8", "6", "2", false, false, false},
      {1, 2.5f, "8", "6", "2", false, false, false},
  };
  for (const Case& c : cases) {
    s.CurrentPage = c.page;
    s.ProblemNumber[0] = c.page == 3 ? 1 : c.problem;
    s.ProblemNumber[1] = c.page == 3 ? c.problem : 1;
    s.TypedAnswer[0] = c.a;
    s.TypedAnswer[1] = c.b;
    s.TypedAnswer[2] = c.c;
    SCOPED_TRACE(::testing::Message() << c.page << " " << c.problem << " " << c.a << c.b << c.c);
    EXPECT_EQ(f.IsRight(one), c.one);
    EXPECT_EQ(f.IsRight(two), c.two);
    EXPECT_EQ(f.IsRight(three), c.three);
  }
  // A bar's own judge decides alone.
  frame::AnswerBar own = two;
  own.judge = [](const frame::Frame&) { return true; };
  s.TypedAnswer[0] = "wrong";
  EXPECT_TRUE(f.IsRight(own));
}

TEST(NumberBoxKit, ProceduresOtherLessonsTake) {
  EXPECT_TRUE(lessons::common::kNumberBoxRounding[0]);
  EXPECT_FALSE(lessons::common::kNumberBoxRounding[1]);
  frame::AnswerBar four = lessons::common::FourBoxOk();
  EXPECT_EQ(four.form, "FORM9");
  EXPECT_EQ(four.button, "BUTTON3");
  EXPECT_EQ(four.boxes, (std::vector<std::string>{"EDIT3", "EDIT4", "EDIT5", "EDIT6"}));
  // On another lesson's names.
  frame::AnswerBar other = lessons::common::FourBoxOk("FORM11", "BUTTON5", {"EDIT8", "EDIT9", "EDIT10", "EDIT11"});
  EXPECT_EQ(other.typed, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(other.expected, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_FALSE(other.judge);  // every box equals its expected string
}

TEST(PageTable, NumbersThePagesAndWritesWhatEveryLessonWritesTheSameWay) {
  frame::ExplanationPage given;
  given.heading = "通分                                2ﾍﾟｰｼﾞ";
  given.end_text = "おわり";
  frame::PracticePage second;
  second.problem_slot = 1;
  std::vector<frame::Page> pages = frame::PageTable(
      7, 24,
      {frame::Explanation("約数 1", {}), frame::Practice({}),
       {.title = "公約数", .module_title = "公約数!", .module_blanks = 8, .explanation = given},
       frame::Practice(second)});
  ASSERT_EQ(pages.size(), 6u);
  EXPECT_EQ(pages.front().kind, frame::PageKind::kContents);
  EXPECT_EQ(pages.back().kind, frame::PageKind::kEnd);
  struct Case {
    int row;
    const char* contents_line;
    const char* module_heading;
  };
  const Case cases[] = {
      {7, "(よく見よう!)  ☆ 約数 1 ---------------- 1ページ", "1ﾍﾟｰｼﾞ          約数 1"},
      {8, "(やってみよう!)★ 練習 1 ---------------- 2ページ", "2ﾍﾟｰｼﾞ          練習1"},
      {9, "(よく見よう!)  ☆ 公約数 ---------------- 3ページ", "3ﾍﾟｰｼﾞ        公約数!"},
      {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ", "4ﾍﾟｰｼﾞ          練習2"},
  };
  for (int n = 1; n <= 4; ++n) {
    const Case& c = cases[n - 1];
    EXPECT_EQ(pages[n].contents_row, c.row) << n;
    EXPECT_EQ(pages[n].contents_line, c.contents_line) << n;
    EXPECT_EQ(pages[n].module_heading, c.module_heading) << n;
  }
  EXPECT_EQ(pages[1].explanation.heading, "約数 1                               1ﾍﾟｰｼﾞ");
  EXPECT_EQ(pages[1].explanation.end_text, "1ページ終わり");
  // A text the page gives stays as given.
  EXPECT_EQ(pages[3].explanation.heading, given.heading);
  EXPECT_EQ(pages[3].explanation.end_text, "おわり");
  const frame::PracticePage& p2 = pages[4].practice;
  EXPECT_EQ(p2.header, frame::PracticeOf(4, 2, 1).header);
  EXPECT_EQ(p2.end_text, "4ページ終わり");
  EXPECT_EQ(p2.flags, 1);
  EXPECT_EQ(p2.problem_slot, 1);
  EXPECT_EQ(pages[2].practice.flags, 0);
}

}  // namespace
}  // namespace ham::testing
