#include "frame/frame.h"
#include "lessons/parallelogram-trapezoid/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& ParallelogramTrapezoidResources();

int main() {
  return ham::RunLessonProgram(ParallelogramTrapezoidResources(), [] {
    ham::frame::Frame frame(ham::lessons::ParallelogramTrapezoidLesson());
    frame.Main();
  });
}
