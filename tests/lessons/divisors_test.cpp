// The divisors lesson driven as a pupil would, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "lessons/divisors/lesson.h"
#include "tests/lessons/harness.h"

const ham::ResourceTable& DivisorsResources();

namespace ham::testing {
namespace {

using frame::FrameState;

constexpr LessonRunner RunLesson{&lessons::DivisorsLesson, &DivisorsResources};

TEST(DivisorsStartUp, MissingHostShowsTheMessageAndEnds) {
  LessonRunOptions o;
  o.site.with_host = false;
  LessonRun r = RunLesson("dismiss\n", o);
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(r.Messages().size(), 1u);
  EXPECT_EQ(r.Messages()[0],
            "ｷﾗﾘﾉｰﾄ1.0がありません｡ｸﾘﾌﾀのｻｲﾄで体験版を無料入手して､そこへこのｿﾌﾄを入れて下さい｡");
  EXPECT_EQ(r.Ops("msgbox")[0].at("caption"), "");
  EXPECT_TRUE(r.Texts().empty());
  EXPECT_FALSE(r.HostStarted());
}

TEST(DivisorsStartUp, FolderOfTheHostsNameIsNoHost) {
  LessonRunOptions o;
  o.site.with_host = false;
  o.prepare = [](const tools::DemoSite& site) { std::filesystem::create_directory(site.host / "ﾎﾟｺﾄﾁｬﾋﾟ1.exe"); };
  LessonRun r = RunLesson("dismiss\nclick BMPBUTTON7\n", o);
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(r.Messages().size(), 1u);
  EXPECT_EQ(r.Messages()[0].substr(0, 21), "ｷﾗﾘﾉｰﾄ1.0");
  EXPECT_TRUE(r.Texts().empty());
  EXPECT_TRUE(r.Ops("run").empty());
}

TEST(DivisorsStartUp, ContentsPageWithPassMarksFromTheRecord) {
  struct Case {
    std::vector<std::vector<int>> flags;
    bool mark1, mark2;
  };
  const Case cases[] = {
      {{{1, 1, 1, 1, 1, 1, 1, 1, 1}, {}}, true, false},
      {{{1, 1, 1, 1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}}, false, true},
      {{}, false, false},
  };
  for (const Case& c : cases) {
    LessonRunOptions o;
    o.flags = c.flags;
    LessonRun r = RunLesson("", o);
    EXPECT_TRUE(Printed(r, "(よく見よう!)  ☆ 約数 1 ---------------- 1ページ", 2, 7));
    EXPECT_TRUE(Printed(r, "(やってみよう!)★ 練習 2 ---------------- 5ページ", 2, 11));
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 9), c.mark1);
    EXPECT_EQ(Printed(r, "ごうかく!", 55, 11), c.mark2);
  }
}

TEST(DivisorsStartUp, MainWindowKeepsItsStartUpSize) {
  LessonRun r = RunLesson("");
  auto sizes = r.Ops("size");
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes[0].at("form"), "MAINFORM");
  EXPECT_EQ(sizes[0].at("w"), "640");
  EXPECT_EQ(sizes[0].at("h"), "440");
  EXPECT_TRUE(r.Drew("5年生の算数     約数と公約数"));
  EXPECT_TRUE(r.Drew("0ﾍﾟｰｼﾞ          目次"));
}

TEST(DivisorsNavigation, PageStateAfterButtons) {
  struct Case {
    std::string script;
    float current, previous;
  };
  const Case cases[] = {
      {"click BMPBUTTON1\n", 0, 0},                                        // previous on contents
      {"click BMPBUTTON3\nclick BMPBUTTON3\n", 2, 1},                      // next twice
      {"click BMPBUTTON2\n", 0, 0},                                        // last seen at start
      {"click BMPBUTTON3\nclick BMPBUTTON3\nclick BMPBUTTON2\n", 1, 2},    // last seen
      {"click BMPBUTTON3\nclick BMPBUTTON3\nclick BMPBUTTON2\nclick BMPBUTTON2\n", 2, 1},
      {"click BMPBUTTON4\n" + Choose(5) + "click BMPBUTTON3\n", 5, 5},     // next on page 5: the end page
      {"click BMPBUTTON4\n" + Choose(5) + "click BMPBUTTON3\nclick BMPBUTTON3\n", 5, 5},
      {"click BMPBUTTON4\n" + Choose(5) + "click BMPBUTTON3\nclick BMPBUTTON1\n", 4, 5},
      {"click BMPBUTTON3\nclick BMPBUTTON3\nclick BMPBUTTON3\nclick BMPBUTTON4\nclick BMPBUTTON1\n", 2, 3},
      {"click BMPBUTTON3\nclick BMPBUTTON6\n", 0, 1},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(c.script);
    EXPECT_EQ(r.state().CurrentPage, c.current) << c.script;
    EXPECT_EQ(r.state().PreviousPage, c.previous) << c.script;
    EXPECT_EQ(r.state().InputMode, 0) << c.script;
  }
}

