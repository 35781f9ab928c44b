#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests and for trying the program:
# a new cluster in a temporary folder, listening only on a local socket in
# that folder, run by an unprivileged user (postgres when started by root),
# every local connection trusted. Nothing outside the folder is touched.
#
#   scripts/pgszerver.sh start DIR   prints the connection string
#   scripts/pgszerver.sh stop DIR
set -euo pipefail

pg_bin() {
  local d
  d="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)"
  [ -n "$d" ] && [ -x "$d/initdb" ] || return 1
  echo "$d"
}

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

cmd="${1:-}"
dir="${2:-}"
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
if ! bin="$(pg_bin)"; then
  # Without the server binaries the server variants of the tests skip,
  # saying so; nothing is started.
  echo "no PostgreSQL server binaries: the server tests skip" >&2
  exit 0
fi
port=54329

case "$cmd" in
start)
  mkdir -p "$dir"
  dir="$(cd "$dir" && pwd)"
  if [ "$(id -u)" -eq 0 ]; then chown postgres "$dir"; chmod 755 "$dir"; fi
  # A server left running by an interrupted run is used again.
  if [ -S "$dir/.s.PGSQL.$port" ] && as_owner "$bin/pg_ctl" -D "$dir/data" status >/dev/null 2>&1; then
    echo "host=$dir port=$port user=postgres dbname=postgres"
    exit 0
  fi
  if [ ! -f "$dir/data/PG_VERSION" ]; then
    as_owner "$bin/initdb" -D "$dir/data" -U postgres --auth=trust -E UTF8 \
      --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  fi
  as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-c listen_addresses='' -c unix_socket_directories='$dir' -p $port -c fsync=off" \
    start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
  echo "host=$dir port=$port user=postgres dbname=postgres"
  ;;
stop)
  [ -d "$dir" ] || exit 0
  dir="$(cd "$dir" && pwd)"
  as_owner "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac
