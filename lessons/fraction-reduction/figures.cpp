// Figure steps of the fraction reduction lesson.
#include "lessons/fraction-reduction/lesson.h"

namespace ham::lessons::fraction_reduction {

using namespace ham::frame;

void Fraction(Steps& out, const std::string& numerator, const std::string& denominator, double x, double y,
              int color) {
  out.push_back(Text(x, y, numerator, color));
  out.push_back(Text(x, y + 20, denominator, color));
  out.push_back(Line(x, y + 18, x + 10, y + 18, color < 0 ? 7 : color));
}

}  // namespace ham::lessons::fraction_reduction