TEST(DivisorsNavigation, EndPageShowsUnitEnd) {
  LessonRun r = RunLesson("click BMPBUTTON4\n" + Choose(5) + "click BMPBUTTON3\n");
  EXPECT_TRUE(Printed(r, "単元終わり", 10, 7));
  EXPECT_EQ(r.state().CurrentPage, 5);
}

TEST(DivisorsNavigation, ChooserAcceptsOnlyThePageTexts) {
  const char* refused[] = {" 3", "3 ", "03", "３", "6", ""};
  for (const char* t : refused) {
    std::string script = "click BMPBUTTON4\n";
    if (*t) script += std::string("type EDIT1 ") + t + "\n";
    script += "click BUTTON1\ndismiss\n";
    LessonRun r = RunLesson(script);
    ASSERT_EQ(r.Messages().size(), 1u) << "[" << t << "]";
    EXPECT_EQ(r.Messages()[0], "そのページはありません！");
    EXPECT_EQ(Count(r.Texts(), "ページ指定"), 2) << t;  // drawn again
    EXPECT_EQ(r.state().CurrentPage, 0);
  }
  LessonRun ok = RunLesson("click BMPBUTTON4\n" + Choose(3));
  EXPECT_TRUE(ok.Messages().empty());
  EXPECT_EQ(ok.state().CurrentPage, 3);
  EXPECT_TRUE(ok.Drew("3ﾍﾟｰｼﾞ          練習1"));
  EXPECT_EQ(ok.state().InputMode, 0);
}

TEST(DivisorsNavigation, TitleStripMovesEveryWindow) {
  LessonRun r = RunLesson("click FORM4\n");
  auto at = [&](const char* name) {
    Form* f = std::string(name) == "MAIN" ? &r.rt().main_form() : r.rt().FindForm(name);
    return std::make_pair(f->left, f->top);
  };
  EXPECT_EQ(at("FORM4"), std::make_pair(400, 300));
  EXPECT_EQ(at("MAIN"), std::make_pair(400, 322));
  EXPECT_EQ(at("FORM3"), std::make_pair(400, 714));
  EXPECT_EQ(at("FORM10"), std::make_pair(400, 714));
  EXPECT_EQ(at("FORM8"), std::make_pair(400, 740));
  EXPECT_EQ(at("FORM5"), std::make_pair(400, 780));
  EXPECT_EQ(at("FORM6"), std::make_pair(1041, 300));
  LessonRun back = RunLesson("click FORM4\nclick FORM4\n");
  EXPECT_EQ(back.rt().FindForm("FORM4")->left, 0);
  EXPECT_EQ(back.rt().main_form().top, 22);
  EXPECT_EQ(back.rt().FindForm("FORM6")->left, 641);
}

TEST(DivisorsExplanation, ParagraphOnePlaysEveryNarration) {
  LessonRun r = RunLesson("click BMPBUTTON3\n" + Choose(1));
  std::vector<std::string> opens = OpenCommands(r);
  ASSERT_EQ(opens.size(), 14u);
  EXPECT_EQ(opens.front(), "open SOUND1.WAV alias wave1");
  EXPECT_EQ(opens.back(), "open SOUND14.WAV alias wave1");
  EXPECT_TRUE(r.Drew("1ページ終わり"));
  EXPECT_TRUE(r.Drew("8の約数は"));
  // Every narration after the first closes the one before.
  auto cmds = r.MciCommands();
  auto first = std::find(cmds.begin(), cmds.end(), "open SOUND1.WAV alias wave1");
  auto last = std::find(cmds.begin(), cmds.end(), "open SOUND14.WAV alias wave1");
  EXPECT_EQ(std::count(first, last, std::string("close wave1")), 13);
}

