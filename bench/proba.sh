#!/usr/bin/env bash
# The benchmarks run as the README says, without a display: a small office
# is generated and bench/mind.sh measures it; every benchmark must give its
# rows, and the run of several workstations must find nothing lost.
#   bench/proba.sh BUILD_DIR WORK_DIR
set -euo pipefail
build="$1"
work="$2"
rm -rf "$work"
mkdir -p "$work"
unset DISPLAY QT_QPA_PLATFORM WAYLAND_DISPLAY
"$build/bench/nagy_adatmappa" "$work/iroda" --tervek 300 --sorok 3000 --kiadasok 3000 >/dev/null
EGYIDEJU_MP=2 "$(dirname "${BASH_SOURCE[0]}")/mind.sh" "$work/iroda" >"$work/tabla.txt"
cat "$work/tabla.txt"
for mi in "plan list: open plan list" "issue browser opened" "detailed search" \
  "free SQL" "SzovegExport of the issue log" "plan list report" "archive of the data folder" \
  "workstations issuing and returning at once (nothing lost or doubled)"; do
  grep -qF "$mi" "$work/tabla.txt" || { echo "missing from the table: $mi" >&2; exit 1; }
done
# The scaling table on two small sizes: every operation at both.
"$(dirname "${BASH_SOURCE[0]}")/skala.sh" "$work/skala" 200 400 >"$work/skala.txt"
cat "$work/skala.txt"
for mi in "window opened" "window memory" "grid's first screen" "open plan list" \
  "order by subject" "quick search" "detailed search" "issue browser opened" "plan list CSV"; do
  grep -qF "| $mi" "$work/skala.txt" || { echo "missing from the scaling table: $mi" >&2; exit 1; }
done
