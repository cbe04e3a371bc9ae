#!/usr/bin/env bash
# Builds the input-reader fuzzer (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for SECONDS seconds (default 60),
# seeded with fuzz/corpus and the example inputs. Fails on any finding; the
# input that caused it is left in build/fuzz/ as crash-*, leak-* or timeout-*.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$root/build/fuzz
"$root/scripts/bootstrap.sh"
cmake --preset fuzz -S "$root" >/dev/null
cmake --build "$build" --target input_fuzzer -j "${QUARN_JOBS:-2}"
corpus=$build/input_corpus
mkdir -p "$corpus"
seeds=$build/input_seeds
rm -rf "$seeds"
mkdir -p "$seeds"
cp "$root"/fuzz/corpus/* "$seeds"/
cp "$root"/examples/*.qin "$seeds"/
"$build/fuzz/input_fuzzer" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
  -dict="$root/fuzz/input.dict" -artifact_prefix="$build/" -print_final_stats=1 \
  "$corpus" "$seeds"
