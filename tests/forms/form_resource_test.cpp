#include "forms/form_resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "tests/forms/resources.h"

// The resource tables of the lesson programs.
#define HAM_PROGRAM(name, fn) const ham::ResourceTable& fn();
#include "lesson_programs.inc"
#undef HAM_PROGRAM

namespace ham {
namespace {

namespace t = form_tag;
using test::Bytes;
using test::DivisorsResources;
using test::Find;
using test::FrameResources;

// Little-endian byte assembly for expected resources.
struct Assembler {
  std::vector<std::uint8_t> v;
  Assembler& W(std::uint16_t x) {
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
    return *this;
  }
  Assembler& D(std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
    return *this;
  }
  Assembler& Raw(std::initializer_list<std::uint8_t> b) {
    v.insert(v.end(), b);
    return *this;
  }
  Assembler& S(const char* ascii) {
    v.insert(v.end(), ascii, ascii + std::strlen(ascii));
    v.push_back(0);
    return *this;
  }
  Assembler& FormEvents(const char* prefix) {
    W(0x50).W(1);
    const std::pair<std::uint16_t, const char*> kinds[] = {
        {0x67, "START"}, {0x68, "END"},       {0x69, "SETFOCUS"},  {0x6A, "KILLFOCUS"},
        {0x6B, "RESIZE"}, {0x6C, "CLICK"},    {0x6D, "DBLCLICK"},  {0x6E, "MOUSEDOWN"},
        {0x6F, "MOUSEUP"}, {0x70, "MOUSEMOVE"}, {0x75, "QUERYCLOSE"}};
    for (auto [tag, kind] : kinds) W(tag).S((std::string(prefix) + "_" + kind).c_str());
    return W(0x02);
  }
};

std::vector<std::uint8_t> ExpectedForm4() {
  Assembler a;
  a.Raw({'F', 'B'}).W(1).W(1).W(0x09).S("FORM4").Raw({0});
  a.W(0x0A).W(0).D(2);
  a.W(0x25).W(1).W(0x27).W(1).W(0x0B).S("FORM4").W(0x15).S("FORM4");
  a.W(0x1E).W(7).W(0x1F).W(0).W(0x20).W(2).W(0x3E).W(1).W(1).W(8).W(8).W(0x3D).W(0);
  a.W(0x46).W(18).W(0x4C).S("FixedSys").W(128).W(12);
  a.W(0x0C).W(53).W(151).W(642).W(22);
  a.FormEvents("FORM4");
  a.W(0x0D).W(1).W(0x0E).W(0).W(0x02);
  return a.v;
}

std::vector<std::uint8_t> ExpectedMainForm() {
  Assembler a;
  a.Raw({'F', 'B'}).W(1).W(1).W(0x09).S("MAINFORM").Raw({0});
  a.W(0x0A).W(0).D(1);
  a.W(0x25).W(1).W(0x27).W(1).W(0x0B).Raw({0}).W(0x15).S("MAINFORM");
  a.W(0x1E).W(7).W(0x1F).W(15).W(0x20).W(15).W(0x3E).W(1).W(1).W(8).W(8).W(0x3D).W(0);
  // "$ＪＳゴシック" in code page 932.
  a.W(0x46).W(16).W(0x4C).Raw({'$', 0x82, 0x69, 0x82, 0x72, 0x83, 0x53, 0x83, 0x56, 0x83, 0x62, 0x83, 0x4E, 0});
  a.W(1).W(12);
  a.W(0x0C).W(0).W(0).W(640).W(430);
  a.W(0x01);
  a.W(0x0A).W(17).D(0).W(0x15).S("MCI1").W(0x0C).W(312).W(306).W(48).W(30);
  a.W(0x50).W(1).W(0x72).S("MCI1_DONE").W(0x02);
  a.W(0x02);
  a.W(0x0D).W(1).W(0x0E).W(0).W(0x02);
  return a.v;
}

std::vector<const ResourceEntry*> FormsOf(const ResourceTable& table) {
  std::vector<const ResourceEntry*> out;
  for (const ResourceEntry& e : table)
    if (e.type == "RCDATA" && e.name != "F1A0BITMAPLIST" && e.name != "FB$VERSIONINFO") out.push_back(&e);
  return out;
}

// The frame's forms and the divisors lesson's.
std::vector<const ResourceEntry*> AllForms() {
  std::vector<const ResourceEntry*> out = FormsOf(FrameResources());
  for (const ResourceEntry* e : FormsOf(DivisorsResources())) out.push_back(e);
  return out;
}

struct Program {
  const char* name;
  const ResourceTable& (*resources)();
};

// Every lesson program.
const std::vector<Program>& Programs() {
  static const std::vector<Program> all = {
#define HAM_PROGRAM(name, fn) {name, &::fn},
#include "lesson_programs.inc"
#undef HAM_PROGRAM
  };
  return all;
}

// AllForms() and every form of every program.
std::vector<const ResourceEntry*> EveryForm() {
  std::vector<const ResourceEntry*> out = AllForms();
  for (const Program& p : Programs())
    for (const ResourceEntry* e : FormsOf(p.resources())) out.push_back(e);
  return out;
}

FormResource ReadOrDie(const ResourceTable& table, std::string_view name) {
  const ResourceEntry* e = Find(table, "RCDATA", name);
  EXPECT_NE(e, nullptr) << name;
  FormResource r;
  std::string error;
  if (e) {
    EXPECT_TRUE(FormResource::Read(Bytes(*e), r, &error)) << error;
  }
  return r;
}

TEST(FormResourceTest, EveryFormRoundTripsByteForByte) {
  ASSERT_EQ(AllForms().size(), 18u);
  ASSERT_EQ(Programs().size(), 11u);
  for (const ResourceEntry* e : EveryForm()) {
    SCOPED_TRACE(std::string(e->name));
    std::vector<std::uint8_t> bytes = Bytes(*e);
    FormResource r;
    std::string error;
    ASSERT_TRUE(FormResource::Read(bytes, r, &error)) << error;
    EXPECT_EQ(r.name, e->name);
    EXPECT_EQ(r.form.name(), e->name);
    std::vector<std::uint8_t> again = r.Write(&error);
    EXPECT_EQ(again, bytes) << error;
    FormResource r2;
    ASSERT_TRUE(FormResource::Read(again, r2, &error)) << error;
    EXPECT_EQ(r2, r);
  }
}

TEST(FormResourceTest, CompiledFormsMatchHandAssembledBytes) {
  EXPECT_EQ(Bytes(*Find(FrameResources(), "RCDATA", "FORM4")), ExpectedForm4());
  EXPECT_EQ(Bytes(*Find(FrameResources(), "RCDATA", "MAINFORM")), ExpectedMainForm());
}

// Properties of every object in the order its class fixes.
TEST(FormResourceTest, PropertiesStandInClassOrder) {
  const std::map<std::uint16_t, std::vector<std::uint16_t>> order = {
      {3, {0x0B, 0x15, 0x22, 0x23, 0x46, 0x4C, 0x0C}},
      {7, {0x15, 0x22, 0x23, 0x46, 0x4C, 0x0C}},
      {8, {0x0B, 0x15, 0x22, 0x23, 0x46, 0x4C, 0x0C}},
      {15, {0x15, 0x17, 0x35, 0x36, 0x37, 0x38, 0x39, 0x0C}},
      {17, {0x15, 0x0C}},
  };
  const std::map<std::uint16_t, std::uint32_t> style = {
      {3, 0x00000C00}, {7, 0x00802C00}, {8, 0x00010800}, {15, 0x00000800}, {17, 0}};
  const std::vector<std::uint16_t> form_order = {0x27, 0x0B, 0x15, 0x1E, 0x1F, 0x20, 0x3E, 0x3D, 0x46, 0x4C, 0x0C};
  for (const ResourceEntry* e : EveryForm()) {
    SCOPED_TRACE(std::string(e->name));
    FormResource r;
    ASSERT_TRUE(FormResource::Read(Bytes(*e), r, nullptr));
    std::vector<std::uint16_t> tags;
    for (const FormRecord& p : r.form.properties)
      if (p.tag != 0x25 && p.tag != 0x24) tags.push_back(p.tag);
    EXPECT_EQ(tags, form_order);
    EXPECT_EQ(r.form.style, e->name == "MAINFORM" ? 1u : 2u);
    for (const FormObject& c : r.controls()) {
      SCOPED_TRACE(c.name());
      std::vector<std::uint16_t> ctags;
      for (const FormRecord& p : c.properties)
        if (p.tag != 0x3A) ctags.push_back(p.tag);
      EXPECT_EQ(ctags, order.at(c.class_code));
      EXPECT_EQ(c.style, style.at(c.class_code));
      EXPECT_TRUE(c.has_events);
      if (c.class_code == form_class::kPushButton) {
        EXPECT_EQ(c.caption(), "O  K");
      }
    }
  }
}

// The values every form stores whatever its lesson: caption, colour
// indices, the fixed records, fonts and the controls' colours.
TEST(FormResourceTest, EveryProgramsFormsKeepTheCommonValues) {
  const std::vector<std::pair<std::string, int>> faces = {
      {"$ＪＳゴシック", 1}, {"ＭＳ 明朝", 1}, {"ＭＳ Ｐ明朝", 1}, {"ＭＳ Ｐゴシック", 1}, {"FixedSys", 128}};
  for (const Program& p : Programs()) {
    for (const ResourceEntry* e : FormsOf(p.resources())) {
      const std::string name(e->name);
      SCOPED_TRACE(std::string(p.name) + " " + name);
      FormResource r;
      ASSERT_TRUE(FormResource::Read(Bytes(*e), r, nullptr));
      const bool main = name == "MAINFORM";
      // Only these forms may carry their own name as a caption.
      const bool named = name == "FORM4" || name == "FORM5" || name == "FORM6" || name == "FORM7" || name == "FORM9";
      EXPECT_TRUE(r.caption().empty() || (named && r.caption() == name)) << "caption " << r.caption();
      EXPECT_EQ(r.fore_index(), main || name == "FORM4" ? 7 : 0);
      EXPECT_EQ(r.form.Value(t::kIndex1F), main ? 15u : 0u);
      EXPECT_EQ(r.back_index(), main ? 15 : name == "FORM4" ? 2 : name == "FORM2" ? 8 : 14);
      EXPECT_EQ(r.form.Value(t::k27), 1u);
      EXPECT_EQ(r.form.Find(t::k3E)->values, (std::vector<std::uint32_t>{1, 1, 8, 8}));
      EXPECT_EQ(r.form.Value(t::k3D, 0, 99), 0u);
      EXPECT_EQ(r.form.Has(t::k24), name == "FORM6");
      EXPECT_EQ(r.font().size, main ? 16 : 18);
      EXPECT_EQ(r.form.has_events, !main);
      EXPECT_EQ(r.end_value, 1);
      EXPECT_EQ(r.end_value2, 0);
      std::vector<FormObject> objects = r.controls();
      objects.push_back(r.form);
      for (const FormObject& o : objects) {
        if (!o.Has(t::kFont)) continue;
        FormFont f = o.font();
        EXPECT_NE(std::find(faces.begin(), faces.end(), std::make_pair(f.face, f.charset)), faces.end())
            << o.name() << " " << f.face << " " << f.charset;
        EXPECT_EQ(f.third, 12) << o.name();
      }
      for (const FormObject& c : r.controls()) {
        if (c.class_code != form_class::kPushButton && c.class_code != form_class::kEditBox &&
            c.class_code != form_class::kLabel)
          continue;
        EXPECT_EQ(c.text_color(), 0u) << c.name();
        EXPECT_EQ(c.back_color(), c.class_code == form_class::kEditBox ? 0xFFFFFFu : 0xC0C0C0u) << c.name();
        EXPECT_EQ(c.font().size, c.class_code == form_class::kLabel ? 9 : 10) << c.name();
      }
    }
  }
}

// The four lessons with a drawing sheet hold FORM2 to FORM12; the two
// fraction lessons among them carry the rhombus-triangle lesson's forms as
// they are.
TEST(FormResourceTest, SheetLessonsHoldFormsTwoToTwelve) {
  auto table = [](std::string_view name) -> const ResourceTable& {
    for (const Program& p : Programs())
      if (p.name == name) return p.resources();
    ADD_FAILURE() << name;
    return FrameResources();
  };
  auto names = [](const ResourceTable& t) {
    std::vector<std::string> out;
    for (const ResourceEntry* e : FormsOf(t)) out.emplace_back(e->name);
    std::sort(out.begin(), out.end());
    return out;
  };
  std::vector<std::string> two_to_twelve = {"MAINFORM"};
  for (int k = 2; k <= 12; ++k) two_to_twelve.push_back("FORM" + std::to_string(k));
  std::sort(two_to_twelve.begin(), two_to_twelve.end());
  const ResourceTable& rhombus = table("lesson-rhombus-triangle");
  for (const char* lesson :
       {"lesson-rhombus-triangle", "lesson-average-per-unit", "lesson-division-fractions", "lesson-number-comparison"}) {
    EXPECT_EQ(names(table(lesson)), two_to_twelve) << lesson;
  }
  for (const char* lesson : {"lesson-division-fractions", "lesson-number-comparison"})
    for (const ResourceEntry* e : FormsOf(table(lesson)))
      EXPECT_EQ(Bytes(*e), Bytes(*Find(rhombus, "RCDATA", e->name))) << lesson << " " << e->name;

  FormResource sheet = ReadOrDie(rhombus, "FORM2");
  EXPECT_EQ(sheet.font().face, "FixedSys");
  EXPECT_EQ(sheet.font().charset, 128);
  EXPECT_EQ(*sheet.form.Handler(t::kEventStart), "FORM12_START");
  EXPECT_TRUE(sheet.controls().empty());
  for (int k = 9; k <= 12; ++k) {
    FormResource bar = ReadOrDie(rhombus, "FORM" + std::to_string(k));
    EXPECT_EQ(*bar.form.Handler(t::kEventQueryClose), "FORM" + std::to_string(k - 1) + "_QUERYCLOSE") << k;
  }
}

TEST(FormResourceTest, FrameFormsHaveTheirVariants) {
  const ResourceTable& div = DivisorsResources();
  const ResourceTable& frame = FrameResources();

  FormResource main = ReadOrDie(div, "MAINFORM");
  EXPECT_FALSE(main.form.has_events);
  EXPECT_EQ(main.font().face, "$ＪＳゴシック");
  EXPECT_EQ(main.font().size, 16);
  ASSERT_EQ(main.controls().size(), 1u);
  EXPECT_EQ(*main.controls()[0].Handler(t::kEventDone), "MCI1_DONE");

  for (const char* name : {"FORM4", "FORM5"}) {
    FormResource r = ReadOrDie(div, name);
    EXPECT_TRUE(r.controls().empty()) << name;
    EXPECT_EQ(r.caption(), name);
    std::vector<std::uint8_t> b = Bytes(*Find(div, "RCDATA", name));
    const std::vector<std::uint8_t> tail = {0x02, 0, 0x0D, 0, 1, 0, 0x0E, 0, 0, 0, 0x02, 0};
    ASSERT_GT(b.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), b.end() - static_cast<long>(tail.size()))) << name;
  }

