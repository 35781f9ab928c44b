#!/usr/bin/env bash
# Installs the Debian packages Pelvano needs (only those missing) and builds
# everything in build/. Sourced by run.sh and test.sh.
set -euo pipefail

PELVANO_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  libqt6svg6 libsqlite3-dev sqlite3 libsodium-dev libzip-dev zlib1g-dev zip unzip
  libqscintilla2-qt6-dev pxlib-dev libicu-dev
  fonts-dejavu-core fonts-liberation2 poppler-utils qt6-translations-l10n
  clang-format git python3
  postgresql libqt6sql6-psql libpq-dev
  libqrencode-dev zbar-tools desktop-file-utils
)

pelvano_install_packages() {
  local missing=()
  for p in "${PELVANO_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

pelvano_build() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPELVANO_WERROR="${PELVANO_WERROR:-OFF}" >/dev/null
  cmake --build "$root/build" -j"$(nproc)"
}
