#!/usr/bin/env bash
# Installs every Debian package the build, the art pipeline and the tests need.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libglfw3-dev libopenal-dev libstb-dev libvorbis-dev
  libgl1-mesa-dev libgl1-mesa-dri mesa-utils
  libcairo2-dev
  xvfb xauth xdotool x11-utils imagemagick sox
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  openal-info
  dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db pngquant
  emscripten node-acorn chromium nodejs
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser tests' driver (playwright-core, which uses the system's Chromium), exactly as
# locked; installed again only when the lock file changed.
web_tests=$(cd "$(dirname "$0")/../tests/web" && pwd)
if [ ! -f "$web_tests/node_modules/.package-lock.json" ] ||
   ! cmp -s "$web_tests/package-lock.json" "$web_tests/node_modules/.zandrel-lock"; then
  (cd "$web_tests" && npm ci --no-audit --no-fund --loglevel=error &&
    cp package-lock.json node_modules/.zandrel-lock)
fi
