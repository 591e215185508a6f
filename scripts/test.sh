#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: a normal build and an
# address + undefined-behaviour sanitizer build. HAM_WERROR=ON makes warnings
# errors (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 4)

run() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DHAM_WERROR="${HAM_WERROR:-OFF}" "$@"
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

run build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run build-sanitize -DCMAKE_BUILD_TYPE=Debug -DHAM_SANITIZE=ON
