// Every lesson's content as approved: for each lesson, the trace of its
// start-up, contents page and end page, of every explanation page played
// from paragraph 1, and of every practice page with each problem set up,
// answered wrong (each way the problem's hints tell apart) and answered
// right, and of the contents page, chooser and practice pages' openings with
// every problem passed, compared with the approved text in
// tests/approved/<lesson>/.
//
// After an intended change, scripts/approve-traces.sh writes the approved
// files anew; review the change as their diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "lessons/resources.h"
#include "tests/every_lesson/every_lesson.h"
#include "tests/lessons/harness.h"
#include "tests/support/process.h"
#include "tests/support/walk.h"

namespace ham::testing {
namespace {

using namespace ham::frame;
namespace fs = std::filesystem;

const fs::path kApproved = HAM_APPROVED_DIR;

// A trace line as approved text: the operation, then its fields in the
// trace's order, strings quoted, without the clock.
std::string Render(const std::string& line) {
  const auto j = nlohmann::ordered_json::parse(line);
  std::string out = j.at("op").get<std::string>();
  for (const auto& [key, value] : j.items()) {
    if (key == "t" || key == "op") continue;
    out += " " + key + "=" + value.dump();
  }
  return out;
}

// The answers a pupil might give the problem on screen that its bar takes
// as wrong: any digits, each typing a hint of the problem or page names,
// each right answer with one box wrong, and a right answer ending in a blank
// where the page warns of one. Repeats are left out.
std::vector<std::vector<std::string>> WrongAnswers(Frame& frame, const frame::AnswerBar& bar, int page) {
  const PracticePage& pp = frame.lesson().pages[static_cast<std::size_t>(page)].practice;
  const Problem* problem = frame.CurrentProblem(page);
  const int n = static_cast<int>(frame.ProblemNumber(page));
  const std::vector<std::string> wrong = WrongTyping(frame, bar);
  const std::vector<std::string> right = RightTyping(frame, bar).value_or(wrong);
  std::vector<std::vector<std::string>> out;
  auto add = [&](const std::vector<std::string>& typed) {
    if (!Accepts(frame, bar, typed) && std::find(out.begin(), out.end(), typed) == out.end()) out.push_back(typed);
  };
  add(wrong);
  std::vector<const Hint*> hints;
  if (problem)
    for (const Hint& h : problem->hints) hints.push_back(&h);
  for (const Hint& h : pp.hints) hints.push_back(&h);
  for (const Hint* h : hints) {
    if (h->typed.empty() || (h->first != 0 && (n < h->first || n > h->last))) continue;
    std::vector<std::string> typed = wrong;
    bool fits = true;
    for (std::size_t i = 0; i < h->typed.size(); ++i) {
      const std::string* box = BoxOfSlot(bar, h->typed_from + static_cast<int>(i));
      if (!box) {
        fits = false;
        break;
      }
      typed[static_cast<std::size_t>(std::find(bar.boxes.begin(), bar.boxes.end(), *box) - bar.boxes.begin())] =
          h->typed[i];
    }
    if (fits) add(typed);
  }
  if (bar.boxes.size() > 1)
    for (std::size_t i = 0; i < bar.boxes.size(); ++i) {
      std::vector<std::string> typed = right;
      typed[i] = wrong[i];
      add(typed);
    }
  if (pp.blank_warning) {
    std::vector<std::string> typed = right;
    typed[0] += " ";
    add(typed);
  }
  return out;
}

// Probes enough for every wrong answer of any problem; the ones beyond a
// problem's answers do nothing.
constexpr int kWrongProbes = 16;

struct Item {
  std::string name;    // file name without ".txt": "contents", "page-4"
  std::string script;
  int page = 0;        // practice page walked, 0 for none
  bool from_start = false;  // the whole run, else from the first action to the exit
  bool passed = false;      // the record has every problem passed
};

std::vector<Item> Items(const Lesson& lesson) {
  std::vector<Item> items;
  const int last = lesson.LastPage() - 1;
  items.push_back({"contents", "click BMPBUTTON6\n" + Page(last) + "click BMPBUTTON3\n", 0, true});
  for (int p = 1; p <= last; ++p) {
    const frame::Page& page = lesson.pages[static_cast<std::size_t>(p)];
    std::string name = "page-" + std::to_string(p);
    if (page.kind == PageKind::kExplanation) {
      items.push_back({name, Page(p) + Choose(1), 0, false});
    } else if (page.kind == PageKind::kPractice) {
      std::string answers;
      for (int k = 0; k < kWrongProbes; ++k) answers += "probe wrong " + std::to_string(k) + "\n";
      const std::string script = PracticeWalk(p, page.practice.problems.size(), answers + "probe right\n");
      items.push_back({name, script, p, false});
    }
  }
  // With every problem passed: the marks on the contents page, on the
  // chooser and on each practice page's opening.
  std::string passed;
  for (int p = 1; p <= last; ++p)
    if (lesson.pages[static_cast<std::size_t>(p)].kind == PageKind::kPractice) passed += Page(p);
  items.push_back({"passed", passed + "click BMPBUTTON6\n", 0, true, true});
  return items;
}

// The record's flags with every problem of every practice page passed.
std::vector<std::vector<int>> EveryProblemPassed(const Lesson& lesson) {
  std::vector<std::vector<int>> flags;
  for (const frame::Page& page : lesson.pages)
    if (page.kind == PageKind::kPractice) flags.emplace_back(page.practice.problems.size(), 1);
  return flags;
}

// What the walk typed, and where in the trace: shown as a line of its own.
struct Answer {
  std::size_t at;
  std::vector<std::string> typed;
};

std::string Approved(const Item& item, const std::vector<std::string>& lines, const std::vector<Answer>& answers) {
  std::size_t from = 0, to = lines.size();
  if (!item.from_start) {
    while (from < lines.size() && lines[from].find("\"op\":\"action\"") == std::string::npos) ++from;
    for (std::size_t i = lines.size(); i > from; --i)
      if (lines[i - 1].find("\"procedure\":\"FE$BMPBUTTON7_ON\"") != std::string::npos) {
        to = i - 1;
        break;
      }
  }
  std::string out;
  auto answer = answers.begin();
  for (std::size_t i = from; i < to; ++i) {
    for (; answer != answers.end() && answer->at <= i; ++answer) {
      out += "# the pupil answers";
      for (const std::string& t : answer->typed) out += " " + nlohmann::json(t).dump();
      out += "\n";
    }
    out += Render(lines[i]) + "\n";
  }
  return out;
}

// Where two texts first differ, with a few lines of each side around it.
std::string FirstDifference(const std::string& approved, const std::string& fresh) {
  const std::vector<std::string> a = Lines(approved), b = Lines(fresh);
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  auto side = [&](const std::vector<std::string>& v) {
    std::string s;
    for (std::size_t k = i >= 2 ? i - 2 : 0; k < std::min(v.size(), i + 6); ++k)
      s += (k == i ? "  > " : "    ") + std::to_string(k + 1) + ": " + v[k] + "\n";
    return s.empty() ? "    (ends here)\n" : s;
  };
  return "first difference at line " + std::to_string(i + 1) + "\n  approved:\n" + side(a) + "  now:\n" + side(b);
}

class ApprovedTraces : public ::testing::TestWithParam<std::string> {};

TEST_P(ApprovedTraces, EveryPageAsApproved) {
  const std::string name = GetParam();
  const Lesson& lesson = *lessons::FindLesson(name);
  const bool approve = std::getenv("HAM_APPROVE") != nullptr;
  const fs::path dir = kApproved / name;
  std::set<fs::path> written;
  for (const Item& item : Items(lesson)) {
    std::vector<Answer> answers;
    LessonRunOptions o;
    if (item.passed) o.flags = EveryProblemPassed(lesson);
    o.on_probe = [&item, &answers](LessonRun& r, const std::string& what) {
      Frame& frame = r.frame();
      const frame::AnswerBar* bar = ShownBar(frame);
      if (!bar || !frame.CurrentProblem(item.page)) return;
      std::optional<std::vector<std::string>> typed;
      if (what == "right") {
        typed = RightTyping(frame, *bar);
        if (!typed) ADD_FAILURE() << "no right answer for a problem of page " << item.page;
      } else {
        std::size_t k = std::stoul(what.substr(what.find(' ') + 1));
        auto wrong = WrongAnswers(frame, *bar, item.page);
        if (k < wrong.size()) typed = wrong[k];
      }
      if (!typed) return;
      answers.push_back({r.rt().trace().lines().size(), *typed});
      TypeAndConfirm(r.rt(), frame, *bar, *typed);
    };
    LessonRun run(lesson, *lessons::ResourcesOf(name), item.script, o);
    const std::string fresh = Approved(item, run.rt().trace().lines(), answers);
    const fs::path file = dir / (item.name + ".txt");
    if (approve) {
      fs::create_directories(dir);
      std::ofstream(file, std::ios::binary) << fresh;
      written.insert(file);
      continue;
    }
    if (!fs::exists(file)) {
      ADD_FAILURE() << name << " " << item.name << ": no approved trace " << file;
      continue;
    }
    const std::string approved = ReadText(file);
    if (approved != fresh)
      ADD_FAILURE() << name << " " << item.name << " differs from " << file << "\n"
                    << FirstDifference(approved, fresh);
  }
  if (approve)  // pages the lesson no longer has
    for (const fs::directory_entry& e : fs::directory_iterator(dir))
      if (!written.count(e.path())) fs::remove(e.path());
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, ApprovedTraces, ::testing::ValuesIn(LessonNames()), LessonTestName());

}  // namespace
}  // namespace ham::testing
