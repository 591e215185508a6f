#include "lessons/rhombus-triangle/lesson.h"

namespace ham::lessons::rhombus_triangle {

using namespace ham::frame;

Step NarrateNoClose(std::string file, std::optional<float> pause) {
  return Call([file, pause](Frame& f) {
    FrameState& s = f.state();
    if (s.StartParagraph > s.CurrentParagraph) return;
    s.WavFile = file;
    f.PlayWave();
    if (pause) f.Pause(*pause);
  });
}

Step GuardedClose() {
  return Call([](Frame& f) {
    if (f.state().StartParagraph <= f.state().CurrentParagraph) FmMciSend(f.state().MciRef, "close wave1");
  });
}

}  // namespace ham::lessons::rhombus_triangle
