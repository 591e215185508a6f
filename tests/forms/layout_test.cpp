#include "forms/layout.h"

#include <gtest/gtest.h>

namespace ham {
namespace {

namespace t = form_tag;

TEST(LayoutTest, DefaultsAndOverrides) {
  const char* text = R"(
# an answer bar of a lesson
form FORM12
  caption  "FORM12"      # the form's own name
  r25      none
  fore     3
  back     8
  font     "ＭＳ Ｐ明朝" 1 20
  rect     1 2 641 29
  events   FORM11

edit EDIT16
  rect     120 0 40 22
label LABEL1
  caption  "答え \"A\""
  textcolor 0x0000FF
  rect     0 0 60 16
button BUTTON6
  rect     512 0 80 22
  events   OTHER
)";
  FormResource r;
  std::string error;
  ASSERT_TRUE(CompileLayout(text, "FORM12.form", r, &error)) << error;
  EXPECT_EQ(r.name, "FORM12");
  EXPECT_FALSE(r.form.Has(t::k25));
  EXPECT_EQ(r.form.properties[0].tag, t::k27);
  EXPECT_EQ(r.caption(), "FORM12");
  EXPECT_EQ(r.fore_index(), 3);
  EXPECT_EQ(r.back_index(), 8);
  EXPECT_EQ(r.form.Value(t::kIndex1F), 0u);
  EXPECT_EQ(r.font().face, "ＭＳ Ｐ明朝");
  EXPECT_EQ(r.font().size, 20);
  EXPECT_EQ(r.font().third, 12);
  EXPECT_EQ(r.rect(), (FormRectValue{1, 2, 641, 29}));
  ASSERT_EQ(r.events().size(), 11u);
  EXPECT_EQ(r.events().front().handler, "FORM11_START");
  EXPECT_EQ(r.events().back().tag, t::kEventQueryClose);

  ASSERT_EQ(r.controls().size(), 3u);
  const FormObject& edit = r.controls()[0];
  EXPECT_EQ(edit.font().face, "ＭＳ Ｐゴシック");
  EXPECT_EQ(edit.font().size, 10);
  EXPECT_EQ(edit.back_color(), 0xFFFFFFu);
  ASSERT_EQ(edit.events.size(), 3u);
  EXPECT_EQ(edit.events[0].handler, "EDIT16_CHANGE");
  EXPECT_EQ(edit.events[2].handler, "EDIT16_KILLFOCUS");
  const FormObject& label = r.controls()[1];
  EXPECT_EQ(label.caption(), "答え \"A\"");
  EXPECT_EQ(label.text_color(), 0x0000FFu);
  EXPECT_EQ(label.back_color(), 0xC0C0C0u);
  EXPECT_EQ(label.font().size, 9);
  EXPECT_EQ(r.controls()[2].caption(), "O  K");
  EXPECT_EQ(r.controls()[2].events[0].handler, "OTHER_ON");

  std::vector<std::uint8_t> bytes = r.Write(&error);
  FormResource back;
  ASSERT_TRUE(FormResource::Read(bytes, back, &error)) << error;
  EXPECT_EQ(back, r);
}

TEST(LayoutTest, MistakesAreReportedWithTheirLine) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"form F\n rect 0 0 1 1\nedit E\n caption \"x\"\n rect 0 0 1 1\n", "x.form:4: 'caption' is not a key of an edit box"},
      {"form F\n rect 0 0 1 1\nedit E\n", "x.form:3: an edit box E needs a rect"},
      {"form F\n rect 0 0 1\n", "x.form:2: 'rect' takes 4 values, not 3"},
      {"form F\n rect 0 0 1 70000\n", "x.form:2: 70000 is too large"},
      {"form F\n rect 0 0 1 1\n caption \"open\n", "x.form:3: text without its closing quote"},
      {"form F\n rect 0 0 1 1\n rect 0 0 1 1\n", "x.form:3: 'rect' is given twice"},
      {"edit E\n", "x.form:1: the layout must begin with its form"},
      {"form F\n rect 0 0 1 1\nform G\n", "x.form:3: a layout holds one form"},
      {"form F\n rect 0 0 1 1\nbutton F\n rect 0 0 1 1\n", "x.form:3: the name F is used twice"},
      {"form F\n rect 0 0 1 1\nbutton B\n rect 0 0 1 1\n events none\n", "every control has an event list"},
      {"form F\n rect 0 0 1 1\nbmpbutton B\n rect 0 0 1 1\n", "bitmap button B needs a bitmap"},
      {"form F\n rect 0 0 1 1\n caption \"😀\"\n", "code page 932"},
      {"form F\n rect 0 0 x 1\n", "\"x\" is not a number"},
      {"form F\n rect 0 0 1 1\n font FixedSys 128 18\n", "a quoted text is expected"},
      {"", "holds no form"},
  };
  for (const Case& c : cases) {
    FormResource r;
    std::string error;
    EXPECT_FALSE(CompileLayout(c.text, "x.form", r, &error)) << c.text;
    EXPECT_NE(error.find(c.message), std::string::npos) << "got: " << error;
  }
}

}  // namespace
}  // namespace ham
