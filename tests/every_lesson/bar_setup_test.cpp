// Over every lesson: a problem answered in a bar of several boxes sets the
// bar up as shown, cleared where the lesson's bars are, labelled, its boxes
// emptied and the focus in its first box, in this order.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "lessons/resources.h"
#include "tests/every_lesson/every_lesson.h"
#include "tests/lessons/harness.h"
#include "tests/support/walk.h"

namespace ham::testing {
namespace {

using namespace ham::frame;

// The lessons whose multi-box bars are cleared when shown.
const std::set<std::string> kClearedBars = {"rhombus-triangle", "average-per-unit", "division-fractions",
                                            "number-comparison"};

// The set-up of `bar` among `records`: from its last "show" on, one letter
// per operation on the bar or its boxes: s show, c clear, t label, e box
// emptied, f focus in the first box, ? anything else.
std::string BarOps(const std::vector<TraceRecord>& records, const frame::AnswerBar& bar) {
  std::string seq;
  auto on_box = [&](const TraceRecord& r) {
    return r.count("control") &&
           std::find(bar.boxes.begin(), bar.boxes.end(), r.at("control")) != bar.boxes.end();
  };
  for (const TraceRecord& r : records) {
    const std::string& op = r.at("op");
    bool on_bar = r.count("form") && r.at("form") == bar.form;
    if (op == "show" && on_bar) seq = "s";
    else if (seq.empty()) continue;
    else if (op == "clear" && on_bar) seq += "c";
    else if (op == "text" && on_bar) seq += "t";
    else if (op == "settext" && on_box(r) && r.at("text").empty()) seq += "e";
    else if (op == "focus" && on_box(r)) seq += r.at("control") == bar.boxes.front() ? "f" : "?";
    else if (on_bar || on_box(r)) seq += "?";
  }
  return seq;
}

class BarSetUp : public ::testing::TestWithParam<std::string> {};

TEST_P(BarSetUp, ShowsClearsLabelsEmptiesAndFocusesInOrder) {
  const std::string name = GetParam();
  const Lesson& lesson = *lessons::FindLesson(name);
  int multi_box = 0;
  for (int p = 1; p <= lesson.LastPage(); ++p) {
    const frame::Page& page = lesson.pages[static_cast<std::size_t>(p)];
    if (page.kind != PageKind::kPractice) continue;
    const std::string script = PracticeWalk(p, page.practice.problems.size(), "probe check\n");
    std::size_t mark = 0;
    int problem = 0;
    LessonRunOptions o;
    o.on_probe = [&](LessonRun& r, const std::string&) {
      ++problem;
      const frame::AnswerBar* bar = ShownBar(r.frame());
      ASSERT_NE(bar, nullptr);
      const std::vector<TraceRecord> since = TraceSince(r.rt(), mark);
      mark = r.rt().trace().lines().size();
      if (bar->boxes.size() > 1) {
        ++multi_box;
        // Shown (and cleared), at least one label, every box emptied, focus.
        std::string head = kClearedBars.count(name) ? "sc" : "s";
        std::string tail = std::string(bar->boxes.size(), 'e') + "f";
        std::string got = BarOps(since, *bar);
        std::size_t labels = got.size() >= head.size() + tail.size() ? got.size() - head.size() - tail.size() : 0;
        EXPECT_TRUE(labels > 0 && got == head + std::string(labels, 't') + tail)
            << name << " page " << p << " problem " << problem << " " << bar->form << ": " << got << ", want "
            << head << "t+" << tail;
      }
      if (auto typed = RightTyping(r.frame(), *bar)) TypeAndConfirm(r.rt(), r.frame(), *bar, *typed);
    };
    LessonRun run(lesson, *lessons::ResourcesOf(name), script, o);
    EXPECT_EQ(problem, static_cast<int>(page.practice.problems.size())) << name << " page " << p;
  }
  if (kClearedBars.count(name)) {
    EXPECT_GT(multi_box, 0) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, BarSetUp, ::testing::ValuesIn(LessonNames()), LessonTestName());

}  // namespace
}  // namespace ham::testing
