// The tests' reader of trace lines.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/trace_json.h"

namespace ham::testing {
namespace {

TEST(TraceJson, FieldsAsText) {
  const TraceRecord r = ParseTraceLine(
      R"({"t":12,"op":"text","text":"\ud83d\ude00 \u5186\"\\\n","points":[100,80.5,-3],"x":239.5,"ok":true,"v":null})");
  EXPECT_EQ(r.at("t"), "12");
  EXPECT_EQ(r.at("op"), "text");
  EXPECT_EQ(r.at("text"), "\xF0\x9F\x98\x80 \xE5\x86\x86\"\\\n");
  EXPECT_EQ(r.at("points"), "[100,80.5,-3]");
  EXPECT_EQ(r.at("x"), "239.5");
  EXPECT_EQ(r.at("ok"), "true");
  EXPECT_EQ(r.at("v"), "null");
  EXPECT_EQ(r.size(), 7u);
}

TEST(TraceJson, MalformedLinesAreErrors) {
  for (const char* line : {"", R"({"t":1,"op":)", R"({"t":1} x)", R"([1,2])", R"("op")", "{\"t\":\"\xFF\"}"}) {
    SCOPED_TRACE(line);
    EXPECT_THROW(ParseTraceLine(line), std::runtime_error);
  }
  EXPECT_THROW(ParseTrace({R"({"t":0,"op":"end"})", "{"}), std::runtime_error);
}

}  // namespace
}  // namespace ham::testing