  // An empty caption is the tag and one NUL, right before the name record.
  std::vector<std::uint8_t> f8 = Bytes(*Find(div, "RCDATA", "FORM8"));
  const std::vector<std::uint8_t> empty_caption = {0x0B, 0, 0, 0x15, 0, 'F', 'O', 'R', 'M', '8', 0};
  EXPECT_NE(std::search(f8.begin(), f8.end(), empty_caption.begin(), empty_caption.end()), f8.end());

  FormResource f7 = ReadOrDie(div, "FORM7");
  ASSERT_EQ(f7.controls().size(), 2u);
  EXPECT_EQ(f7.controls()[0].name(), "BUTTON2");
  EXPECT_EQ(f7.controls()[1].name(), "EDIT2");
  EXPECT_EQ(f7.controls()[1].rect(), (FormRectValue{128, 0, 152, 22}));
  EXPECT_EQ(f7.controls()[0].rect(), (FormRectValue{376, 0, 80, 22}));
  FormResource f7_frame = ReadOrDie(frame, "FORM7");
  EXPECT_EQ(f7_frame.controls()[1].rect(), (FormRectValue{128, 0, 64, 22}));
  EXPECT_EQ(f7_frame.controls()[0].rect(), (FormRectValue{320, 0, 80, 22}));

