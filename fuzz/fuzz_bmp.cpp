// Fuzz target: the bitmap reader must refuse or accept any bytes, as a .BMP
// file and as a bare DIB, and what it accepts fits a screen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/codecs.h"

namespace {

void Check(bool ok, const ham::Surface& s, const std::string& error) {
  if (!ok) {
    if (error.empty()) std::abort();
    return;
  }
  if (s.width() < 1 || s.height() < 1 || s.width() > 2048 || s.height() > 2048) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  ham::Surface s;
  std::string error;
  Check(ham::detail::DecodeBmpFile(bytes, s, &error), s, error);
  // The same bytes after a file header: a DIB of the resources.
  if (size > 14) {
    ham::Surface d;
    error.clear();
    Check(ham::detail::DecodeDib(bytes.data() + 14, size - 14, d, &error), d, error);
  }
  return 0;
}
