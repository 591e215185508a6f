#include "tools/demo_site.h"

#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "platform/api.h"
#include "platform/internal.h"
#include "tools/stand_ins.h"

namespace ham::tools {

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

void WriteBytes(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

void Put16(std::vector<std::uint8_t>& b, int v) {
  b.push_back(static_cast<std::uint8_t>(v & 255));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 255));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 255));
}
void PutTag(std::vector<std::uint8_t>& b, std::string_view tag) {
  for (char ch : tag) b.push_back(static_cast<std::uint8_t>(ch));
}

// A stand-in picture: a framed panel in a colour of its name with a simple
// figure, so that pictures can be told apart on the screen.
Surface StandInPicture(const std::string& name, int w, int h) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
  Pixel face = MakePixel(96 + static_cast<int>(hash % 128), 96 + static_cast<int>((hash >> 8) % 128),
                         96 + static_cast<int>((hash >> 16) % 128));
  Surface s(w, h, face);
  for (int x = 0; x < w; ++x) {
    s.Set(x, 0, 0xFFFFFF);
    s.Set(x, h - 1, 0x202020);
  }
  for (int y = 0; y < h; ++y) {
    s.Set(0, y, 0xFFFFFF);
    s.Set(w - 1, y, 0x202020);
  }
  // A round head and a body, scaled to the picture.
  int cx = w / 2, cy = h / 3, r = std::max(2, std::min(w, h) / 5);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int dx = x - cx, dy = y - cy;
      if (dx * dx + dy * dy <= r * r) s.Set(x, y, 0xFFE0C0);
      if (y > cy + r && y < h - 2 && std::abs(dx) < r) s.Set(x, y, 0x3050A0);
    }
  if (w >= 40 && h >= 24) detail::DrawTextPixels(s, 2, h - 14, name, "ＭＳ Ｐゴシック", 10, 0x000000);
  return s;
}

const char* const kHostScript = R"SH(#!/bin/sh
# Stand-in for the learner score book: notes that it was started and shows
# the learners' records (not the temporaries a lesson writes them through).
# The log is written last, in one piece.
here=$(cd "$(dirname "$0")" && pwd)
out="started $(date '+%Y-%m-%d %H:%M:%S') in $(pwd)"
for record in "$here"/../DI1*; do
  [ -f "$record" ] || continue
  case "$(basename "$record")" in *.~*) continue ;; esac
  out="$out
$(basename "$record"): $(cat "$record")"
done
printf '%s\n' "$out"
printf '%s\n' "$out" >> "$here/host.log"
)SH";

}  // namespace

std::vector<std::uint8_t> MakeNarrationWav(int number, double seconds) {
  const int rate = 22050;
  int frames = static_cast<int>(seconds * rate);
  std::vector<std::int16_t> pcm(static_cast<std::size_t>(frames));
  // Syllable-like tones whose pitch depends on the number.
  double base = 220.0 * std::pow(2.0, (number % 12) / 12.0);
  int syllable = rate / 8;
  for (int i = 0; i < frames; ++i) {
    int k = i / syllable;
    double f = base * (1.0 + 0.25 * ((k * 7 + number) % 4));
    double t = static_cast<double>(i % syllable) / syllable;
    double env = std::sin(3.14159265 * t);
    pcm[static_cast<std::size_t>(i)] =
        static_cast<std::int16_t>(6000.0 * env * std::sin(2 * 3.14159265 * f * i / rate));
  }
  std::vector<std::uint8_t> b;
  std::uint32_t data = static_cast<std::uint32_t>(pcm.size() * 2);
  PutTag(b, "RIFF");
  Put32(b, 36 + data);
  PutTag(b, "WAVEfmt ");
  Put32(b, 16);
  Put16(b, 1);
  Put16(b, 1);
  Put32(b, rate);
  Put32(b, rate * 2);
  Put16(b, 2);
  Put16(b, 16);
  PutTag(b, "data");
  Put32(b, data);
  for (std::int16_t s : pcm) Put16(b, s);
  return b;
}

std::string RecordText(const frame::Lesson& lesson, const std::vector<std::vector<int>>& flags) {
  std::vector<int> counts;
  for (const frame::Page& p : lesson.pages)
    if (p.kind == frame::PageKind::kPractice) counts.push_back(static_cast<int>(p.practice.problems.size()));
  std::string out;
  for (std::size_t i = 0; i < 3; ++i) out += RtPrintFormInteger(i < counts.size() ? counts[i] : 0);
  for (std::size_t p = 0; p < counts.size(); ++p)
    for (int i = 0; i < counts[p]; ++i) {
      int v = (p < flags.size() && static_cast<std::size_t>(i) < flags[p].size()) ? flags[p][static_cast<std::size_t>(i)] : 0;
      out += RtPrintFormSingle(static_cast<float>(v));
    }
  return out + "\r\n";
}

DemoSite BuildDemoSite(const frame::Lesson& lesson, const fs::path& drive_c, const DemoSiteOptions& o) {
  DemoSite site;
  site.drive_c = fs::absolute(drive_c);
  site.host = site.drive_c / o.host_folder;
  site.lesson = site.host / o.group_folder / o.lesson_folder;
  site.record = site.drive_c / ("DI1" + o.learner_id);
  site.host_log = site.host / "host.log";
  fs::create_directories(site.lesson);
  fs::create_directories(site.host / "da");

  fs::path host_program = site.host / "ﾎﾟｺﾄﾁｬﾋﾟ1.exe";
  if (o.with_host) {
    WriteFile(host_program, kHostScript);
    fs::permissions(host_program, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
  } else {
    std::error_code ec;
    fs::remove(host_program, ec);
  }

  for (const frame::PictureSpec& p : lesson.pictures) {
    fs::path dir = p.from_da ? site.host / "da" : site.lesson;
    const PictureSize size = StandInSize(lesson, p.file);
    WriteBytes(dir / p.file, detail::EncodeBmpFile24(StandInPicture(p.file, size.w, size.h)));
  }

  int number = 0;
  for (const SoundUse& s : LessonSounds(lesson))
    WriteBytes(site.lesson / s.file, MakeNarrationWav(++number, s.seconds));

  WriteFile(site.lesson / "NO.BAS", o.learner_id + "\r\n");
  if (o.fresh_record || !fs::exists(site.record)) WriteFile(site.record, RecordText(lesson));
  return site;
}

}  // namespace ham::tools