TEST(DivisorsExplanation, LaterStartsDrawSilently) {
  // Page 2 from paragraph 2: paragraph 1 drawn at once, narration from SOUND20.
  LessonRun r = RunLesson("click BMPBUTTON3\nclick BMPBUTTON3\n" + Choose(2));
  std::vector<std::string> opens = OpenCommands(r);
  ASSERT_FALSE(opens.empty());
  EXPECT_EQ(opens.front(), "open SOUND20.WAV alias wave1");
  EXPECT_TRUE(r.Drew("約数の はやい求め方"));
  // The last paragraph: the finished page at once, no sound, no pause.
  LessonRun last = RunLesson("click BMPBUTTON3\nclick BMPBUTTON3\n" + Choose(3));
  EXPECT_TRUE(OpenCommands(last).empty());
  EXPECT_TRUE(last.Drew("2ページ終わり"));
  EXPECT_TRUE(last.Drew("だん落 3"));
  EXPECT_TRUE(last.Ops("wait").empty());
}

TEST(DivisorsExplanation, OutOfRangeParagraphs) {
  for (int n : {0, 3, -1}) {
    LessonRun r = RunLesson("click BMPBUTTON3\n" + Choose(n) + "dismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << n;
    EXPECT_EQ(r.Messages()[0], "その段落はありません！");
    EXPECT_FALSE(r.Drew("1ページ終わり"));
  }
}

TEST(DivisorsExplanation, ClickDuringNarrationStopsTheScript) {
  LessonRun r = RunLesson("click BMPBUTTON3\n" + Choose(1) + "+100 click BMPBUTTON3\n");
  // The script stopped early: page 2's module ran and page 1 never ended.
  EXPECT_FALSE(r.Drew("1ページ終わり"));
  EXPECT_TRUE(r.Drew("2ﾍﾟｰｼﾞ          約数 2"));
  EXPECT_EQ(r.state().CurrentPage, 2);
  auto opens = OpenCommands(r);
  ASSERT_FALSE(opens.empty());
  EXPECT_LT(opens.size(), 3u);
  // After the button's procedure the loop closes the sound.
  bool event_then_close = false;
  const auto& t = r.trace();
  for (std::size_t i = 0; i + 1 < t.size(); ++i)
    if (t[i].count("procedure") && t[i].at("procedure") == "FE$BMPBUTTON3_ON" && t[i].at("t") != "0")
      for (std::size_t j = i + 1; j < t.size(); ++j)
        if (t[j].at("op") == "mci") {
          event_then_close = t[j].at("command") == "close wave1";
          break;
        }
  EXPECT_TRUE(event_then_close);
}

TEST(DivisorsPractice, RightAndWrongAnswers) {
  struct Case {
    int page, problem;
    std::string answer;
    bool right;
    std::string feedback;  // printed in colour 2 on row 17
  };
  const std::string hint3 = "小さい順だよ!わからない時は2ページのだん落2を見れば答えがわかるよ!";
  const Case cases[] = {
      {3, 1, "1 3 5 15", true, "天才!ごうかく!"},
      {3, 1, "15 5 3 1", false, hint3},
      {3, 1, "1,3,5,15", false, hint3},
      {3, 1, "1 3  5 15", false, hint3},
      {3, 1, "１ ３ ５ １５", false, hint3},
      {3, 1, "1 3 5 15 ", false, "最後には 空白キーをうたないでね!"},
      {3, 1, "1 3 5 15　", false, hint3},
      {3, 1, "", false, hint3},
      {5, 3, "1 2 3 4 6 12", true, "天才!ごうかく!"},
      {5, 5, "1 2 3 4 6 12", true, "天才!ごうかく!"},
      {5, 2, "1 2 5", false, "何かとばしてない?わからない時は4ページのだん落5を見れば答えがわかるよ!"},
      {5, 7, "5", true, "天才!ごうかく!"},
      {5, 7, "1 5", false, "そうかな?わからない時は4ページのだん落3を見れば答えがわかるよ!"},
      {5, 11, "9", true, "天才!ごうかく!"},
      {5, 11, "3", false, "この問題は27と18の最大公約数を求める問題だよ!"},
  };
  for (const Case& c : cases) {
    std::string script = "click BMPBUTTON4\n" + Choose(c.page) + Choose(c.problem) + AnswerOne(c.answer);
    LessonRun r = RunLesson(script);
    SCOPED_TRACE(script);
    bool found = false;
    for (const TraceRecord& p : r.Ops("print"))
      if (p.at("text") == c.feedback && p.at("row") == "17" && p.at("color") == "2") found = true;
    EXPECT_TRUE(found);
    int flags = c.page == 3 ? 0 : 1;
    EXPECT_EQ(r.state().PassFlags[flags][static_cast<std::size_t>(c.problem)], c.right ? 1 : 0);
    if (c.right) {
      EXPECT_EQ(Count(r.MciCommands(), "open SOUND80.WAV alias wave1"), 1);
    }
  }
}

TEST(DivisorsPractice, ProblemNumbersOutOfRange) {
  for (std::string n : {"0", "-1", "10", "99999", "abc"}) {
    LessonRun r = RunLesson("click BMPBUTTON4\n" + Choose(3) + "type EDIT1 " + n + "\nclick BUTTON1\ndismiss\n");
    ASSERT_EQ(r.Messages().size(), 1u) << n;
    EXPECT_EQ(r.Messages()[0], "その番号はありません！");
    EXPECT_FALSE(r.Drew("3ページ終わり")) << n;
    EXPECT_FALSE(r.Drew("解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡")) << n;
  }
}

TEST(DivisorsPractice, LastProblemEndsThePageAndAllPassedShowsTheReward) {
  LessonRunOptions o;
  o.flags = {{1, 1, 1, 1, 1, 1, 1, 1, 0}};
  LessonRun r = RunLesson("click BMPBUTTON4\n" + Choose(3) + Choose(9) + AnswerOne("1 2 3 4 6 8 12 24"), o);
  EXPECT_TRUE(Printed(r, "やったね!パスワードは 海岸(かいがん) だよ!", 5, 7));
  EXPECT_TRUE(Printed(r, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!", 8, 13));
  EXPECT_TRUE(Printed(r, "3ページ終わり", 30, 15));
  EXPECT_FALSE(r.rt().FindForm("FORM7")->visible);
  EXPECT_FALSE(r.rt().FindForm("FORM3")->visible);
}

TEST(DivisorsPractice, RightAnswerAdvancesToTheNextProblem) {
  LessonRun r = RunLesson("click BMPBUTTON4\n" + Choose(5) + Choose(10) + AnswerOne("3"));
  EXPECT_EQ(r.state().ProblemNumber[1], 11);
  EXPECT_TRUE(r.Drew("あめが27こ ガムが18こあります｡これをなるべく多くの子どもに"));
  EXPECT_TRUE(Printed(r, "あめが27こ ガムが18こあります｡これをなるべく多くの子どもに", 0, 9));
}

TEST(DivisorsPractice, JinglePausesWaitEvenAfterALastParagraph) {
  // Page 4 from its last paragraph leaves the paragraph rule behind; the
  // practice pauses still wait.
  LessonRun r =
      RunLesson("click BMPBUTTON4\n" + Choose(4) + "click BMPBUTTON4\n" + Choose(5) + Choose(7) + AnswerOne("5"));
  bool waited250 = false;
  for (const TraceRecord& w : r.Ops("wait"))
    if (w.at("units") == "250") waited250 = true;
  EXPECT_TRUE(waited250);
}

TEST(DivisorsExit, WritesTheRecordAndStartsTheHost) {
  LessonRun r = RunLesson("click BMPBUTTON4\n" + Choose(3) + Choose(1) + AnswerOne("1 3 5 15") + "click BMPBUTTON7\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.Record(), tools::RecordText(lessons::DivisorsLesson(), {{1}}));
  EXPECT_TRUE(r.HostStarted());
  auto runs = r.Ops("run");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].at("program"), "ﾎﾟｺﾄﾁｬﾋﾟ1.exe");
  EXPECT_EQ(r.Ops("chdir").at(0).at("path"), r.state().BaseFolder);
}

TEST(DivisorsExit, ClosingDuringANarrationExitsAtOnceWhereTheExitButtonWaits) {
  // Page 1 narrates from its first paragraph; 30 units in, the window is
  // closed, or the exit button is pressed.
  LessonRunOptions o;
  o.on_probe = [](LessonRun& run, const std::string&) { run.rt().CloseWindow(); };
  LessonRun closed = RunLesson("click BMPBUTTON3\n" + Choose(1) + "+30 probe close\n", o);
  LessonRun pressed = RunLesson("click BMPBUTTON3\n" + Choose(1) + "+30 click BMPBUTTON7\n");
  for (const LessonRun* r : {&closed, &pressed}) {
    EXPECT_EQ(r->status, 0);
    EXPECT_EQ(r->Ops("run").size(), 1u);
    EXPECT_EQ(r->Record(), tools::RecordText(lessons::DivisorsLesson()));
  }
  const double action = Num(closed.Ops("action").back(), "t");
  EXPECT_EQ(Num(closed.Ops("end").at(0), "t"), action);
  // The pupil's own click waits for the pause in progress.
  EXPECT_GT(Num(pressed.Ops("end").at(0), "t"), Num(pressed.Ops("action").back(), "t"));
}

TEST(DivisorsExit, RecordOfAnotherLessonIsNeitherReadNorWritten) {
  // Counts of other lessons, whole or in part.
  for (const char* record : {" 6  6  0  1  1  1  1  1  1  1  1  1  1  1  1 \r\n", " 9  11  4  1 \r\n", " 8 \r\n"}) {
    LessonRunOptions o;
    o.record_text = record;
    LessonRun r = RunLesson("dismiss\nclick BMPBUTTON7\n", o);
    EXPECT_EQ(r.status, 0) << record;
    EXPECT_EQ(r.Messages(), std::vector<std::string>{"学習の記録がこの単元のものではありません｡先生に知らせて下さい｡"})
        << record;
    EXPECT_EQ(r.Ops("msgbox").at(0).at("caption"), "");
    EXPECT_EQ(r.state().PassFlags[0][1], 0) << record;
    EXPECT_EQ(r.Record(), record);
    EXPECT_TRUE(r.Ops("run").empty()) << record;
    for (const TraceRecord& f : r.Ops("file")) EXPECT_EQ(f.at("mode"), "I") << record;
    EXPECT_TRUE(r.Texts().empty()) << record;
  }
}

TEST(DivisorsExit, RecordsWithoutAnotherLessonsCountsAreRead) {
  struct Case {
    std::string record;
    float first_flag;
  };
  const Case cases[] = {
      {"", 0},
      {" 9 \r\n", 0},
      {" 9  11 \r\n", 0},
      {" 0  0  0  1  1 \r\n", 1},
      {" 9  11  0  1 \r\n", 1},
  };
  for (const Case& k : cases) {
    LessonRunOptions o;
    o.prepare = [&](const tools::DemoSite& site) { std::ofstream(site.record, std::ios::trunc) << k.record; };
    LessonRun r = RunLesson("", o);
    EXPECT_EQ(r.status, 0) << k.record;
    EXPECT_TRUE(r.Messages().empty()) << k.record;
    EXPECT_EQ(r.state().PassFlags[0][1], k.first_flag) << k.record;
    EXPECT_EQ(r.Record().substr(0, 9), " 9  11  0") << k.record;
  }
}

TEST(DivisorsExit, HostThatCannotBeRunGivesTheFatalReportAfterTheRecord) {
  // Bytes that are neither a program nor a script, with and without the
  // execute bit.
  for (auto perms : {std::filesystem::perms::owner_all, std::filesystem::perms::owner_read}) {
    LessonRunOptions o;
    o.prepare = [&](const tools::DemoSite& site) {
      std::filesystem::path host = site.host / "ﾎﾟｺﾄﾁｬﾋﾟ1.exe";
      std::filesystem::remove(host);
      std::ofstream(host, std::ios::binary) << std::string("MZ\x90\0\x03\0\0\0", 8);
      std::filesystem::permissions(host, perms);
    };
    LessonRun r = RunLesson("click BMPBUTTON4\n" + Choose(3) + Choose(1) + AnswerOne("1 3 5 15") + "click BMPBUTTON7\n", o);
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.Ops("fatal").size(), 1u);
    EXPECT_TRUE(r.Ops("run").empty());
    EXPECT_EQ(r.Record(), tools::RecordText(lessons::DivisorsLesson(), {{1}}));
  }
}

// A form or box name that names none the lesson loaded stops the lesson on
// the fatal path instead of acting on the main window; no name is the main
// window.
TEST(DivisorsFrame, NameOfNoFormOrBoxIsFatal) {
  struct Case {
    frame::Step step;
    std::string missing;  // empty: the step runs
    std::string drawn_on;
  };
  const Case cases[] = {
      {frame::TextOn("FORM77", 10, 10, "書く"), "form FORM77", ""},
      {frame::ShowBar("FROM9", {}), "form FROM9", ""},
      {frame::Call([](frame::Frame& f) { FmSetText(f.edit("EDIT99"), "1"); }), "edit box EDIT99", ""},
      {frame::TextOn("", 10, 10, "書く"), "", "MAINFORM"},
      {frame::TextOn("FORM7", 10, 10, "書く"), "", "FORM7"},
  };
  for (const Case& c : cases) {
    frame::Lesson lesson = lessons::DivisorsLesson();
    frame::Steps& steps = lesson.pages[1].explanation.steps;
    steps.insert(steps.begin(), c.step);
    LessonRun r(lesson, DivisorsResources(), Page(1) + Choose(1));
    if (c.missing.empty()) {
      EXPECT_EQ(r.status, 0) << c.drawn_on;
      EXPECT_TRUE(r.Ops("fatal").empty()) << c.drawn_on;
      EXPECT_EQ(Count(r.Texts(c.drawn_on), "書く"), 1) << c.drawn_on;
      continue;
    }
    EXPECT_EQ(r.status, 1) << c.missing;
    ASSERT_EQ(r.Ops("fatal").size(), 1u) << c.missing;
    EXPECT_NE(r.Ops("fatal")[0].at("detail").find(c.missing), std::string::npos) << r.Ops("fatal")[0].at("detail");
    EXPECT_FALSE(r.Drew("書く")) << c.missing;
  }
}

TEST(DivisorsExit, UnsafeLearnerIdentifierIsRefused) {
  for (const char* id : {"..\\..\\x", "a/b", "x\\y", "..x"}) {
    LessonRunOptions o;
    o.no_bas = std::string(id) + "\r\n";
    LessonRun r = RunLesson("", o);
    EXPECT_EQ(r.status, 1) << id;
    auto fatal = r.Ops("fatal");
    ASSERT_EQ(fatal.size(), 1u) << id;
    EXPECT_EQ(fatal[0].at("text").rfind("続行不可能なエラーが発生しました ", 0), 0u);
    // Nothing was opened under the refused name.
    for (const TraceRecord& f : r.Ops("file")) EXPECT_EQ(f.at("path"), "NO.BAS") << id;
  }
}

TEST(DivisorsExit, ShortRecordGivesZeros) {
  LessonRunOptions o;
  o.record_text = " 9  11  0  1  1 \r\n";
  LessonRun r = RunLesson("", o);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.state().PassFlags[0][2], 1);
  EXPECT_EQ(r.state().PassFlags[0][3], 0);
  EXPECT_EQ(r.Record(), tools::RecordText(lessons::DivisorsLesson(), {{1, 1}}));
  EXPECT_EQ(r.Record().substr(0, 18), " 9  11  0  1  1  0");
}

