#!/usr/bin/env bash
# Installs what the simulator needs from Debian's packages (only what is
# missing), then configures and builds it into build/. Sourced by run.sh and
# test.sh.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-multimedia-dev libqt6sql6-sqlite qt6-image-formats-plugins
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-pulseaudio
  libespeak-ng-dev espeak-ng-data libmecab-dev mecab-ipadic-utf8
  open-jtalk open-jtalk-mecab-naist-jdic festival festvox-us-slt-hts
  fonts-ipafont-gothic fonts-noto-cjk fonts-mplus fonts-misaki
  xvfb xauth x11-utils xdotool libx11-dev imagemagick faketime pulseaudio pulseaudio-utils sox
  libgtest-dev googletest xdg-utils python3
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

# The Japanese voice (CC BY 3.0) sits in Debian's contrib area, which a fresh
# Debian 12 does not list: fetch that one package through a private source
# list and state folder under build/ and unpack its voice file there. The
# system's apt sources stay as they are.
jtalk_voice=build/bin/Voice/nitech_jp_atr503_m001.htsvoice
if [ ! -f "$jtalk_voice" ]; then
  mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*debian\)\/\?$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v security | head -n1 || true)
  [ -n "$mirror" ] || mirror=$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\)[[:space:]]\+bookworm[[:space:]].*/\2/p' /etc/apt/sources.list 2>/dev/null | head -n1 || true)
  [ -n "$mirror" ] || mirror=http://deb.debian.org/debian
  apt_dir=$PWD/build/apt-contrib
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" build/bin/Voice
  echo "deb $mirror bookworm contrib" >"$apt_dir/sources.list"
  apt_opts=(-o Dir::Etc::sourcelist="$apt_dir/sources.list" -o Dir::Etc::sourceparts=-
            -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache")
  echo "Fetching the Japanese voice from $mirror (contrib)"
  # Without it the program still runs, with English voices only.
  if apt-get "${apt_opts[@]}" -qq update &&
     (cd "$apt_dir" && apt-get "${apt_opts[@]}" -qq download hts-voice-nitech-jp-atr503-m001); then
    rm -rf "$apt_dir/root"
    dpkg -x "$apt_dir"/hts-voice-nitech-jp-atr503-m001_*.deb "$apt_dir/root"
    cp "$apt_dir/root/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice" "$jtalk_voice"
  else
    echo "warning: could not fetch the Japanese voice; Japanese announcements stay silent" >&2
  fi
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
