#!/usr/bin/env bash
# The route map window of the real program, driven with xdotool under the X
# display of the test run: pictures of its first view and of a region
# reached by dragging the map, a press with each mouse button on a marker
# (the main window's name plate must then show the marker's station, as it
# does when the program starts at that station), and the "MAP" button
# bringing the closed map back. Pictures go to OUT_FOLDER.
#   routemap.sh PROGRAM_FOLDER OUT_FOLDER CLOSEWINDOW
set -euo pipefail
# A display of its own, large enough for both windows, where no other
# window test's windows come in the way.
if [ -z "${ROUTEMAP_OWN_DISPLAY:-}" ]; then
  exec env ROUTEMAP_OWN_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
program_folder=$(cd "$1" && pwd); out=$2; closewindow=$3
mkdir -p "$out"
work=$(mktemp -d)
pid=""
stop() {
  # faketime runs the program as its child: end the whole session group.
  if [ -n "$pid" ]; then kill -- "-$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  pid=""
}
trap 'stop; rm -rf "$work"' EXIT
main_title="QUOREL NETWORK - REALTIME SIMULATOR"
status=0
fail() { echo "routemap: $*" >&2; status=1; }

# Starts the program at a station; sets main and map to their window ids.
start() {
  local name=$1 line=$2 station=$3 folder="$work/$1"
  mkdir -p "$folder"
  cp "$program_folder/quorel" "$folder/"
  for item in network.db Train Sound Picture Readme.txt; do
    if [ -e "$program_folder/$item" ]; then ln -s "$program_folder/$item" "$folder/$item"; fi
  done
  printf '[SET]\nNOW_ROSEN=%s\nNOW_EKI=%s\nS01=0\nS02=0\n' "$line" "$station" > "$folder/I_Quorel.ini"
  HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb setsid faketime "2026-12-11 03:00:00" \
    "$folder/quorel" >"$folder/log" 2>&1 &
  pid=$!
  main="" map=""
  for _ in $(seq 1 50); do
    sleep 0.2
    main=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$main_title\":" '$0 ~ t && / 986x357\+/ {print $1; exit}')
    map=$(xwininfo -root -tree 2>/dev/null | awk '/DUVIV OVEVER MAP/ && / 792x568\+/ {print $1; exit}')
    [ -n "$main" ] && [ -n "$map" ] && break
  done
  if [ -z "$main" ] || [ -z "$map" ]; then
    fail "$name: the windows did not come up"; cat "$folder/log" >&2; return 1
  fi
  sleep "${ROUTEMAP_WAIT:-3}"
}

# The main window's name plate (Info00 at 403,3, 180 x 65).
plate() { import -window "$main" -crop 180x65+403+3 +repage "$1"; }

# Reference name plates: the program started at each station.
targets=("left 南北線 溜池山王" "middle 東西線 高田馬場" "right 有楽町線 月島")
for t in "${targets[@]}"; do
  read -r button line station <<<"$t"
  start "ref-$button" "$line" "$station" || continue
  plate "$out/plate-$button-expected.png"
  stop
done

start map 銀座線 渋谷 || exit 1
viewable() { xwininfo -id "$map" 2>/dev/null | grep -q 'Map State: IsViewable'; }
viewable || fail "the map is not shown at start-up"

# The first view: picture point (183, 229) at the client area's corner.
xdotool windowraise "$map"; sleep 0.5
import -window "$map" "$out/map-first-view.png"
echo "first view -> $out/map-first-view.png ($(identify -format '%wx%h' "$out/map-first-view.png"))"

# The mouse resting on a marker (G16 上野, centre 619,365) shows its hint:
# a picture of the screen around it, for a person to look at.
xdotool mousemove --window "$map" 436 136; sleep 2
eval "$(xdotool getwindowgeometry --shell "$map")"
import -window root -crop 400x200+$((X + 300))+$((Y + 60)) +repage "$out/map-hint.png"
echo "hint -> $out/map-hint.png"

# Presses on markers, one per mouse button; client point = picture point - (183, 229).
#   left:   the area G06 (銀座線) and N06 (南北線) share at 508,537 -> 南北線 溜池山王
#   middle: T03 centre 370,363 -> 東西線 高田馬場
#   right:  Y21 centre 664,577 -> 有楽町線 月島
clicks=("left 1 325 308" "middle 2 187 134" "right 3 481 348")
for c in "${clicks[@]}"; do
  read -r name button x y <<<"$c"
  xdotool windowraise "$map"; sleep 0.3
  xdotool mousemove --window "$map" "$x" "$y"; sleep 0.2
  xdotool click "$button"; sleep 2
  plate "$out/plate-$name.png"
  if ! [ -f "$out/plate-$name-expected.png" ]; then
    fail "$name: no reference plate"
  elif ! diff=$(compare -metric AE "$out/plate-$name.png" "$out/plate-$name-expected.png" null: 2>&1) || [ "$diff" != 0 ]; then
    fail "$name button: the name plate differs from the expected station's ($diff pixels)"
  else
    echo "$name button: the scene moved to the marker's station"
  fi
  viewable || fail "$name button: the map was hidden"
done

# Drag the map to a second region: 350 px to the left and 200 px up.
xdotool windowraise "$map"; sleep 0.3
xdotool mousemove --window "$map" 700 520 mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove --window "$map" $((700 - 35 * step)) $((520 - 20 * step)); sleep 0.05
done
xdotool mouseup 1; sleep 0.5
import -window "$map" "$out/map-second-region.png"
if [ "$(compare -metric AE "$out/map-first-view.png" "$out/map-second-region.png" null: 2>&1 || true)" = 0 ]; then
  fail "dragging did not scroll the map"
fi
echo "second region -> $out/map-second-region.png"

# The close box hides the map; the "MAP" button (758, 339) brings it back as it was.
# The test display has no window manager, so no close box: the close
# request is sent as a window manager sends it.
"$closewindow" "$map"; sleep 0.5
viewable && fail "the map did not hide"
xdotool windowraise "$main"; sleep 0.3
xdotool mousemove --window "$main" 788 346 click 1; sleep 1
# Shown again, the map has a new X window of its own.
map=$(xwininfo -root -tree 2>/dev/null | awk '/DUVIV OVEVER MAP/ && / 792x568\+/ {print $1; exit}')
if [ -n "$map" ] && viewable; then
  import -window "$map" "$out/map-shown-again.png"
  if [ "$(compare -metric AE "$out/map-second-region.png" "$out/map-shown-again.png" null: 2>&1 || true)" != 0 ]; then
    fail "the map came back with another view"
  else
    echo "MAP button: the map is back, scrolled as it was"
  fi
else
  fail "the MAP button did not bring the map back"
fi
exit $status