  // FORM3 variants differ only by record 0x25.
  FormResource f3 = ReadOrDie(div, "FORM3"), f3_frame = ReadOrDie(frame, "FORM3");
  EXPECT_FALSE(f3.form.Has(t::k25));
  EXPECT_EQ(f3_frame.form.Value(t::k25, 0, 0), 1u);
  f3_frame.form.properties.erase(f3_frame.form.properties.begin());
  EXPECT_EQ(f3_frame, f3);

  FormResource f6 = ReadOrDie(div, "FORM6");
  EXPECT_FALSE(f6.form.Has(t::k25));
  EXPECT_EQ(f6.form.properties[1].tag, t::k24);
  EXPECT_EQ(f6.form.properties[1].values, (std::vector<std::uint32_t>{80, 60}));
  ASSERT_EQ(f6.controls().size(), 1u);
  EXPECT_EQ(f6.controls()[0].class_code, form_class::kLabel);
  EXPECT_EQ(f6.controls()[0].font().size, 9);
  EXPECT_EQ(*f6.controls()[0].Handler(t::kEventDblClick), "TEXT2_DBLCLICK");

  FormResource f8r = ReadOrDie(div, "FORM8");
  EXPECT_EQ(*f8r.form.Handler(t::kEventStart), "FORM2_START");
  EXPECT_EQ(*f8r.form.Handler(t::kEventQueryClose), "FORM2_QUERYCLOSE");
  ASSERT_EQ(f8r.controls().size(), 7u);
  for (const FormObject& b : f8r.controls()) {
    EXPECT_EQ(b.hint(), b.name() == "BMPBUTTON1" ? "前のページへ" : "") << b.name();
    EXPECT_EQ(b.Has(t::kHint), b.name() == "BMPBUTTON1");
    EXPECT_EQ(b.frame_width(), 85);
    EXPECT_EQ(b.frame_height(), 33);
  }
  EXPECT_EQ(f8r.FindControl("BMPBUTTON1")->bitmap(), "befor");
  EXPECT_EQ(f8r.FindControl("BMPBUTTON2")->rect().x, 8);

