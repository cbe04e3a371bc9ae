#!/usr/bin/env bash
# Builds Quarn and runs the command-line runner on the bundled example input.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/bootstrap.sh"
cmake --preset default -S "$root" >/dev/null
cmake --build "$root/build/default" --target quarn_cli quarn -j "$(nproc)"
example=${1:-$root/examples/soft-clay-pipe-pile.qin}
out=$root/build/example
mkdir -p "$out"
cp "$example" "$out/"
set +e
"$root/build/default/bin/quarn" "$out/$(basename "$example")"
status=$?
set -e
echo
echo "Report, plot and message files are in $out"
exit $status
