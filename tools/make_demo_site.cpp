// make-demo-site LESSON DRIVE_C [--no-host] [--keep-record]
// Builds the demo site for a lesson and prints the lesson's folder.
#include <cstring>
#include <iostream>

#include "lessons/registry.h"
#include "platform/runtime.h"
#include "tools/demo_site.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: make-demo-site LESSON DRIVE_C [--no-host] [--keep-record]\n";
    return 2;
  }
  const ham::frame::Lesson* lesson = ham::lessons::FindLesson(argv[1]);
  if (!lesson) {
    std::cerr << "unknown lesson " << argv[1] << "\n";
    return 2;
  }
  ham::tools::DemoSiteOptions o;
  for (int i = 3; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--no-host")) o.with_host = false;
    else if (!std::strcmp(argv[i], "--keep-record")) o.fresh_record = false;
  }
  // One lesson folder name per lesson (one to four characters), and a learner
  // identifier of each lesson's own, so that lessons on one drive C keep
  // records of their own.
  static const std::pair<const char*, const char*> kFolders[] = {
      {"divisors", "YAKU"}, {"polygon-area", "TAKA"}, {"parallelogram-trapezoid", "HEIK"},
      {"rhombus-triangle", "HISI"}, {"average-per-unit", "HEIN"}, {"even-odd", "GUKI"},
      {"multiples", "BAI"}, {"division-fractions", "WARI"}, {"fraction-add-sub", "TASU"},
      {"number-comparison", "KURA"}, {"fraction-reduction", "YAKB"},
  };
  for (auto& [name, folder] : kFolders)
    if (std::string(argv[1]) == name) {
      o.lesson_folder = folder;
      o.learner_id = std::string(folder) + "01";
    }
  try {
    ham::Runtime rt;  // text drawing for the stand-in pictures
    ham::tools::DemoSite site = ham::tools::BuildDemoSite(*lesson, argv[2], o);
    std::cout << site.lesson.string() << "\n";
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
