#include "frame/frame.h"
#include "lessons/multiples/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& MultiplesResources();

int main() {
  return ham::RunLessonProgram(MultiplesResources(), [] {
    ham::frame::Frame frame(ham::lessons::MultiplesLesson());
    frame.Main();
  });
}
