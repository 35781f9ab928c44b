#!/bin/sh
# Puts Pelvano and its maintenance tool into the desktop's application menu
# for the user who runs it: a freedesktop entry for each program and the
# program's icon at the usual sizes, all pointing at this program folder.
# The install runs it; after unpacking the packaged program folder on
# another machine, run it once from there. With --torol it takes them away.
set -eu
mappa="$(cd "$(dirname "$0")/.." && pwd)"
adat="${XDG_DATA_HOME:-$HOME/.local/share}"
alkalmazasok="$adat/applications"
ikonok="$adat/icons/hicolor"

if [ "${1:-}" = "--torol" ]; then
  rm -f "$alkalmazasok/pelvano.desktop" "$alkalmazasok/pelvano-upd.desktop"
  for f in "$mappa"/Asztal/pelvano-*.png; do
    n="$(basename "$f" .png)"; n="${n#pelvano-}"
    rm -f "$ikonok/${n}x${n}/apps/pelvano.png"
  done
  exit 0
fi

mkdir -p "$alkalmazasok"
for f in "$mappa"/Asztal/pelvano-*.png; do
  n="$(basename "$f" .png)"; n="${n#pelvano-}"
  mkdir -p "$ikonok/${n}x${n}/apps"
  cp "$f" "$ikonok/${n}x${n}/apps/pelvano.png"
done

# Exec keys quote the path (it may hold spaces); the working folder is the
# program folder.
bejegyzes() {
  cat > "$alkalmazasok/$1.desktop" <<EOT
[Desktop Entry]
Type=Application
Version=1.0
Name=$2
Name[hu]=$2
GenericName=$3
GenericName[hu]=$3
Comment=$4
Comment[hu]=$4
Exec="$mappa/$5"
Path=$mappa
Icon=pelvano
Terminal=false
Categories=$6
StartupWMClass=$5
EOT
}
bejegyzes pelvano "Pelvano" "Tervnyilvántartás" \
  "Építészeti és mérnöki tervek nyilvántartása, kiadása és visszavétele" Pelvano "Office;Database;"
bejegyzes pelvano-upd "Pelvano karbantartás" "Adatbázis-karbantartás" \
  "A Pelvano adatbázisának karbantartása és verzióváltása" Pelvano_Upd "Office;Database;Utility;"
if command -v update-desktop-database >/dev/null 2>&1; then
  update-desktop-database "$alkalmazasok" >/dev/null 2>&1 || true
fi
if command -v gtk-update-icon-cache >/dev/null 2>&1 && [ -f "$ikonok/index.theme" ]; then
  gtk-update-icon-cache -q "$ikonok" >/dev/null 2>&1 || true
fi
