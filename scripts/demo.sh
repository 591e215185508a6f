#!/usr/bin/env bash
# Installs what is missing, builds the lesson and the demo-site builder,
# creates the demo site on drive C and starts the lesson in a real window.
# Usage: scripts/demo.sh [lesson]
set -euo pipefail
cd "$(dirname "$0")/.."
lesson=${1:-divisors}
# The lessons as lessons/CMakeLists.txt lists them.
lessons=$(sed -n 's/^ham_add_lesson(\([a-z0-9-]*\).*/\1/p' lessons/CMakeLists.txt)
if ! grep -qxF -- "$lesson" <<<"$lessons"; then
  echo "unknown lesson $lesson; the lessons are:" >&2
  sed 's/^/  /' <<<"$lessons" >&2
  exit 2
fi
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc 2>/dev/null || echo 4)" --target "lesson-$lesson" make-demo-site
drive_c=${HAMIRUTA_DRIVE_C:-$PWD/demo/drive_c}
folder=$(build/tools/make-demo-site "$lesson" "$drive_c")
program=$PWD/build/lessons/lesson-$lesson
echo "lesson folder: $folder"
cd "$folder"
HAMIRUTA_DRIVE_C="$drive_c" exec "$program"
