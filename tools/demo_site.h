// A demo site on drive C: the host's folder with a stand-in host program and
// its shared pictures, and a lesson's folder two levels below it with the
// learner identifier, stand-in narration and the lesson's own pictures.
#pragma once

#include <filesystem>
#include <string>

#include "frame/lesson.h"

namespace ham::tools {

struct DemoSiteOptions {
  std::string host_folder = "KIRARI";   // under drive C
  std::string group_folder = "SANSU";   // five characters
  std::string lesson_folder = "L1";     // one to four characters
  std::string learner_id = "01";
  bool with_host = true;                // false: the host program is missing
  bool fresh_record = false;            // write the record anew with no passes even when there is one
};

struct DemoSite {
  std::filesystem::path drive_c;
  std::filesystem::path host;     // host's folder
  std::filesystem::path lesson;   // lesson's folder
  std::filesystem::path record;   // learner record
  std::filesystem::path host_log; // written by the stand-in host when started
};

// Builds the site, or writes an existing one anew: the host program, NO.BAS,
// the pictures and sounds; a learner record there is kept unless
// `fresh_record` asks for one with no passes, and other files are left.
// Throws std::runtime_error on failure.
DemoSite BuildDemoSite(const frame::Lesson& lesson, const std::filesystem::path& drive_c,
                       const DemoSiteOptions& options = {});

// A learner record with the lesson's counts and the given flags (missing
// flags are 0).
std::string RecordText(const frame::Lesson& lesson, const std::vector<std::vector<int>>& flags = {});

// A short sound of our own: a few tones, `seconds` long, 22050 Hz mono PCM.
std::vector<std::uint8_t> MakeNarrationWav(int number, double seconds);

}  // namespace ham::tools
