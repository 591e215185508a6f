#include "frame/frame.h"
#include "lessons/even-odd/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& EvenOddResources();

int main() {
  return ham::RunLessonProgram(EvenOddResources(), [] {
    ham::frame::Frame frame(ham::lessons::EvenOddLesson());
    frame.Main();
  });
}
