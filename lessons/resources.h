// The form resources of every lesson's program, for programs that run all
// lessons (ham_link_every_lesson in lessons/CMakeLists.txt).
#pragma once

#include <string_view>

#include "platform/runtime.h"

namespace ham::lessons {

// The resources of lesson-<name>; null for a name that is no lesson.
const ResourceTable* ResourcesOf(std::string_view name);

}  // namespace ham::lessons
