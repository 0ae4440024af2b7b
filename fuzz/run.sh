#!/usr/bin/env bash
# Runs every fuzz target for the given seconds each over a working copy of its
# corpus; new crash inputs are left in fuzz/findings/<name>/.
#   fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
build=${1:?build folder configured with -DQUOREL_FUZZ=ON}
seconds=${2:-600}
here=$(cd "$(dirname "$0")" && pwd)
for target in "$build"/fuzz/quorel-fuzz-*; do
  name=${target##*/quorel-fuzz-}
  work=$(mktemp -d)
  cp "$here/corpus/$name"/* "$work"/ 2>/dev/null || true
  mkdir -p "$here/findings/$name"
  echo "== $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=65536 -timeout=5 -rss_limit_mb=4096 \
    -artifact_prefix="$here/findings/$name/" "$work" 2>&1 | grep -E "Done [0-9]+ runs|ERROR|SUMMARY" || true
  rm -rf "$work"
done
