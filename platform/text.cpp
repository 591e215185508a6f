// TODO(text): stub
#include "platform/api.h"
#include "platform/internal.h"

namespace ham {
struct Runtime::TextCache {};
void FmSetFontName(Canvas*, std::string_view) {}
void FmSetFontSize(Canvas*, double) {}
void FmSetFontSize(Control*, double) {}
void RtDrawText(Canvas*, double, double, std::string_view, int, int, int) {}
void RtLocate(Canvas*, int, int) {}
void RtPrintBegin(Canvas*) {}
void RtPrintString(std::string_view) {}
void RtPrintSingle(float) {}
void RtPrintInteger(std::int32_t) {}
void RtPrintEnd() {}
namespace detail {
TextExtent MeasureText(std::string_view, double, std::string_view) { return {}; }
void DrawTextPixels(Surface&, int, int, std::string_view, std::string_view, double, Pixel, int, int, int) {}
int CellWidth(double size) { return static_cast<int>(size) / 2; }
int CellHeight(double size) { return static_cast<int>(size); }
}  // namespace detail
}  // namespace ham
namespace ham::detail {
std::shared_ptr<Runtime::TextCache> MakeTextCache() { return std::make_shared<Runtime::TextCache>(); }
}  // namespace ham::detail
