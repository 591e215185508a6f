// Device-independent bitmaps: decoding .BMP files and bare DIBs (1, 4, 8, 24
// and 32 bits, both row orders, uncompressed or run-length coded), and
// writing 24-bit ones. Every read is checked against the buffer's end.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/internal.h"

namespace ham::detail {

namespace {

constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

enum : std::uint32_t { kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2 };

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

void Put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
  v.push_back(static_cast<std::uint8_t>(x & 255));
  v.push_back(static_cast<std::uint8_t>((x >> 8) & 255));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

struct DibInfo {
  std::int64_t width = 0, height = 0;  // height > 0
  bool top_down = false;
  int bits = 0;
  std::uint32_t compression = kBiRgb;
  std::vector<Pixel> palette;
  std::size_t header_end = 0;  // first byte after header and palette
};

// Reads the information header and the palette at data[0..size).
bool ReadInfo(const std::uint8_t* data, std::size_t size, DibInfo& info, std::string* error) {
  if (size < 12) return Fail(error, "bitmap header truncated");
  const std::uint32_t hsize = U32(data);
  bool core = false;
  std::uint32_t colours_used = 0;
  if (hsize == 12) {
    core = true;
    info.width = U16(data + 4);
    info.height = static_cast<std::int16_t>(U16(data + 6));
    info.bits = U16(data + 10);
  } else if (hsize >= 40 && hsize <= 1024) {
    if (size < hsize) return Fail(error, "bitmap header truncated");
    info.width = I32(data + 4);
    info.height = I32(data + 8);
    info.bits = U16(data + 14);
    info.compression = U32(data + 16);
    colours_used = U32(data + 32);
  } else {
    return Fail(error, "unknown bitmap header size " + std::to_string(hsize));
  }
  if (info.height < 0) {
    info.top_down = true;
    info.height = -info.height;
  }
  if (info.width <= 0 || info.height <= 0) return Fail(error, "bitmap has no pixels");
  if (info.width > kMaxSide || info.height > kMaxSide || info.width * info.height > kMaxPixels)
    return Fail(error, "bitmap too large");
  switch (info.bits) {
    case 1: case 4: case 8: case 24: case 32: break;
    default: return Fail(error, "unsupported bit count " + std::to_string(info.bits));
  }
  const bool rle = info.compression == kBiRle8 || info.compression == kBiRle4;
  if (info.compression != kBiRgb && !rle)
    return Fail(error, "unsupported compression " + std::to_string(info.compression));
  if ((info.compression == kBiRle8 && info.bits != 8) || (info.compression == kBiRle4 && info.bits != 4))
    return Fail(error, "compression does not match bit count");
  if (rle && info.top_down) return Fail(error, "run-length bitmap cannot be top-down");

  std::size_t pos = hsize;
  if (info.bits <= 8) {
    const std::uint32_t max_colours = 1u << info.bits;
    std::uint32_t n = (colours_used == 0 || core) ? max_colours : colours_used;
    if (n > 256) return Fail(error, "bad palette size");
    const std::size_t entry = core ? 3 : 4;
    if (pos + n * entry > size) return Fail(error, "palette truncated");
    info.palette.resize(max_colours, 0);
    for (std::uint32_t k = 0; k < n && k < max_colours; ++k) {
      const std::uint8_t* e = data + pos + k * entry;
      info.palette[k] = MakePixel(e[2], e[1], e[0]);
    }
    pos += n * entry;
  }
  info.header_end = pos;
  return true;
}

bool DecodeRgb(const DibInfo& info, const std::uint8_t* data, std::size_t size, std::size_t offset,
               Surface& out, std::string* error) {
  const std::int64_t stride = ((info.width * info.bits + 31) / 32) * 4;
  const std::int64_t last_row = (info.width * info.bits + 7) / 8;  // the last row may lack padding
  if (offset > size || static_cast<std::int64_t>(size - offset) < stride * (info.height - 1) + last_row)
    return Fail(error, "bitmap pixels truncated");
  const int w = static_cast<int>(info.width), h = static_cast<int>(info.height);
  Surface s(w, h);
  const std::size_t colours = info.palette.size();
  for (int row = 0; row < h; ++row) {
    const std::uint8_t* src =
        data + offset + static_cast<std::size_t>(stride) * static_cast<std::size_t>(row);
    const int y = info.top_down ? row : h - 1 - row;
    Pixel* dst = s.Row(y);
    for (int x = 0; x < w; ++x) {
      switch (info.bits) {
        case 1:
        case 4:
        case 8: {
          const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(info.bits);
          const int shift = 8 - info.bits - static_cast<int>(bit % 8);
          const std::size_t k = (src[bit / 8] >> shift) & ((1u << info.bits) - 1);
          dst[x] = k < colours ? info.palette[k] : 0;
          break;
        }
        case 24: {
          const std::uint8_t* p = src + static_cast<std::size_t>(x) * 3;
          dst[x] = MakePixel(p[2], p[1], p[0]);
          break;
        }
        default: {
          const std::uint8_t* p = src + static_cast<std::size_t>(x) * 4;
          dst[x] = MakePixel(p[2], p[1], p[0]);
          break;
        }
      }
    }
  }
  out = std::move(s);
  return true;
}

// Run-length coded 8- and 4-bit bitmaps (always bottom-up). Pixels that the
// runs skip stay at palette entry 0.
bool DecodeRle(const DibInfo& info, const std::uint8_t* data, std::size_t size, std::size_t offset,
               Surface& out, std::string* error) {
  if (offset > size) return Fail(error, "bitmap pixels truncated");
  const int w = static_cast<int>(info.width), h = static_cast<int>(info.height);
  const bool four = info.compression == kBiRle4;
  Surface s(w, h, info.palette.empty() ? 0 : info.palette[0]);
  auto colour = [&](std::size_t k) { return k < info.palette.size() ? info.palette[k] : 0; };
  std::size_t p = offset;
  int x = 0, row = 0;
  auto put = [&](std::size_t k) {
    if (x < w && row < h) s.Set(x, h - 1 - row, colour(k));
    if (x < w) ++x;
  };
  while (row < h) {
    if (p + 2 > size) return Fail(error, "run-length data truncated");
    const std::uint8_t n = data[p], v = data[p + 1];
    p += 2;
    if (n > 0) {
      for (int k = 0; k < n; ++k) put(four ? ((k % 2 == 0) ? v >> 4 : v & 15) : v);
      continue;
    }
    if (v == 0) {  // end of line
      x = 0;
      ++row;
    } else if (v == 1) {  // end of bitmap
      break;
    } else if (v == 2) {  // delta
      if (p + 2 > size) return Fail(error, "run-length data truncated");
      x = std::min(w, x + data[p]);
      row += data[p + 1];
      p += 2;
    } else {  // literal run of v pixels, padded to a 16-bit boundary
      const std::size_t bytes = four ? (v + 1u) / 2u : v;
      const std::size_t padded = (bytes + 1u) & ~static_cast<std::size_t>(1);
      if (p + padded > size) return Fail(error, "run-length data truncated");
      for (int k = 0; k < v; ++k) {
        const std::uint8_t b = data[p + static_cast<std::size_t>(four ? k / 2 : k)];
        put(four ? ((k % 2 == 0) ? b >> 4 : b & 15) : b);
      }
      p += padded;
    }
  }
  out = std::move(s);
  return true;
}

bool DecodeAt(const std::uint8_t* data, std::size_t size, std::size_t info_at, std::size_t pixels_at,
              bool pixels_given, Surface& out, std::string* error) {
  if (info_at > size) return Fail(error, "bitmap header truncated");
  DibInfo info;
  if (!ReadInfo(data + info_at, size - info_at, info, error)) return false;
  const std::size_t offset = pixels_given ? pixels_at : info_at + info.header_end;
  if (info.compression == kBiRgb) return DecodeRgb(info, data, size, offset, out, error);
  return DecodeRle(info, data, size, offset, out, error);
}

}  // namespace

bool DecodeBmpFile(const std::vector<std::uint8_t>& bytes, Surface& out, std::string* error) {
  if (bytes.size() < 14 + 12) return Fail(error, "file too short for a bitmap");
  if (bytes[0] != 'B' || bytes[1] != 'M') return Fail(error, "not a bitmap file");
  const std::uint32_t off_bits = U32(bytes.data() + 10);
  // An offset of 0 is taken as "pixels right after the palette".
  return DecodeAt(bytes.data(), bytes.size(), 14, off_bits, off_bits != 0, out, error);
}

bool DecodeDib(const std::uint8_t* data, std::size_t size, Surface& out, std::string* error) {
  if (!data) return Fail(error, "no bitmap data");
  return DecodeAt(data, size, 0, 0, false, out, error);
}

std::vector<std::uint8_t> EncodeDib24(const Surface& s, std::int32_t xppm, std::int32_t yppm) {
  const std::uint32_t w = static_cast<std::uint32_t>(s.width());
  const std::uint32_t h = static_cast<std::uint32_t>(s.height());
  const std::uint32_t stride = (w * 3 + 3) & ~3u;
  std::vector<std::uint8_t> v;
  v.reserve(40 + static_cast<std::size_t>(stride) * h);
  Put32(v, 40);
  Put32(v, w);
  Put32(v, h);  // positive: bottom-up
  Put16(v, 1);
  Put16(v, 24);
  Put32(v, kBiRgb);
  Put32(v, stride * h);
  Put32(v, static_cast<std::uint32_t>(xppm));
  Put32(v, static_cast<std::uint32_t>(yppm));
  Put32(v, 0);
  Put32(v, 0);
  for (int y = s.height() - 1; y >= 0; --y) {
    const Pixel* row = s.Row(y);
    for (int x = 0; x < s.width(); ++x) {
      v.push_back(static_cast<std::uint8_t>(PixelB(row[x])));
      v.push_back(static_cast<std::uint8_t>(PixelG(row[x])));
      v.push_back(static_cast<std::uint8_t>(PixelR(row[x])));
    }
    for (std::uint32_t k = w * 3; k < stride; ++k) v.push_back(0);
  }
  return v;
}

std::vector<std::uint8_t> EncodeBmpFile24(const Surface& s) {
  std::vector<std::uint8_t> dib = EncodeDib24(s);
  std::vector<std::uint8_t> v;
  v.reserve(14 + dib.size());
  v.push_back('B');
  v.push_back('M');
  Put32(v, static_cast<std::uint32_t>(14 + dib.size()));
  Put32(v, 0);
  Put32(v, 14 + 40);
  v.insert(v.end(), dib.begin(), dib.end());
  return v;
}

}  // namespace ham::detail
