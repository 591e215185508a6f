#include "lessons/common/sheet.h"

#include "frame/templates.h"

namespace ham::lessons::common {

using namespace ham::frame;

Lesson SheetAndBars(const SheetOptions& options) {
  const std::vector<std::string> more = {"FORM9", "FORM10", "FORM11", "FORM12"};
  Lesson l;
  l.forms = FrameForms({}, true);
  for (const std::string& b : more) l.forms.push_back({b, 0, 414, FormLoad::Show::kHidden, true, false});
  l.boxes = {"EDIT1"};
  for (int k = 2; k <= 18; ++k) l.boxes.push_back("EDIT" + std::to_string(k));

  AnswerBar five = Bar("FORM9", "BUTTON3", {"EDIT3", "EDIT4", "EDIT5", "EDIT6", "EDIT7"});
  five.live = false;
  AnswerBar six = Bar("FORM10", "BUTTON4", {"EDIT8", "EDIT9", "EDIT10", "EDIT11", "EDIT12", "EDIT13"});
  six.live = false;
  AnswerBar one = Bar("FORM7", "BUTTON2", {"EDIT2"});
  one.live = options.one_box_answers;
  one.expected = {options.one_box_slot};
  l.bars = {one, five, six, Bar("FORM11", "BUTTON5", {"EDIT14", "EDIT15"}),
            Bar("FORM12", "BUTTON6", {"EDIT16", "EDIT17", "EDIT18"})};

  l.nav_blank = {"EDIT1", "EDIT2"};
  l.nav_hide = {"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"};
  l.move = FrameMoves(more);
  l.practice_hide = {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"};
  // A one-box problem after an A/B problem must not show FORM11 beside FORM7.
  l.practice_form_hide = {"FORM9", "FORM11"};
  l.before_main_form = LoadSheetAndMainForm;
  return l;
}

void LoadSheetAndMainForm(Frame& f) {
  Form* sheet = FmLoadForm("FORM2", 0);
  f.state().FormRef["FORM2"] = sheet;
  FmSetSize(sheet, 640, 480);
  f.ApplyPalette(sheet);
  RtSetColor(sheet, 7, 0, 7, 4, 15);
  Picture& scratch = f.picture(kScratchPicture);
  scratch.set_name(kScratchPicture);
  FmNewPicture(scratch);
  FmLoadForm("MAINFORM", -1);
}

Form* Sheet(const Frame& f) { return f.form("FORM2"); }

void CopySheetBlock(Frame& f, int x, int y, int w, int h) {
  Picture& scratch = f.picture(kScratchPicture);
  FmNewPictureSize(scratch, w, h);
  FmCopyRect(&scratch, 0, 0, w, h, Sheet(f), x, y);
  FmCopyRect(kMainWindow, x, y, w, h, &scratch, 0, 0);
  FmDeletePicture(scratch);
}

}  // namespace ham::lessons::common
