// TODO(media): stub
#include "platform/backend/sdl.h"

namespace ham {
std::unique_ptr<Backend> MakeSdlBackend(Runtime&, std::string* error) {
  if (error) *error = "window backend not built yet";
  return nullptr;
}
}  // namespace ham