  FormResource f10 = ReadOrDie(div, "FORM10");
  EXPECT_EQ(*f10.form.Handler(t::kEventMouseDown), "FORM9_MOUSEDOWN");
  EXPECT_EQ(f10.FindControl("BUTTON4")->rect(), (FormRectValue{464, 0, 80, 24}));
  EXPECT_EQ(f10.caption(), "");
  FormResource f9 = ReadOrDie(div, "FORM9");
  EXPECT_EQ(f9.FindControl("BUTTON3")->rect().h, 22);
  EXPECT_EQ(f9.back_index(), 14);
  EXPECT_EQ(f9.font().face, "ＭＳ 明朝");
}

// Corrupted copies of every form are refused with a message, never read.
TEST(FormResourceTest, CorruptedFormsAreRefused) {
  for (const ResourceEntry* e : AllForms()) {
    SCOPED_TRACE(std::string(e->name));
    const std::vector<std::uint8_t> good = Bytes(*e);
    FormResource r;
    std::string error;

    for (std::size_t n = 0; n < good.size(); ++n) {
      std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
      error.clear();
      ASSERT_FALSE(FormResource::Read(cut, r, &error)) << "prefix of " << n << " bytes";
      ASSERT_FALSE(error.empty());
    }

    struct Case {
      const char* what;
      std::size_t offset;
      std::uint8_t value;
      const char* message;
    };
    // Offset 16 + name: first property tag after the 0x0A header.
    std::size_t first_prop = 6 + 2 + e->name.size() + 1 + 1 + 8;
    const Case cases[] = {
        {"wrong magic", 1, 'X', "wrong magic"},
        {"wrong version", 2, 2, "format version 2"},
        {"wrong count", 4, 0, "form count 0"},
        {"missing name record", 6, 0x08, "form-name record"},
        {"unknown tag", first_prop, 0x99, "unknown tag"},
        {"form of a control class", first_prop - 6, 3, "not a form"},
    };
    for (const Case& c : cases) {
      std::vector<std::uint8_t> bad = good;
      bad[c.offset] = c.value;
      error.clear();
      EXPECT_FALSE(FormResource::Read(bad, r, &error)) << c.what;
      EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
      EXPECT_NE(error.find("offset"), std::string::npos) << error;
    }

    // A text cut off before its NUL: the name record runs to the end.
    std::vector<std::uint8_t> cut_text(good.begin(), good.begin() + 10);
    EXPECT_FALSE(FormResource::Read(cut_text, r, &error));
    EXPECT_NE(error.find("cut off"), std::string::npos) << error;

    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(FormResource::Read(longer, r, &error));
    EXPECT_NE(error.find("after the end"), std::string::npos) << error;
  }
}

