// Over every lesson: a wrong answer's OK leaves the board above its hint as
// it was, so the pupil answers again looking at the whole figure.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "lessons/resources.h"
#include "tests/lessons/harness.h"
#include "tests/every_lesson/every_lesson.h"
#include "tests/support/walk.h"

namespace ham::testing {
namespace {

using namespace ham::frame;

class WrongAnswerBoard : public ::testing::TestWithParam<std::string> {};

// The top pixel row of what the handler drew in text from `records` on:
// prints by their text row, graphic texts by their mapped y.
std::optional<int> HintTop(const std::vector<TraceRecord>& records, const Canvas& board) {
  std::optional<int> top;
  for (const TraceRecord& r : records) {
    if (!r.count("form") || r.at("form") != "MAINFORM") continue;
    int y;
    if (r.at("op") == "print") y = std::stoi(r.at("row")) * 16;
    else if (r.at("op") == "text") y = static_cast<int>(board.MapY(Num(r, "y")));
    else continue;
    top = top ? std::min(*top, y) : y;
  }
  return top;
}

TEST_P(WrongAnswerBoard, LeavesTheBoardAboveTheHint) {
  const std::string name = GetParam();
  const Lesson& lesson = *lessons::FindLesson(name);
  const ResourceTable& resources = *lessons::ResourcesOf(name);
  for (int p = 1; p <= lesson.LastPage(); ++p) {
    const frame::Page& page = lesson.pages[static_cast<std::size_t>(p)];
    if (page.kind != PageKind::kPractice) continue;
    const std::string script =
        PracticeWalk(p, page.practice.problems.size(), "probe before\nprobe wrong\nprobe after\nprobe right\n");
    Surface before;
    std::size_t mark = 0;
    int problem = 0;
    LessonRunOptions o;
    o.on_probe = [&](LessonRun& r, const std::string& what) {
      Runtime& rt = r.rt();
      Frame& frame = r.frame();
      const frame::AnswerBar* bar = ShownBar(frame);
      ASSERT_NE(bar, nullptr) << name << " page " << p << " problem " << problem + 1;
      if (what == "before") {
        ++problem;
        before = rt.main_form().surface();
      } else if (what == "wrong") {
        mark = rt.trace().lines().size();
        TypeAndConfirm(rt, frame, *bar, WrongTyping(frame, *bar));
      } else if (what == "after") {
        std::optional<int> top = HintTop(TraceSince(rt, mark), rt.main_form());
        const Surface& after = rt.main_form().surface();
        int rows = std::min(top.value_or(after.height()), after.height());
        int changed = -1;
        for (int y = 0; y < rows && changed < 0; ++y)
          for (int x = 0; x < after.width(); ++x)
            if (before.Get(x, y) != after.Get(x, y)) {
              changed = y;
              break;
            }
        EXPECT_EQ(changed, -1) << name << " page " << p << " problem " << problem << ": pixel row " << changed
                               << " changed above the hint's top row " << rows;
      } else if (auto typed = RightTyping(frame, *bar)) {
        TypeAndConfirm(rt, frame, *bar, *typed);
      }
    };
    LessonRun run(lesson, resources, script, o);
    EXPECT_EQ(problem, static_cast<int>(page.practice.problems.size())) << name << " page " << p;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, WrongAnswerBoard, ::testing::ValuesIn(LessonNames()), LessonTestName());

}  // namespace
}  // namespace ham::testing
