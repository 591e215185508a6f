// Fuzz target: the items of input statements read from any file text, in an
// order of string and number items the input itself chooses. Reading must
// never run past the text, must move on at every item until the end, and a
// string item never holds a line end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/internal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t order = data[0];  // bit k: item k is a string
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  std::size_t pos = 0;
  for (int k = 0; pos < text.size(); ++k) {
    std::size_t before = pos;
    if (order >> (k % 8) & 1) {
      std::string s = ham::detail::ReadStringItem(text, pos);
      if (s.find_first_of("\r\n") != std::string::npos) std::abort();
    } else {
      (void)ham::detail::ReadNumberItem(text, pos);
    }
    if (pos > text.size() || pos == before) std::abort();
  }
  // Past the end an item reads empty and stays there.
  if (!ham::detail::ReadStringItem(text, pos).empty() || ham::detail::ReadNumberItem(text, pos) != 0 ||
      pos != text.size())
    std::abort();
  return 0;
}
