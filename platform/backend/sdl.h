// The real window: one SDL window showing the desktop, keyboard, mouse, sound.
#pragma once

#include <memory>
#include <string>

#include "platform/runtime.h"

namespace ham {

// Null with `error` set when no window can be opened.
std::unique_ptr<Backend> MakeSdlBackend(Runtime& rt, std::string* error);

}  // namespace ham
