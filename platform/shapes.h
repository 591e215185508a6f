// The shapes a drawing call takes, apart from the runtime: what a lesson's
// step tables need to describe a figure.
#pragma once

namespace ham {

enum class LineShape { kLine, kBox, kFilledBox };

struct PolyPoint {
  double x = 0, y = 0;
  bool relative = false;  // relative to the point before
};

}  // namespace ham
