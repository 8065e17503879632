#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan in build/fuzz and runs
# each for a bounded number of inputs; fails when one of them finds a crash or a broken rule.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/fuzz"
runs="${KALVEX_FUZZ_RUNS:-200000}"
targets=(kalvex_fuzz_factor_file kalvex_fuzz_factor_file_load kalvex_fuzz_parse_entry kalvex_fuzz_text_encoding
  kalvex_fuzz_legacy_profile kalvex_fuzz_legacy_text kalvex_fuzz_szdd kalvex_fuzz_transfer_list
  kalvex_fuzz_rates_document kalvex_fuzz_unit_query)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKALVEX_FUZZ=ON -DKALVEX_SANITIZE=ON -DKALVEX_TESTS=ON -DKALVEX_BENCH=OFF -DKALVEX_WERROR=ON >/dev/null
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)"

for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus" "$build/artifacts"
  seeds=()
  case "$target" in
    kalvex_fuzz_factor_file | kalvex_fuzz_factor_file_load) seeds=("$root/tests/data") ;;
    kalvex_fuzz_legacy_profile | kalvex_fuzz_legacy_text | kalvex_fuzz_szdd | kalvex_fuzz_transfer_list)
      seeds=("$root/tests/data/fuzz/${target#kalvex_fuzz_}") ;;
    kalvex_fuzz_rates_document) seeds=("$root/tests/data/rates") ;;
  esac
  target_runs="$runs"
  # Each query is matched against every unit of every group: under the sanitizers a few
  # hundred inputs a second, so a twentieth of the inputs keeps the test command in its time.
  [ "$target" = kalvex_fuzz_unit_query ] && target_runs=$((runs / 20))
  echo "== $target ($target_runs inputs)"
  log="$build/$target.log"
  if ! "$build/tests/fuzz/$target" -runs="$target_runs" -max_len=8192 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "$target found a fault; the input is in $build/artifacts" >&2
    exit 1
  fi
  grep -E '^(Done|stat::new_units_added)' "$log"
done
