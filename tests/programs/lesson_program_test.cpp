// The built divisors lesson run as its own process: two copies on one
// learner record, one held at a point of its run while the other runs, and
// what a lesson that refuses to start tells the teacher.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "tests/lessons/harness.h"
#include "tests/programs/site.h"
#include "tests/support/children.h"

namespace ham::testing {
namespace {

namespace fs = std::filesystem;

const char* const kInUse = "学習の記録が ほかの画面で使われています｡そちらを終わらせてから始めて下さい｡";

// Pass problem 2, or problem 1, of the first practice page (page 3), then leave.
const std::string kPassSecond = Page(3) + Choose(2) + AnswerOne("1 2 3 4 6 12") + "click BMPBUTTON7\n";
const std::string kPassFirst = Page(3) + Choose(1) + AnswerOne("1 3 5 15") + "click BMPBUTTON7\n";

void Write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

std::vector<TraceRecord> TraceOf(const fs::path& file) { return ParseTrace(Lines(ReadText(file))); }

std::vector<TraceRecord> OpsOf(const std::vector<TraceRecord>& trace, const std::string& op) {
  std::vector<TraceRecord> out;
  for (const TraceRecord& r : trace)
    if (r.at("op") == op) out.push_back(r);
  return out;
}

// A copy of the lesson held just after it has read the learner record: its
// trace goes into a pipe that this side reads up to that point, and then it
// is stopped. The pipe is a page long, so that the copy cannot run to its end
// on what is left unread even before it stops.
class HeldCopy {
 public:
  HeldCopy(const SiteOnDisk& site, const fs::path& script, const fs::path& err) {
    int p[2];
    if (pipe2(p, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    read_ = p[0];
    fcntl(p[1], F_SETPIPE_SZ, 4096);
    ProgramCall call = DivisorsRun(site, script, "/dev/fd/3");
    call.err = err;
    call.fd3 = p[1];
    pid_ = StartProgram(call);
    close(p[1]);
  }
  ~HeldCopy() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      WaitStatus(pid_);
    }
    if (read_ >= 0) close(read_);
  }

