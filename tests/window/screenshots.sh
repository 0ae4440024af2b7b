#!/usr/bin/env bash
# Starts the real program under the X display of the test run, at chosen
# stations and times of day (libfaketime), and keeps a picture of its main
# window for each: build/screenshots/<name>.png. Fails when the window does
# not come up or shows nothing.
#   screenshots.sh PROGRAM_FOLDER OUT_FOLDER [name line station time]...
set -euo pipefail
program_folder=$(cd "$1" && pwd); out=$2; shift 2
: "${DISPLAY:?an X display is needed}"
mkdir -p "$out"
work=$(mktemp -d); trap 'pkill -f "^$work/" 2>/dev/null || true; rm -rf "$work"' EXIT
title="QUOREL NETWORK - REALTIME SIMULATOR"
status=0
while [ $# -ge 4 ]; do
  name=$1 line=$2 station=$3 at=$4; shift 4
  folder="$work/$name"; mkdir -p "$folder"
  # The program folder is the folder of the program file: a copy of the
  # program beside links to its data.
  cp "$program_folder/quorel" "$folder/"
  for item in network.db Train Sound Picture Readme.txt; do
    if [ -e "$program_folder/$item" ]; then ln -s "$program_folder/$item" "$folder/$item"; fi
  done
  printf '[SET]\nNOW_ROSEN=%s\nNOW_EKI=%s\n' "$line" "$station" > "$folder/I_Quorel.ini"
  # Start a few seconds early: the start-up takes up to a second of the faked clock.
  HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb setsid faketime "2026-12-11 $at" "$folder/quorel" >"$folder/log" 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 1 50); do
    sleep 0.2
    # The main window, not Qt's 1x1 helper window of the same name.
    window=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\":" '$0 ~ t && / 986x357\+/ {print $1; exit}')
    [ -n "$window" ] && break
  done
  sleep "${SCREENSHOT_WAIT:-4}"
  if [ -n "$window" ] && import -window "$window" "$out/$name.png" 2>/dev/null; then
    colours=$(convert "$out/$name.png" -format '%k' info:)
    size=$(identify -format '%wx%h' "$out/$name.png")
    echo "$name: $line $station at $at -> $out/$name.png ($size, $colours colours)"
    if [ "$colours" -lt 50 ]; then echo "$name: the window shows almost nothing" >&2; status=1; fi
  else
    echo "$name: the main window did not come up" >&2; cat "$folder/log" >&2; status=1
  fi
  # faketime runs the program as its child: end the whole session group.
  kill -- "-$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
  pkill -f "^$folder/quorel" 2>/dev/null || true
done
exit $status
