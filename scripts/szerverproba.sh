#!/usr/bin/env bash
# Tries Pelvano on a local database server: a PostgreSQL server of its own in
# build/szerver/pg (kept between runs; scripts/pgszerver.sh stop
# build/szerver/pg stops it), its database "pelvano" built with the
# delivered records when new, and a program folder build/szerver/program
# whose Pelvano.ini names that server. Called by ./run.sh --szerver, after
# the build; extra arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="$root/build/szerver"
mkdir -p "$dir"
alap="$("$root/scripts/pgszerver.sh" start "$dir/pg")"
[ -n "$alap" ] || { echo "no PostgreSQL server binaries" >&2; exit 1; }
if ! psql "$alap" -tAc "SELECT 1 FROM pg_database WHERE datname = 'pelvano'" | grep -q 1; then
  psql "$alap" -qc "CREATE DATABASE pelvano TEMPLATE template0 ENCODING 'UTF8' LOCALE 'C.UTF-8'"
fi
szerver="${alap% dbname=postgres} dbname=pelvano"
prog="$dir/program"
mkdir -p "$prog"
cp -a "$root/build/bin/." "$prog/"
# A database that already has its tables is kept as it is.
"$prog/Pelvano_Upd" --server "$szerver" --adatbazis-letrehozas >/dev/null 2>&1 || true
printf '[Database]\nPath=%s/Data\nServer=%s\n' "$prog" "$szerver" >"$prog/Pelvano.ini"
exec "$prog/Pelvano" "$@"
