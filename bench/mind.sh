#!/usr/bin/env bash
# Every benchmark on a generated data folder (nagy_adatmappa), best of three
# runs each, gathered into one table: operation, our figure, the reference
# tool's figure on the same data in the same run, and the ratio.
#
#   bench/mind.sh DIR [--server "..."]
#
# With --server the office of DIR moved to that server's database
# (Pelvano_Upd --server "..." --szerverre DIR) is measured, against psql; the
# archive is the data folder's only. EGYIDEJU_MP sets the seconds of the run
# with several workstations at once (60).
set -euo pipefail
bench="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/bench"
[ $# -ge 1 ] || { echo "usage: $0 DIR [--server \"...\"]" >&2; exit 2; }
dir="$1"
shift
[ -f "$dir/pelvano.sqlite" ] || { echo "no data folder: $dir" >&2; exit 2; }
programs=(bench_tervlista bench_kiadas bench_keres bench_sql bench_export bench_riport)
[ $# -eq 0 ] && programs+=(bench_archivalas)

printf '| %-60s | %13s | %-8s | %13s | %6s |\n' operation ours tool "tool's" ratio
printf '|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..62})" "$(printf -- '-%.0s' {1..15})" \
  "$(printf -- '-%.0s' {1..10})" "$(printf -- '-%.0s' {1..15})" "$(printf -- '-%.0s' {1..8})"
for p in "${programs[@]}"; do
  "$bench/$p" "$dir" 3 "$@" | grep '^| '
done
"$bench/bench_egyideju" "$dir" "${EGYIDEJU_MP:-60}" 4 "$@" | grep '^| '
