// The event protocol: held actions, pending state, programmatic changes.
#include <gtest/gtest.h>

#include "platform/api.h"
#include "platform/backend/headless.h"

namespace ham {
namespace {

// A form with a box and an OK button, built by hand.
Form* AddBar(Runtime& rt) {
  auto f = std::make_unique<Form>("FORM7");
  f->design = {0, 414, 641, 29};
  auto ok = std::make_unique<Control>();
  ok->kind = ControlKind::kPushButton;
  ok->name = "BUTTON2";
  ok->caption = "O  K";
  ok->rect = {320, 0, 80, 22};
  ok->handlers[EventKind::kOn] = "BUTTON2_ON";
  auto box = std::make_unique<Control>();
  box->kind = ControlKind::kEditBox;
  box->name = "EDIT2";
  box->rect = {128, 0, 64, 22};
  box->handlers[EventKind::kChange] = "EDIT2_CHANGE";
  f->controls.push_back(std::move(ok));
  f->controls.push_back(std::move(box));
  return rt.AddForm(std::move(f));
}

struct Fixture {
  Runtime rt;
  HeadlessBackend* backend;
  Form* bar;
  std::vector<std::string> calls;
  std::string typed;
  Fixture() {
    auto b = std::make_unique<HeadlessBackend>(rt);
    backend = b.get();
    rt.SetBackend(std::move(b));
    rt.trace().set_keep(true);
    bar = AddBar(rt);
    rt.RegisterProcedure("FE$BUTTON2_ON", [this](Form*) { calls.push_back("ok"); });
    rt.RegisterProcedure("FE$EDIT2_CHANGE", [this](Form*) {
      typed = FmGetText(FmGetControl(bar, "EDIT2"));
      calls.push_back("change:" + typed);
    });
  }
};

TEST(Events, ActionDuringHandlerIsHeldAndRunsInNextWait) {
  Fixture fx;
  fx.backend->AddAction("click BUTTON2");
  bool pressed_inside = false;
  fx.rt.RegisterProcedure("FE$BUTTON2_ON", [&](Form*) {
    fx.calls.push_back("ok");
    if (!pressed_inside) {
      pressed_inside = true;
      fx.rt.TypeText(*FmGetControl(fx.bar, "EDIT2"), "5");  // arrives while the handler runs
    }
  });
  FmWaitEvent();
  ASSERT_EQ(fx.calls.size(), 1u);
  EXPECT_EQ(FmEventPending(), -1);
  FmWaitEvent();
  ASSERT_EQ(fx.calls.size(), 2u);
  EXPECT_EQ(fx.calls[1], "change:5");
}

TEST(Events, PendingStaysSetUntilCleared) {
  Fixture fx;
  fx.backend->AddAction("click BUTTON2");
  EXPECT_EQ(FmEventPending(), 0);
  FmWaitEvent();
  EXPECT_EQ(FmEventPending(), -1);
  EXPECT_EQ(FmEventPending(), -1);
  FmClearEvent();
  EXPECT_EQ(FmEventPending(), 0);
}

TEST(Events, TimedActionDuringWaitMarksPending) {
  Fixture fx;
  fx.backend->AddAction("+30 click BUTTON2");
  RtWait(20);
  EXPECT_EQ(FmEventPending(), 0);
  RtWait(20);  // the click lands in this pause; the pause is not cut short
  EXPECT_EQ(FmEventPending(), -1);
  EXPECT_EQ(fx.rt.Now(), 40);
  EXPECT_TRUE(fx.calls.empty());  // procedures run only in the wait
  FmWaitEvent();
  EXPECT_EQ(fx.calls, std::vector<std::string>{"ok"});
}

TEST(Events, ProgrammaticBlankRunsChangeAtOnceWithoutPending) {
  Fixture fx;
  fx.backend->AddAction("type EDIT2 12");
  FmWaitEvent();
  FmWaitEvent();
  EXPECT_EQ(fx.typed, "12");
  FmClearEvent();
  FmSetText(FmGetControl(fx.bar, "EDIT2"), "");
  EXPECT_EQ(fx.typed, "");
  EXPECT_EQ(FmEventPending(), 0);
}

TEST(Events, InertDeclarationIsNoAction) {
  Fixture fx;
  auto f = std::make_unique<Form>("FORM6");
  f->handlers[EventKind::kMouseDown] = "FORM6_MOUSEDOWN";
  Form* form6 = fx.rt.AddForm(std::move(f));
  fx.rt.MouseDownOnForm(*form6);
  EXPECT_EQ(FmEventPending(), 0);
  EXPECT_FALSE(fx.rt.HasHeldEvents());
}

TEST(Events, MessageBoxIsModal) {
  Fixture fx;
  fx.backend->AddAction("click BUTTON2");
  EXPECT_EQ(RunProgram(fx.rt, [] { FmMessageBox(nullptr, "", "その番号はありません！"); }), 2);
  Fixture fy;
  fy.backend->AddAction("dismiss");
  fy.backend->AddAction("click BUTTON2");
  FmMessageBox(nullptr, "", "x");
  EXPECT_FALSE(fy.rt.message_box().open);
  FmWaitEvent();
  EXPECT_EQ(fy.calls, std::vector<std::string>{"ok"});
}

TEST(Events, ReturnInABoxPressesTheFormsOk) {
  Fixture fx;
  fx.backend->AddAction("type EDIT2 7");
  fx.backend->AddAction("key Return");
  FmWaitEvent();
  FmWaitEvent();
  EXPECT_EQ(fx.calls, (std::vector<std::string>{"change:7", "ok"}));
}

TEST(Events, ClosingEndsWaitsAtOnceWhereAClickKeepsThem) {
  {
    Fixture fx;
    fx.backend->AddAction("+5 click BUTTON2");
    RtWait(850);
    EXPECT_EQ(fx.rt.Now(), 850);
    EXPECT_EQ(FmEventPending(), -1);
  }
  Fixture fx;
  int exits = 0;
  fx.rt.on_window_close = [&] { ++exits; };
  fx.backend->on_probe = [&](const std::string&) { fx.rt.CloseWindow(); };
  fx.backend->AddAction("+5 probe close");
  RtWait(850);
  EXPECT_EQ(fx.rt.Now(), 5);
  EXPECT_EQ(exits, 1);
  RtWait(850);
  EXPECT_EQ(fx.rt.Now(), 5);
  // No message box waits for the pupil, and the program sees an action
  // pending at every step until it ends.
  EXPECT_EQ(FmMessageBox(nullptr, "", "x", 0, 1), 1);
  EXPECT_FALSE(fx.rt.message_box().open);
  FmClearEvent();
  EXPECT_EQ(FmEventPending(), -1);
}

TEST(Events, ScriptRunOutClosesTheWindow) {
  Fixture fx;
  bool closed = false;
  fx.rt.on_window_close = [&] { closed = true; fx.rt.End(0); };
  EXPECT_EQ(RunProgram(fx.rt, [] { FmWaitEvent(); }), 0);
  EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace ham
