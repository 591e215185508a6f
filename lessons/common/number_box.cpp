#include "lessons/common/number_box.h"

#include "frame/templates.h"

namespace ham::lessons::common {

frame::AnswerBar FourBoxOk(std::string form, std::string button, std::vector<std::string> boxes) {
  return frame::Bar(std::move(form), std::move(button), std::move(boxes));
}

}  // namespace ham::lessons::common
