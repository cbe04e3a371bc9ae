#!/usr/bin/env bash
# Checks the layering of the engine's folders: a file may include headers of
# its own folder and of the folders below it, never of a folder above.
#
#   engine   the model, channels, messages and error stops, limits
#   output   the fixed-format number formatter, report line writers, plot records
#   input, soil, section   (one level: none of the three includes the others)
#   analysis
#   report   result writers
#   run      the run sequence, run files and the entry points
#   apps     the command-line front end (apps/), above everything
#
# Prints every include that points upward or sideways and fails when there is one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

level() {
  case "$1" in
    engine) echo 0 ;;
    output) echo 1 ;;
    input | soil | section) echo 2 ;;
    analysis) echo 3 ;;
    report) echo 4 ;;
    run) echo 5 ;;
    quarn) echo 0 ;;  # include/quarn: the public headers, usable by every layer
    apps) echo 6 ;;
    *) echo "" ;;
  esac
}

status=0
count=0
while IFS= read -r file; do
  case "$file" in
    src/*) from=$(echo "$file" | cut -d/ -f2) ;;
    apps/*) from=apps ;;
    *) continue ;;
  esac
  from_level=$(level "$from")
  if [ -z "$from_level" ]; then
    echo "$file: folder '$from' has no place in the layer order (add it to scripts/check-includes.sh)"
    status=1
    continue
  fi
  while IFS= read -r target; do
    to=${target%%/*}
    [ "$to" = "$target" ] && continue  # a header beside the file, without a folder
    to_level=$(level "$to")
    if [ -z "$to_level" ]; then
      echo "$file: includes \"$target\" from an unknown folder"
      status=1
    elif [ "$to" != "$from" ] && [ "$to_level" -ge "$from_level" ]; then
      echo "$file: includes \"$target\" ($to is not below $from)"
      status=1
    fi
    count=$((count + 1))
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files 'src/*.h' 'src/*.cpp' 'apps/*.h' 'apps/*.cpp'; git ls-files --others --exclude-standard 'src/*.h' 'src/*.cpp')

if [ "$status" -eq 0 ]; then
  echo "include order: $count includes checked, none points upward"
fi
exit "$status"
