// What the demo site's stand-ins for a real site's pictures measure: only
// the demo needs it, the lessons draw whatever pictures a site holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "frame/lesson.h"

namespace ham::tools {

struct PictureSize {
  int w = 40, h = 40;
};

// The size of the stand-in of `file`, one of the lesson's pictures.
PictureSize StandInSize(const frame::Lesson& lesson, std::string_view file);

// The narration files a lesson plays (its scripts, the sounds its own code
// plays, then the jingle), with the time each may last without overrunning
// the pauses after it.
struct SoundUse {
  std::string file;
  double seconds = 0.5;
};
std::vector<SoundUse> LessonSounds(const frame::Lesson& lesson);

}  // namespace ham::tools
