// What the demo site's stand-ins for a real site's pictures measure: only
// the demo needs it, the lessons draw whatever pictures a site holds.
#pragma once

#include <string_view>

#include "frame/lesson.h"

namespace ham::tools {

struct PictureSize {
  int w = 40, h = 40;
};

// The size of the stand-in of `file`, one of the lesson's pictures.
PictureSize StandInSize(const frame::Lesson& lesson, std::string_view file);

}  // namespace ham::tools
