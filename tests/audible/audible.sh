#!/usr/bin/env bash
# Starts a PulseAudio server with a null sink, records the sink's monitor,
# and runs the real program (libfaketime) at a station a few seconds before a
# train runs in, twice: with the platform sounds only, then with the
# announcements only. Each recording must be quiet before the train's time
# and loud after it. The recordings stay in OUT_FOLDER to listen to.
#   audible.sh PROGRAM_FOLDER OUT_FOLDER LINE STATION HH:MM:SS SECONDS_TO_RUN_IN
set -euo pipefail
program_folder=$(cd "$1" && pwd); out=$2; line=$3 station=$4 at=$5 lead=$6
: "${DISPLAY:?an X display is needed}"
for tool in pulseaudio parec pactl sox faketime; do
  command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
pulse_pid="" rec_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && { kill -- "-$app_pid" 2>/dev/null || true; }
  [ -n "$rec_pid" ] && { kill "$rec_pid" 2>/dev/null || true; }
  [ -n "$pulse_pid" ] && { kill "$pulse_pid" 2>/dev/null || true; }
  cp "$work"/*.log "$out"/ 2>/dev/null || true; rm -rf "$work"
}
trap cleanup EXIT

export HOME="$work" XDG_RUNTIME_DIR="$work/run" XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
pulseaudio -D --exit-idle-time=-1 --disallow-exit -n --use-pid-file=yes \
  --load=module-native-protocol-unix --load="module-null-sink sink_name=ci_sink" --load=module-always-sink
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pulse_pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid")
pactl set-default-sink ci_sink

# The program folder is the folder of the program file: a copy of the program
# beside links to its data.
folder="$work/program"; mkdir -p "$folder"
cp "$program_folder/quorel" "$folder/"
for item in network.db Train Sound Picture Voice Readme.txt; do
  if [ -e "$program_folder/$item" ]; then ln -s "$program_folder/$item" "$folder/$item"; fi
done

calc() { awk "BEGIN { print $1 }"; }
# RMS amplitude of a stretch of a recording (seconds from its start).
rms() { sox "$1" -n trim "$2" "$3" stat 2>&1 | awk '/RMS +amplitude/ {print $3}'; }

status=0
run() {
  local name=$1 sounds=$2 speech=$3 length=$4
  printf '[SET]\nNOW_ROSEN=%s\nNOW_EKI=%s\nS01=%s\nS02=%s\nLANGUAGE_J=1\nLANGUAGE_E=0\n' \
    "$line" "$station" "$sounds" "$speech" > "$folder/I_Quorel.ini"
  local rec="$out/$name.wav"
  # The low-latency reader keeps new streams from starting late.
  parec --latency-msec=10 -d ci_sink.monitor --format=s16le --rate=44100 --channels=1 --file-format=wav "$rec" &
  rec_pid=$!
  sleep 0.5
  local started; started=$(date +%s.%N)
  # The faked clock is the wall clock only: with a faked monotonic clock the
  # sound server's client plays nothing.
  QT_QPA_PLATFORM=xcb FAKETIME_DONT_FAKE_MONOTONIC=1 setsid faketime "2026-12-11 $at" "$folder/quorel" >"$work/$name.log" 2>&1 &
  app_pid=$!
  sleep "$(calc "$lead + $length")"
  kill -- "-$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; app_pid=""
  sleep 0.3
  kill "$rec_pid" 2>/dev/null || true; wait "$rec_pid" 2>/dev/null || true; rec_pid=""
  # Where the train's time falls in the recording: the recording began 0.5 s
  # before the program; the faked clock starts with the program.
  local offset; offset=$(calc "0.5 + $lead")
  local before after
  # Before: the program's first 1.5 s, while it starts and nothing plays.
  before=$(rms "$rec" 0.5 1.5)
  after=$(rms "$rec" "$(calc "$offset + 0.5")" "$(calc "$length - 1.5")")
  echo "$name: RMS before the run-in $before, after it $after ($rec)"
  if ! awk -v b="$before" -v a="$after" 'BEGIN { exit !(b < 0.003 && a > 0.02) }'; then
    echo "$name: expected quiet before and loud after" >&2; cat "$work/$name.log" >&2; status=1
  fi
}

run sounds 1 0 8
run announcement 0 1 8
exit $status
