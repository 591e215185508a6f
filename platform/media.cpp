// The media control: a small interpreter of the command strings sent to
// "MCI1", and the WAV decoder behind it.
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

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

std::int64_t SoundClip::DurationUnits() const {
  if (rate <= 0 || channels <= 0) return 0;
  std::int64_t frames = static_cast<std::int64_t>(samples.size()) / channels;
  return (frames * 100 + rate - 1) / rate;
}

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

// ----- WAV decoding --------------------------------------------------------------

namespace detail {
namespace {

class Reader {
 public:
  Reader(const std::uint8_t* p, std::size_t n) : p_(p), n_(n) {}
  std::size_t size() const { return n_; }
  bool Has(std::size_t at, std::size_t len) const { return at <= n_ && len <= n_ - at; }
  std::uint8_t U8(std::size_t at) const { return p_[at]; }
  std::uint16_t U16(std::size_t at) const {
    return static_cast<std::uint16_t>(p_[at] | (p_[at + 1] << 8));
  }
  std::int16_t S16(std::size_t at) const { return static_cast<std::int16_t>(U16(at)); }
  std::uint32_t U32(std::size_t at) const {
    return static_cast<std::uint32_t>(p_[at]) | (static_cast<std::uint32_t>(p_[at + 1]) << 8) |
           (static_cast<std::uint32_t>(p_[at + 2]) << 16) | (static_cast<std::uint32_t>(p_[at + 3]) << 24);
  }
  bool Tag(std::size_t at, const char* tag) const { return Has(at, 4) && std::memcmp(p_ + at, tag, 4) == 0; }
  const std::uint8_t* At(std::size_t at) const { return p_ + at; }

