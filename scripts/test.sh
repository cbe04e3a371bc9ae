#!/usr/bin/env bash
# Builds and runs every test twice: a normal build, then an AddressSanitizer +
# UndefinedBehaviorSanitizer build. Pass --quick to run the normal build only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/bootstrap.sh"
presets=(default sanitize)
[ "${1:-}" = "--quick" ] && presets=(default)
for preset in "${presets[@]}"; do
  echo "=== $preset build ==="
  cmake --preset "$preset" -S "$root" >/dev/null
  cmake --build "$root/build/$preset" -j "$(nproc)"
  ctest --test-dir "$root/build/$preset" --output-on-failure -j "$(nproc)"
done
