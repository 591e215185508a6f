// FormResource: the byte format of a form resource, read and written exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ham {

// TODO(forms): the record model, reader and writer.
class FormResource {
 public:
  static bool Read(const std::vector<std::uint8_t>& bytes, FormResource& out, std::string* error);
  std::vector<std::uint8_t> Write() const;
};

}  // namespace ham