 private:
  const std::uint8_t* p_;
  std::size_t n_;
};

struct Format {
  int tag = 0;
  int channels = 0;
  std::uint32_t rate = 0;
  int block_align = 0;
  int bits = 0;
  // Microsoft ADPCM.
  std::vector<std::array<int, 2>> coefs;
};

std::int16_t Clamp16(int v) {
  return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

constexpr int kImaIndex[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};
constexpr int kImaStep[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,
    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,
    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,
    408,   449,   494,   544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,
    1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,
    5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350,
    22385, 24623, 27086, 29794, 32767};

struct ImaChannel {
  int sample = 0;
  int index = 0;
  std::int16_t Next(int nibble) {
    int step = kImaStep[index];
    int diff = step >> 3;
    if (nibble & 1) diff += step >> 2;
    if (nibble & 2) diff += step >> 1;
    if (nibble & 4) diff += step;
    if (nibble & 8) diff = -diff;
    sample = std::clamp(sample + diff, -32768, 32767);
    index = std::clamp(index + kImaIndex[nibble & 15], 0, 88);
    return static_cast<std::int16_t>(sample);
  }
};

// One block: a header per channel (sample, step index, reserved), then groups
// of four bytes per channel in turn, two samples a byte, low nibble first.
void DecodeImaBlock(const std::uint8_t* b, std::size_t len, int channels, std::vector<std::int16_t>& out) {
  const std::size_t head = 4u * static_cast<std::size_t>(channels);
  if (len < head) return;
  std::array<ImaChannel, 2> ch{};
  for (int c = 0; c < channels; ++c) {
    const std::uint8_t* h = b + 4 * c;
    ch[c].sample = static_cast<std::int16_t>(h[0] | (h[1] << 8));
    ch[c].index = std::min<int>(h[2], 88);
    out.push_back(static_cast<std::int16_t>(ch[c].sample));
  }
  const std::size_t group = 4u * static_cast<std::size_t>(channels);
  std::size_t groups = (len - head) / group;
  std::int16_t frame[2][8];
  for (std::size_t g = 0; g < groups; ++g) {
    const std::uint8_t* d = b + head + g * group;
    for (int c = 0; c < channels; ++c)
      for (int k = 0; k < 4; ++k) {
        std::uint8_t byte = d[c * 4 + k];
        frame[c][2 * k] = ch[c].Next(byte & 15);
        frame[c][2 * k + 1] = ch[c].Next(byte >> 4);
      }
    for (int s = 0; s < 8; ++s)
      for (int c = 0; c < channels; ++c) out.push_back(frame[c][s]);
  }
}

constexpr int kMsAdapt[16] = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};

// One block: per channel the predictor index, then per channel the delta, the
// newer and the older sample; the two samples come out oldest first; then one
// nibble a sample, high nibble first, channels in turn.
bool DecodeMsBlock(const std::uint8_t* b, std::size_t len, const Format& f, std::vector<std::int16_t>& out) {
  const int n = f.channels;
  const std::size_t head = 7u * static_cast<std::size_t>(n);
  if (len < head) return true;
  int c1[2], c2[2], delta[2], s1[2], s2[2];
  for (int c = 0; c < n; ++c) {
    std::size_t pred = b[c];
    if (pred >= f.coefs.size()) return false;
    c1[c] = f.coefs[pred][0];
    c2[c] = f.coefs[pred][1];
    auto s16 = [&](std::size_t at) { return static_cast<int>(static_cast<std::int16_t>(b[at] | (b[at + 1] << 8))); };
    delta[c] = s16(static_cast<std::size_t>(n) + 2u * c);
    s1[c] = s16(3u * n + 2u * c);
    s2[c] = s16(5u * n + 2u * c);
  }
  for (int c = 0; c < n; ++c) out.push_back(Clamp16(s2[c]));
  for (int c = 0; c < n; ++c) out.push_back(Clamp16(s1[c]));
  int c = 0;
  for (std::size_t i = head; i < len; ++i) {
    for (int nib : {b[i] >> 4, b[i] & 15}) {
      int signed_nib = nib >= 8 ? nib - 16 : nib;
      std::int64_t predict = (std::int64_t{s1[c]} * c1[c] + std::int64_t{s2[c]} * c2[c]) >> 8;
      int sample = static_cast<int>(std::clamp<std::int64_t>(predict + std::int64_t{signed_nib} * delta[c],
                                                             -32768, 32767));
      out.push_back(static_cast<std::int16_t>(sample));
      s2[c] = s1[c];
      s1[c] = sample;
      // Bounded so that damaged data cannot overflow it.
      std::int64_t next = (std::int64_t{delta[c]} * kMsAdapt[nib]) >> 8;
      delta[c] = static_cast<int>(std::clamp<std::int64_t>(next, 16, 1 << 24));
      c = (c + 1) % n;
    }
  }
  return true;
}

constexpr std::array<std::array<int, 2>, 7> kMsStandardCoefs = {
    {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}}};

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

bool ReadFormat(const Reader& r, std::size_t at, std::size_t len, Format& f, std::string* error) {
  if (len < 16) return Fail(error, "format chunk too short");
  f.tag = r.U16(at);
  f.channels = r.U16(at + 2);
  f.rate = r.U32(at + 4);
  f.block_align = r.U16(at + 12);
  f.bits = r.U16(at + 14);
  if (f.channels != 1 && f.channels != 2) return Fail(error, "only mono and stereo sound");
  if (f.rate == 0 || f.rate > 384000) return Fail(error, "bad sample rate");
  if (f.tag == 1) {
    if (f.bits != 8 && f.bits != 16) return Fail(error, "only 8 and 16 bit PCM");
    return true;
  }
  if (f.tag == 0x11) {
    if (f.bits != 4) return Fail(error, "IMA ADPCM must have 4 bits");
    if (f.block_align < 4 * f.channels) return Fail(error, "bad block size");
    return true;
  }
  if (f.tag == 2) {
    if (f.bits != 4) return Fail(error, "Microsoft ADPCM must have 4 bits");
    if (f.block_align < 7 * f.channels) return Fail(error, "bad block size");
    // Coefficients follow: cbSize, samples per block, count, pairs.
    if (len >= 22) {
      std::size_t count = r.U16(at + 20);
      if (count > 256 || len < 22 + 4 * count) return Fail(error, "bad coefficient table");
      for (std::size_t i = 0; i < count; ++i)
        f.coefs.push_back({r.S16(at + 22 + 4 * i), r.S16(at + 24 + 4 * i)});
    }
    if (f.coefs.empty()) f.coefs.assign(kMsStandardCoefs.begin(), kMsStandardCoefs.end());
    return true;
  }
  return Fail(error, "unsupported sound format");
}

}  // namespace

