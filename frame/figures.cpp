#include "frame/figures.h"

#include "frame/frame.h"

namespace ham::frame {

Step Arc(double x, double y, double r, double aspect, double start, double end, int color) {
  return CircleStep{x, y, r, color, aspect, start, end};
}

Step Dotted() { return DrawStyleStep{2}; }

Step Solid() { return DrawStyleStep{0}; }

Step Face(std::string face) { return FontNameStep{std::move(face)}; }

void Append(Steps& to, const Steps& more) { to.insert(to.end(), more.begin(), more.end()); }

std::string ProblemLabel(int n) { return "(" + std::to_string(n) + ")"; }

Step SetExpected(int slot, std::string text) {
  return Call([slot, text = std::move(text)](Frame& f) {
    f.state().ExpectedAnswer[static_cast<std::size_t>(slot)] = text;
  });
}

Step SetOperand(float value) {
  return Call([value](Frame& f) { f.state().ProblemOperand = value; });
}

Step SetWavFile(std::string text) {
  return Call([text = std::move(text)](Frame& f) { f.state().WavFile = text; });
}

}  // namespace ham::frame
