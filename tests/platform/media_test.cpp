// Sound files and the media command interpreter on the headless clock.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "platform/api.h"
#include "platform/backend/headless.h"
#include "platform/internal.h"
#include "tests/support/media_files.h"

namespace ham {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::Chunk;
using testing::Put16;
using testing::Put32;
using testing::Wav;
using testing::WavSpec;

Bytes Pcm16(const std::vector<int>& samples, int channels, std::uint32_t rate = 22050) {
  WavSpec s;
  s.channels = channels;
  s.rate = rate;
  s.block_align = 2 * channels;
  for (int v : samples) Put16(s.data, v);
  return Wav(s);
}

std::vector<int> Samples(const SoundClip& c) { return {c.samples.begin(), c.samples.end()}; }

// ----- PCM ---------------------------------------------------------------------

TEST(DecodeWav, Pcm) {
  struct Case {
    const char* name;
    int channels, bits;
    Bytes data;
    std::vector<int> want;
  };
  const Case cases[] = {
      {"8-bit mono", 1, 8, {0x80, 0x00, 0xFF, 0x81}, {0, -32768, 32512, 256}},
      {"8-bit stereo", 2, 8, {0x80, 0x40, 0xC0, 0x00, 0x7F}, {0, -16384, 16384, -32768}},  // odd byte dropped
      {"16-bit mono", 1, 16, {0x00, 0x00, 0xFF, 0x7F, 0x00, 0x80, 0xFF, 0xFF}, {0, 32767, -32768, -1}},
      {"16-bit stereo", 2, 16, {0x01, 0x00, 0xFE, 0xFF, 0x34, 0x12, 0x00}, {1, -2}},  // partial frame dropped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WavSpec s;
    s.channels = c.channels;
    s.rate = 11025;
    s.bits = c.bits;
    s.block_align = c.channels * c.bits / 8;
    s.data = c.data;
    std::string err;
    auto clip = detail::DecodeWav(Wav(s), &err);
    ASSERT_TRUE(clip) << err;
    EXPECT_EQ(clip->rate, 11025);
    EXPECT_EQ(clip->channels, c.channels);
    EXPECT_EQ(Samples(*clip), c.want);
  }
}

TEST(DecodeWav, SkipsOtherChunksWithTheirPadByte) {
  WavSpec s;
  s.junk_before_data = {'a', 'b', 'c'};  // odd: one pad byte follows
  Put16(s.data, 1234);
  Put16(s.data, -5);
  auto clip = detail::DecodeWav(Wav(s), nullptr);
  ASSERT_TRUE(clip);
  EXPECT_EQ(Samples(*clip), (std::vector<int>{1234, -5}));
}

TEST(DecodeWav, EndsWithoutPadByteOrWithAChunkCutShort) {
  WavSpec s;
  s.bits = 8;
  s.block_align = 1;
  s.data = {0x80, 0xFF, 0x00};
  Bytes no_pad = Wav(s);
  no_pad.pop_back();
  Bytes cut_list = Wav(s);
  cut_list.insert(cut_list.end(), {'L', 'I', 'S', 'T', 100, 0, 0, 0, 'a', 'b'});
  for (const Bytes& b : {no_pad, cut_list}) {
    std::string err;
    auto clip = detail::DecodeWav(b, &err);
    ASSERT_TRUE(clip) << err;
    EXPECT_EQ(Samples(*clip), (std::vector<int>{0, 32512, -32768}));
  }
}

// Kept samples or the length alone (for a backend that plays nothing) give
// the same duration.
TEST(DecodeWav, DurationRoundsUpToPauseUnits) {
  for (bool keep : {true, false}) {
    auto mono = detail::DecodeWav(Pcm16(std::vector<int>(33075, 0), 1), nullptr, keep);
    auto stereo = detail::DecodeWav(Pcm16(std::vector<int>(2 * 221, 0), 2), nullptr, keep);
    EXPECT_EQ(mono->DurationUnits(), 150);
    EXPECT_EQ(stereo->DurationUnits(), 2);
    EXPECT_EQ(mono->samples.empty(), !keep);
    WavSpec u8;
    u8.block_align = 1;
    u8.bits = 8;
    u8.data = Bytes(2206, 0x80);
    EXPECT_EQ(detail::DecodeWav(Wav(u8), nullptr, keep)->DurationUnits(), 11);
  }
}

TEST(DecodeWav, RefusesWhatItCannotPlay) {
  auto with = [](auto edit) {
    WavSpec s;
    Put16(s.data, 0);
    edit(s);
    return Wav(s);
  };
  struct Case {
    const char* name;
    Bytes bytes;
  };
  Bytes no_fmt = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  Chunk(no_fmt, "data", {0, 0});
  Bytes no_data = Wav(WavSpec{});
  no_data.resize(no_data.size() - 8);  // the empty data chunk cut off
  const Case cases[] = {
      {"empty", {}},
      {"not RIFF", {'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}},
      {"not WAVE", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '}},
      {"no format", no_fmt},
      {"no data", no_data},
      {"float samples", with([](WavSpec& s) { s.tag = 3; s.bits = 32; })},
      {"three channels", with([](WavSpec& s) { s.channels = 3; })},
      {"no channels", with([](WavSpec& s) { s.channels = 0; })},
      {"24 bits", with([](WavSpec& s) { s.bits = 24; })},
      {"rate 0", with([](WavSpec& s) { s.rate = 0; })},
      {"IMA with 3 bits", with([](WavSpec& s) { s.tag = 0x11; s.bits = 3; s.block_align = 8; })},
      {"IMA block shorter than its header", with([](WavSpec& s) { s.tag = 0x11; s.bits = 4; s.block_align = 2; })},
      {"MS coefficients cut off",
       with([](WavSpec& s) { s.tag = 2; s.bits = 4; s.block_align = 8; s.fmt_extra = {4, 0, 4, 0, 7, 0}; })},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string err;
    EXPECT_EQ(detail::DecodeWav(c.bytes, &err), nullptr);
    EXPECT_FALSE(err.empty());
  }
}

TEST(DecodeWav, WhatNoRecordingHasIsRefusedBeforeDecoding) {
  // Rates of recordings, and at most 10 minutes: 2 400 000 frames at 4000 Hz.
  auto pcm8 = [](std::uint32_t rate, std::size_t frames) {
    WavSpec s;
    s.rate = rate;
    s.bits = 8;
    s.block_align = 1;
    s.data.assign(frames, 0x80);
    return Wav(s);
  };
  struct Case {
    const char* name;
    Bytes bytes;
    bool decodes;
  };
  Bytes longer_than_file = pcm8(8000, 100);
  longer_than_file.resize(longer_than_file.size() - 1);
  Bytes fmt_past_end = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 0xFF, 0, 0, 0};
  fmt_past_end.resize(60, 0);
  const Case cases[] = {
      {"1 Hz", pcm8(1, 8192), false},
      {"3999 Hz", pcm8(3999, 100), false},
      {"4000 Hz", pcm8(4000, 100), true},
      {"192000 Hz", pcm8(192000, 100), true},
      {"192001 Hz", pcm8(192001, 100), false},
      {"10 minutes", pcm8(4000, 2400000), true},
      {"10 minutes and a frame", pcm8(4000, 2400001), false},
      {"data chunk longer than the file", longer_than_file, false},
      {"format chunk longer than the file", fmt_past_end, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string err;
    auto clip = detail::DecodeWav(c.bytes, &err);
    EXPECT_EQ(clip != nullptr, c.decodes) << err;
    if (!c.decodes) {
      EXPECT_FALSE(err.empty());
    }
  }
}

// ----- IMA ADPCM -----------------------------------------------------------------

constexpr int kImaIndex[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};
constexpr int kImaStep[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

struct ImaState {
  int pred = 0, index = 40;  // a step that suits loud test tones from the start
  int Encode(int x) {
    int step = kImaStep[index], diff = x - pred, nib = 0;
    if (diff < 0) {
      nib = 8;
      diff = -diff;
    }
    int delta = step >> 3;
    if (diff >= step) { nib |= 4; diff -= step; delta += step; }
    if (diff >= step >> 1) { nib |= 2; diff -= step >> 1; delta += step >> 1; }
    if (diff >= step >> 2) { nib |= 1; delta += step >> 2; }
    pred = std::clamp(pred + ((nib & 8) ? -delta : delta), -32768, 32767);
    index = std::clamp(index + kImaIndex[nib], 0, 88);
    return nib;
  }
};

// Whole blocks of `spb` frames (spb - 1 a multiple of 8).
Bytes EncodeIma(const std::vector<std::vector<int>>& ch, int spb, int* block_align) {
  const int n = static_cast<int>(ch.size());
  *block_align = 4 * n + (spb - 1) / 2 * n;
  Bytes out;
  const std::size_t frames = ch[0].size();
  std::vector<ImaState> st(static_cast<std::size_t>(n));
  for (std::size_t start = 0; start < frames; start += static_cast<std::size_t>(spb)) {
    for (int c = 0; c < n; ++c) {
      st[c].pred = ch[c][start];
      Put16(out, st[c].pred);
      out.push_back(static_cast<std::uint8_t>(st[c].index));
      out.push_back(0);
    }
    for (int g = 0; g < (spb - 1) / 8; ++g)
      for (int c = 0; c < n; ++c)
        for (int k = 0; k < 4; ++k) {
          std::size_t i = start + 1 + static_cast<std::size_t>(g * 8 + 2 * k);
          int lo = st[c].Encode(ch[c][i]);
          int hi = st[c].Encode(ch[c][i + 1]);
          out.push_back(static_cast<std::uint8_t>(lo | (hi << 4)));
        }
  }
  return out;
}

std::vector<int> Sine(std::size_t n, double period, double amp, double phase = 0) {
  std::vector<int> v(n);
  for (std::size_t i = 0; i < n; ++i)
    v[i] = static_cast<int>(std::lround(amp * std::sin(phase + 2 * std::numbers::pi * static_cast<double>(i) / period)));
  return v;
}

// Largest error of the decoded channel `c` against `want`.
int MaxError(const SoundClip& clip, int c, const std::vector<int>& want) {
  int worst = 0;
  for (std::size_t i = 0; i < want.size(); ++i)
    worst = std::max(worst, std::abs(clip.samples[i * clip.channels + c] - want[i]));
  return worst;
}

TEST(DecodeWav, ImaKnownBlock) {
  // Sample 0 at step index 0; nibble 7, then seven nibbles 0.
  WavSpec s;
  s.tag = 0x11;
  s.bits = 4;
  s.block_align = 8;
  s.data = {0, 0, 0, 0, 0x07, 0x00, 0x00, 0x00};
  auto clip = detail::DecodeWav(Wav(s), nullptr);
  ASSERT_TRUE(clip);
  EXPECT_EQ(Samples(*clip), (std::vector<int>{0, 11, 13, 14, 15, 16, 17, 18, 19}));
}

TEST(DecodeWav, ImaStereoFollowsBothChannels) {
  constexpr int kSpb = 505;
  const std::size_t frames = 3 * kSpb;
  std::vector<int> left = Sine(frames, 80, 12000), right = Sine(frames, 33, 6000, 1.0);
  WavSpec s;
  s.tag = 0x11;
  s.channels = 2;
  s.bits = 4;
  s.data = EncodeIma({left, right}, kSpb, &s.block_align);
  Put16(s.fmt_extra, 2);
  Put16(s.fmt_extra, kSpb);
  std::string err;
  auto clip = detail::DecodeWav(Wav(s), &err);
  ASSERT_TRUE(clip) << err;
  EXPECT_EQ(clip->channels, 2);
  ASSERT_EQ(clip->samples.size(), 2 * frames);
  EXPECT_LT(MaxError(*clip, 0, left), 1500);
  EXPECT_LT(MaxError(*clip, 1, right), 1500);
  // Deterministic: the same bytes give the same samples.
  EXPECT_EQ(detail::DecodeWav(Wav(s), nullptr)->samples, clip->samples);

  // The fact chunk cuts the padding of the last block.
  s.fact = static_cast<std::uint32_t>(frames - 100);
  auto cut = detail::DecodeWav(Wav(s), nullptr);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->samples.size(), 2 * (frames - 100));
}

// ----- Microsoft ADPCM -------------------------------------------------------------

constexpr int kMsAdapt[16] = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};
constexpr int kCoef[7][2] = {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};

Bytes MsCoefTable(int spb) {
  Bytes b;
  Put16(b, 32);
  Put16(b, spb);
  Put16(b, 7);
  for (auto& c : kCoef) {
    Put16(b, c[0]);
    Put16(b, c[1]);
  }
  return b;
}

// Each channel with its own predictor (channel c uses predictor `pred[c]`).
Bytes EncodeMs(const std::vector<std::vector<int>>& ch, const std::vector<int>& pred, int spb, int* block_align) {
  const int n = static_cast<int>(ch.size());
  *block_align = 7 * n + (spb - 2) * n / 2;
  Bytes out;
  const std::size_t frames = ch[0].size();
  for (std::size_t start = 0; start < frames; start += static_cast<std::size_t>(spb)) {
    std::vector<int> delta(n, 16), s1(n), s2(n);
    for (int c = 0; c < n; ++c) out.push_back(static_cast<std::uint8_t>(pred[c]));
    for (int c = 0; c < n; ++c) Put16(out, delta[c]);
    for (int c = 0; c < n; ++c) Put16(out, s1[c] = ch[c][start + 1]);
    for (int c = 0; c < n; ++c) Put16(out, s2[c] = ch[c][start]);
    std::vector<int> nibbles;
    for (int i = 2; i < spb; ++i)
      for (int c = 0; c < n; ++c) {
        int p = (s1[c] * kCoef[pred[c]][0] + s2[c] * kCoef[pred[c]][1]) >> 8;
        int e = ch[c][start + static_cast<std::size_t>(i)] - p;
        int q = std::clamp(static_cast<int>(std::lround(static_cast<double>(e) / delta[c])), -8, 7);
        int v = std::clamp(p + q * delta[c], -32768, 32767);
        s2[c] = s1[c];
        s1[c] = v;
        delta[c] = std::max(16, delta[c] * kMsAdapt[q & 15] >> 8);
        nibbles.push_back(q & 15);
      }
    for (std::size_t k = 0; k < nibbles.size(); k += 2)
      out.push_back(static_cast<std::uint8_t>((nibbles[k] << 4) | (k + 1 < nibbles.size() ? nibbles[k + 1] : 0)));
  }
  return out;
}

TEST(DecodeWav, MsKnownBlock) {
  // Predictor 0, delta 16, newer sample 100, older 50; nibbles +1, -1.
  WavSpec s;
  s.tag = 2;
  s.bits = 4;
  s.block_align = 8;
  s.fmt_extra = MsCoefTable(4);
  s.data = {0};
  Put16(s.data, 16);
  Put16(s.data, 100);
  Put16(s.data, 50);
  s.data.push_back(0x1F);
  auto clip = detail::DecodeWav(Wav(s), nullptr);
  ASSERT_TRUE(clip);
  EXPECT_EQ(Samples(*clip), (std::vector<int>{50, 100, 116, 100}));
  // The coefficient table is part of the format.
  s.fmt_extra.clear();
  EXPECT_EQ(detail::DecodeWav(Wav(s), nullptr), nullptr);
}

TEST(DecodeWav, MsStereoUsesEachChannelsPredictor) {
  constexpr int kSpb = 500;
  const std::size_t frames = 2 * kSpb;
  std::vector<int> left = Sine(frames, 90, 10000), right = Sine(frames, 40, 7000, 2.0);
  WavSpec s;
  s.tag = 2;
  s.channels = 2;
  s.bits = 4;
  s.fmt_extra = MsCoefTable(kSpb);
  s.data = EncodeMs({left, right}, {0, 1}, kSpb, &s.block_align);
  std::string err;
  auto clip = detail::DecodeWav(Wav(s), &err);
  ASSERT_TRUE(clip) << err;
  ASSERT_EQ(clip->samples.size(), 2 * frames);
  EXPECT_LT(MaxError(*clip, 0, left), 1500);
  EXPECT_LT(MaxError(*clip, 1, right), 1500);

  // A predictor index past the table is damage, not a sound.
  s.data[1] = 7;
  EXPECT_EQ(detail::DecodeWav(Wav(s), nullptr), nullptr);
}

TEST(DecodeWav, DamagedFilesNeverCrash) {
  {
    // A last block cut short, in a format of two frames a block: decoding
    // it, SDL reported more samples than it wrote.
    WavSpec s;
    s.tag = 0x11;
    s.bits = 4;
    s.block_align = 768;
    s.fmt_extra = {0x00, 0x01, 0x02, 0x00};
    s.data = {0x00, 0x21, 0x00, 0x40, 0xFF, 0xFF, 0xF0};
    if (auto clip = detail::DecodeWav(Wav(s), nullptr)) {
      EXPECT_TRUE(clip->samples.empty());
    }
  }
  std::vector<Bytes> good;
  good.push_back(Pcm16(Sine(300, 20, 9000), 2));
  {
    WavSpec s;
    s.tag = 0x11;
    s.bits = 4;
    s.data = EncodeIma({Sine(2 * 41, 20, 9000)}, 41, &s.block_align);
    good.push_back(Wav(s));
  }
  {
    WavSpec s;
    s.tag = 2;
    s.channels = 2;
    s.bits = 4;
    s.fmt_extra = MsCoefTable(32);
    s.data = EncodeMs({Sine(64, 20, 9000), Sine(64, 10, 9000)}, {3, 5}, 32, &s.block_align);
    good.push_back(Wav(s));
  }
  std::uint32_t seed = 12345;
  auto rnd = [&] { return seed = seed * 1664525u + 1013904223u; };
  for (const Bytes& g : good) {
    ASSERT_TRUE(detail::DecodeWav(g, nullptr));
    for (std::size_t len = 0; len < g.size(); ++len) {
      Bytes cut(g.begin(), g.begin() + static_cast<std::ptrdiff_t>(len));
      if (auto clip = detail::DecodeWav(cut, nullptr)) {
        EXPECT_EQ(clip->samples.size() % clip->channels, 0u);
      }
    }
    for (int round = 0; round < 2000; ++round) {
      Bytes bad = g;
      for (int k = 0; k < 4; ++k) bad[rnd() % bad.size()] = static_cast<std::uint8_t>(rnd() >> 24);
      if (auto clip = detail::DecodeWav(bad, nullptr)) {
        EXPECT_EQ(clip->samples.size() % clip->channels, 0u);
      }
    }
  }
}

// ----- the media control -------------------------------------------------------------

// The headless backend, noting each clip it is given.
class ClipsBackend : public HeadlessBackend {
 public:
  using HeadlessBackend::HeadlessBackend;
  void PlaySound(std::shared_ptr<const SoundClip> clip) override {
    clips.push_back(clip);
    HeadlessBackend::PlaySound(std::move(clip));
  }
  std::vector<std::shared_ptr<const SoundClip>> clips;
};

class Media : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("ham_media_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    rt_.current_folder() = dir_;
    rt_.SetDriveC(dir_);
    auto b = std::make_unique<ClipsBackend>(rt_);
    backend_ = b.get();
    rt_.SetBackend(std::move(b));
    rt_.trace().set_keep(true);
    mci_ = FmGetControl(nullptr, "MCI1");
    // 1.5 s at 22050 frames a second.
    Write("SOUND1.WAV", Pcm16(std::vector<int>(33075, 100), 1));
    Write("SOUND80.WAV", Pcm16(std::vector<int>(2 * 441, 100), 2, 44100));  // 0.01 s
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  void Write(const std::string& name, const Bytes& b) {
    std::ofstream(dir_ / name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                                      static_cast<std::streamsize>(b.size()));
  }
  // The commands of the trace, in order.
  std::vector<std::string> Commands() {
    std::vector<std::string> out;
    for (const std::string& l : rt_.trace().lines())
      if (l.find("\"op\":\"mci\"") != std::string::npos) {
        std::size_t at = l.find("\"command\":\"");
        EXPECT_NE(at, std::string::npos) << l;
        at += 11;
        out.push_back(l.substr(at, l.find('"', at) - at));
      }
    return out;
  }
  bool TraceHas(const std::string& op) {
    for (const std::string& l : rt_.trace().lines())
      if (l.find("\"op\":\"" + op + "\"") != std::string::npos) return true;
    return false;
  }

  fs::path dir_;
  Runtime rt_;
  ClipsBackend* backend_ = nullptr;
  Control* mci_ = nullptr;
};

TEST_F(Media, PlayReturnsAtOnceAndCloseStops) {
  EXPECT_EQ(FmMciSend(mci_, "open SOUND1.WAV alias wave1"), 0);
  EXPECT_FALSE(backend_->SoundPlaying());
  EXPECT_EQ(FmMciSend(mci_, "play wave1"), 0);
  EXPECT_EQ(rt_.Now(), 0);
  EXPECT_TRUE(backend_->SoundPlaying());
  RtWait(20);
  EXPECT_TRUE(backend_->SoundPlaying());
  EXPECT_EQ(FmMciSend(mci_, "close wave1"), 0);
  EXPECT_FALSE(backend_->SoundPlaying());
  EXPECT_EQ(Commands(), (std::vector<std::string>{"open SOUND1.WAV alias wave1", "play wave1", "close wave1"}));
  // Closed means forgotten: playing again needs a new open.
  EXPECT_NE(FmMciSend(mci_, "play wave1"), 0);
  EXPECT_FALSE(backend_->SoundPlaying());
}

TEST_F(Media, NotifyWaitLastsTheSoundOnTheClock) {
  FmMciSend(mci_, "open sound1.wav alias wave1");  // names match without regard to case
  std::int64_t before = rt_.Now();
  EXPECT_EQ(FmMciSend(mci_, "play wave1 notify wait"), 0);
  EXPECT_EQ(rt_.Now() - before, 150);
  EXPECT_FALSE(backend_->SoundPlaying());
  FmMciSend(mci_, "close wave1");
  EXPECT_EQ(Commands(), (std::vector<std::string>{"open sound1.wav alias wave1", "play wave1 notify wait",
                                                   "close wave1"}));
}

TEST_F(Media, PupilActsDuringNotifyWait) {
  // The wait is the backend's: a timed action inside it is held for the program.
  auto bar = std::make_unique<Form>("FORM7");
  bar->design = {0, 414, 641, 29};
  auto ok = std::make_unique<Control>();
  ok->name = "BUTTON2";
  ok->rect = {320, 0, 80, 22};
  ok->handlers[EventKind::kOn] = "BUTTON2_ON";
  bar->controls.push_back(std::move(ok));
  rt_.AddForm(std::move(bar));
  rt_.RegisterProcedure("FE$BUTTON2_ON", [](Form*) {});
  backend_->AddAction("+50 click BUTTON2");
  FmMciSend(mci_, "open SOUND1.WAV alias wave1");
  FmMciSend(mci_, "play wave1 notify wait");
  EXPECT_EQ(rt_.Now(), 150);
  EXPECT_EQ(FmEventPending(), -1);
}

TEST_F(Media, ClosingEndsNotifyWaitAtOnce) {
  backend_->on_probe = [this](const std::string&) { rt_.CloseWindow(); };
  rt_.on_window_close = [] {};
  backend_->AddAction("+50 probe close");
  FmMciSend(mci_, "open SOUND1.WAV alias wave1");
  FmMciSend(mci_, "play wave1 notify wait");
  EXPECT_EQ(rt_.Now(), 50);
  // Any later wait ends at once too.
  FmMciSend(mci_, "close wave1");
  FmMciSend(mci_, "open SOUND1.WAV alias wave1");
  FmMciSend(mci_, "play wave1 notify wait");
  RtWait(850);
  EXPECT_EQ(rt_.Now(), 50);
}

TEST_F(Media, FailuresAreSilentAndLeaveTheAliasUsable) {
  Write("BROKEN.WAV", {'R', 'I', 'F', 'F', 1, 2, 3});
  Write("ONEHZ.WAV", Pcm16(std::vector<int>(4096, 0), 1, 1));  // 8 KB said to last 68 minutes
  Bytes cut = Pcm16(std::vector<int>(33075, 100), 1);
  cut.resize(cut.size() / 2);
  Write("CUT.WAV", cut);
  fs::create_directories(dir_ / "SUB");
  for (const char* command : {"open MISSING.WAV alias wave1", "open BROKEN.WAV alias wave1",
                              "open ONEHZ.WAV alias wave1", "open CUT.WAV alias wave1",
                              "open SUB alias wave1", "open ..\\..\\x.wav alias wave1"}) {
    SCOPED_TRACE(command);
    EXPECT_NE(FmMciSend(mci_, command), 0);
    EXPECT_NE(FmMciSend(mci_, "play wave1"), 0);
    EXPECT_NE(FmMciSend(mci_, "play wave1 notify wait"), 0);
    EXPECT_FALSE(backend_->SoundPlaying());
    FmMciSend(mci_, "close wave1");
  }
  EXPECT_EQ(rt_.Now(), 0);
  EXPECT_FALSE(TraceHas("fatal"));
  EXPECT_FALSE(rt_.ended());
  EXPECT_EQ(FmMciSend(mci_, "open SOUND80.WAV alias wave1"), 0);
  EXPECT_EQ(FmMciSend(mci_, "play wave1 notify wait"), 0);
  EXPECT_EQ(rt_.Now(), 1);
  EXPECT_EQ(Commands().size(), 6u * 4u + 2u);
}

TEST_F(Media, SecondOpenIsRefusedAndKeepsTheFirst) {
  EXPECT_EQ(FmMciSend(mci_, "open SOUND80.WAV alias wave1"), 0);
  EXPECT_NE(FmMciSend(mci_, "open SOUND1.WAV alias wave1"), 0);
  FmMciSend(mci_, "play wave1 notify wait");
  EXPECT_EQ(rt_.Now(), 1);  // still the short jingle
}

TEST_F(Media, UnknownCommandsAreTracedAndIgnored) {
  FmMciSend(mci_, "open SOUND1.WAV alias wave1");
  for (const char* command : {"", "stop wave1", "PLAY wave1", "play wave2", "play  wave1", "open SOUND80.WAV",
                              "open  alias wave1", "close wave2", "close all"}) {
    SCOPED_TRACE(command);
    EXPECT_NE(FmMciSend(mci_, command), 0);
    EXPECT_FALSE(backend_->SoundPlaying());
  }
  EXPECT_EQ(Commands().size(), 10u);
  EXPECT_EQ(Commands()[4], "play wave2");
  // The alias is still open with its clip.
  EXPECT_EQ(FmMciSend(mci_, "play wave1 notify wait"), 0);
  EXPECT_EQ(rt_.Now(), 150);
}

TEST_F(Media, ASoundIsDecodedAgainOnlyWhenItsFileChanged) {
  auto play = [&](const char* file) {
    EXPECT_EQ(FmMciSend(mci_, std::string("open ") + file + " alias wave1"), 0);
    const std::int64_t before = rt_.Now();
    FmMciSend(mci_, "play wave1 notify wait");
    FmMciSend(mci_, "close wave1");
    return rt_.Now() - before;
  };
  EXPECT_EQ(play("SOUND1.WAV"), 150);
  EXPECT_EQ(play("SOUND80.WAV"), 1);
  EXPECT_EQ(play("sound1.wav"), 150);
  ASSERT_EQ(backend_->clips.size(), 3u);
  EXPECT_EQ(backend_->clips[2], backend_->clips[0]);  // the same decoded clip

  Write("SOUND1.WAV", Pcm16(std::vector<int>(11025, 100), 1));  // now 0.5 s
  EXPECT_EQ(play("SOUND1.WAV"), 50);
  EXPECT_NE(backend_->clips[3], backend_->clips[0]);
  // Replaced by a file that is no sound: silent, not the clip it had.
  Write("SOUND1.WAV", {'R', 'I', 'F', 'F'});
  EXPECT_NE(FmMciSend(mci_, "open SOUND1.WAV alias wave1"), 0);
  EXPECT_NE(FmMciSend(mci_, "play wave1 notify wait"), 0);
  fs::remove(dir_ / "SOUND1.WAV");
  EXPECT_NE(FmMciSend(mci_, "open SOUND1.WAV alias wave1"), 0);
  EXPECT_EQ(backend_->clips.size(), 4u);
}

}  // namespace
}  // namespace ham
