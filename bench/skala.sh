#!/usr/bin/env bash
# How the register grows with the office: offices of 10,000, 100,000 and
# 1,000,000 plans (lines and issue records ten per plan) generated under DIR
# (each once: an office already there is used as it is), the same figures
# measured on each (bench_skala, best of three), and one table of them with
# the time per plan at each size and how the time per plan changes from one
# size to the next (1.0: linear; the window's first screen and memory by
# their own value).
#
#   bench/skala.sh DIR [SIZE...]
set -euo pipefail
bench="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/bench"
[ $# -ge 1 ] || { echo "usage: $0 DIR [SIZE...]" >&2; exit 2; }
dir="$1"
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 100000 1000000)
mkdir -p "$dir"
results=()
for n in "${sizes[@]}"; do
  office="$dir/iroda_$n"
  if [ ! -f "$office/pelvano.sqlite" ]; then
    "$bench/nagy_adatmappa" "$office" --tervek "$n" --sorok $((n * 10)) \
      --kiadasok $((n * 10)) >/dev/null
  fi
  "$bench/bench_skala" "$office" 3 2>/dev/null | grep -P '\t' >"$dir/skala_$n.txt"
  results+=("$dir/skala_$n.txt")
done
python3 - "${sizes[@]}" -- "${results[@]}" <<'PY'
import sys
args = sys.argv[1:]
sep = args.index('--')
sizes = [int(s) for s in args[:sep]]
files = args[sep + 1:]
data = []
for f in files:
    d = {}
    for line in open(f, encoding='utf-8'):
        name, value = line.rstrip('\n').split('\t')
        d[name] = float(value)
    data.append(d)
names = list(data[0].keys())
flat = {"grid's first screen", "window memory"}
head = ['operation'] + [f'{n:,} plans' for n in sizes] + [f'per plan at {n:,}' for n in sizes]
head += [f'growth {a:,}->{b:,}' for a, b in zip(sizes, sizes[1:])]
print('| ' + ' | '.join(head) + ' |')
print('|' + '|'.join('---' for _ in head) + '|')
for name in names:
    unit = 'MB' if name == 'window memory' else 'ms'
    vals = [d.get(name, float('nan')) for d in data]
    row = [name] + [f'{v:.1f} {unit}' for v in vals]
    per = [v / n for v, n in zip(vals, sizes)]
    row += [f'{p * 1000:.2f} {"kB" if unit == "MB" else "µs"}' for p in per]
    if name in flat:
        # These must not grow: the value itself from one size to the next.
        row += [f'{b / a:.2f}× (value)' if a > 0 else '-' for a, b in zip(vals, vals[1:])]
    else:
        row += [f'{b / a:.2f}' if a > 0 else '-' for a, b in zip(per, per[1:])]
    print('| ' + ' | '.join(row) + ' |')
PY
