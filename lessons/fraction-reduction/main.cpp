#include "frame/frame.h"
#include "lessons/fraction-reduction/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& FractionReductionResources();

int main() {
  return ham::RunLessonProgram(FractionReductionResources(), [] {
    ham::frame::Frame frame(ham::lessons::FractionReductionLesson());
    frame.Main();
  });
}
