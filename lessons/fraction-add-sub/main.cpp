#include "frame/frame.h"
#include "lessons/fraction-add-sub/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& FractionAddSubResources();

int main() {
  return ham::RunLessonProgram(FractionAddSubResources(), [] {
    ham::frame::Frame frame(ham::lessons::FractionAddSubLesson());
    frame.Main();
  });
}
