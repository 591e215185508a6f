// Figure steps of the fraction add-sub lesson: blanks and fraction strips.
#include "lessons/fraction-add-sub/lesson.h"

namespace ham::lessons::fraction_add_sub {

using namespace ham::frame;

std::string Blanks(int k) { return std::string(static_cast<std::size_t>(k), ' '); }

void Strip(Steps& out, double x1, double x2, double y1, double y2, int n, int m) {
  const double w = (x2 - x1) / n;
  out.push_back(FilledBox(x1, y1, x2, y2, 7));
  out.push_back(FilledBox(x1, y1, x1 + m * w, y2, 2));
  for (int k = 1; k < n; ++k) out.push_back(Line(x1 + k * w, y1, x1 + k * w, y2, 0));
}

}  // namespace ham::lessons::fraction_add_sub
