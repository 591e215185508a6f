// Sequential files by number: the learner record written and read back,
// input items, output statements, delete, holding a file, and the fatal
// report of a file that cannot be used.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <iterator>
#include <stdexcept>

#include "platform/api.h"
#include "tests/platform/drive_fixture.h"
#include "tests/support/children.h"

namespace ham {
namespace {

using test_support::DriveFixture;
namespace fs = std::filesystem;

struct RecordDrive : DriveFixture {
  RecordDrive() {
    Put(C("APPS/ABCDE/L10/NO.BAS"), "123\r\n");
    rt.current_folder() = C("APPS/ABCDE/L10");
  }
};

TEST(Files, LearnerRecordRoundTrip) {
  RecordDrive d;
  const float flags1[9] = {1, 0, 1, 1, 0, 0, 1, 0, 1};
  const float flags2[11] = {0, 1, 1, 0, 1, 0, 0, 0, 1, 1, 0};

  std::string id;
  RtFileOpen(1, "NO.BAS", "I");
  RtFileInputBegin(1);
  RtFileInputVars({id});
  RtFileClose({1});
  ASSERT_EQ(id, "123");

  const std::string record = "C:\\DI1" + id;
  RtFileOpen(1, record, "O");
  RtFilePrintBegin(1);
  RtFilePrintInteger(9, 1);
  RtFilePrintInteger(11, 1);
  RtFilePrintInteger(0, 1);
  for (float f : flags1) RtFilePrintSingle(f, 1);
  for (int i = 0; i < 11; ++i) RtFilePrintSingle(flags2[i], i < 10 ? 1 : 0);
  RtFilePrintEnd();
  EXPECT_EQ(d.Get(d.C("DI1123")), "") << "written on close";
  RtFileClose({1});
  std::string text = d.Get(d.C("DI1123"));
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(text.find('\n'), text.size() - 1) << "one line";

  float counts[3] = {-1, -1, -1};
  float got1[9], got2[11];
  RtFileOpen(1, record, "I");
  RtFileInputBegin(1);
  RtFileInputVars({counts[0], counts[1], counts[2]});
  for (float& f : got1) {
    RtFileInputBegin(1);
    RtFileInputVars({f});
  }
  for (float& f : got2) {
    RtFileInputBegin(1);
    RtFileInputVars({f});
  }
  RtFileClose({1});
  EXPECT_EQ(counts[0], 9);
  EXPECT_EQ(counts[1], 11);
  EXPECT_EQ(counts[2], 0);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(got1[i], flags1[i]) << i;
  for (int i = 0; i < 11; ++i) EXPECT_EQ(got2[i], flags2[i]) << i;

  auto files = d.Ops("file");
  ASSERT_EQ(files.size(), 3u);
  EXPECT_NE(files[0].find("\"mode\":\"I\",\"path\":\"NO.BAS\""), std::string::npos) << files[0];
  EXPECT_NE(files[1].find("\"mode\":\"O\",\"path\":\"C:\\\\DI1123\""), std::string::npos) << files[1];
}

TEST(Files, NumbersOfEveryKindReadBackAsWritten) {
  RecordDrive d;
  const float singles[] = {0.5f, -0.5f, -3, 1.25f, 100000, -0.0625f, 0};
  const std::int32_t integers[] = {-7, 0, 32767, -32768};
  const double doubles[] = {0.5, -2.75, 12345};
  RtFileOpen(2, "NUMS.TXT", "O");
  RtFilePrintBegin(2);
  for (float v : singles) RtFilePrintSingle(v, 1);
  for (std::int32_t v : integers) RtFilePrintInteger(v, 1);
  for (double v : doubles) RtFilePrintFloat(v, 1);
  RtFilePrintEnd();
  RtFilePrintBegin(2);  // a second line
  RtFilePrintInteger(-1, 0);
  RtFilePrintEnd();
  RtFileClose({2});

  RtFileOpen(3, "nums.txt", "I");
  for (float v : singles) {
    float x = 99;
    RtFileInputBegin(3);
    RtFileInputVars({x});
    EXPECT_EQ(x, v) << "single " << v;
  }
  for (std::int32_t v : integers) {
    std::int16_t x = 99;
    RtFileInputBegin(3);
    RtFileInputVars({x});
    EXPECT_EQ(x, v) << "integer " << v;
  }
  for (double v : doubles) {
    double x = 99;
    RtFileInputBegin(3);
    RtFileInputVars({x});
    EXPECT_EQ(x, v) << "double " << v;
  }
  std::int16_t last = 0;
  RtFileInputBegin(3);
  RtFileInputVars({last});
  EXPECT_EQ(last, -1);
  RtFileClose({3});
}

TEST(Files, ShortRecordReadsZeros) {
  RecordDrive d;
  d.Put(d.C("DI1123"), " 9  11 \r\n");
  float counts[3] = {-1, -1, -1};
  float flags[9];
  std::fill(std::begin(flags), std::end(flags), -1.0f);
  std::string s = "x";
  RtFileOpen(1, "C:\\DI1123", "I");
  RtFileInputBegin(1);
  RtFileInputVars({counts[0], counts[1], counts[2]});
  for (float& f : flags) {
    RtFileInputBegin(1);
    RtFileInputVars({f});
  }
  RtFileInputBegin(1);
  RtFileInputVars({s});
  RtFileClose({1});
  EXPECT_EQ(counts[0], 9);
  EXPECT_EQ(counts[1], 11);
  EXPECT_EQ(counts[2], 0);
  for (float f : flags) EXPECT_EQ(f, 0);
  EXPECT_EQ(s, "");
}

TEST(Files, InputItems) {
  // Each read is one variable: 's' string, 'f' single, 'i' integer, 'd' double.
  struct Read {
    char kind;
    const char* text;  // expected string
    double number;     // expected number
  };
  struct Case {
    const char* content;
    std::vector<Read> reads;
  };
  const Case cases[] = {
      {"123\r\n456\r\n", {{'s', "123", 0}, {'s', "456", 0}, {'s', "", 0}}},
      {"  abc def  ,x\r\n", {{'s', "abc def", 0}, {'s', "x", 0}}},
      {"\"a, b\" , c,,\"\"\n", {{'s', "a, b", 0}, {'s', "c", 0}, {'s', "", 0}, {'s', "", 0}}},
      {"ｷﾗﾘ 太郎,2", {{'s', "ｷﾗﾘ 太郎", 0}, {'f', "", 2}}},
      {"12abc 5", {{'f', "", 12}, {'f', "", 5}}},
      {"1,,2 , 3", {{'f', "", 1}, {'f', "", 0}, {'f', "", 2}, {'f', "", 3}}},
      {"-1.5E+02 .5 3D-1 +4 1e", {{'d', "", -150}, {'d', "", 0.5}, {'d', "", 0.3}, {'d', "", 4}, {'d', "", 1}}},
      {"\r\n\r\n\t 7", {{'f', "", 7}}},
      {"1\n2\r3\r\n4", {{'i', "", 1}, {'i', "", 2}, {'i', "", 3}, {'i', "", 4}}},
      {"2.5 3.5 -2.5 40000 -1e9", {{'i', "", 2}, {'i', "", 4}, {'i', "", -2}, {'i', "", 32767}, {'i', "", -32768}}},
      {"x 7", {{'f', "", 0}, {'f', "", 7}}},
      {"5 abc", {{'f', "", 5}, {'s', "abc", 0}}},
      {"", {{'s', "", 0}, {'f', "", 0}, {'i', "", 0}}},
  };
  for (const Case& k : cases) {
    RecordDrive d;
    d.Put(d.C("IN.TXT"), k.content);
    RtFileOpen(1, "C:\\IN.TXT", "I");
    for (const Read& r : k.reads) {
      std::string s = "?";
      float f = -99;
      std::int16_t i = -99;
      double x = -99;
      RtFileInputBegin(1);
      switch (r.kind) {
        case 's': RtFileInputVars({s}); EXPECT_EQ(s, r.text) << k.content; break;
        case 'f': RtFileInputVars({f}); EXPECT_FLOAT_EQ(f, static_cast<float>(r.number)) << k.content; break;
        case 'i': RtFileInputVars({i}); EXPECT_EQ(i, r.number) << k.content; break;
        default: RtFileInputVars({x}); EXPECT_DOUBLE_EQ(x, r.number) << k.content; break;
      }
    }
    RtFileClose({1});
  }
}

TEST(Files, OneStatementWritesOneLine) {
  RecordDrive d;
  RtFileOpen(1, "OUT.TXT", "O");
  RtFilePrintBegin(1);
  RtFilePrintInteger(9, 1);
  RtFilePrintInteger(-3, 1);
  RtFilePrintInteger(0, 0);
  RtFilePrintEnd();
  RtFilePrintBegin(1);
  RtFilePrintEnd();
  RtFileClose({1});
  EXPECT_EQ(d.Get(d.C("APPS/ABCDE/L10/OUT.TXT")), " 9 -3  0 \r\n\r\n");
}

TEST(Files, OpenOutputFilesReachTheDiskWhenTheRuntimeEnds) {
  DriveFixture d;
  fs::path p = d.C("KEPT.TXT");
  {
    Runtime rt2;
    rt2.SetDriveC(d.c);
    rt2.current_folder() = d.c;
    EXPECT_EQ(RunProgram(rt2,
                         [] {
                           RtFileOpen(1, "KEPT.TXT", "O");
                           RtFilePrintBegin(1);
                           RtFilePrintInteger(5, 0);
                           RtFilePrintEnd();
                           RtEnd(0);
                         }),
              0);
  }
  EXPECT_EQ(d.Get(p), " 5 \r\n");
}

TEST(Files, AnOutputNotClosedIsDiscardedAndTheOldFileStays) {
  struct Case {
    const char* what;
    std::function<void()> after_writing;  // how the program stops short of the close
  };
  const Case cases[] = {
      {"fatal report", [] { RtFileInputBegin(7); }},
      {"exception", [] { throw std::runtime_error("out of memory"); }},
      {"runtime gone", [] {}},
  };
  for (const Case& k : cases) {
    DriveFixture d;
    d.Put(d.C("DI101"), " 9  11  0  1 \r\n");
    {
      Runtime rt2;
      rt2.SetDriveC(d.c);
      rt2.current_folder() = d.c;
      RunProgram(rt2, [&] {
        RtFileOpen(1, "C:\\DI101", "O");
        RtFilePrintBegin(1);
        RtFilePrintInteger(9, 1);
        k.after_writing();
      });
    }
    EXPECT_EQ(d.Get(d.C("DI101")), " 9  11  0  1 \r\n") << k.what;
    EXPECT_EQ(std::distance(fs::directory_iterator(d.c), fs::directory_iterator()), 1) << k.what;
  }
}

TEST(Files, TemporaryNameIsShortWhateverTheFilesName) {
  DriveFixture d;
  // The longest name the folder takes.
  const std::string name = "DI1" + std::string(252, 'A');
  d.Put(d.C(name), " 1 \r\n");
  EXPECT_EQ(RunProgram(d.rt,
                       [&] {
                         RtFileOpen(1, "C:\\" + name, "O");
                         RtFilePrintBegin(1);
                         RtFilePrintInteger(2, 0);
                         RtFilePrintEnd();
                         RtFileClose({1});
                       }),
            0);
  EXPECT_EQ(d.Get(d.C(name)), " 2 \r\n");
}

TEST(Files, TemporariesOfRunsThatAreGoneAreRemovedAtTheNextWrite) {
  DriveFixture d;
  // Process ids above the system's limit belong to no process; process 1 is
  // always running.
  const char* gone[] = {".ham~3fffffff0001", "DI101.~999999999"};
  const char* kept[] = {".ham~000000010000", "DI101.~1", "DI101.~x1", "NOTES.~", ".ham~3fffffff000"};
  for (const char* n : gone) d.Put(d.C(n), "half");
  for (const char* n : kept) d.Put(d.C(n), "half");
  fs::create_directory(d.C("DI102.~999999998"));
  RtFileOpen(1, "C:\\DI101", "O");
  RtFileClose({1});
  for (const char* n : gone) EXPECT_FALSE(fs::exists(d.C(n))) << n;
  for (const char* n : kept) EXPECT_TRUE(fs::exists(d.C(n))) << n;
  EXPECT_TRUE(fs::is_directory(d.C("DI102.~999999998")));
  EXPECT_EQ(d.Get(d.C("DI101")), "");
}

TEST(Files, DeleteRemovesTheFile) {
  RecordDrive d;
  d.Put(d.C("DI1123"), " 1 \r\n");
  RtFileDelete("c:\\di1123");
  EXPECT_FALSE(fs::exists(d.C("DI1123")));
  auto files = d.Ops("file");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_NE(files[0].find("\"mode\":\"delete\",\"path\":\"c:\\\\di1123\""), std::string::npos) << files[0];
}

TEST(Files, UnusableFilesGiveTheFatalReport) {
  struct Case {
    const char* what;
    std::function<void()> run;
  };
  const Case cases[] = {
      {"missing input file", [] { RtFileOpen(1, "C:\\DI1999", "I"); }},
      {"missing folder", [] { RtFileOpen(1, "NOWHERE\\X.TXT", "O"); }},
      {"path out of drive C", [] { RtFileOpen(1, "C:\\..\\etc\\passwd", "I"); }},
      {"folder as file", [] { RtFileOpen(1, "C:\\APPS", "O"); }},
      {"unknown mode", [] { RtFileOpen(1, "NO.BAS", "A"); }},
      {"number already open",
       [] {
         RtFileOpen(1, "NO.BAS", "I");
         RtFileOpen(1, "NO.BAS", "I");
       }},
      {"input from an output file",
       [] {
         RtFileOpen(1, "NEW.TXT", "O");
         RtFileInputBegin(1);
       }},
      {"print to an input file",
       [] {
         RtFileOpen(1, "NO.BAS", "I");
         RtFilePrintBegin(1);
       }},
      {"input from a closed file", [] { RtFileInputBegin(4); }},
      {"delete a missing file", [] { RtFileDelete("C:\\DI1999"); }},
      {"delete a folder", [] { RtFileDelete("C:\\APPS"); }},
      {"lock file a folder",
       [] {
         fs::create_directory(Runtime::Current().drive_c() / ".DI1123.lock");
         OsLockFile("C:\\DI1123");
       }},
      {"lock file a FIFO",  // refused, not waited on
       [] {
         ::mkfifo((Runtime::Current().drive_c() / ".DI1123.lock").c_str(), 0600);
         OsLockFile("C:\\DI1123");
       }},
      {"failed write", [] {
         RtFileOpen(1, "Z:\\dev\\full", "O");
         RtFilePrintBegin(1);
         RtFilePrintInteger(1, 0);
         RtFilePrintEnd();
         RtFileClose({1});
       }},
  };
  for (const Case& k : cases) {
    RecordDrive d;
    EXPECT_EQ(RunProgram(d.rt, k.run), 1) << k.what;
    auto fatal = d.Ops("fatal");
    ASSERT_EQ(fatal.size(), 1u) << k.what;
    EXPECT_NE(fatal[0].find("続行不可能なエラーが発生しました files_test.cpp ["), std::string::npos)
        << k.what << ": " << fatal[0];
    EXPECT_NE(fatal[0].find("行]"), std::string::npos) << fatal[0];
  }
  EXPECT_TRUE(fs::exists("/etc/passwd"));
}

// Another runtime on the same drive C stands for another program.
int LockFromAnotherProgram(const DriveFixture& d, const char* dos_path) {
  Runtime other;
  other.SetDriveC(d.c);
  other.current_folder() = d.c;
  return OsLockFile(dos_path);
}

TEST(Files, AFileIsHeldByOneProgramAtATimeUntilItsRuntimeGoes) {
  DriveFixture d;
  d.Put(d.C("DI101"), " 9 \r\n");
  {
    Runtime holder;
    holder.SetDriveC(d.c);
    holder.current_folder() = d.c;
    holder.trace().set_keep(true);
    EXPECT_EQ(OsLockFile("C:\\DI101"), -1);
    EXPECT_EQ(OsLockFile("c:\\di101"), -1);  // the same file, already held
    EXPECT_EQ(LockFromAnotherProgram(d, "C:\\DI101"), 0);
    EXPECT_EQ(LockFromAnotherProgram(d, "C:\\DI102"), -1);  // another file is free
    EXPECT_TRUE(holder.trace().lines().empty());
  }
  // Let go with the runtime; the lock file stays, and serves again.
  EXPECT_TRUE(fs::is_regular_file(d.C(".DI101.lock")));
  EXPECT_EQ(LockFromAnotherProgram(d, "C:\\DI101"), -1);
  EXPECT_EQ(d.Get(d.C("DI101")), " 9 \r\n");
}

TEST(Files, AProgramTheHolderStartsDoesNotHoldTheFile) {
  DriveFixture d;
  d.Put(d.C("DI101"), "");
  // The program waits for a line on GO; this side keeps GO open until the
  // program has ended, so that the program's open does not wait and the line
  // stays there for it.
  ASSERT_EQ(::mkfifo(d.C("GO").c_str(), 0600), 0);
  const int go = ::open(d.C("GO").c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(go, 0);
  d.Put(d.C("WAIT.SH"), "read line < GO\n");
  testing::AdoptStartedPrograms();
  {
    Runtime holder;
    holder.SetDriveC(d.c);
    holder.current_folder() = d.c;
    ASSERT_EQ(OsLockFile("C:\\DI101"), -1);
    RtRunProgram("WAIT.SH");
  }
  // The holder is gone; the program it started still runs.
  EXPECT_EQ(LockFromAnotherProgram(d, "C:\\DI101"), -1);
  EXPECT_EQ(::write(go, "\n", 1), 1);
  EXPECT_TRUE(testing::WaitForStartedPrograms());
  ::close(go);
}

TEST(Files, MissingInputFileNamesTheStatementLine) {
  RecordDrive d;
  const int line = __LINE__ + 1;
  EXPECT_EQ(RunProgram(d.rt, [] { RtFileOpen(1, "C:\\DI1XYZ", "I"); }), 1);
  auto fatal = d.Ops("fatal");
  ASSERT_EQ(fatal.size(), 1u);
  EXPECT_NE(fatal[0].find("続行不可能なエラーが発生しました files_test.cpp [" + std::to_string(line) + "行]"),
            std::string::npos)
      << fatal[0];
  EXPECT_NE(fatal[0].find("DI1XYZ"), std::string::npos) << fatal[0];
}

}  // namespace
}  // namespace ham

namespace ham {
namespace {

TEST(Files, OutputReplacesTheOldFileOnlyWhenComplete) {
  test_support::DriveFixture d;
  d.Put(d.C("DI101"), " 9  11  0  1 \r\n");
  RtFileOpen(1, "C:\\DI101", "O");
  RtFilePrintBegin(1);
  RtFilePrintInteger(6, 0);
  RtFilePrintEnd();
  // While the new record is written the old one stays whole.
  EXPECT_EQ(test_support::DriveFixture::Get(d.C("DI101")), " 9  11  0  1 \r\n");
  RtFileClose({1});
  EXPECT_EQ(test_support::DriveFixture::Get(d.C("DI101")), " 6 \r\n");
  int entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(d.c)) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 1);  // nothing left beside it
}

}  // namespace
}  // namespace ham
