#include "lessons/registry.h"

#include "lessons/average-per-unit/lesson.h"
#include "lessons/division-fractions/lesson.h"
#include "lessons/divisors/lesson.h"
#include "lessons/even-odd/lesson.h"
#include "lessons/fraction-add-sub/lesson.h"
#include "lessons/fraction-reduction/lesson.h"
#include "lessons/multiples/lesson.h"
#include "lessons/number-comparison/lesson.h"
#include "lessons/parallelogram-trapezoid/lesson.h"
#include "lessons/polygon-area/lesson.h"
#include "lessons/rhombus-triangle/lesson.h"

namespace ham::lessons {

const std::vector<LessonEntry>& AllLessons() {
  static const std::vector<LessonEntry> all = {
      {"divisors", &DivisorsLesson},
      {"polygon-area", &PolygonAreaLesson},
      {"parallelogram-trapezoid", &ParallelogramTrapezoidLesson},
      {"rhombus-triangle", &RhombusTriangleLesson},
      {"average-per-unit", &AveragePerUnitLesson},
      {"even-odd", &EvenOddLesson},
      {"multiples", &MultiplesLesson},
      {"division-fractions", &DivisionFractionsLesson},
      {"fraction-add-sub", &FractionAddSubLesson},
      {"number-comparison", &NumberComparisonLesson},
      {"fraction-reduction", &FractionReductionLesson},
  };
  return all;
}

const frame::Lesson* FindLesson(std::string_view name) {
  for (const LessonEntry& e : AllLessons())
    if (e.name == name) return &e.lesson();
  return nullptr;
}

}  // namespace ham::lessons
