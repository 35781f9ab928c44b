#!/usr/bin/env bash
# Builds Pelvano and starts it from its program folder build/bin/ on the
# delivered data folder build/bin/Data. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
pelvano_install_packages
pelvano_build
exec build/bin/Pelvano "$@"
