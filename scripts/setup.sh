#!/usr/bin/env bash
# Installs the Debian packages Corvid needs (only those missing) and builds the
# two programs into build/. Safe to run again: with everything present it only
# rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential
  cmake
  ninja-build
  g++
  clang
  pkg-config
  libgtest-dev
  googletest
  libbenchmark-dev
  libmotif-dev
  libxt-dev
  libxmu-dev
  libcairo2-dev
  lp-solve
  xvfb
  xdotool
  x11-apps
  imagemagick
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=()
  if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo); fi
  "${SUDO[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "${CORVID_SETUP_NO_BUILD:-0}" != 1 ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  ninja -C build -j2 ${CORVID_SETUP_TARGETS:-corvid corvid-batch}
fi
