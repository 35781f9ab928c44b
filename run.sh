#!/usr/bin/env bash
# Builds Pelvano and starts it from its program folder build/bin/ on the
# delivered data folder build/bin/Data; with --minta first, the sample office
# (build/minta, made once by scripts/mintairoda.sh); with --szerver first, on
# a local database server instead (scripts/szerverproba.sh). Extra arguments
# go to the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
pelvano_install_packages
pelvano_build
if [ "${1:-}" = "--minta" ]; then
  shift
  mappa="$(scripts/mintairoda.sh)"
  exec "$mappa/Pelvano" "$@"
fi
if [ "${1:-}" = "--szerver" ]; then
  shift
  exec scripts/szerverproba.sh "$@"
fi
exec build/bin/Pelvano "$@"
