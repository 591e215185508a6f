// The trace stays JSON Lines in UTF-8 whatever bytes the program hands it,
// and the script runner keeps its clock within bounds.
#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "platform/api.h"
#include "platform/backend/headless.h"
#include "platform/program.h"

namespace ham {
namespace {

// Whether `s` is UTF-8 as the C library's converter sees it.
bool ConvertsFromUtf8(const std::string& s) {
  iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = s;
  std::string out(4 * in.size() + 4, '\0');
  char* ip = in.data();
  char* op = out.data();
  std::size_t il = in.size(), ol = out.size();
  bool ok = iconv(cd, &ip, &il, &op, &ol) != static_cast<std::size_t>(-1) && il == 0;
  iconv_close(cd);
  return ok;
}

TEST(Trace, EscapesWhatIsNotUtf8) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {"日本 😀", "日本 😀"},
      {"a\"b\\c\n", "a\\\"b\\\\c\\n"},
      {"\xff", "\\u00ff"},
      {"x\xc3", "x\\u00c3"},                          // cut short
      {"\xc0\xaf", "\\u00c0\\u00af"},                 // overlong
      {"\xed\xa0\x80", "\\u00ed\\u00a0\\u0080"},      // surrogate
      {"\xf4\x90\x80\x80", "\\u00f4\\u0090\\u0080\\u0080"},  // above U+10FFFF
      {"\x82\xa0\x82\xa2", "\\u0082\\u00a0\\u0082\\u00a2"},  // Shift-JIS あい
      {"\xe3\x81", "\\u00e3\\u0081"},
      {"\xe3\x81\x82", "あ"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Trace::Escape(k.in), k.out) << k.in;
    EXPECT_TRUE(ConvertsFromUtf8(Trace::Escape(k.in))) << k.in;
  }
  Trace t;
  t.set_keep(true);
  TraceLine(&t, 0, "file").Str("path", "C:\\DI1\x82\xa0").Str("k\xff", "v");
  ASSERT_EQ(t.lines().size(), 1u);
  EXPECT_EQ(t.lines()[0], R"({"t":0,"op":"file","path":"C:\\DI1\u0082\u00a0","k\u00ff":"v"})");
}

TEST(Runner, TimePrefixBeyondADayIsARunnerError) {
  struct Case {
    const char* line;
    bool ok;
  };
  const Case cases[] = {
      {"+8640000 click BUTTON1", true},
      {"+0 click BUTTON1", true},
      {"+8640001 click BUTTON1", false},
      {"+9223372036854775807 click BUTTON1", false},
      {"+99999999999999999999999 click BUTTON1", false},
      {"+-5 click BUTTON1", false},
      {"++5 click BUTTON1", false},
      {"+5", false},
  };
  for (const Case& k : cases) {
    Runtime rt;
    HeadlessBackend b(rt);
    std::string error;
    EXPECT_EQ(b.SetScript(std::string("# head\n") + k.line + "\n", &error), k.ok) << k.line;
    if (!k.ok) {
      EXPECT_EQ(error.rfind("script line 2: ", 0), 0u) << error;
    }
  }
  // The program reports it as a runner error before it starts.
  std::string dir = ::testing::TempDir() + "runner-bound";
  std::filesystem::create_directories(dir);
  std::string script = dir + "/s.txt";
  std::ofstream(script) << "click BUTTON1\n+100000000000000000000 click BUTTON1\n";
  Runtime rt;
  ProgramOptions o;
  o.backend = "headless";
  o.script = script;
  o.drive_c = dir;
  std::string error;
  EXPECT_FALSE(SetUpRuntime(rt, o, &error));
  EXPECT_NE(error.find("script line 2"), std::string::npos) << error;
}

TEST(Runner, ClockStopsAtItsEnd) {
  Runtime rt;
  auto owned = std::make_unique<HeadlessBackend>(rt);
  HeadlessBackend& b = *owned;
  rt.SetBackend(std::move(owned));
  constexpr std::int64_t kEnd = std::numeric_limits<std::int64_t>::max();
  b.AdvanceTo(kEnd - 5);
  b.Wait(10);
  EXPECT_EQ(b.Now(), kEnd);
  b.Wait(std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(b.Now(), kEnd);
  // A timed action after the end of the clock is carried out at its end.
  int presses = 0;
  rt.RegisterProcedure("FE$FORM9_MOUSEDOWN", [&](Form*) { ++presses; });
  auto f = std::make_unique<Form>("FORM9");
  f->handlers[EventKind::kMouseDown] = "FORM9_MOUSEDOWN";
  rt.AddForm(std::move(f));
  b.AddAction("+8640000 click FORM9");
  b.Wait(1);
  EXPECT_TRUE(rt.HasHeldEvents());
  EXPECT_EQ(b.Now(), kEnd);
}

}  // namespace
}  // namespace ham
