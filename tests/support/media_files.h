// Bitmap and sound files written byte by byte, for the tests and the fuzz
// seeds: headers exactly as given, however odd.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ham::testing {

using Bytes = std::vector<std::uint8_t>;

// Little-endian; negative values as two's complement.
template <class T>
void Put16(Bytes& b, T v) {
  const auto u = static_cast<std::uint32_t>(v);
  b.push_back(static_cast<std::uint8_t>(u & 255));
  b.push_back(static_cast<std::uint8_t>((u >> 8) & 255));
}
template <class T>
void Put32(Bytes& b, T v) {
  const auto u = static_cast<std::uint32_t>(v);
  Put16(b, u & 0xFFFF);
  Put16(b, u >> 16);
}

// A RIFF chunk with its pad byte.
inline void Chunk(Bytes& b, const char* tag, const Bytes& body) {
  b.insert(b.end(), tag, tag + 4);
  Put32(b, body.size());
  b.insert(b.end(), body.begin(), body.end());
  if (body.size() & 1) b.push_back(0);
}

// A .BMP file: headers of `bits` with compression `comp` and `colours`
// palette entries in use (0: all), then the bytes after them (masks,
// palette) and the pixels.
inline Bytes BmpWith(std::int32_t w, std::int32_t h, int bits, std::uint32_t comp, std::uint32_t image_size,
                     const Bytes& before_pixels, const Bytes& pixels, std::uint32_t colours = 0) {
  Bytes v = {'B', 'M'};
  Put32(v, 14 + 40 + before_pixels.size() + pixels.size());
  Put32(v, 0);
  Put32(v, 14 + 40 + before_pixels.size());
  Put32(v, 40);
  Put32(v, w);
  Put32(v, h);
  Put16(v, 1);
  Put16(v, bits);
  Put32(v, comp);
  Put32(v, image_size);
  Put32(v, 2835);
  Put32(v, 2835);
  Put32(v, colours);
  Put32(v, 0);
  v.insert(v.end(), before_pixels.begin(), before_pixels.end());
  v.insert(v.end(), pixels.begin(), pixels.end());
  return v;
}

struct WavSpec {
  int tag = 1;
  int channels = 1;
  std::uint32_t rate = 22050;
  int block_align = 2;
  int bits = 16;
  Bytes fmt_extra;  // after the 16 common bytes, cbSize included
  Bytes data;
  std::optional<std::uint32_t> fact;
  Bytes junk_before_data;  // body of an extra chunk before "data"
};

inline Bytes Wav(const WavSpec& s) {
  Bytes fmt;
  Put16(fmt, s.tag);
  Put16(fmt, s.channels);
  Put32(fmt, s.rate);
  Put32(fmt, s.rate * static_cast<std::uint32_t>(s.block_align));
  Put16(fmt, s.block_align);
  Put16(fmt, s.bits);
  fmt.insert(fmt.end(), s.fmt_extra.begin(), s.fmt_extra.end());
  Bytes body = {'W', 'A', 'V', 'E'};
  Chunk(body, "fmt ", fmt);
  if (s.fact) {
    Bytes f;
    Put32(f, *s.fact);
    Chunk(body, "fact", f);
  }
  if (!s.junk_before_data.empty()) Chunk(body, "LIST", s.junk_before_data);
  Chunk(body, "data", s.data);
  Bytes out = {'R', 'I', 'F', 'F'};
  Put32(out, body.size());
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace ham::testing
