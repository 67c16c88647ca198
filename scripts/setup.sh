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
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
