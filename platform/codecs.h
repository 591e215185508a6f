// Bitmap and sound files: read and written apart from the rest of the
// runtime (the fuzz targets build them alone).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace ham {

// Decoded sound, ready for the backend.
struct SoundClip {
  int rate = 22050;
  int channels = 1;
  std::vector<std::int16_t> samples;  // interleaved; empty when only the length was kept
  std::size_t unkept_frames = 0;      // the length then, in frames
  std::size_t Frames() const;
  std::int64_t DurationUnits() const;  // length in pause units (10 ms), rounded up
};

namespace detail {

// ----- bitmaps (bmp.cpp) -----
// A .BMP file (with its file header), of at most 2048 x 2048 pixels.
bool DecodeBmpFile(const std::vector<std::uint8_t>& bytes, Surface& out, std::string* error);
// A device-independent bitmap without file header (information header first).
bool DecodeDib(const std::uint8_t* data, std::size_t size, Surface& out, std::string* error);
// 24-bit bottom-up DIB of a surface, rows padded to 4 bytes, with the
// resolution fields given.
std::vector<std::uint8_t> EncodeDib24(const Surface& s, std::int32_t xppm = 3790, std::int32_t yppm = 3800);
std::vector<std::uint8_t> EncodeBmpFile24(const Surface& s);

// ----- sound (wav.cpp) -----
// PCM 8/16 bit, IMA and Microsoft ADPCM; mono or stereo, 4000 to 192000 Hz,
// at most 10 minutes. Without `keep_samples` the clip has its length only,
// for a backend that plays no sound.
std::shared_ptr<SoundClip> DecodeWav(const std::vector<std::uint8_t>& bytes, std::string* error,
                                     bool keep_samples = true);

}  // namespace detail
}  // namespace ham
