// Sound files: RIFF WAVE decoded by SDL, within the bounds of a recording.
// The header is checked first, so that a damaged one cannot make SDL
// allocate or the narration last more than a recording could.
#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/codecs.h"

namespace ham {

std::size_t SoundClip::Frames() const {
  if (channels <= 0) return 0;
  return samples.empty() ? unkept_frames : samples.size() / static_cast<std::size_t>(channels);
}

std::int64_t SoundClip::DurationUnits() const {
  if (rate <= 0) return 0;
  const std::int64_t frames = static_cast<std::int64_t>(Frames());
  return (frames * 100 + rate - 1) / rate;
}

namespace detail {
namespace {

constexpr std::uint32_t kMinRate = 4000;
constexpr std::uint32_t kMaxRate = 192000;
constexpr std::uint64_t kMaxSeconds = 600;

constexpr int kMsAdpcm = 2, kImaAdpcm = 0x11;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

// Sample frames a data chunk of `bytes` can hold at most.
std::uint64_t MaxFrames(int tag, int channels, std::uint32_t block_align, std::uint64_t bytes) {
  if (block_align == 0) return 0;
  const std::uint64_t blocks = (bytes + block_align - 1) / block_align;
  const std::uint64_t c = static_cast<std::uint64_t>(channels);
  // Block headers carry one (IMA) or two (Microsoft) frames, then two a byte.
  if (tag == kImaAdpcm) return block_align < 4 * c ? 0 : blocks * ((block_align - 4 * c) * 2 / c + 1);
  if (tag == kMsAdpcm) return block_align < 7 * c ? 0 : blocks * ((block_align - 7 * c) * 2 / c + 2);
  return bytes / block_align;
}

// The chunks SDL reads (format, fact, data) must lie within the file, the
// sound must be mono or stereo at a recording's rate and no longer than a
// recording. Other chunks are skipped; one running past the end ends the
// walk. `whole` is where the last whole chunk ends, its pad byte included
// (one past the end when the file lacks that byte).
bool CheckHeader(const std::vector<std::uint8_t>& bytes, std::size_t& whole, std::string* error) {
  const std::uint8_t* p = bytes.data();
  const std::size_t end = bytes.size();
  if (end < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0)
    return Fail(error, "not a RIFF WAVE file");
  bool have_fmt = false, have_data = false;
  int tag = 0, channels = 0;
  std::uint32_t rate = 0, block_align = 0, coefs = 0;
  std::size_t data_at = 0, data_len = 0;
  whole = 12;
  for (std::size_t at = 12; at + 8 <= end;) {
    const std::size_t len = U32(p + at + 4);
    const std::size_t body = at + 8;
    const bool fits = len <= end - body;
    const bool fmt = std::memcmp(p + at, "fmt ", 4) == 0;
    const bool data = std::memcmp(p + at, "data", 4) == 0;
    if (fmt || data || std::memcmp(p + at, "fact", 4) == 0) {
      if (!fits) return Fail(error, "chunk longer than the file");
    } else if (!fits) {
      break;
    }
    if (fmt && !have_fmt) {
      if (len < 16) return Fail(error, "format chunk too short");
      tag = U16(p + body);
      channels = U16(p + body + 2);
      rate = U32(p + body + 4);
      block_align = U16(p + body + 12);
      if (block_align == 0) return Fail(error, "bad block size");
      if (len >= 22) coefs = std::min<std::uint32_t>(U16(p + body + 20), 256);
      have_fmt = true;
    } else if (data && have_fmt && !have_data) {
      data_at = body;
      data_len = len;
      have_data = true;
    }
    at = whole = body + len + (len & 1);
  }
  if (!have_fmt) return Fail(error, "no format chunk");
  if (!have_data) return Fail(error, "no data chunk");
  if (channels != 1 && channels != 2) return Fail(error, "only mono and stereo sound");
  if (rate < kMinRate || rate > kMaxRate) return Fail(error, "sample rate outside 4000 to 192000 Hz");
  if (MaxFrames(tag, channels, block_align, data_len) > kMaxSeconds * rate)
    return Fail(error, "longer than 10 minutes");
  // Each Microsoft ADPCM block starts with a predictor per channel, which
  // must name one of the format's coefficient pairs.
  if (tag == kMsAdpcm)
    for (std::size_t off = 0; off < data_len; off += block_align)
      for (std::size_t c = 0; c < static_cast<std::size_t>(channels) && off + c < data_len; ++c)
        if (p[data_at + off + c] >= coefs) return Fail(error, "bad ADPCM block");
  return true;
}

// How SDL reads what is not quite standard: the RIFF length is often wrong,
// so the bytes bound the chunks; a fact chunk gives the true length of the
// last, padded block. A partly written last block is dropped: decoding it
// SDL may report more samples than it wrote.
void SetWaveHints() {
  SDL_SetHintWithPriority(SDL_HINT_WAVE_RIFF_CHUNK_SIZE, "maximum", SDL_HINT_OVERRIDE);
  SDL_SetHintWithPriority(SDL_HINT_WAVE_FACT_CHUNK, "truncate", SDL_HINT_OVERRIDE);
  SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "dropblock", SDL_HINT_OVERRIDE);
}

}  // namespace

std::shared_ptr<SoundClip> DecodeWav(const std::vector<std::uint8_t>& bytes, std::string* error,
                                     bool keep_samples) {
  if (bytes.size() > static_cast<std::size_t>(INT32_MAX)) {
    Fail(error, "file too large");
    return nullptr;
  }
  std::size_t whole = 0;
  if (!CheckHeader(bytes, whole, error)) return nullptr;
  SetWaveHints();
  // SDL is given whole chunks only: it fails on a seek past the end.
  std::vector<std::uint8_t> padded;
  const std::uint8_t* start = bytes.data();
  if (whole > bytes.size()) {
    padded = bytes;
    padded.push_back(0);
    start = padded.data();
  }
  SDL_RWops* src = SDL_RWFromConstMem(start, static_cast<int>(whole));
  SDL_AudioSpec spec;
  Uint8* buf = nullptr;
  Uint32 len = 0;
  if (!src || !SDL_LoadWAV_RW(src, 1, &spec, &buf, &len)) {
    if (error) *error = SDL_GetError();
    return nullptr;
  }
  auto clip = std::make_shared<SoundClip>();
  clip->rate = spec.freq;
  clip->channels = spec.channels;
  const std::size_t n = static_cast<std::size_t>(spec.channels);
  std::vector<std::int16_t>& out = clip->samples;
  bool ok = true;
  const std::size_t width = spec.format == AUDIO_U8 ? 1 : 2;
  if (spec.format != AUDIO_U8 && spec.format != AUDIO_S16LSB) {
    ok = Fail(error, "only 8 and 16 bit samples");
  } else if (!keep_samples) {
    clip->unkept_frames = len / (width * n);
  } else if (spec.format == AUDIO_U8) {
    const std::size_t count = len / n * n;
    out.resize(count);
    for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<std::int16_t>((buf[i] - 128) * 256);
  } else {
    const std::size_t count = len / (2 * n) * n;
    out.resize(count);
    for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<std::int16_t>(U16(buf + 2 * i));
  }
  SDL_FreeWAV(buf);
  if (ok && clip->Frames() > kMaxSeconds * static_cast<std::uint64_t>(clip->rate))
    ok = Fail(error, "longer than 10 minutes");
  if (!ok) return nullptr;
  return clip;
}

}  // namespace detail
}  // namespace ham
