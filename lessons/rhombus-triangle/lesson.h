// The rhombus-triangle lesson: "ひし形と三角形の面積"; its pages and the
// drawing helpers of its scripts.
#pragma once

#include <optional>
#include <string>

#include "frame/figures.h"
#include "frame/frame.h"
#include "frame/lesson.h"

namespace ham::lessons {

const frame::Lesson& RhombusTriangleLesson();

}  // namespace ham::lessons

namespace ham::lessons::rhombus_triangle {

// The lesson as the frame runs it; RhombusTriangleLesson() holds it.
frame::Lesson Build();

// A narration inside the running paragraph's guard that does not close the
// sound before it (one that follows its own guarded close).
frame::Step NarrateNoClose(std::string file, std::optional<float> pause = std::nullopt);
// "close wave1" inside the guard of the running paragraph.
frame::Step GuardedClose();

frame::ExplanationPage RhombusPage();
frame::ExplanationPage TrianglePage();
frame::PracticePage RhombusPractice();
frame::PracticePage TrianglePractice();

}  // namespace ham::lessons::rhombus_triangle
