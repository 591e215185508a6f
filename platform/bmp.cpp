// Device-independent bitmaps: .BMP files and bare DIBs decoded by SDL, and
// 24-bit ones written. The headers are checked first, so that a picture
// larger than a screen, or with fewer pixel bytes than it declares, is
// refused before SDL allocates its surface.
#include <SDL.h>

#include <string>

#include "platform/codecs.h"

namespace ham::detail {

namespace {

constexpr std::int64_t kMaxSide = 2048;
constexpr std::int64_t kMaxPixels = 4LL * 1024 * 1024;
constexpr std::size_t kFileHeader = 14;

enum : std::uint32_t { kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitFields = 3 };

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

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

struct DibHeader {
  std::uint32_t size = 0;  // of the information header
  std::int64_t width = 0, height = 0;
  int bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t image_size = 0;  // declared bytes of run-length data
  std::size_t palette_end = 0;   // after the header, the masks and the palette
};

// Reads the information header at data[0..size) and checks its sizes.
bool ReadHeader(const std::uint8_t* data, std::size_t size, DibHeader& h, std::string* error) {
  if (size < 12) return Fail(error, "bitmap header truncated");
  h.size = U32(data);
  bool core = false;
  std::uint32_t colours = 0;
  if (h.size == 12) {
    core = true;
    h.width = U16(data + 4);
    h.height = static_cast<std::int16_t>(U16(data + 6));
    h.bits = U16(data + 10);
  } else if (h.size >= 40 && h.size <= 1024) {
    if (size < h.size) return Fail(error, "bitmap header truncated");
    h.width = static_cast<std::int32_t>(U32(data + 4));
    h.height = static_cast<std::int32_t>(U32(data + 8));
    h.bits = U16(data + 14);
    h.compression = U32(data + 16);
    h.image_size = U32(data + 20);
    colours = U32(data + 32);
  } else {
    return Fail(error, "unknown bitmap header size " + std::to_string(h.size));
  }
  if (h.height < 0) h.height = -h.height;
  if (h.width <= 0 || h.height <= 0) return Fail(error, "bitmap has no pixels");
  if (h.width > kMaxSide || h.height > kMaxSide || h.width * h.height > kMaxPixels)
    return Fail(error, "bitmap larger than a screen (" + std::to_string(h.width) + " x " +
                           std::to_string(h.height) + ")");
  if (h.bits < 1 || h.bits > 32) return Fail(error, "unsupported bit count " + std::to_string(h.bits));
  std::size_t end = h.size;
  // Masks of a bit-field bitmap follow a 40-byte header.
  if (h.compression == kBiBitFields && h.size == 40) end += 12;
  if (h.bits <= 8) {
    const std::uint32_t full = 1u << h.bits;
    const std::uint32_t n = (colours == 0 || colours > 256) ? full : colours;
    end += static_cast<std::size_t>(n) * (core ? 3 : 4);
  }
  h.palette_end = end;
  return true;
}

// The pixel bytes the header declares, from `offset` on.
bool PixelsPresent(const DibHeader& h, std::size_t size, std::size_t offset, std::string* error) {
  std::uint64_t need = 0;
  if (h.compression == kBiRle8 || h.compression == kBiRle4) {
    need = h.image_size;  // 0: not declared; the runs themselves end the data
  } else {
    const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.bits) + 31) / 32 * 4;
    need = stride * static_cast<std::uint64_t>(h.height);
  }
  if (offset > size || size - offset < need) return Fail(error, "bitmap pixels truncated");
  return true;
}

