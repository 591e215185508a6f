#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# Usage: scripts/install-deps.sh [--fuzz]
#   --fuzz  also clang and its sanitizer runtime, for the libFuzzer targets
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev nlohmann-json3-dev
  libsdl2-dev libfreetype-dev libfontconfig-dev libpng-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
  xvfb
)
for arg in "$@"; do
  case $arg in
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "usage: $0 [--fuzz]" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
