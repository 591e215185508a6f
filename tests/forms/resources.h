// Resource tables compiled from the layouts for these tests.
#pragma once

#include <string_view>
#include <vector>

#include "platform/runtime.h"

namespace ham::test {

// The shared frame layouts of forms/frame/.
const ResourceTable& FrameResources();
// The divisors lesson's set: the frame's, with its own FORM3 and FORM7.
const ResourceTable& DivisorsResources();

inline const ResourceEntry* Find(const ResourceTable& table, std::string_view type, std::string_view name) {
  for (const ResourceEntry& e : table)
    if (e.type == type && e.name == name) return &e;
  return nullptr;
}

inline std::vector<std::uint8_t> Bytes(const ResourceEntry& e) { return {e.data, e.data + e.size}; }

}  // namespace ham::test
