#include "frame/frame.h"
#include "lessons/polygon-area/lesson.h"
#include "platform/program.h"

const ham::ResourceTable& PolygonAreaResources();

int main() {
  return ham::RunLessonProgram(PolygonAreaResources(), [] {
    ham::frame::Frame frame(ham::lessons::PolygonAreaLesson());
    frame.Main();
  });
}
