#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the simulator and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh
exec build/bin/quorel "$@"
