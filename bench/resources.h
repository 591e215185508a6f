#pragma once

#include <string>

#include "platform/runtime.h"

namespace ham::bench {

// The form resources of a lesson by its directory name.
const ResourceTable* ResourcesOf(const std::string& name);

}  // namespace ham::bench
