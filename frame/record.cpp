// The learner record: held and read at start-up, written whole at the exit.
#include "frame/frame.h"

#include "frame/internal.h"

namespace ham::frame {

namespace {

const char* const kRecordPrefix = "C:\\DI1";

// An identifier that would lead the record's path out of drive C's root
// entry, or hide characters, is refused.
bool SafeLearnerId(const std::string& id) {
  if (id.find("..") != std::string::npos) return false;
  for (unsigned char c : id)
    if (c < 0x20 || c == 0x7F || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' ||
        c == '"' || c == '<' || c == '>' || c == '|')
      return false;
  return true;
}

}  // namespace

std::string Frame::RecordPath() const { return kRecordPrefix + s_.LearnerId; }

void Frame::LoadLearnerRecord() {
  RtFileOpen(1, "NO.BAS", "I");
  RtFileInputBegin(1);
  RtFileInputVars({s_.LearnerId});
  RtFileClose({1});
  if (!SafeLearnerId(s_.LearnerId))
    Runtime::Current().Fatal("learner identifier refused: " + s_.LearnerId, std::source_location::current());
  // The record is this copy's until it ends: another copy on it would write
  // back at its exit what it read at its start, over this one's passes.
  if (OsLockFile(RecordPath()) == 0)
    RefuseStart("学習の記録が ほかの画面で使われています｡そちらを終わらせてから始めて下さい｡",
                "the learner record " + OsHostPath(RecordPath()) +
                    " is held by another lesson that is still running on it; end that one first");
  RtFileOpen(1, RecordPath(), "I");
  RtFileInputBegin(1);
  RtFileInputVars({s_.RecordCounts[0], s_.RecordCounts[1], s_.RecordCounts[2]});
  if (ForeignRecord()) {
    // Another lesson's record: its flags are not this lesson's passes, and
    // writing ours over it would lose them.
    RtFileClose({1});
    std::array<int, 3> own = RecordCountsOfLesson();
    std::string read, ours;
    for (std::size_t i = 0; i < own.size(); ++i) {
      std::string count = RtStrFromSingle(s_.RecordCounts[i]);
      read += " " + count.substr(count.find_first_not_of(' '));
      ours += " " + Num(own[i]);
    }
    RefuseStart("学習の記録がこの単元のものではありません｡先生に知らせて下さい｡",
                "the learner record " + OsHostPath(RecordPath()) + " is another lesson's: its problem counts are" +
                    read + ", this lesson's" + ours + "; give each lesson of the site an identifier of its own in NO.BAS");
  }
  for (const Page& p : lesson_.pages) {
    if (p.kind != PageKind::kPractice) continue;
    auto& flags = s_.PassFlags[static_cast<std::size_t>(p.practice.flags)];
    for (std::size_t i = 1; i <= p.practice.problems.size(); ++i) {
      RtFileInputBegin(1);
      RtFileInputVars({flags[i]});
    }
  }
  RtFileClose({1});
}

std::array<int, 3> Frame::RecordCountsOfLesson() const {
  std::array<int, 3> counts{};
  std::size_t k = 0;
  for (const Page& p : lesson_.pages)
    if (p.kind == PageKind::kPractice && k < counts.size()) counts[k++] = static_cast<int>(p.practice.problems.size());
  return counts;
}

// The head of the record names another lesson when a count it gives differs
// from this lesson's. A count of 0 gives nothing away: an empty or short
// record reads zeros there.
bool Frame::ForeignRecord() const {
  std::array<int, 3> own = RecordCountsOfLesson();
  for (std::size_t i = 0; i < own.size(); ++i)
    if (s_.RecordCounts[i] != 0 && s_.RecordCounts[i] != static_cast<float>(own[i])) return true;
  return false;
}

void Frame::ExitLesson() {
  FmMciSend(s_.MciRef, "close wave1");
  RtClearScreen(nullptr, 0);
  // The record is replaced as a whole: written beside the old one and put in
  // its place only when complete, so a failure keeps the old record.
  std::array<int, 3> counts = RecordCountsOfLesson();
  std::vector<const std::vector<float>*> flags;
  for (const Page& p : lesson_.pages)
    if (p.kind == PageKind::kPractice) flags.push_back(&s_.PassFlags[static_cast<std::size_t>(p.practice.flags)]);
  std::size_t total = 3;
  for (auto* f : flags) total += f->size() - 1;
  RtFileOpen(1, RecordPath(), "O");
  RtFilePrintBegin(1);
  std::size_t written = 0;
  for (int c : counts) RtFilePrintInteger(c, ++written < total ? 1 : 0);
  for (auto* f : flags)
    for (std::size_t i = 1; i < f->size(); ++i) RtFilePrintSingle((*f)[i], ++written < total ? 1 : 0);
  RtFilePrintEnd();
  RtFileClose({1});
  OsSetCurrentDirectory(s_.BaseFolder);
  RtRunProgram(kHostProgram);
  RtEnd(0);
}

}  // namespace ham::frame