TEST(FormResourceTest, GrammarViolationsNameTheTag) {
  FormResource form3 = ReadOrDie(FrameResources(), "FORM3");
  const std::vector<std::uint8_t> good = form3.Write();

  struct Case {
    const char* what;
    void (*change)(FormResource&);
    const char* message;
  };
  const Case cases[] = {
      {"control without event list", [](FormResource& r) { r.form.children[0].has_events = false; },
       "without an event list"},
      {"unknown control class", [](FormResource& r) { r.form.children[0].class_code = 4; },
       "unknown control class 4"},
  };
  for (const Case& c : cases) {
    // The writer refuses the model; bytes assembled by hand are refused by the reader.
    FormResource m = form3;
    c.change(m);
    std::string error;
    EXPECT_TRUE(m.Write(&error).empty()) << c.what;
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
  }

  // A 0x0D where the first control's event list should start.
  std::vector<std::uint8_t> bad = good;
  const std::vector<std::uint8_t> edit_events = {0x50, 0, 1, 0, 0x66, 0};
  auto at = std::search(bad.begin(), bad.end(), edit_events.begin(), edit_events.end());
  ASSERT_NE(at, bad.end());
  *at = 0x0D;
  FormResource r;
  std::string error;
  EXPECT_FALSE(FormResource::Read(bad, r, &error));
  EXPECT_NE(error.find("control without an event list"), std::string::npos) << error;
  EXPECT_NE(error.find("tag 0x0D"), std::string::npos) << error;

  // An empty child list is not part of the format.
  FormResource form4 = ReadOrDie(FrameResources(), "FORM4");
  std::vector<std::uint8_t> f4 = form4.Write();
  f4.insert(f4.end() - 10, {0x01, 0, 0x02, 0});
  EXPECT_FALSE(FormResource::Read(f4, r, &error));
  EXPECT_NE(error.find("empty child list"), std::string::npos) << error;
}

