// The media control: a small interpreter of the command strings sent to
// "MCI1".
#include <map>

#include "platform/api.h"
#include "platform/internal.h"
#include "platform/trace.h"

namespace ham {

struct KeptSound {
  detail::FileStamp stamp;
  std::shared_ptr<const SoundClip> clip;
};

struct Runtime::Media {
  // The one alias the lessons use.
  bool open = false;
  std::string file;  // as the program named it
  std::shared_ptr<const SoundClip> clip;
  // Sounds decoded before, by host path, used again while their file is unchanged.
  std::map<std::filesystem::path, KeptSound> kept;
  std::size_t kept_samples = 0;
};

namespace {

// Result codes of FmMciSend; the lessons never look at them.
constexpr int kMciOk = 0;
constexpr int kMciUnknown = 1;    // command not understood
constexpr int kMciNoDevice = 2;   // the control is not a media control
constexpr int kMciNotFound = 3;   // missing or unreadable file
constexpr int kMciBadFile = 4;    // not a sound the decoder takes
constexpr int kMciInUse = 5;      // "wave1" is already open
constexpr int kMciNotOpen = 6;    // "wave1" is not open

constexpr std::string_view kOpenPrefix = "open ";
constexpr std::string_view kOpenSuffix = " alias wave1";

// Decoded samples kept at most (64 MB); past that the older sounds are let go.
constexpr std::size_t kKeptSamples = 32u << 20;

// The clip of a sound file: the kept one while the file is as it was, else
// read and decoded anew.
// A backend that plays no sound is given the length only.
int Load(Runtime& rt, const std::filesystem::path& host, std::shared_ptr<const SoundClip>& clip) {
  Runtime::Media& m = rt.media();
  std::optional<detail::FileStamp> now = detail::FileStampOf(host);
  if (!now) return kMciNotFound;
  auto it = m.kept.find(host);
  if (it != m.kept.end()) {
    if (it->second.stamp == *now) {
      clip = it->second.clip;
      return kMciOk;
    }
    m.kept_samples -= it->second.clip->samples.size();
    m.kept.erase(it);
  }
  std::vector<std::uint8_t> bytes;
  detail::FileStamp stamp;
  if (!detail::ReadFileBytes(host, bytes, &stamp)) return kMciNotFound;
  std::string error;
  const bool plays = rt.backend_ptr() && !rt.backend_ptr()->headless();
  std::shared_ptr<const SoundClip> decoded = detail::DecodeWav(bytes, &error, plays);
  if (!decoded) return kMciBadFile;
  if (m.kept_samples + decoded->samples.size() > kKeptSamples) {
    m.kept.clear();
    m.kept_samples = 0;
  }
  m.kept[host] = {stamp, decoded};
  m.kept_samples += decoded->samples.size();
  clip = std::move(decoded);
  return kMciOk;
}

int Open(Runtime& rt, std::string_view file) {
  Runtime::Media& m = rt.media();
  if (m.open) return kMciInUse;
  std::string error;
  std::optional<std::filesystem::path> host = detail::ResolveDosPath(rt, file, &error);
  if (!host) return kMciNotFound;
  std::shared_ptr<const SoundClip> clip;
  if (int result = Load(rt, *host, clip); result != kMciOk) return result;
  m.open = true;
  m.file = std::string(file);
  m.clip = std::move(clip);
  return kMciOk;
}

}  // namespace

int FmMciSend(Control* mci, std::string_view command) {
  Runtime& rt = Runtime::Current();
  TraceLine(&rt.trace(), rt.Now(), "mci").Str("command", command);
  if (!mci || mci->kind != ControlKind::kMedia) return kMciNoDevice;
  Runtime::Media& m = rt.media();
  Backend* backend = rt.backend_ptr();

  if (command.size() > kOpenPrefix.size() + kOpenSuffix.size() && command.starts_with(kOpenPrefix) &&
      command.ends_with(kOpenSuffix)) {
    std::string_view file =
        command.substr(kOpenPrefix.size(), command.size() - kOpenPrefix.size() - kOpenSuffix.size());
    return Open(rt, file);
  }
  if (command == "play wave1" || command == "play wave1 notify wait") {
    if (!m.open) return kMciNotOpen;
    if (!backend) return kMciOk;
    backend->PlaySound(m.clip);
    if (command == "play wave1 notify wait") backend->Wait(m.clip->DurationUnits());
    return kMciOk;
  }
  if (command == "close wave1") {
    if (!m.open) return kMciNotOpen;
    if (backend) backend->StopSound();
    m.open = false;
    m.file.clear();
    m.clip.reset();
    return kMciOk;
  }
  return kMciUnknown;
}

namespace detail {

std::shared_ptr<Runtime::Media> MakeMediaState() { return std::make_shared<Runtime::Media>(); }

}  // namespace detail
}  // namespace ham
