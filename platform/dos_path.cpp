// TODO(files): stub
#include "platform/api.h"
#include "platform/internal.h"

namespace ham {
std::string OsGetCurrentDirectory(Loc) { return "C:\\"; }
void OsSetCurrentDirectory(std::string_view, Loc) {}
void OsFindFirstFile(int, std::string_view) {}
int OsFindNothing(int) { return 0; }
void OsFindClose(int) {}
void RtRunProgram(std::string_view, Loc) {}
namespace detail {
std::optional<std::filesystem::path> ResolveDosPath(Runtime&, std::string_view, std::string*) { return std::nullopt; }
std::string DosPathOf(Runtime&, const std::filesystem::path&) { return {}; }
std::optional<std::filesystem::path> FindEntryNoCase(const std::filesystem::path&, std::string_view) { return std::nullopt; }
bool ReadFileBytes(const std::filesystem::path&, std::vector<std::uint8_t>&) { return false; }
}  // namespace detail
}  // namespace ham
