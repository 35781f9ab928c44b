#!/usr/bin/env bash
# Builds Pelvano and runs every test; the exit code is the tests' result.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
pelvano_install_packages
pelvano_build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
