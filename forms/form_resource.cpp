#include "forms/form_resource.h"

namespace ham {
bool FormResource::Read(const std::vector<std::uint8_t>&, FormResource&, std::string* error) {
  if (error) *error = "todo";
  return false;
}
std::vector<std::uint8_t> FormResource::Write() const { return {}; }
}  // namespace ham
