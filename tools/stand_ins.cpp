#include "tools/stand_ins.h"

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
      {"rhombus-triangle",
       {{"B6.BMP", {32, 48}}, {"B27.BMP", {24, 48}}, {"B33.BMP", {56, 16}}, {"B36.BMP", {16, 48}},
        {"B39.BMP", {40, 40}}, {"B42.BMP", {40, 40}}, {"B54.BMP", {56, 34}}, {"B60.BMP", {8, 48}},
        {"B66.BMP", {50, 14}}}},
      {"average-per-unit",
       {{"上指.BMP", {20, 20}}, {"hok1.BMP", {20, 20}}, {"hok2.BMP", {20, 20}}, {"左指.BMP", {20, 20}},
        {"右指.BMP", {20, 20}}, {"cr.BMP", {40, 60}}, {"cl.BMP", {35, 60}}, {"pr.BMP", {40, 60}}}},
      {"multiples", {{"PR.BMP", {35, 50}}, {"PL.BMP", {35, 50}}, {"CR.BMP", {35, 50}}, {"CL.BMP", {35, 50}}}},
      {"division-fractions", {{"cl.BMP", {35, 60}}}},
      {"fraction-add-sub", {{"pl.BMP", {40, 40}}}},
      {"number-comparison", {{"右指.BMP", {20, 20}}}},
      {"fraction-reduction", {{"pl.BMP", {40, 60}}}},
  };
  return sizes;
}

const PictureSize* Find(const Sizes& sizes, std::string_view file) {
  for (const auto& [name, size] : sizes)
    if (name == file) return &size;
  return nullptr;
}

}  // namespace

PictureSize StandInSize(const frame::Lesson& lesson, std::string_view file) {
  for (const lessons::LessonEntry& e : lessons::AllLessons()) {
    if (&e.lesson() != &lesson) continue;
    auto it = LessonSizes().find(e.name);
    if (it != LessonSizes().end())
      if (const PictureSize* s = Find(it->second, file)) return *s;
  }
  if (const PictureSize* s = Find(kShared, file)) return *s;
  return {};
}

}  // namespace ham::tools
