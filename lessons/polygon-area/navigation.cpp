#include "lessons/polygon-area/navigation.h"

#include "frame/frame.h"
#include "frame/templates.h"

namespace ham::lessons {

using namespace ham::frame;

Lesson PolygonAreaNavigation() {
  Lesson l;
  l.forms = FrameForms({"FORM9"}, true);
  l.boxes = {"EDIT1", "EDIT2", "EDIT3", "EDIT4"};
  l.bars = {Bar("FORM7", "BUTTON2", {"EDIT2"}), Bar("FORM9", "BUTTON3", {"EDIT3", "EDIT4"})};
  l.nav_blank = l.boxes;
  l.nav_hide = {"FORM7", "FORM9"};
  l.move = FrameMoves({"FORM9"});
  l.practice_hide = {"FORM3", "FORM7", "FORM9"};
  l.practice_form_hide = {"FORM9"};
  // A page cut short may have left the paragraphs' window (0,0)-(639,479).
  l.on_pending = [](Frame&) { RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568); };
  return l;
}

}  // namespace ham::lessons