  // Reads the trace until the record has been opened for input; false when
  // the copy's trace ended first.
  bool ReadUntilTheRecordIsRead() {
    for (std::string line; NextLine(line);) {
      TraceRecord r = ParseTraceLine(line);
      if (r.at("op") == "file" && r.at("mode") == "I" && r.at("path") == "C:\\DI1YAKU01") return true;
    }
    return false;
  }
  // Stops the copy; true once it is stopped (not ended).
  bool Stop() {
    kill(pid_, SIGSTOP);
    return WIFSTOPPED(WaitStatus(pid_, WUNTRACED));
  }
  // Lets it go on to its end, reading the rest of its trace: its exit status.
  int ContinueToEnd() {
    kill(pid_, SIGCONT);
    for (std::string line; NextLine(line);) {
    }
    const int status = WaitStatus(pid_);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  // Ends it as a power cut would: no exit of its own.
  bool Kill() {
    kill(pid_, SIGKILL);
    const int status = WaitStatus(pid_);
    pid_ = -1;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  }

 private:
  bool NextLine(std::string& line) {
    line.clear();
    for (;;) {
      if (std::size_t nl = buffered_.find('\n'); nl != std::string::npos) {
        line = buffered_.substr(0, nl);
        buffered_.erase(0, nl + 1);
        return true;
      }
      char chunk[512];
      const ssize_t n = read(read_, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      buffered_.append(chunk, static_cast<std::size_t>(n));
    }
  }

  pid_t pid_ = -1;
  int read_ = -1;
  std::string buffered_;
};

TEST(LessonProgram, ASecondCopyOnTheSameRecordSaysSoAndLeavesTheRecordToTheFirst) {
  AdoptStartedPrograms();
  TempFolder t;
  const SiteOnDisk site = MakeSite(t.path / "drive_c");
  Write(t.path / "a.txt", kPassSecond);
  // The pupil closes the box the second copy shows, then would pass problem 1.
  Write(t.path / "b.txt", "dismiss\n" + kPassFirst);
  {
    HeldCopy a(site, t.path / "a.txt", t.path / "a.err");
    ASSERT_TRUE(a.ReadUntilTheRecordIsRead());
    ASSERT_TRUE(a.Stop());

    ProgramCall b = DivisorsRun(site, t.path / "b.txt", (t.path / "b.jsonl").string());
    b.err = t.path / "b.err";
    EXPECT_EQ(RunToEnd(b), 0);
    const std::vector<TraceRecord> trace = TraceOf(t.path / "b.jsonl");
    const std::vector<TraceRecord> boxes = OpsOf(trace, "msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].at("text"), kInUse);
    EXPECT_EQ(boxes[0].at("caption"), "");
    // Only NO.BAS was read: the record neither read, written nor deleted.
    for (const TraceRecord& f : OpsOf(trace, "file")) EXPECT_EQ(f.at("path"), "NO.BAS");
    EXPECT_TRUE(OpsOf(trace, "run").empty());
    EXPECT_EQ(OpsOf(trace, "end").size(), 1u);
    EXPECT_EQ(Lines(ReadText(t.path / "b.err")),
              std::vector<std::string>{"lesson not started: the learner record " + site.record.string() +
                                       " is held by another lesson that is still running on it; end that one first"});
    EXPECT_EQ(ReadText(site.record), DivisorsRecord());
    EXPECT_FALSE(fs::exists(site.host_log));

    EXPECT_EQ(a.ContinueToEnd(), 0);
  }
  EXPECT_EQ(ReadText(site.record), DivisorsRecord({2}));
  EXPECT_TRUE(ReadText(t.path / "a.err").empty()) << ReadText(t.path / "a.err");
  ASSERT_TRUE(WaitForStartedPrograms());
  int starts = 0;
  for (const std::string& line : Lines(ReadText(site.host_log))) starts += line.starts_with("started ");
  EXPECT_EQ(starts, 1);
}

TEST(LessonProgram, ACopyKilledWhileItHoldsTheRecordLeavesItFree) {
  AdoptStartedPrograms();
  TempFolder t;
  const SiteOnDisk site = MakeSite(t.path / "drive_c");
  Write(t.path / "a.txt", kPassSecond);
  Write(t.path / "b.txt", kPassFirst);
  {
    HeldCopy a(site, t.path / "a.txt", t.path / "a.err");
    ASSERT_TRUE(a.ReadUntilTheRecordIsRead());
    ASSERT_TRUE(a.Stop());
    ASSERT_TRUE(a.Kill());
  }
  ProgramCall b = DivisorsRun(site, t.path / "b.txt", (t.path / "b.jsonl").string());
  EXPECT_EQ(RunToEnd(b), 0);
  EXPECT_TRUE(OpsOf(TraceOf(t.path / "b.jsonl"), "msgbox").empty());
  EXPECT_EQ(ReadText(site.record), DivisorsRecord({1}));
  ASSERT_TRUE(WaitForStartedPrograms());
  EXPECT_TRUE(fs::exists(site.host_log));
}

TEST(LessonProgram, ALessonThatRefusesToStartSaysWhyOnStderr) {
  struct Case {
    const char* what;
    std::vector<std::string> site_flags;
    std::string record;  // written over the site's when not empty
    std::string box;
    std::vector<std::string> said;  // parts of the line, after its start
  };
  const Case cases[] = {
      {"host missing",
       {"--no-host"},
       "",
       "ｷﾗﾘﾉｰﾄ1.0がありません｡ｸﾘﾌﾀのｻｲﾄで体験版を無料入手して､そこへこのｿﾌﾄを入れて下さい｡",
       {"the host program ﾎﾟｺﾄﾁｬﾋﾟ1.exe is not in ", "/drive_c/KIRARI, where the lesson looks for it"}},
      {"another lesson's record",
       {},
       " 6  6  0  1  1  1 \r\n",
       "学習の記録がこの単元のものではありません｡先生に知らせて下さい｡",
       {"the learner record ", "/drive_c/DI1YAKU01 is another lesson's: its problem counts are 6 6 0, this lesson's 9 11 0;",
        "NO.BAS"}},
  };
  for (const Case& k : cases) {
    AdoptStartedPrograms();
    TempFolder t;
    const SiteOnDisk site = MakeSite(t.path / "drive_c", k.site_flags);
    if (!k.record.empty()) Write(site.record, k.record);
    const std::string before = ReadText(site.record);
    Write(t.path / "s.txt", "dismiss\n");
    ProgramCall run = DivisorsRun(site, t.path / "s.txt", (t.path / "t.jsonl").string());
    run.err = t.path / "err";
    EXPECT_EQ(RunToEnd(run), 0) << k.what;
    const std::vector<std::string> err = Lines(ReadText(run.err));
    ASSERT_EQ(err.size(), 1u) << k.what << ": " << ReadText(run.err);
    EXPECT_TRUE(err[0].starts_with("lesson not started: " + k.said[0])) << err[0];
    for (const std::string& part : k.said) EXPECT_NE(err[0].find(part), std::string::npos) << err[0];
    const std::vector<TraceRecord> trace = TraceOf(t.path / "t.jsonl");
    ASSERT_EQ(OpsOf(trace, "msgbox").size(), 1u) << k.what;
    EXPECT_EQ(OpsOf(trace, "msgbox")[0].at("text"), k.box);
    EXPECT_TRUE(OpsOf(trace, "run").empty()) << k.what;
    EXPECT_EQ(ReadText(site.record), before) << k.what;
  }
}

}  // namespace
}  // namespace ham::testing
