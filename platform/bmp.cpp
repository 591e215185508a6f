// TODO(draw): stub
#include "platform/internal.h"

namespace ham::detail {
bool DecodeBmpFile(const std::vector<std::uint8_t>&, Surface&, std::string* e) { if (e) *e = "todo"; return false; }
bool DecodeDib(const std::uint8_t*, std::size_t, Surface&, std::string* e) { if (e) *e = "todo"; return false; }
std::vector<std::uint8_t> EncodeDib24(const Surface&, std::int32_t, std::int32_t) { return {}; }
std::vector<std::uint8_t> EncodeBmpFile24(const Surface&) { return {}; }
}  // namespace ham::detail
