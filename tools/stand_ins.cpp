#include "tools/stand_ins.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "lessons/registry.h"

namespace ham::tools {

namespace {

using Sizes = std::vector<std::pair<std::string_view, PictureSize>>;

// The frame's shared pictures: title art, stripe, the mascots and their poses.
const Sizes kShared = {
    {"ｻｲｹ.BMP", {590, 90}},    {"ﾎﾟｺ.BMP", {160, 200}},  {"ﾁｬﾋﾟ.BMP", {160, 200}}, {"ｽﾄﾗｲﾌﾟ.BMP", {200, 40}},
    {"ﾎﾟｺ2.BMP", {160, 200}}, {"ﾁｬﾋﾟ2.BMP", {160, 200}}, {"PF.BMP", {20, 50}},       {"CF.BMP", {20, 50}},
};

// Each lesson's further pictures, by the lesson's name.
const std::map<std::string_view, Sizes>& LessonSizes() {
  static const std::map<std::string_view, Sizes> sizes = {
      {"divisors", {{"CL.BMP", {40, 50}}, {"PL.BMP", {40, 50}}}},
      {"parallelogram-trapezoid",
       {{"B6.BMP", {32, 48}}, {"B12.BMP", {3, 48}}, {"B27.BMP", {105, 48}}, {"B33.BMP", {105, 48}},
        {"B39.BMP", {70, 48}}, {"B42.BMP", {24, 24}}, {"B68.BMP", {50, 22}}, {"上指.BMP", {20, 20}},
        {"右指.BMP", {20, 20}}, {"左指.BMP", {20, 20}}}},
      // The triangle's parts, sized to where page 3 places them.
      {"rhombus-triangle",
       {{"B6.BMP", {32, 48}}, {"B27.BMP", {24, 48}}, {"B33.BMP", {56, 16}}, {"B36.BMP", {16, 48}},
        {"B39.BMP", {40, 40}}, {"B42.BMP", {40, 40}}, {"B54.BMP", {56, 34}}, {"B60.BMP", {8, 48}},
        {"B66.BMP", {50, 14}}}},
      {"average-per-unit",
       {{"上指.BMP", {20, 20}}, {"hok1.BMP", {20, 20}}, {"hok2.BMP", {20, 20}}, {"左指.BMP", {20, 20}},
        {"右指.BMP", {20, 20}}, {"cr.BMP", {40, 60}}, {"cl.BMP", {35, 60}}, {"pr.BMP", {40, 60}}}},
      // The poses fit the boxes that erase them: the narrowest is 35 wide,
      // and 60 units high are some 50 pixels.
      {"multiples", {{"PR.BMP", {35, 50}}, {"PL.BMP", {35, 50}}, {"CR.BMP", {35, 50}}, {"CL.BMP", {35, 50}}}},
      {"division-fractions", {{"cl.BMP", {35, 60}}}},
      {"fraction-add-sub", {{"pl.BMP", {40, 40}}}},
      {"number-comparison", {{"右指.BMP", {20, 20}}}},
      {"fraction-reduction", {{"pl.BMP", {40, 60}}}},
  };
  return sizes;
}

// Sounds a lesson's own code plays, beside its scripts' narration.
const std::map<std::string_view, std::vector<std::string_view>> kOwnSounds = {
    {"rhombus-triangle", {"SOUND12.WAV"}},
};

// The lesson's name in the registry; empty for a lesson it does not list.
std::string_view NameOf(const frame::Lesson& lesson) {
  for (const lessons::LessonEntry& e : lessons::AllLessons())
    if (&e.lesson() == &lesson) return e.name;
  return {};
}

const PictureSize* Find(const Sizes& sizes, std::string_view file) {
  for (const auto& [name, size] : sizes)
    if (name == file) return &size;
  return nullptr;
}

// Pause units a step may wait; narration steps mark where a sound starts.
double StepUnits(const frame::Step& s) {
  if (auto* p = std::get_if<frame::PauseLengthStep>(&s)) return p->length;
  if (auto* b = std::get_if<frame::BlinkStep>(&s)) return std::max(b->last - b->first + 1, 0) * static_cast<double>(b->pause);
  return 0;
}

}  // namespace

PictureSize StandInSize(const frame::Lesson& lesson, std::string_view file) {
  if (auto it = LessonSizes().find(NameOf(lesson)); it != LessonSizes().end())
    if (const PictureSize* s = Find(it->second, file)) return *s;
  if (const PictureSize* s = Find(kShared, file)) return *s;
  return {};
}

std::vector<SoundUse> LessonSounds(const frame::Lesson& lesson) {
  using namespace frame;
  std::map<std::string, double> shortest;
  std::vector<std::string> order;
  auto note = [&](const std::string& file, double seconds) {
    seconds = std::clamp(seconds, 0.2, 4.0);
    auto it = shortest.find(file);
    if (it == shortest.end()) {
      shortest[file] = seconds;
      order.push_back(file);
    } else {
      it->second = std::min(it->second, seconds);
    }
  };
  for (const Page& page : lesson.pages) {
    if (page.kind != PageKind::kExplanation) continue;
    const Steps& steps = page.explanation.steps;
    for (std::size_t i = 0; i < steps.size(); ++i) {
      auto* n = std::get_if<NarrationStep>(&steps[i]);
      if (!n) continue;
      if (n->wait) {
        note(n->file, 0.8);
        continue;
      }
      double units = 20 + (n->pause ? *n->pause : 0);
      for (std::size_t j = i + 1; j < steps.size(); ++j) {
        if (std::holds_alternative<NarrationStep>(steps[j])) break;
        units += StepUnits(steps[j]);
      }
      note(n->file, 0.8 * units / 100.0);
    }
  }
  if (auto it = kOwnSounds.find(NameOf(lesson)); it != kOwnSounds.end())
    for (std::string_view f : it->second) note(std::string(f), 1.0);
  note("SOUND80.WAV", 2.0);
  std::vector<SoundUse> out;
  for (const std::string& f : order) out.push_back({f, shortest[f]});
  return out;
}

}  // namespace ham::tools
