// The media control: a small interpreter of the command strings sent to
// "MCI1".

#include "platform/api.h"
#include "platform/internal.h"
#include "platform/trace.h"

namespace ham {

// The one alias the lessons use.
struct Runtime::Media {
  bool open = false;
  std::string file;  // as the program named it
  std::shared_ptr<const SoundClip> clip;
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

int Open(Runtime& rt, std::string_view file) {
  Runtime::Media& m = rt.media();
  if (m.open) return kMciInUse;
  std::string error;
  std::optional<std::filesystem::path> host = detail::ResolveDosPath(rt, file, &error);
  if (!host) return kMciNotFound;
  std::vector<std::uint8_t> bytes;
  if (!detail::ReadFileBytes(*host, bytes)) return kMciNotFound;
  std::shared_ptr<SoundClip> clip = detail::DecodeWav(bytes, &error);
  if (!clip) return kMciBadFile;
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
    m = Runtime::Media{};
    return kMciOk;
  }
  return kMciUnknown;
}

namespace detail {

std::shared_ptr<Runtime::Media> MakeMediaState() { return std::make_shared<Runtime::Media>(); }

}  // namespace detail
}  // namespace ham
