#include "lessons/common/navigation.h"

#include "frame/frame.h"
#include "frame/templates.h"

namespace ham::lessons::common {

using namespace ham::frame;

Lesson TwoBarNavigation() {
  Lesson l;
  UseFrameBars(l, false, true);
  l.practice_form_hide = {"FORM9"};
  // A page cut short may have left the paragraphs' window (0,0)-(639,479).
  l.on_pending = [](Frame&) { RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568); };
  return l;
}

}  // namespace ham::lessons::common
