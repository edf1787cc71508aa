#!/usr/bin/env bash
# Builds the calculator and starts it; arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
exec "$build/shell/zelko-scientific" "$@"
