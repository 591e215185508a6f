#!/usr/bin/env bash
# Installs what is missing, builds the lesson and the demo-site builder,
# creates the demo site on drive C and starts the lesson in a real window.
# Usage: scripts/demo.sh [lesson]
set -euo pipefail
cd "$(dirname "$0")/.."
lesson=${1:-divisors}
if [[ ! $lesson =~ ^[a-z0-9-]+$ || ! -f lessons/$lesson/main.cpp ]]; then
  echo "unknown lesson $lesson; the lessons are:" >&2
  for main in lessons/*/main.cpp; do
    name=${main#lessons/}
    echo "  ${name%/main.cpp}" >&2
  done
  exit 2
fi
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc 2>/dev/null || echo 4)" --target "lesson-$lesson" make-demo-site
drive_c=${HAMIRUTA_DRIVE_C:-$PWD/demo/drive_c}
folder=$(build/tools/make-demo-site "$lesson" "$drive_c" --keep-record)
program=$PWD/build/lessons/lesson-$lesson
echo "lesson folder: $folder"
cd "$folder"
HAMIRUTA_DRIVE_C="$drive_c" exec "$program"
