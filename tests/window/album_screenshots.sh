#!/usr/bin/env bash
# Pictures of the photo album, its menu, a hovered fade button and the
# information window, for a person to look at (not run by the tests: it
# drives the mouse with xdotool). Run under an X display, e.g.
#   xvfb-run -a -s "-screen 0 1280x800x24" tests/window/album_screenshots.sh build/bin build/screenshots
set -euo pipefail
program_folder=$(cd "$1" && pwd); out=$2
: "${DISPLAY:?an X display is needed}"
mkdir -p "$out"
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
folder=$work/program; mkdir -p "$folder"
cp "$program_folder/quorel" "$folder/"
for item in network.db Train Sound Readme.txt; do
  if [ -e "$program_folder/$item" ]; then ln -s "$program_folder/$item" "$folder/$item"; fi
done
pictures="$folder/Picture/銀座線/渋谷"; mkdir -p "$pictures"
convert -size 800x600 gradient:skyblue-seagreen "$pictures/hachiko.jpg"
convert -size 800x600 gradient:orange-firebrick "$pictures/crossing.jpg"
convert -size 600x800 gradient:khaki-sienna "$pictures/tower.png"
convert -size 800x600 plasma:fractal "$pictures/station_exit.jpg"
printf 'broken' > "$pictures/broken.jpg"
printf '[SET]\nNOW_ROSEN=銀座線\nNOW_EKI=渋谷\n' > "$folder/I_Quorel.ini"
HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb "$folder/quorel" > "$work/log" 2>&1 &
pid=$!
title="QUOREL NETWORK - REALTIME SIMULATOR"
window=""
for _ in $(seq 1 50); do
  sleep 0.2
  window=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\":" '$0 ~ t && / 986x357\+/ {print $1; exit}')
  [ -n "$window" ] && break
done
[ -n "$window" ] || { echo "the main window did not come up" >&2; cat "$work/log" >&2; exit 1; }
sleep 4
read -r wx wy < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
import -window "$window" "$out/album.png"
# The strip: Panel04 (12,196), the bar's edge (1,1), its group header (18), IkThumb1 (0,16).
xdotool mousemove $((wx + 12 + 1 + 18 + 60)) $((wy + 196 + 1 + 16 + 50)) click 3
sleep 1
xdotool mousemove_relative 20 56   # onto 写真の整列: its sub-menu opens
sleep 1.2
import -window root -crop 986x500+"$wx"+"$wy" "$out/album_menu.png"
xdotool key Escape key Escape
sleep 0.5
# The bottom bar (0,336): SITE at 882,3, INFO. at 922,3.
xdotool mousemove $((wx + 882 + 20)) $((wy + 336 + 3 + 7))
sleep 0.1
import -window "$window" "$out/fade_half.png"
sleep 1
import -window "$window" "$out/fade_full.png"
xdotool mousemove $((wx + 922 + 20)) $((wy + 336 + 3 + 7)) click 1
sleep 1.5
info=$(xwininfo -root -tree 2>/dev/null | awk '/ 248x128\+/ {print $1; exit}')
[ -n "$info" ] || { echo "the information window did not come up" >&2; exit 1; }
import -window "$info" "$out/info.png"
# CLOSE (&X): Alt+X closes it.
xdotool key alt+x
sleep 1
if xwininfo -root -tree 2>/dev/null | grep -q " 248x128+"; then
  echo "the information window did not close" >&2; exit 1
fi
echo "album, album_menu, fade_half, fade_full, info -> $out"
