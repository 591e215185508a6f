#include "frame/frame.h"
#include "lessons/divisors/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& DivisorsResources();

int main() {
  return ham::RunLessonProgram(DivisorsResources(), [] {
    ham::frame::Frame frame(ham::lessons::DivisorsLesson());
    frame.Main();
  });
}
