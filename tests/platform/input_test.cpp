// The pupil's input as the forms runtime takes it: clicks aimed at a
// control by a script, and the pointer at desktop points as the window
// delivers it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/api.h"
#include "platform/backend/headless.h"
#include "platform/internal.h"
#include "platform/utf8.h"

namespace ham {
namespace {

std::unique_ptr<Control> MakeControl(ControlKind kind, std::string name, Rect rect) {
  auto c = std::make_unique<Control>();
  c->kind = kind;
  c->name = std::move(name);
  c->rect = rect;
  if (kind == ControlKind::kLabel) c->handlers[EventKind::kClick] = c->name + "_CLICK";
  if (kind == ControlKind::kPushButton || kind == ControlKind::kBitmapButton)
    c->handlers[EventKind::kOn] = c->name + "_ON";
  if (kind == ControlKind::kEditBox) c->handlers[EventKind::kChange] = c->name + "_CHANGE";
  return c;
}

// A bar of controls at (0, 400), a small form covering its BUTTON4, and a
// hidden form; every declared procedure records its name when it runs.
struct Desk {
  Runtime rt;
  HeadlessBackend* backend;
  Form* bar;
  Form* cover;
  Form* hidden;
  std::vector<std::string> ran;

  Desk() {
    auto b = std::make_unique<HeadlessBackend>(rt);
    backend = b.get();
    rt.SetBackend(std::move(b));
    rt.trace().set_keep(true);

    auto f = std::make_unique<Form>("FORM7");
    f->design = {0, 400, 640, 40};
    f->handlers[EventKind::kMouseDown] = "FORM7_MOUSEDOWN";
    f->controls.push_back(MakeControl(ControlKind::kPushButton, "BUTTON2", {10, 5, 80, 24}));
    f->controls.push_back(MakeControl(ControlKind::kEditBox, "EDIT2", {100, 5, 160, 24}));
    f->controls.push_back(MakeControl(ControlKind::kLabel, "LABEL1", {270, 5, 60, 24}));
    f->controls.push_back(MakeControl(ControlKind::kPushButton, "BUTTON3", {340, 5, 80, 24}));
    f->controls.push_back(MakeControl(ControlKind::kBitmapButton, "BUTTON4", {430, 5, 80, 24}));
    f->Find("BUTTON3")->enabled = false;
    f->Find("EDIT2")->font_size = 16;
    bar = rt.AddForm(std::move(f));
    bar->visible = true;

    auto c = std::make_unique<Form>("FORM8");
    c->design = {420, 390, 100, 60};
    c->handlers[EventKind::kMouseDown] = "FORM8_MOUSEDOWN";
    cover = rt.AddForm(std::move(c));
    cover->visible = true;

    auto h = std::make_unique<Form>("FORM9");
    h->design = {0, 0, 200, 100};
    h->handlers[EventKind::kMouseDown] = "FORM9_MOUSEDOWN";
    h->controls.push_back(MakeControl(ControlKind::kPushButton, "BUTTON9", {10, 10, 80, 24}));
    hidden = rt.AddForm(std::move(h));

    for (Form* form : rt.Forms()) {
      for (const auto& [kind, name] : form->handlers) Record(name);
      for (const auto& ctl : form->controls)
        for (const auto& [kind, name] : ctl->handlers) Record(name);
    }
  }
  void Record(const std::string& name) {
    rt.RegisterProcedure("FE$" + name, [this, name](Form*) { ran.push_back(name); });
  }
  // Runs what the pupil's actions left held; returns the procedures' names.
  std::vector<std::string> Run() {
    ran.clear();
    while (rt.HasHeldEvents()) rt.WaitEvent();
    return ran;
  }
  Control& control(const std::string& name) { return *rt.FindControl(name); }
  // Desktop point inside a control, `dx` pixels from its left edge.
  int X(const Control& c, int dx) const { return c.form->left + c.rect.x + dx; }
  int Y(const Control& c) const { return c.form->top + c.rect.y + c.rect.h / 2; }
};

// A script's click is aimed at the named control wherever it stands: on a
// hidden form or under another form it acts; a disabled one does nothing.
TEST(ScriptClick, ActsOnTheNamedControlWhereverItStands) {
  struct Case {
    const char* name;
    std::vector<std::string> ran;
  };
  const Case cases[] = {
      {"BUTTON2", {"BUTTON2_ON"}},
      {"LABEL1", {"LABEL1_CLICK"}},
      {"BUTTON3", {}},                    // disabled
      {"BUTTON4", {"BUTTON4_ON"}},        // covered by FORM8
      {"BUTTON9", {"BUTTON9_ON"}},        // on a hidden form
      {"FORM7", {"FORM7_MOUSEDOWN"}},
      {"FORM9", {"FORM9_MOUSEDOWN"}},     // hidden
      {"MCI1", {}},                       // the media control
      {"EDIT2", {}},
  };
  for (const Case& c : cases) {
    Desk d;
    d.backend->AddAction(std::string("click ") + c.name);
    // Runs what the click held, then ends as the script runs out.
    EXPECT_EQ(RunProgram(d.rt, [&] {
                for (;;) d.rt.WaitEvent();
              }),
              0);
    EXPECT_EQ(d.ran, c.ran) << c.name;
    for (Form* f : d.rt.Forms())
      for (const auto& ctl : f->controls) EXPECT_FALSE(ctl->pressed) << c.name << " " << ctl->name;
  }
}

TEST(ScriptClick, OnABoxFocusesItAndLeavesTheCaret) {
  Desk d;
  Control& box = d.control("EDIT2");
  box.text = "123";
  box.caret = 1;
  d.backend->AddAction("click EDIT2");
  d.backend->AddAction("click BUTTON2");
  d.rt.WaitEvent();
  EXPECT_EQ(d.rt.focus(), &box);
  EXPECT_EQ(box.caret, 1);
  EXPECT_EQ(d.ran, std::vector<std::string>{"BUTTON2_ON"});
  // The trace has the action and the procedure it ran, nothing between.
  const auto& lines = d.rt.trace().lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find(R"("op":"action","line":"click EDIT2")"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find(R"("op":"action","line":"click BUTTON2")"), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find(R"("op":"event","procedure":"FE$BUTTON2_ON")"), std::string::npos) << lines[2];
}


TEST(Pointer, AButtonActsWhenReleasedOverIt) {
  Desk d;
  Control& ok = d.control("BUTTON2");
  EXPECT_TRUE(d.rt.PointerDown({d.X(ok, 40), d.Y(ok)}));
  EXPECT_TRUE(ok.pressed);
  EXPECT_EQ(d.rt.pressed_control(), &ok);
  EXPECT_FALSE(d.rt.HasHeldEvents());
  // Drawn pressed only while the pointer is over it.
  EXPECT_TRUE(d.rt.PointerMove(DesktopPoint{5, 5}));
  EXPECT_FALSE(ok.pressed);
  EXPECT_FALSE(d.rt.PointerMove(std::nullopt));
  EXPECT_TRUE(d.rt.PointerMove(DesktopPoint{d.X(ok, 2), d.Y(ok)}));
  EXPECT_TRUE(ok.pressed);
  EXPECT_TRUE(d.rt.PointerUp(DesktopPoint{d.X(ok, 70), d.Y(ok)}));
  EXPECT_FALSE(ok.pressed);
  EXPECT_EQ(d.rt.pressed_control(), nullptr);
  EXPECT_EQ(d.Run(), std::vector<std::string>{"BUTTON2_ON"});
  // A label acts the same way, without being drawn pressed.
  Control& label = d.control("LABEL1");
  EXPECT_FALSE(d.rt.PointerDown({d.X(label, 5), d.Y(label)}));
  EXPECT_FALSE(label.pressed);
  EXPECT_FALSE(d.rt.PointerMove(DesktopPoint{5, 5}));
  d.rt.PointerUp(DesktopPoint{d.X(label, 50), d.Y(label)});
  EXPECT_EQ(d.Run(), std::vector<std::string>{"LABEL1_CLICK"});
}

TEST(Pointer, ReleasedAnywhereElseNothingActs) {
  Desk d;
  Control& ok = d.control("BUTTON2");
  Control& box = d.control("EDIT2");
  Control& covered = d.control("BUTTON4");
  const std::optional<DesktopPoint> elsewhere[] = {
      DesktopPoint{d.X(box, 10), d.Y(box)},        // another control
      DesktopPoint{d.X(ok, 0) - 3, d.Y(ok)},       // the bar beside it
      DesktopPoint{d.X(ok, 40), 5},                // the main window above
      std::nullopt,                          // off the desktop
  };
  for (const auto& at : elsewhere) {
    d.rt.PointerDown({d.X(ok, 40), d.Y(ok)});
    EXPECT_TRUE(d.rt.PointerUp(at));
    EXPECT_FALSE(ok.pressed);
    EXPECT_EQ(d.rt.pressed_control(), nullptr);
    EXPECT_TRUE(d.Run().empty()) << (at ? at->x : -1);
  }
  // A button under another form is out of the pointer's reach: the press
  // is the covering form's.
  d.rt.PointerDown({d.X(covered, 40), d.Y(covered)});
  EXPECT_FALSE(covered.pressed);
  d.rt.PointerUp(DesktopPoint{d.X(covered, 40), d.Y(covered)});
  EXPECT_EQ(d.Run(), std::vector<std::string>{"FORM8_MOUSEDOWN"});
  // So is a hidden form's.
  Control& hidden = d.control("BUTTON9");
  d.rt.PointerDown({d.X(hidden, 5), d.Y(hidden)});
  d.rt.PointerUp(DesktopPoint{d.X(hidden, 5), d.Y(hidden)});
  EXPECT_TRUE(d.Run().empty());
}

TEST(Pointer, APressBesideTheControlsIsTheFormsAtOnce) {
  Desk d;
  EXPECT_FALSE(d.rt.PointerDown({600, 420}));
  EXPECT_EQ(d.Run(), std::vector<std::string>{"FORM7_MOUSEDOWN"});
  EXPECT_FALSE(d.rt.PointerUp(DesktopPoint{600, 420}));
  EXPECT_TRUE(d.Run().empty());
}

TEST(Pointer, DisabledControlsTakeNothing) {
  Desk d;
  Control& off = d.control("BUTTON3");
  EXPECT_FALSE(d.rt.PointerDown({d.X(off, 40), d.Y(off)}));
  EXPECT_FALSE(off.pressed);
  EXPECT_EQ(d.rt.pressed_control(), nullptr);
  EXPECT_FALSE(d.rt.PointerUp(DesktopPoint{d.X(off, 40), d.Y(off)}));
  EXPECT_TRUE(d.Run().empty());  // not the form's either
  Control& box = d.control("EDIT2");
  box.enabled = false;
  d.rt.PointerDown({d.X(box, 10), d.Y(box)});
  d.rt.PointerUp(DesktopPoint{d.X(box, 10), d.Y(box)});
  EXPECT_EQ(d.rt.focus(), nullptr);
  // A button disabled while held does not act on release.
  Control& ok = d.control("BUTTON2");
  d.rt.PointerDown({d.X(ok, 40), d.Y(ok)});
  ok.enabled = false;
  d.rt.PointerUp(DesktopPoint{d.X(ok, 40), d.Y(ok)});
  EXPECT_TRUE(d.Run().empty());
}

TEST(Pointer, TheCaretLandsAtTheNearestCharacter) {
  Desk d;
  Control& box = d.control("EDIT2");
  box.text = "3１4";
  auto edge = [&](int chars) {  // where the text's first `chars` characters end, in the box
    return 4 + detail::MeasureText(detail::ControlFace(box), box.font_size, utf8::Sub(box.text, 0, chars)).width;
  };
  ASSERT_LT(edge(0) + 4, edge(1));
  ASSERT_LT(edge(1) + 4, edge(2));
  ASSERT_LT(edge(2) + 4, edge(3));
  struct Case {
    int x;  // in the box
    int caret;
  };
  const Case cases[] = {
      {0, 0},
      {edge(0) + 1, 0},
      {edge(1) - 1, 1},
      {edge(1) + 1, 1},
      {edge(2) - 1, 2},
      {edge(2) + 2, 2},
      {edge(3) - 2, 3},
      {box.rect.w - 1, 3},
  };
  for (const Case& c : cases) {
    box.caret = -1;
    EXPECT_TRUE(d.rt.PointerDown({d.X(box, c.x), d.Y(box)}));
    d.rt.PointerUp(DesktopPoint{d.X(box, c.x), d.Y(box)});
    EXPECT_EQ(box.caret, c.caret) << c.x;
    EXPECT_EQ(d.rt.focus(), &box);
  }
  // Typing goes in there.
  d.rt.PointerDown({d.X(box, edge(2)), d.Y(box)});
  d.rt.PointerUp(DesktopPoint{d.X(box, edge(2)), d.Y(box)});
  EXPECT_TRUE(d.rt.TypeInFocus("5"));
  EXPECT_EQ(box.text, "3１54");
  EXPECT_EQ(d.Run(), std::vector<std::string>{"EDIT2_CHANGE"});
}

TEST(Pointer, OnlyTheMessageBoxsOkTakesItWhileItIsOpen) {
  Desk d;
  MessageBoxState& mb = d.rt.message_box();
  mb.open = true;
  mb.text = "その番号はありません！";
  const Rect ok = detail::MessageBoxLayoutOf(d.rt).ok;
  const DesktopPoint on{ok.x + ok.w / 2, ok.y + ok.h / 2};
  const DesktopPoint beside{ok.x - 10, ok.y + ok.h / 2};
  Control& button = d.control("BUTTON2");
  Control& box = d.control("EDIT2");
  struct Case {
    std::optional<DesktopPoint> down, up;
  };
  // Down on OK and up beside or off the desktop; down beside and up on OK;
  // the controls below it.
  const Case keep_open[] = {
      {on, beside},
      {on, std::nullopt},
      {beside, on},
      {DesktopPoint{d.X(button, 40), d.Y(button)}, DesktopPoint{d.X(button, 40), d.Y(button)}},
      {DesktopPoint{d.X(box, 10), d.Y(box)}, DesktopPoint{d.X(box, 10), d.Y(box)}},
      {DesktopPoint{600, 420}, DesktopPoint{600, 420}},
  };
  for (const Case& c : keep_open) {
    EXPECT_FALSE(d.rt.PointerDown(*c.down));
    EXPECT_FALSE(d.rt.PointerUp(c.up));
    EXPECT_TRUE(mb.open);
  }
  EXPECT_FALSE(button.pressed);
  EXPECT_EQ(d.rt.focus(), nullptr);
  EXPECT_FALSE(d.rt.HasHeldEvents());
  d.rt.PointerDown(on);
  EXPECT_TRUE(d.rt.PointerUp(DesktopPoint{ok.x + ok.w - 1, ok.y}));
  EXPECT_FALSE(mb.open);
  EXPECT_FALSE(d.rt.HasHeldEvents());
}

TEST(Pointer, AMessageBoxLetsGoOfAHeldButton) {
  Desk d;
  Control& ok = d.control("BUTTON2");
  d.rt.PointerDown({d.X(ok, 40), d.Y(ok)});
  d.backend->AddAction("dismiss");
  FmMessageBox(nullptr, "", "x");
  EXPECT_FALSE(ok.pressed);
  EXPECT_FALSE(d.rt.PointerUp(DesktopPoint{d.X(ok, 40), d.Y(ok)}));
  EXPECT_TRUE(d.Run().empty());
}

TEST(Pointer, KeysAreTheInputMethodsWhileItComposes) {
  Desk d;
  Control& box = d.control("EDIT2");
  box.text = "4";
  box.caret = 1;
  EXPECT_FALSE(d.rt.SetPreedit("ご"));  // no box has the focus
  d.rt.SetFocus(&box);
  EXPECT_TRUE(d.rt.SetPreedit("ご"));
  EXPECT_FALSE(d.rt.SetPreedit("ご"));
  d.rt.PressKey(Key::kBackspace);
  EXPECT_EQ(box.text, "4");
  EXPECT_TRUE(d.rt.TypeInFocus("５"));
  EXPECT_TRUE(box.preedit.empty());
  d.rt.PressKey(Key::kBackspace);
  d.rt.PressKey(Key::kBackspace);
  EXPECT_EQ(box.text, "");
  EXPECT_EQ(d.Run(), (std::vector<std::string>{"EDIT2_CHANGE", "EDIT2_CHANGE", "EDIT2_CHANGE"}));
  d.rt.message_box().open = true;
  EXPECT_FALSE(d.rt.TypeInFocus("1"));
  EXPECT_FALSE(d.rt.SetPreedit("い"));
  EXPECT_EQ(box.text, "");
}

}  // namespace
}  // namespace ham
