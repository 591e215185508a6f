#include <gtest/gtest.h>

#include "forms/layout.h"
#include "platform/internal.h"
#include "tests/forms/resources.h"

namespace ham {
namespace {

using test::DivisorsResources;

TEST(FormLoaderTest, BuildsTheFormAndItsControls) {
  std::string error;
  std::unique_ptr<Form> f = detail::BuildForm("FORM10", DivisorsResources(), &error);
  ASSERT_NE(f, nullptr) << error;
  EXPECT_EQ(f->form_name(), "FORM10");
  EXPECT_EQ(f->caption, "");
  EXPECT_EQ(f->design.x, 52);
  EXPECT_EQ(f->design.y, 149);
  EXPECT_EQ(f->design.w, 642);
  EXPECT_EQ(f->design.h, 29);
  EXPECT_EQ(f->back_index, 14);
  EXPECT_EQ(f->fore_index, 0);
  EXPECT_EQ(f->state().font_name, "ＭＳ 明朝");
  EXPECT_EQ(f->state().font_size, 18);
  EXPECT_EQ(f->handlers.size(), 11u);
  EXPECT_EQ(f->handlers.at(EventKind::kStart), "FORM9_START");
  EXPECT_EQ(f->handlers.at(EventKind::kQueryClose), "FORM9_QUERYCLOSE");

  ASSERT_EQ(f->controls.size(), 4u);
  const char* names[] = {"EDIT5", "EDIT6", "EDIT7", "BUTTON4"};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(f->controls[i]->name, names[i]);
  const Control& edit = *f->controls[0];
  EXPECT_EQ(edit.kind, ControlKind::kEditBox);
  EXPECT_EQ(edit.form, f.get());
  EXPECT_EQ(edit.rect.x, 144);
  EXPECT_EQ(edit.rect.w, 56);
  EXPECT_EQ(edit.font_name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(edit.font_size, 10);
  EXPECT_EQ(edit.back_color, 0xFFFFFFu);
  EXPECT_EQ(edit.text_color, 0u);
  EXPECT_EQ(*edit.Handler(EventKind::kChange), "EDIT5_CHANGE");
  EXPECT_EQ(*edit.Handler(EventKind::kKillFocus), "EDIT5_KILLFOCUS");
  EXPECT_EQ(edit.Handler(EventKind::kOn), nullptr);
  const Control& button = *f->Find("BUTTON4");
  EXPECT_EQ(button.kind, ControlKind::kPushButton);
  EXPECT_EQ(button.caption, "O  K");
  EXPECT_EQ(button.rect.h, 24);
  EXPECT_EQ(button.back_color, 0xC0C0C0u);
  EXPECT_EQ(*button.Handler(EventKind::kOn), "BUTTON4_ON");

  std::unique_ptr<Form> main = detail::BuildForm("MAINFORM", DivisorsResources(), &error);
  ASSERT_NE(main, nullptr) << error;
  EXPECT_TRUE(main->handlers.empty());
  EXPECT_EQ(main->state().font_name, "$ＪＳゴシック");
  EXPECT_EQ(main->state().font_size, 16);
  EXPECT_EQ(main->back_index, 15);
  EXPECT_EQ(main->fore_index, 7);
  ASSERT_EQ(main->controls.size(), 1u);
  EXPECT_EQ(main->controls[0]->kind, ControlKind::kMedia);
  EXPECT_EQ(*main->controls[0]->Handler(EventKind::kDone), "MCI1_DONE");

  std::unique_ptr<Form> f6 = detail::BuildForm("FORM6", DivisorsResources(), &error);
  ASSERT_NE(f6, nullptr) << error;
  const Control& label = *f6->Find("TEXT2");
  EXPECT_EQ(label.kind, ControlKind::kLabel);
  EXPECT_FALSE(label.caption.empty());
  EXPECT_EQ(label.font_size, 9);
  EXPECT_EQ(*label.Handler(EventKind::kClick), "TEXT2_CLICK");
}

TEST(FormLoaderTest, BitmapButtonsGetTheirPictures) {
  std::string error;
  std::unique_ptr<Form> f = detail::BuildForm("FORM8", DivisorsResources(), &error);
  ASSERT_NE(f, nullptr) << error;
  EXPECT_EQ(f->handlers.at(EventKind::kStart), "FORM2_START");
  ASSERT_EQ(f->controls.size(), 7u);
  for (const auto& c : f->controls) {
    SCOPED_TRACE(c->name);
    EXPECT_EQ(c->kind, ControlKind::kBitmapButton);
    ASSERT_NE(c->bitmap, nullptr);
    EXPECT_EQ(c->bitmap->width(), 170);
    EXPECT_EQ(c->bitmap->height(), 33);
    EXPECT_EQ(c->frame_w, 85);
    EXPECT_EQ(c->frame_h, 33);
    EXPECT_EQ(c->hint, c->name == "BMPBUTTON1" ? "前のページへ" : "");
    EXPECT_EQ(*c->Handler(EventKind::kOn), c->name + "_ON");
  }
  EXPECT_EQ(f->Find("BMPBUTTON7")->bitmap_name, "exit");
  // Top-left of the resting frame is its light edge, of the pressed one dark.
  const Surface& exit = *f->Find("BMPBUTTON7")->bitmap;
  EXPECT_EQ(exit.Get(0, 0), 0xFFFFFFu);
  EXPECT_EQ(exit.Get(85, 0), 0x000000u);
}

// Resource table built in the test from one layout.
struct OneForm {
  std::vector<std::uint8_t> bytes;
  ResourceTable table;
  explicit OneForm(const char* layout) {
    FormResource r;
    std::string error;
    EXPECT_TRUE(CompileLayout(layout, "T.form", r, &error)) << error;
    bytes = r.Write();
    table.push_back({"RCDATA", "T", bytes.data(), bytes.size()});
  }
};

TEST(FormLoaderTest, StoredColoursKeepRedInTheLowByte) {
  OneForm one("form T\n rect 0 0 10 10\nlabel L\n textcolor 0x0000FF\n backcolor 0x102030\n rect 0 0 5 5\n");
  std::string error;
  std::unique_ptr<Form> f = detail::BuildForm("T", one.table, &error);
  ASSERT_NE(f, nullptr) << error;
  EXPECT_EQ(f->Find("L")->text_color, 0xFF0000u);
  EXPECT_EQ(f->Find("L")->back_color, 0x302010u);
}

TEST(FormLoaderTest, MissingOrBrokenResourcesAreErrors) {
  std::string error;
  EXPECT_EQ(detail::BuildForm("FORM11", DivisorsResources(), &error), nullptr);
  EXPECT_NE(error.find("FORM11 not found"), std::string::npos) << error;

  OneForm one("form T\n rect 0 0 10 10\n");
  one.bytes.resize(one.bytes.size() - 3);
  one.table[0].size = one.bytes.size();
  EXPECT_EQ(detail::BuildForm("T", one.table, &error), nullptr);
  EXPECT_NE(error.find("offset"), std::string::npos) << error;

  // A bitmap button whose picture is not in the program.
  OneForm nav("form T\n rect 0 0 10 10\nbmpbutton B\n bitmap nowhere\n rect 0 0 85 33\n");
  EXPECT_EQ(detail::BuildForm("T", nav.table, &error), nullptr);
  EXPECT_NE(error.find("NOWHERE"), std::string::npos) << error;
}

}  // namespace
}  // namespace ham
