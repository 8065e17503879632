#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build/release" -DKALVEX_TESTS=OFF -DKALVEX_BENCH=OFF
exec "$root/build/release/app/kalvex" "$@"