TEST(DivisorsStartUp, BaseFolderIsTwoLevelsUp) {
  LessonRun r = RunLesson("");
  const std::string& base = r.state().BaseFolder;
  ASSERT_GE(base.size(), 7u);
  EXPECT_EQ(base.substr(base.size() - 7), "\\KIRARI");
  EXPECT_EQ(base.substr(0, 3), "C:\\");
}

TEST(DivisorsInput, NoTypedTextEndsTheLesson) {
  for (const char* t : {"99999", "-99999", "1e9", "abc", "２", "1.5"}) {
    LessonRun r = RunLesson("click BMPBUTTON3\ntype EDIT1 " + std::string(t) + "\nclick BUTTON1\n");
    EXPECT_EQ(r.status, 0) << t;
    EXPECT_TRUE(r.Ops("fatal").empty()) << t;
  }
}

}  // namespace
}  // namespace ham::testing

namespace ham::testing {
namespace {

TEST(DivisorsExplanation, EveryPageFromEveryParagraph) {
  struct Case {
    int page, paragraph;
    std::string first_sound;  // empty: none plays
    int sounds;
    std::string end_text, last_label;
  };
  const Case cases[] = {
      {1, 1, "SOUND1.WAV", 14, "1ページ終わり", "だん落 2"},
      {1, 2, "", 0, "1ページ終わり", "だん落 2"},
      {2, 1, "SOUND15.WAV", 21, "2ページ終わり", "だん落 3"},
      {2, 2, "SOUND20.WAV", 17, "2ページ終わり", "だん落 3"},
      {2, 3, "", 0, "2ページ終わり", "だん落 3"},
      {4, 1, "SOUND30.WAV", 12, "4ページ終わり", "だん落 6"},
      {4, 2, "SOUND32.WAV", 10, "4ページ終わり", "だん落 6"},
      {4, 3, "SOUND34.WAV", 8, "4ページ終わり", "だん落 6"},
      {4, 4, "SOUND36.WAV", 6, "4ページ終わり", "だん落 6"},
      {4, 5, "SOUND38.WAV", 4, "4ページ終わり", "だん落 6"},
      {4, 6, "", 0, "4ページ終わり", "だん落 6"},
  };
  for (const Case& c : cases) {
    LessonRun r = RunLesson(Page(c.page) + Choose(c.paragraph));
    SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.paragraph));
    std::vector<std::string> opens = Opens(r);
    ASSERT_EQ(static_cast<int>(opens.size()), c.sounds);
    if (c.sounds) {
      EXPECT_EQ(opens.front(), c.first_sound);
    }
    EXPECT_TRUE(r.Drew(c.end_text));
    // The last label stands: drawn last at (570, 2), after the one before was erased.
    std::vector<TraceRecord> labels;
    for (const TraceRecord& t : r.Ops("text"))
      if (t.at("x") == "570" && t.at("y") == "2") labels.push_back(t);
    ASSERT_GE(labels.size(), 2u);
    EXPECT_EQ(labels.back().at("text"), c.last_label);
    EXPECT_EQ(labels[labels.size() - 2].at("color"), "0");
    // Paragraphs before the chosen one wait for nothing.
    if (c.sounds == 0) {
      EXPECT_TRUE(r.Ops("wait").empty());
    }
  }
}