TEST(FormResourceTest, TextsAreCodePage932) {
  FormResource r = ReadOrDie(FrameResources(), "FORM4");
  std::string error;
  r.form.properties[2].text = "😀";  // caption
  EXPECT_TRUE(r.Write(&error).empty());
  EXPECT_NE(error.find("code page 932"), std::string::npos) << error;

  // A lead byte without its trail byte in the caption.
  std::vector<std::uint8_t> bytes = ReadOrDie(FrameResources(), "FORM4").Write();
  const std::vector<std::uint8_t> caption = {0x0B, 0, 'F', 'O', 'R', 'M', '4', 0};
  auto at = std::search(bytes.begin(), bytes.end(), caption.begin(), caption.end());
  ASSERT_NE(at, bytes.end());
  at[6] = 0x82;
  FormResource out;
  EXPECT_FALSE(FormResource::Read(bytes, out, &error));
  EXPECT_NE(error.find("code page 932"), std::string::npos) << error;

  std::string utf8;
  EXPECT_TRUE(Cp932ToUtf8("\x82\x69\x82\x72", utf8));
  EXPECT_EQ(utf8, "ＪＳ");
}

TEST(FormResourceTest, WriterRefusesValuesOutOfShape) {
  FormResource r = ReadOrDie(FrameResources(), "FORM4");
  std::string error;
  FormResource wide = r;
  wide.form.properties.back().values[2] = 70000;  // rect width
  EXPECT_TRUE(wide.Write(&error).empty());
  EXPECT_NE(error.find("16 bits"), std::string::npos) << error;
  FormResource short_rect = r;
  short_rect.form.properties.back().values.pop_back();
  EXPECT_TRUE(short_rect.Write(&error).empty());
  EXPECT_NE(error.find("needs 4 values"), std::string::npos) << error;
}

