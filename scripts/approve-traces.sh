#!/usr/bin/env bash
# Writes the approved traces of every lesson (tests/approved/<lesson>/) anew
# from the program as it is, after an intended change; review the change as
# their diff (git diff tests/approved) before committing it.
# Usage: scripts/approve-traces.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 4)" --target every_lesson_tests
HAM_APPROVE=1 "$dir/tests/every_lesson_tests" --gtest_filter='EveryLesson/ApprovedTraces.*' >/dev/null
git status --short -- tests/approved
