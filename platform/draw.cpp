// TODO(draw): stub
#include "platform/api.h"
#include "platform/internal.h"

namespace ham {
void RtClearScreen(Canvas*, int) {}
void RtSetWindow(Canvas*, int, double, double, int, double, double) {}
void RtSetViewport(Canvas*, int, int, int, int, int, int, int) {}
void RtSetPalette(Canvas*, int, int, int, int) {}
void RtSetColor(Canvas*, int, int, int, int, int) {}
void RtDrawLine(Canvas*, double, double, double, double, int, LineShape, int) {}
void RtDrawCircle(Canvas*, double, double, double, int, double, double, double, bool, int) {}
void RtDrawPolyline(Canvas*, const std::vector<PolyPoint>&, int, bool, int) {}
void FmSetDrawMode(Canvas*, int) {}
void FmSetDrawStyle(Canvas*, int) {}
void FmSetFillStyle(Canvas*, int) {}
void FmSetFillColor(Canvas*, std::uint32_t) {}
std::uint32_t FmRgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r & 255) | (static_cast<std::uint32_t>(g & 255) << 8) |
         (static_cast<std::uint32_t>(b & 255) << 16);
}
void FmFloodFill(Canvas*, double, double, std::uint32_t, int) {}
}  // namespace ham
