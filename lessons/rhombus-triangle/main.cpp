#include "frame/frame.h"
#include "lessons/rhombus-triangle/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& RhombusTriangleResources();

int main() {
  return ham::RunLessonProgram(RhombusTriangleResources(), [] {
    ham::frame::Frame frame(ham::lessons::RhombusTriangleLesson());
    frame.Main();
  });
}
