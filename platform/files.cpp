// TODO(files): stub
#include "platform/api.h"
#include "platform/internal.h"

namespace ham {
struct Runtime::Files {};
void RtFileOpen(int, std::string_view, std::string_view, Loc) {}
void RtFileClose(std::initializer_list<int>, Loc) {}
void RtFileInputBegin(int, Loc) {}
void RtFileInputVars(std::initializer_list<InputVar>, Loc) {}
void RtFilePrintBegin(int, Loc) {}
void RtFilePrintInteger(std::int32_t, int) {}
void RtFilePrintSingle(float, int) {}
void RtFilePrintFloat(double, int) {}
void RtFilePrintEnd(Loc) {}
void RtFileDelete(std::string_view, Loc) {}
}  // namespace ham
namespace ham::detail {
std::shared_ptr<Runtime::Files> MakeFilesState() { return std::make_shared<Runtime::Files>(); }
}  // namespace ham::detail
