#include "frame/frame.h"
#include "lessons/number-comparison/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& NumberComparisonResources();

int main() {
  return ham::RunLessonProgram(NumberComparisonResources(), [] {
    ham::frame::Frame frame(ham::lessons::NumberComparisonLesson());
    frame.Main();
  });
}
