#!/usr/bin/env bash
# Installs what is missing, builds, creates the demo site on drive C and
# starts a lesson in a real window. Usage: scripts/demo.sh [lesson]
set -euo pipefail
cd "$(dirname "$0")/.."
lesson=${1:-divisors}
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc 2>/dev/null || echo 4)"
drive_c=${HAMIRUTA_DRIVE_C:-$PWD/demo/drive_c}
folder=$(build/tools/make-demo-site "$lesson" "$drive_c" --keep-record)
program=$PWD/build/lessons/lesson-$lesson
echo "lesson folder: $folder"
cd "$folder"
HAMIRUTA_DRIVE_C="$drive_c" exec "$program"
