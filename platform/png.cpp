// TODO(draw): stub
#include "platform/internal.h"

namespace ham::detail {
bool WritePng(const Surface&, const std::filesystem::path&) { return false; }
}  // namespace ham::detail
