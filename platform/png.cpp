// Screenshots as 24-bit RGB PNG files.
#include <png.h>

#include <cstring>

#include "platform/internal.h"

namespace ham::detail {

bool WritePng(const Surface& s, const std::filesystem::path& path) {
  if (s.empty()) return false;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(s.width()) * static_cast<std::size_t>(s.height()) *
                                3);
  std::size_t k = 0;
  for (int y = 0; y < s.height(); ++y) {
    const Pixel* row = s.Row(y);
    for (int x = 0; x < s.width(); ++x) {
      rgb[k++] = static_cast<std::uint8_t>(PixelR(row[x]));
      rgb[k++] = static_cast<std::uint8_t>(PixelG(row[x]));
      rgb[k++] = static_cast<std::uint8_t>(PixelB(row[x]));
    }
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(s.width());
  image.height = static_cast<png_uint_32>(s.height());
  image.format = PNG_FORMAT_RGB;
  const bool ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok;
}

}  // namespace ham::detail
