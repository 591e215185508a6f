// make_seeds BMP_DIR WAV_DIR: small valid bitmaps and sounds of every kind
// the readers take, as the fuzz targets' first corpus.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/media_files.h"

namespace {

using namespace ham::testing;

// Pixel bytes are a pattern; `extra` (masks, palette) sits between the
// information header and the pixels.
Bytes Bmp(std::int32_t w, std::int32_t h, int bits, std::uint32_t comp, const Bytes& extra, Bytes pixels = {}) {
  if (pixels.empty()) {
    const std::size_t stride = (static_cast<std::size_t>(w) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
    for (std::size_t i = 0; i < stride * static_cast<std::size_t>(h < 0 ? -h : h); ++i)
      pixels.push_back(static_cast<std::uint8_t>(i * 37 % 251));
  }
  return BmpWith(w, h, bits, comp, static_cast<std::uint32_t>(pixels.size()), extra, pixels);
}

Bytes Palette(int n) {
  Bytes p;
  for (int k = 0; k < n; ++k) Put32(p, static_cast<std::uint32_t>(k * 0x010305));
  return p;
}

Bytes Wav(int tag, int channels, std::uint32_t rate, int block_align, int bits, const Bytes& fmt_extra,
          std::size_t data_bytes, bool fact) {
  WavSpec s;
  s.tag = tag;
  s.channels = channels;
  s.rate = rate;
  s.block_align = block_align;
  s.bits = bits;
  s.fmt_extra = fmt_extra;
  if (fact) s.fact = 100;
  s.junk_before_data = {'a', 'b', 'c'};
  for (std::size_t i = 0; i < data_bytes; ++i)
    s.data.push_back(static_cast<std::uint8_t>(
        i % static_cast<std::size_t>(block_align) < static_cast<std::size_t>(channels)
            ? 0
            : i * 29 % 256));  // predictors 0 at each block's start
  return ham::testing::Wav(s);
}

void Write(const std::filesystem::path& dir, const std::string& name, const Bytes& b) {
  std::filesystem::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::filesystem::path bmp = argv[1], wav = argv[2];
  Bytes masks;
  Put32(masks, 0xF800);
  Put32(masks, 0x07E0);
  Put32(masks, 0x001F);
  Write(bmp, "rgb24", Bmp(3, 2, 24, 0, {}));
  Write(bmp, "rgb32_top_down", Bmp(2, -2, 32, 0, {}));
  Write(bmp, "rgb16", Bmp(3, 2, 16, 0, {}));
  Write(bmp, "bitfields16", Bmp(3, 2, 16, 3, masks));
  Write(bmp, "pal8", Bmp(5, 3, 8, 0, Palette(256)));
  Write(bmp, "pal4", Bmp(5, 3, 4, 0, Palette(16)));
  Write(bmp, "pal1", Bmp(9, 2, 1, 0, Palette(2)));
  Write(bmp, "rle8", Bmp(4, 2, 8, 1, Palette(3), {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 1}));
  Write(bmp, "rle4", Bmp(4, 2, 4, 2, Palette(3), {3, 0x12, 0, 2, 1, 0, 0, 3, 0x21, 0x20, 0, 1}));
  Bytes ms_coefs;
  Put16(ms_coefs, 32);
  Put16(ms_coefs, 500);
  Put16(ms_coefs, 7);
  for (auto [a, b] : {std::pair{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}}) {
    Put16(ms_coefs, static_cast<std::uint32_t>(a) & 0xFFFF);
    Put16(ms_coefs, static_cast<std::uint32_t>(b) & 0xFFFF);
  }
  Bytes ima_extra;
  Put16(ima_extra, 2);
  Put16(ima_extra, 505);
  Write(wav, "pcm8_mono", Wav(1, 1, 11025, 1, 8, {}, 301, false));
  Write(wav, "pcm16_stereo", Wav(1, 2, 22050, 4, 16, {}, 400, false));
  Write(wav, "ima_mono", Wav(0x11, 1, 22050, 256, 4, ima_extra, 512, true));
  Write(wav, "ms_stereo", Wav(2, 2, 22050, 512, 4, ms_coefs, 1024, true));
  return 0;
}
