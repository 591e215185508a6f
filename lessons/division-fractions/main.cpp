#include "frame/frame.h"
#include "lessons/division-fractions/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& DivisionFractionsResources();

int main() {
  return ham::RunLessonProgram(DivisionFractionsResources(), [] {
    ham::frame::Frame frame(ham::lessons::DivisionFractionsLesson());
    frame.Main();
  });
}