// A top-left first surface of what SDL decoded, through the bitmap's own
// palette when it has one.
bool ToSurface(SDL_Surface* s, Surface& out, std::string* error) {
  Surface img(s->w, s->h);
  const SDL_Palette* pal = s->format->palette;
  if (pal && s->format->BitsPerPixel == 8) {
    for (int y = 0; y < s->h; ++y) {
      const auto* row = static_cast<const std::uint8_t*>(s->pixels) + static_cast<std::size_t>(y) * s->pitch;
      Pixel* dst = img.Row(y);
      for (int x = 0; x < s->w; ++x) {
        const int k = row[x];
        dst[x] = k < pal->ncolors ? MakePixel(pal->colors[k].r, pal->colors[k].g, pal->colors[k].b) : 0;
      }
    }
  } else {
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_XRGB8888, 0);
    if (!rgb) return Fail(error, SDL_GetError());
    for (int y = 0; y < rgb->h; ++y) {
      const auto* row = reinterpret_cast<const std::uint8_t*>(rgb->pixels) + static_cast<std::size_t>(y) * rgb->pitch;
      Pixel* dst = img.Row(y);
      for (int x = 0; x < rgb->w; ++x) dst[x] = U32(row + 4 * static_cast<std::size_t>(x)) & 0xFFFFFF;
    }
    SDL_FreeSurface(rgb);
  }
  out = std::move(img);
  return true;
}

// `file` is a whole .BMP file image, file header first.
bool Decode(const std::uint8_t* file, std::size_t size, Surface& out, std::string* error) {
  if (size > static_cast<std::size_t>(INT32_MAX)) return Fail(error, "bitmap file too large");
  SDL_RWops* src = SDL_RWFromConstMem(file, static_cast<int>(size));
  SDL_Surface* s = src ? SDL_LoadBMP_RW(src, 1) : nullptr;
  if (!s) return Fail(error, SDL_GetError());
  const bool ok = ToSurface(s, out, error);
  SDL_FreeSurface(s);
  return ok;
}

}  // namespace

bool DecodeBmpFile(const std::vector<std::uint8_t>& bytes, Surface& out, std::string* error) {
  if (bytes.size() < kFileHeader + 12) return Fail(error, "file too short for a bitmap");
  if (bytes[0] != 'B' || bytes[1] != 'M') return Fail(error, "not a bitmap file");
  DibHeader h;
  if (!ReadHeader(bytes.data() + kFileHeader, bytes.size() - kFileHeader, h, error)) return false;
  // An offset of 0 is taken as "pixels right after the palette".
  const std::uint32_t off_bits = U32(bytes.data() + 10);
  const std::size_t offset = off_bits != 0 ? off_bits : kFileHeader + h.palette_end;
  if (!PixelsPresent(h, bytes.size(), offset, error)) return false;
  if (off_bits != 0) return Decode(bytes.data(), bytes.size(), out, error);
  std::vector<std::uint8_t> fixed = bytes;
  fixed[10] = static_cast<std::uint8_t>(offset & 255);
  fixed[11] = static_cast<std::uint8_t>((offset >> 8) & 255);
  fixed[12] = static_cast<std::uint8_t>((offset >> 16) & 255);
  fixed[13] = static_cast<std::uint8_t>((offset >> 24) & 255);
  return Decode(fixed.data(), fixed.size(), out, error);
}

bool DecodeDib(const std::uint8_t* data, std::size_t size, Surface& out, std::string* error) {
  if (!data) return Fail(error, "no bitmap data");
  DibHeader h;
  if (!ReadHeader(data, size, h, error)) return false;
  if (!PixelsPresent(h, size, h.palette_end, error)) return false;
  // SDL reads files: the DIB gets the file header it lacks.
  std::vector<std::uint8_t> file = {'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(kFileHeader + size));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(kFileHeader + h.palette_end));
  file.insert(file.end(), data, data + size);
  return Decode(file.data(), file.size(), out, error);
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
  v.reserve(kFileHeader + dib.size());
  v.push_back('B');
  v.push_back('M');
  Put32(v, static_cast<std::uint32_t>(kFileHeader + dib.size()));
  Put32(v, 0);
  Put32(v, kFileHeader + 40);
  v.insert(v.end(), dib.begin(), dib.end());
  return v;
}

}  // namespace ham::detail