std::shared_ptr<SoundClip> DecodeWav(const std::vector<std::uint8_t>& bytes, std::string* error) {
  Reader r(bytes.data(), bytes.size());
  if (!r.Tag(0, "RIFF") || !r.Tag(8, "WAVE")) {
    Fail(error, "not a RIFF WAVE file");
    return nullptr;
  }
  // The RIFF length is often wrong in the wild: the bytes themselves bound the chunks.
  const std::size_t end = bytes.size();
  Format fmt;
  bool have_fmt = false;
  const std::uint8_t* data = nullptr;
  std::size_t data_len = 0;
  std::optional<std::uint32_t> fact_frames;
  std::size_t at = 12;
  while (at + 8 <= end) {
    std::size_t len = r.U32(at + 4);
    std::size_t body = at + 8;
    std::size_t avail = std::min(len, end - body);
    if (r.Tag(at, "fmt ") && !have_fmt) {
      if (!ReadFormat(r, body, avail, fmt, error)) return nullptr;
      have_fmt = true;
    } else if (r.Tag(at, "fact") && avail >= 4) {
      fact_frames = r.U32(body);
    } else if (r.Tag(at, "data") && !data) {
      data = r.At(body);
      data_len = avail;
    }
    if (len > end - body) break;
    at = body + len + (len & 1);
  }
  if (!have_fmt) {
    Fail(error, "no format chunk");
    return nullptr;
  }
  if (!data) {
    Fail(error, "no data chunk");
    return nullptr;
  }

  auto clip = std::make_shared<SoundClip>();
  clip->rate = static_cast<int>(fmt.rate);
  clip->channels = fmt.channels;
  std::vector<std::int16_t>& out = clip->samples;
  const std::size_t n = static_cast<std::size_t>(fmt.channels);
  if (fmt.tag == 1) {
    if (fmt.bits == 8) {
      std::size_t count = data_len / n * n;
      out.reserve(count);
      for (std::size_t i = 0; i < count; ++i) out.push_back(static_cast<std::int16_t>((data[i] - 128) * 256));
    } else {
      std::size_t count = data_len / (2 * n) * n;
      out.reserve(count);
      for (std::size_t i = 0; i < count; ++i)
        out.push_back(static_cast<std::int16_t>(data[2 * i] | (data[2 * i + 1] << 8)));
    }
  } else {
    const std::size_t block = static_cast<std::size_t>(fmt.block_align);
    for (std::size_t off = 0; off < data_len; off += block) {
      std::size_t len = std::min(block, data_len - off);
      if (fmt.tag == 0x11) {
        DecodeImaBlock(data + off, len, fmt.channels, out);
      } else if (!DecodeMsBlock(data + off, len, fmt, out)) {
        Fail(error, "bad ADPCM block");
        return nullptr;
      }
    }
    // The last block may be padded: the fact chunk gives the true length.
    if (fact_frames && static_cast<std::uint64_t>(*fact_frames) * n < out.size())
      out.resize(static_cast<std::size_t>(*fact_frames) * n);
  }
  return clip;
}

std::shared_ptr<Runtime::Media> MakeMediaState() { return std::make_shared<Runtime::Media>(); }

}  // namespace detail
}  // namespace ham
