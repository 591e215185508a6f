// String functions counted in characters, and the BASIC number texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/api.h"

namespace ham {
namespace {

TEST(Strings, CountCharactersOfJapaneseText) {
  EXPECT_EQ(RtLen(""), 0);
  EXPECT_EQ(RtLen("ﾍﾟｰｼﾞ"), 5);
  EXPECT_EQ(RtLen("5年生の算数     約数と公約数"), 17);
  EXPECT_EQ(RtLeft("約数と公約数", 2), "約数");
  EXPECT_EQ(RtLeft("約数", 9), "約数");
  EXPECT_EQ(RtLeft("約数", -1), "");
  EXPECT_EQ(RtRight("天才!ごうかく!", 4), "うかく!");
  EXPECT_EQ(RtRight("答え ", 1), " ");
  EXPECT_EQ(RtRight("答え　", 1), "　");
  EXPECT_EQ(RtRight("約数", 9), "約数");
  EXPECT_EQ(RtRight("約数", -3), "");
  EXPECT_EQ(RtMid("約数と公約数", 4, 3), "公約数");
  EXPECT_EQ(RtMid("約数と公約数", 3), "と公約数");
  EXPECT_EQ(RtMid("約数と公約数", 5, 99), "約数");
  EXPECT_EQ(RtMid("約数と公約数", 7, 1), "");
  EXPECT_EQ(RtMid("約数と公約数", 0, 2), "約数");
  EXPECT_EQ(RtMid("約数と公約数", 2, 0), "");
  // The page number without its sign place, as the page buttons build it.
  std::string t = RtStrFromSingle(3);
  EXPECT_EQ(RtRight(t, RtLen(t) - 1), "3");
}

TEST(Numbers, BasicTexts) {
  struct Case {
    float v;
    const char* str;
  };
  const Case singles[] = {
      {0, " 0"},
      {-0.0f, " 0"},
      {3, " 3"},
      {10, " 10"},
      {-3, "-3"},
      {0.5f, " .5"},
      {-0.25f, "-.25"},
      {2.5f, " 2.5"},
      {0.1f, " .1"},
      {1.0f / 3, " .3333333"},
      {-2.0f / 3, "-.6666667"},
      {123.456f, " 123.456"},
      {1234567, " 1234567"},
      {9999999, " 9999999"},
      {10000000, " 1E+07"},
      {12345678, " 1.234568E+07"},
      {-12345678, "-1.234568E+07"},
      {1e-7f, " .0000001"},
      {1.5e-7f, " 1.5E-07"},
      {1e-8f, " 1E-08"},
      {3.4e38f, " 3.4E+38"},
      {std::numeric_limits<float>::infinity(), " Inf"},
      {std::numeric_limits<float>::quiet_NaN(), " NaN"},
  };
  for (const Case& c : singles) {
    EXPECT_EQ(RtStrFromSingle(c.v), c.str) << c.v;
    EXPECT_EQ(RtPrintFormSingle(c.v), std::string(c.str) + " ") << c.v;
  }

  struct DCase {
    double v;
    const char* str;
  };
  const DCase doubles[] = {
      {0, " 0"},
      {0.1, " .1"},
      {0.1 + 0.2, " .3"},
      {1.0 / 3, " .333333333333333"},
      {-2.5, "-2.5"},
      {123456789012345.0, " 123456789012345"},
      {1e15, " 1D+15"},
      {1e-16, " 1D-16"},
      {1e300, " 1D+300"},
  };
  for (const DCase& c : doubles) EXPECT_EQ(RtStrFromFloat(c.v), c.str) << c.v;

  EXPECT_EQ(RtPrintFormInteger(7), " 7 ");
  EXPECT_EQ(RtPrintFormInteger(0), " 0 ");
  EXPECT_EQ(RtPrintFormInteger(-12), "-12 ");
  EXPECT_EQ(RtPrintFormInteger(-2147483647 - 1), "-2147483648 ");
}

TEST(Numbers, ValReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double v;
  };
  const Case cases[] = {
      {"", 0},          {"abc", 0},      {"12abc", 12},     {" 3", 3},        {"2.5", 2.5},
      {"\t-7", -7},     {"+.5", 0.5},    {"-", 0},          {".", 0},         {"3.", 3},
      {"1E3", 1000},    {"1.5D2", 150},  {"2e-2", 0.02},    {"12E", 12},      {"12E+", 12},
      {"1 2", 1},       {"99999", 99999}, {"-99999", -99999}, {"x12", 0},     {"0012", 12},
      {"３", 0},        {"１２", 0},     {"　3", 0},        {"1e-999", 0},    {"-0", 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(RtVal(c.text), c.v) << '"' << c.text << '"';
  EXPECT_FALSE(std::signbit(RtVal("-0")));
  EXPECT_EQ(RtVal("1e999"), std::numeric_limits<double>::max());
  EXPECT_EQ(RtVal(std::string(400, '9')), std::numeric_limits<double>::max());
  EXPECT_EQ(RtVal("-" + std::string(400, '9')), -std::numeric_limits<double>::max());
  EXPECT_EQ(RtVal("." + std::string(400, '0') + "1"), 0);

  // A number of up to seven digits reads back from its own text.
  for (float v : {3.0f, -0.25f, 0.1f, 123.456f, 1234567.0f, 1e-8f, 3.4e38f})
    EXPECT_EQ(static_cast<float>(RtVal(RtStrFromSingle(v))), v) << v;
  for (double v : {0.1, -1.0 / 3, 1e15, 6.02e23})
    EXPECT_NEAR(RtVal(RtStrFromFloat(v)), v, std::fabs(v) * 1e-14) << v;
}

TEST(Numbers, CIntRoundsHalfToEvenAndSaturates) {
  struct Case {
    double v;
    int r;
  };
  const Case cases[] = {
      {2.5, 2},        {3.5, 4},        {-2.5, -2},      {-3.5, -4},        {0.5, 0},
      {-0.5, 0},       {1.5, 2},        {1.49, 1},       {-1.51, -2},       {7, 7},
      {99999, 32767},  {-99999, -32768}, {32767.4, 32767}, {32767.5, 32767}, {-32768.5, -32768},
      {32766.5, 32766}, {-32767.5, -32768}, {1e300, 32767},
      {std::numeric_limits<double>::infinity(), 32767},
      {-std::numeric_limits<double>::infinity(), -32768},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RtCInt(c.v), c.r) << c.v;
  // Whatever a pupil types leaves a 16-bit number.
  EXPECT_EQ(RtCInt(RtVal("99999")), 32767);
  EXPECT_EQ(RtCInt(RtVal("1e999")), 32767);
  EXPECT_EQ(RtCInt(RtVal("ｱ")), 0);
}

}  // namespace
}  // namespace ham
