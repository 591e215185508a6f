// A small program on the frame's forms, driven by a script: the forms placed
// as a lesson places them, a navigation button clicked and a box typed into.
#include <gtest/gtest.h>

#include "platform/api.h"
#include "platform/backend/headless.h"
#include "platform/program.h"
#include "tests/forms/resources.h"

namespace ham {
namespace {

bool HasLine(const Trace& t, const std::string& needle) {
  for (const std::string& l : t.lines())
    if (l.find(needle) != std::string::npos) return true;
  return false;
}

TEST(FormsProgram, ScriptDrivesTheFramesForms) {
  Runtime rt;
  rt.SetResources(&test::FrameResources());
  rt.trace().set_keep(true);
  auto backend = std::make_unique<HeadlessBackend>(rt);
  std::string error;
  ASSERT_TRUE(backend->SetScript("click BMPBUTTON3\ntype EDIT1 12\nclick FORM4\n", &error)) << error;
  rt.SetBackend(std::move(backend));

  std::string entry;
  int moves = 0;
  rt.RegisterProcedure("FE$BMPBUTTON3_ON", [](Form*) { FmSetText(FmGetControl(FmLoadForm("FORM3"), "EDIT1"), ""); });
  rt.RegisterProcedure("FE$EDIT1_CHANGE", [&](Form*) { entry = FmGetText(FmGetControl(FmLoadForm("FORM3"), "EDIT1")); });
  rt.RegisterProcedure("FE$FORM4_MOUSEDOWN", [&](Form*) { ++moves; });
  Control* mci = nullptr;

  int status = RunOn(rt, [&] {
    mci = FmGetControl(0, "MCI1");
    struct Place { const char* name; int x, y; bool show; };
    const Place places[] = {{"FORM5", 0, 480, true}, {"FORM3", 0, 414, true}, {"FORM4", 0, 0, true},
                            {"FORM6", 641, 0, true},  {"FORM7", 0, 414, false}, {"FORM8", 0, 440, true},
                            {"FORM9", 0, 414, false}, {"FORM10", 0, 414, false}};
    for (const Place& p : places) {
      Form* f = FmLoadForm(p.name, 0);
      FmSetPosition(f, p.x, p.y);
      FmSetVisible(f, p.show ? -1 : 0);
    }
    for (;;) {
      FmWaitEvent(0);
      if (FmEventPending() == -1) {
        FmMciSend(mci, "close wave1");
        FmClearEvent();
      }
    }
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(entry, "12");
  EXPECT_EQ(moves, 1);
  // The media control found before MAINFORM was filled in is the one it holds.
  EXPECT_EQ(mci, rt.main_form().Find("MCI1"));
  const Trace& t = rt.trace();
  EXPECT_TRUE(HasLine(t, R"("op":"action","line":"click BMPBUTTON3")"));
  EXPECT_TRUE(HasLine(t, R"("op":"event","procedure":"FE$BMPBUTTON3_ON")"));
  EXPECT_TRUE(HasLine(t, R"("op":"settext","control":"EDIT1","text":"")"));
  EXPECT_TRUE(HasLine(t, R"("op":"event","procedure":"FE$EDIT1_CHANGE")"));
  EXPECT_TRUE(HasLine(t, R"("op":"mci","command":"close wave1")"));
  EXPECT_TRUE(HasLine(t, R"("op":"move","form":"FORM8","x":0,"y":440)"));
  EXPECT_EQ(rt.FindForm("FORM8")->Find("BMPBUTTON1")->hint, "前のページへ");
}

}  // namespace
}  // namespace ham
