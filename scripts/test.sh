#!/usr/bin/env bash
# Builds everything twice (warnings as errors; then AddressSanitizer + UBSan) and runs every
# test in both, then the fuzz targets for a bounded number of inputs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen

echo "== Build with warnings as errors"
"$root/scripts/build.sh" "$root/build/werror" -DKALVEX_WERROR=ON
ctest --test-dir "$root/build/werror" --output-on-failure -j"$(nproc)"

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" "$root/build/sanitize" -DKALVEX_WERROR=ON -DKALVEX_SANITIZE=ON -DKALVEX_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build/sanitize" --output-on-failure -j"$(nproc)"

if [ -x "$root/scripts/fuzz.sh" ]; then
  echo "== Fuzz targets"
  "$root/scripts/fuzz.sh"
fi

echo "== Package, install and first start of the installed program"
KALVEX_PACKAGE_BUILD="$root/build/werror" "$root/scripts/package-test.sh"
