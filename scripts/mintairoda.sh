#!/usr/bin/env bash
# The sample office: a program folder of its own (build/minta unless one is
# given) with its Pelvano.ini and a data folder filled with a small,
# believable office by the large-folder generator in its sample mode. Built
# once: a data folder that is there is never overwritten, only the programs
# are installed again (cmake --install, without desktop entries). Needs a
# finished build; prints the program folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
mappa="${1:-$build/minta}"
mkdir -p "$mappa"
mappa="$(cd "$mappa" && pwd)"
if [ ! -e "$mappa/Data" ]; then
  "$build/bench/nagy_adatmappa" "$mappa/Data" --minta >/dev/null
fi
PELVANO_ASZTAL=0 cmake --install "$build" --prefix "$mappa" >/dev/null
echo "$mappa"
