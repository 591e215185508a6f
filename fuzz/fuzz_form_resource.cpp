// Fuzz target: FormResource::Read must refuse or accept any bytes without
// crashing, and whatever it accepts must write back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/form_resource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ham::FormResource r;
  std::string error;
  if (!ham::FormResource::Read(data, size, r, &error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  std::vector<std::uint8_t> again = r.Write(&error);
  if (again != std::vector<std::uint8_t>(data, data + size)) std::abort();
  ham::FormResource r2;
  if (!ham::FormResource::Read(again, r2, &error) || !(r2 == r)) std::abort();
  return 0;
}
