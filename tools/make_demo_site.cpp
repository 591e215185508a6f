// make-demo-site LESSON DRIVE_C [--fresh-record] [--no-host]
// Builds the demo site for a lesson, or writes an existing one anew keeping
// its learner record, and prints the lesson's folder.
#include <cstring>
#include <iostream>

#include "lessons/registry.h"
#include "platform/runtime.h"
#include "tools/demo_site.h"

namespace {

const char* const kUsage =
    "usage: make-demo-site LESSON DRIVE_C [--fresh-record] [--no-host]\n"
    "Builds the demo site of LESSON on the folder that stands for drive C, or writes\n"
    "an existing one anew, and prints the lesson's folder. The learner record of an\n"
    "existing site is kept; a new site gets one with no passes.\n"
    "  --fresh-record  write the learner record anew, with no passes\n"
    "  --no-host       no host program (one already there is removed)\n"
    "  --keep-record   keep the learner record (the default; for older scripts)\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << kUsage;
    return 2;
  }
  ham::tools::DemoSiteOptions o;
  for (int i = 3; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--no-host")) {
      o.with_host = false;
    } else if (!std::strcmp(argv[i], "--fresh-record")) {
      o.fresh_record = true;
    } else if (std::strcmp(argv[i], "--keep-record") != 0) {
      std::cerr << "unknown option " << argv[i] << "\n" << kUsage;
      return 2;
    }
  }
  const ham::frame::Lesson* lesson = ham::lessons::FindLesson(argv[1]);
  if (!lesson) {
    std::cerr << "unknown lesson " << argv[1] << "\n";
    return 2;
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
