// Form layouts: the readable text from which form resources are compiled.
//
// One file describes one form: a `form NAME` block, then one block per
// control in stored order. A block is its header line followed by `key
// values...` lines; each class has defaults, so a block names only what
// differs. Blank lines and text after `#` are ignored. The keys and their
// defaults are listed in forms/README.md.
#pragma once

#include <string>
#include <string_view>

#include "forms/form_resource.h"

namespace ham {

// Compiles one layout into its resource model. `source` names the file in
// messages ("FORM7.form:12: ...").
bool CompileLayout(std::string_view text, std::string_view source, FormResource& out, std::string* error);

}  // namespace ham
