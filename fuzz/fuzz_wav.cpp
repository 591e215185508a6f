// Fuzz target: the WAV reader must refuse or accept any bytes, and what it
// accepts is a recording: mono or stereo, 4000 to 192000 Hz, whole frames,
// at most 10 minutes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  std::shared_ptr<ham::SoundClip> clip = ham::detail::DecodeWav({data, data + size}, &error);
  if (!clip) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (clip->channels < 1 || clip->channels > 2) std::abort();
  if (clip->rate < 4000 || clip->rate > 192000) std::abort();
  if (clip->samples.size() % static_cast<std::size_t>(clip->channels) != 0) std::abort();
  if (clip->DurationUnits() > 60000) std::abort();
  return 0;
}
