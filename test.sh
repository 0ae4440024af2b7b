#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the simulator and runs every
# test headless. Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh
export QT_QPA_PLATFORM=offscreen
# Tests that look at the real window get an X display of their own.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure --timeout 600 -j"$(nproc 2>/dev/null || echo 2)"
