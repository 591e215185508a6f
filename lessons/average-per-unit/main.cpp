#include "frame/frame.h"
#include "lessons/average-per-unit/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& AveragePerUnitResources();

int main() {
  return ham::RunLessonProgram(AveragePerUnitResources(), [] {
    ham::frame::Frame frame(ham::lessons::AveragePerUnitLesson());
    frame.Main();
  });
}