TEST(FormResourceTest, BitmapListAndVersionRecords) {
  std::vector<std::uint8_t> list = WriteBitmapListResource();
  ASSERT_EQ(list.size(), 68u);
  const char expected[] = "FB\x04\0BEFOR.BMP\0EXIT.BMP\0HEAD.BMP\0LAST.BMP\0NEXT.BMP\0TOP.BMP\0WHERE.BMP";
  EXPECT_EQ(list, std::vector<std::uint8_t>(expected, expected + sizeof expected));
  EXPECT_EQ(WriteVersionInfoResource(), (std::vector<std::uint8_t>{'F', 'B', 0, 0, 5, 0, 16, 0}));

  for (const ResourceTable* table : {&FrameResources(), &DivisorsResources()}) {
    EXPECT_EQ(Bytes(*Find(*table, "RCDATA", "F1A0BITMAPLIST")), list);
    EXPECT_EQ(Bytes(*Find(*table, "RCDATA", "FB$VERSIONINFO")), WriteVersionInfoResource());
  }
}

std::uint32_t Le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

TEST(FormResourceTest, NavigationBitmapsAreTwoFrame24BitDibs) {
  int count = 0;
  for (const ResourceEntry& e : DivisorsResources()) {
    if (e.type != "BITMAP") continue;
    ++count;
    SCOPED_TRACE(std::string(e.name));
    ASSERT_EQ(e.size, 16936u);
    const unsigned char* h = e.data;
    EXPECT_EQ(Le32(h), 40u);
    EXPECT_EQ(Le32(h + 4), 170u);
    EXPECT_EQ(Le32(h + 8), 33u);  // positive: bottom-up
    EXPECT_EQ(h[12] | (h[13] << 8), 1);
    EXPECT_EQ(h[14] | (h[15] << 8), 24);
    EXPECT_EQ(Le32(h + 16), 0u);
    EXPECT_EQ(Le32(h + 20), 16896u);
    EXPECT_EQ(Le32(h + 24), 3790u);
    EXPECT_EQ(Le32(h + 28), 3800u);
    EXPECT_EQ(Le32(h + 32), 0u);
    EXPECT_EQ(Le32(h + 36), 0u);
    // Bottom-up rows of 512 bytes: the first stored row is the picture's
    // last one. Resting frame: dark bottom edge; pressed frame: light one.
    const unsigned char* bottom = h + 40;
    EXPECT_EQ(bottom[3 * 10], 0x00);
    EXPECT_EQ(bottom[3 * (85 + 10)], 0xFF);
    const unsigned char* top = h + 40 + 32 * 512;
    EXPECT_EQ(top[3 * 10], 0xFF);
    EXPECT_EQ(top[3 * (85 + 10)], 0x00);
    EXPECT_EQ(bottom[510], 0);  // row padding
    EXPECT_EQ(bottom[511], 0);
  }
  EXPECT_EQ(count, 7);
  for (const char* n : {"BEFOR", "EXIT", "HEAD", "LAST", "NEXT", "TOP", "WHERE"})
    EXPECT_NE(Find(DivisorsResources(), "BITMAP", n), nullptr) << n;
}

}  // namespace
}  // namespace ham
