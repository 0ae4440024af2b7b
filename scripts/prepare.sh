#!/usr/bin/env bash
# Installs what the simulator needs from Debian's packages (only what is
# missing), then configures and builds it into build/. Sourced by run.sh and
# test.sh.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-multimedia-dev libqt6sql6-sqlite qt6-image-formats-plugins
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libespeak-ng-dev espeak-ng-data libmecab-dev mecab-ipadic-utf8
  fonts-ipafont-gothic fonts-noto-cjk fonts-mplus
  xvfb xauth x11-utils imagemagick faketime pulseaudio pulseaudio-utils sox
  libgtest-dev googletest xdg-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
