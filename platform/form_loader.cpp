// TODO(forms): stub
#include "platform/internal.h"

namespace ham::detail {
std::unique_ptr<Form> BuildForm(std::string_view name, const ResourceTable&, std::string* error) {
  if (error) *error = "form resource " + std::string(name) + " not found";
  return nullptr;
}
}  // namespace ham::detail
