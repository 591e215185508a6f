// The DOS view of folders: drive C, drive Z, case-insensitive names, paths
// that try to leave their drive, the current folder, file search, and the
// start of another program.
#include <sys/stat.h>

#include "platform/api.h"
#include "platform/internal.h"
#include "tests/platform/drive_fixture.h"
#include "tests/support/children.h"

namespace ham {
namespace {

using test_support::DriveFixture;
namespace fs = std::filesystem;

const char* const kLesson = "APPS/ABCDE/L10";

struct LessonDrive : DriveFixture {
  LessonDrive() {
    Put(C(kLesson) / "CL.BMP", "bmp");
    Put(C(kLesson) / "NO.BAS", "1\r\n");
    Put(C("APPS") / "ﾎﾟｺﾄﾁｬﾋﾟ1.exe", "");
    Put(C("A") / "x", "");
    rt.current_folder() = C(kLesson);
  }
};

TEST(DosPath, LessonFolderOnDriveCIsSeenAsSuch) {
  LessonDrive d;
  EXPECT_EQ(OsGetCurrentDirectory(), "C:\\APPS\\ABCDE\\L10");
  d.rt.current_folder() = d.c;
  EXPECT_EQ(OsGetCurrentDirectory(), "C:\\");
  // A trailing separator or a relative spelling of the same folder.
  EXPECT_EQ(detail::DosPathOf(d.rt, d.C("APPS/")), "C:\\APPS");
  EXPECT_EQ(detail::DosPathOf(d.rt, d.C("APPS/ABCDE/../ABCDE")), "C:\\APPS\\ABCDE");
  // Drive C named through a link; the current folder as the system gives it.
  fs::create_directory_symlink(d.c, d.root / "link");
  d.rt.SetDriveC(d.root / "link");
  d.rt.current_folder() = d.C(kLesson);
  EXPECT_EQ(OsGetCurrentDirectory(), "C:\\APPS\\ABCDE\\L10");
}

TEST(DosPath, FoldersOutsideDriveCAreSeenThroughDriveZ) {
  LessonDrive d;
  EXPECT_EQ(detail::DosPathOf(d.rt, "/tmp/x"), "Z:\\tmp\\x");
  EXPECT_EQ(detail::DosPathOf(d.rt, "/"), "Z:\\");
  // A sibling whose name starts like drive C's is not inside it.
  std::string z = detail::DosPathOf(d.rt, d.root / "drive_cx");
  EXPECT_EQ(z.substr(0, 3), "Z:\\");
  EXPECT_EQ(z.substr(z.size() - 9), "\\drive_cx");

  d.rt.current_folder() = d.root;
  std::string cwd = OsGetCurrentDirectory();
  EXPECT_EQ(cwd.substr(0, 3), "Z:\\");
  std::string error;
  EXPECT_EQ(detail::ResolveDosPath(d.rt, cwd + "\\DRIVE_C\\apps", &error), d.C("APPS")) << error;
  EXPECT_EQ(detail::ResolveDosPath(d.rt, "z:\\tmp", &error), fs::path("/tmp")) << error;
  // Relative and rooted paths stay on the current drive.
  EXPECT_EQ(detail::ResolveDosPath(d.rt, "drive_c", &error), d.c) << error;
  EXPECT_EQ(detail::ResolveDosPath(d.rt, "\\tmp", &error), fs::path("/tmp")) << error;
}

TEST(DosPath, ResolvesAndRefusesPaths) {
  struct Case {
    const char* cwd;    // DOS path of the current folder
    const char* input;
    const char* want;   // DOS view of the result; null when refused
  };
  const Case cases[] = {
      {"C:\\APPS\\ABCDE\\L10", "cl.BMP", "C:\\APPS\\ABCDE\\L10\\CL.BMP"},
      {"C:\\APPS\\ABCDE\\L10", "c:\\apps\\abcde\\l10\\Cl.bmp", "C:\\APPS\\ABCDE\\L10\\CL.BMP"},
      {"C:\\APPS\\ABCDE\\L10", "C:/Apps/abcde/L10/no.bas", "C:\\APPS\\ABCDE\\L10\\NO.BAS"},
      {"C:\\APPS\\ABCDE\\L10", "..\\..\\ﾎﾟｺﾄﾁｬﾋﾟ1.EXE", "C:\\APPS\\ﾎﾟｺﾄﾁｬﾋﾟ1.exe"},
      {"C:\\APPS\\ABCDE\\L10", ".\\.\\\\NEW.TXT", "C:\\APPS\\ABCDE\\L10\\NEW.TXT"},
      {"C:\\APPS\\ABCDE\\L10", "\\DI1123", "C:\\DI1123"},
      {"C:\\APPS\\ABCDE\\L10", "C:\\DI1123", "C:\\DI1123"},
      {"C:\\APPS\\ABCDE\\L10", "C:\\APPS\\..\\apps\\ABCDE\\", "C:\\APPS\\ABCDE"},
      {"C:\\APPS\\ABCDE\\L10", "c:NO.BAS", "C:\\APPS\\ABCDE\\L10\\NO.BAS"},
      {"C:\\APPS", "..", "C:\\"},
      {"C:\\APPS", "C:\\..\\etc\\passwd", nullptr},
      {"C:\\A", "..\\..\\..\\x", nullptr},
      {"C:\\A", "..\\..", nullptr},
      {"C:\\", "..", nullptr},
      {"C:\\", "\\..\\x", nullptr},
      {"C:\\APPS", "ABCDE\\..\\..\\..\\etc", nullptr},
      {"C:\\APPS", "D:\\x", nullptr},
      {"C:\\APPS", "1:\\x", nullptr},
      {"C:\\APPS", "a\x01" "b", nullptr},
      {"C:\\APPS", "a\tb", nullptr},
      {"C:\\APPS", "NOFOLDER\\x", nullptr},
      {"C:\\APPS", "a:b", nullptr},
      {"C:\\APPS", "x*.txt", nullptr},
      {"C:\\APPS", "", nullptr},
  };
  LessonDrive d;
  for (const Case& k : cases) {
    std::string error;
    auto cwd = detail::ResolveDosPath(d.rt, k.cwd, &error);
    ASSERT_TRUE(cwd) << k.cwd << ": " << error;
    d.rt.current_folder() = *cwd;
    error.clear();
    auto got = detail::ResolveDosPath(d.rt, k.input, &error);
    if (k.want) {
      ASSERT_TRUE(got) << k.input << ": " << error;
      EXPECT_EQ(detail::DosPathOf(d.rt, *got), k.want) << k.input;
    } else {
      EXPECT_FALSE(got) << k.input << " gave " << got->string();
      EXPECT_FALSE(error.empty()) << k.input;
    }
  }
  // NUL inside the view of the string.
  std::string error;
  EXPECT_FALSE(detail::ResolveDosPath(d.rt, std::string_view("CL\0.BMP", 7), &error));
}

TEST(DosPath, FindEntryPrefersExactNameAndFoldsOnlyLatinLetters) {
  DriveFixture d;
  d.Put(d.C("a.txt"), "lower");
  d.Put(d.C("A.TXT"), "upper");
  d.Put(d.C("ｐｏｃｏ.bmp"), "");  // full-width Latin letters
  d.Put(d.C("ﾁｬﾋﾟ.BMP"), "");
  EXPECT_EQ(detail::FindEntryNoCase(d.c, "a.txt"), d.C("a.txt"));
  EXPECT_EQ(detail::FindEntryNoCase(d.c, "A.TXT"), d.C("A.TXT"));
  EXPECT_EQ(detail::FindEntryNoCase(d.c, "a.TXT"), d.C("A.TXT"));  // first in byte order
  EXPECT_EQ(detail::FindEntryNoCase(d.c, "ﾁｬﾋﾟ.bmp"), d.C("ﾁｬﾋﾟ.BMP"));
  EXPECT_EQ(detail::FindEntryNoCase(d.c, "ＰＯＣＯ.bmp"), std::nullopt);
  EXPECT_EQ(detail::FindEntryNoCase(d.c, ".."), std::nullopt);
  EXPECT_EQ(detail::FindEntryNoCase(d.c, "x/../a.txt"), std::nullopt);
  EXPECT_EQ(detail::FindEntryNoCase(d.C("missing"), "a.txt"), std::nullopt);
}

TEST(DosPath, SetCurrentDirectoryEntersExistingFoldersOnly) {
  LessonDrive d;
  OsSetCurrentDirectory("..\\..");
  EXPECT_EQ(d.rt.current_folder(), d.C("APPS"));
  OsSetCurrentDirectory("abcde\\l10");
  EXPECT_EQ(d.rt.current_folder(), d.C(kLesson));  // names as on disk
  EXPECT_EQ(OsGetCurrentDirectory(), "C:\\APPS\\ABCDE\\L10");
  auto chdirs = d.Ops("chdir");
  ASSERT_EQ(chdirs.size(), 2u);
  EXPECT_NE(chdirs[1].find("\"path\":\"abcde\\\\l10\""), std::string::npos) << chdirs[1];

  for (const char* bad : {"C:\\NOWHERE", "CL.BMP", "C:\\..", "Q:\\"}) {
    LessonDrive e;
    EXPECT_EQ(RunProgram(e.rt, [&] { OsSetCurrentDirectory(bad); }), 1) << bad;
    EXPECT_EQ(e.rt.current_folder(), e.C(kLesson)) << bad;
    auto fatal = e.Ops("fatal");
    ASSERT_EQ(fatal.size(), 1u) << bad;
    EXPECT_NE(fatal[0].find("続行不可能なエラーが発生しました dos_path_test.cpp ["), std::string::npos);
    EXPECT_TRUE(e.Ops("chdir").empty());
  }
}

TEST(DosPath, CurrentFolderLongerThan260CharactersIsFatal) {
  DriveFixture d;
  d.rt.current_folder() = d.c / std::string(257, 'a');  // "C:\" + 257 = 260
  EXPECT_EQ(OsGetCurrentDirectory().size(), 260u);
  d.rt.current_folder() = d.c / std::string(258, 'a');
  EXPECT_EQ(RunProgram(d.rt, [] { OsGetCurrentDirectory(); }), 1);
  EXPECT_EQ(d.Ops("fatal").size(), 1u);
}

TEST(DosPath, FileSearchByNumber) {
  LessonDrive d;
  struct Case {
    const char* pattern;
    int nothing;
  };
  const Case cases[] = {
      {"C:\\APPS\\ﾎﾟｺﾄﾁｬﾋﾟ1.exe", 0},
      {"c:\\apps\\ﾎﾟｺﾄﾁｬﾋﾟ1.EXE", 0},
      {"C:\\APPS\\ABCDE\\ﾎﾟｺﾄﾁｬﾋﾟ1.exe", -1},
      {"C:\\ﾎﾟｺﾄﾁｬﾋﾟ1.exe", -1},
      {"\\ﾎﾟｺﾄﾁｬﾋﾟ1.exe", -1},  // a base folder cut too short
      {"C:\\NOPE\\ﾎﾟｺﾄﾁｬﾋﾟ1.exe", -1},
      {"C:\\..\\ﾎﾟｺﾄﾁｬﾋﾟ1.exe", -1},
      {"NO.BAS", 0},
      {"C:\\APPS\\", -1},
      {"C:\\APPS\\*.EXE", 0},
      {"C:\\APPS\\ABCDE\\L10\\c?.bmp", 0},
      {"C:\\APPS\\ABCDE\\L10\\*.WAV", -1},
  };
  for (const Case& k : cases) {
    OsFindFirstFile(1, k.pattern);
    EXPECT_EQ(OsFindNothing(1), k.nothing) << k.pattern;
    OsFindClose(1);
    EXPECT_EQ(OsFindNothing(1), -1) << "search 1 released after " << k.pattern;
  }
  // Two searches side by side.
  OsFindFirstFile(1, "NO.BAS");
  OsFindFirstFile(2, "MISSING.BAS");
  EXPECT_EQ(OsFindNothing(1), 0);
  EXPECT_EQ(OsFindNothing(2), -1);
  OsFindClose(2);
  EXPECT_EQ(OsFindNothing(1), 0);
  OsFindClose(1);
}

TEST(DosPath, RunProgramStartsAProgramInTheCurrentFolder) {
  LessonDrive d;
  fs::path apps = d.C("APPS");
  // An executable script with a shebang, and one without the execute bit.
  d.Put(apps / "HOST.SH", "#!/bin/sh\necho \"$HAM_RUN_TEST $(pwd)\" > started.txt\n");
  chmod((apps / "HOST.SH").c_str(), 0755);
  d.Put(apps / "plain.sh", "read line; echo \"plain [$line]\" > plain.txt\n");
  setenv("HAM_RUN_TEST", "env-passed", 1);
  OsSetCurrentDirectory("C:\\APPS");
  testing::AdoptStartedPrograms();
  RtRunProgram("host.sh");
  RtRunProgram("PLAIN.SH");
  ASSERT_TRUE(testing::WaitForStartedPrograms());
  EXPECT_EQ(DriveFixture::Get(apps / "started.txt"), "env-passed " + apps.string() + "\n");
  EXPECT_EQ(DriveFixture::Get(apps / "plain.txt"), "plain []\n");  // stdin is /dev/null
  auto runs = d.Ops("run");
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_NE(runs[0].find("\"program\":\"host.sh\""), std::string::npos) << runs[0];
  EXPECT_NE(runs[0].find("\"folder\":\"C:\\\\APPS\""), std::string::npos) << runs[0];
  unsetenv("HAM_RUN_TEST");
}

TEST(DosPath, RunProgramThatIsMissingIsFatal) {
  for (const char* name : {"ﾎﾟｺﾄﾁｬﾋﾟ1.exe", "ABCDE", "..\\..\\..\\x"}) {
    LessonDrive d;  // the lesson folder holds no program
    EXPECT_EQ(RunProgram(d.rt, [&] { RtRunProgram(name); }), 1) << name;
    EXPECT_EQ(d.Ops("fatal").size(), 1u) << name;
    EXPECT_TRUE(d.Ops("run").empty()) << name;
  }
}

TEST(DosPath, ReadFileBytes) {
  DriveFixture d;
  std::string bytes("a\0\xff\r\n", 5);
  d.Put(d.C("B.BIN"), bytes);
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(detail::ReadFileBytes(d.C("B.BIN"), out));
  EXPECT_EQ(std::string(out.begin(), out.end()), bytes);
  EXPECT_FALSE(detail::ReadFileBytes(d.C("NONE"), out));
  EXPECT_FALSE(detail::ReadFileBytes(d.c, out));
  // A FIFO with no writer is refused at once, not waited on.
  ASSERT_EQ(::mkfifo(d.C("PIPE").c_str(), 0600), 0);
  EXPECT_FALSE(detail::ReadFileBytes(d.C("PIPE"), out));
  // A large file, and an empty one.
  const std::string big(300000, 'x');
  d.Put(d.C("BIG.BIN"), big);
  ASSERT_TRUE(detail::ReadFileBytes(d.C("BIG.BIN"), out));
  EXPECT_EQ(out.size(), big.size());
  d.Put(d.C("EMPTY"), "");
  ASSERT_TRUE(detail::ReadFileBytes(d.C("EMPTY"), out));
  EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace ham
