#!/usr/bin/env bash
# Installs the Debian packages a task needs, and nothing when they are all there (one quick
# query, so every make target can afford to ask).
#   scripts/setup.sh build   - build, run and check the desktop program
#   scripts/setup.sh all     - also the sanitizer, fuzzing and browser builds and every test
set -euo pipefail
group=${1:-all}

build_packages=(
  build-essential cmake ninja-build pkg-config
  libglfw3-dev libopenal-dev libstb-dev libvorbis-dev
  libgl1-mesa-dev libgl1-mesa-dri mesa-utils
  libcairo2-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
)
test_packages=(
  xvfb xauth xdotool x11-utils imagemagick sox
  openal-info
  dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db pngquant
  emscripten node-acorn chromium nodejs optipng
  clang libclang-rt-14-dev
)
case $group in
  build) packages=("${build_packages[@]}") ;;
  all) packages=("${build_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [build|all]" >&2; exit 2 ;;
esac

# dpkg-query fails for a package it has never heard of: that one is simply missing.
installed=$({ dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${packages[@]}" 2>/dev/null || true; } |
  awk '$1 == "installed" { print $2 }')
missing=()
for p in "${packages[@]}"; do
  grep -qxF "$p" <<< "$installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "$group" = all ] || exit 0
# The browser tests' driver (playwright-core, which uses the system's Chromium), exactly as
# locked; installed again only when the lock file changed.
web_tests=$(cd "$(dirname "$0")/../tests/web" && pwd)
if [ ! -f "$web_tests/node_modules/.package-lock.json" ] ||
   ! cmp -s "$web_tests/package-lock.json" "$web_tests/node_modules/.zandrel-lock"; then
  (cd "$web_tests" && npm ci --no-audit --no-fund --loglevel=error &&
    cp package-lock.json node_modules/.zandrel-lock)
fi