TEST(DivisorsPractice, EveryProblemOfBothPagesAndTheSecondRewardWord) {
  const char* page3[] = {"1 3 5 15", "1 2 3 4 6 12", "1 3 9 27", "1 2 4 8 16", "1 2 3 6 9 18",
                         "1 2 7 14", "1 2 3 5 6 10 15 30", "1 3 7 21", "1 2 3 4 6 8 12 24"};
  const char* page5[] = {"1 3 9", "1 2 5 10", "1 2 3 4 6 12", "1 2 3 6", "1 2 3 4 6 12", "1 2 4 8",
                         "5", "4", "8", "3", "9"};
  std::string script = Page(3) + Choose(1);
  for (const char* a : page3) script += AnswerOne(a);
  script += Page(5) + Choose(1);
  for (const char* a : page5) script += AnswerOne(a);
  LessonRun r = RunLesson(script);
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(r.state().PassFlags[0][static_cast<std::size_t>(i)], 1) << i;
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(r.state().PassFlags[1][static_cast<std::size_t>(i)], 1) << i;
  EXPECT_TRUE(Printed(r, "やったね!パスワードは 海岸(かいがん) だよ!", 5, 7));
  EXPECT_TRUE(Printed(r, "やったね!パスワードは 工夫(くふう) だよ!", 5, 7));
  EXPECT_TRUE(Printed(r, "5ページ終わり", 30, 15));
  EXPECT_EQ(r.Record(), tools::RecordText(lessons::DivisorsLesson(), {std::vector<int>(9, 1), std::vector<int>(11, 1)}));
}

}  // namespace
}  // namespace ham::testing
