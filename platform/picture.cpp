// TODO(draw): stub
#include "platform/api.h"
#include "platform/internal.h"

namespace ham {
void FmNewPicture(Picture&) {}
void FmLoadPicture(Picture&, std::string_view, Loc) {}
void FmDrawPicture(Canvas*, Picture&, double, double) {}
void FmNewPictureSize(Picture&, int, int) {}
void FmCopyRect(Canvas*, double, double, int, int, Canvas*, double, double) {}
void FmDeletePicture(Picture&) {}
}  // namespace ham
