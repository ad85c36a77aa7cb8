#!/usr/bin/env bash
# `cmake --install` into a fresh prefix gives a runnable program folder, the
# desktop entry pointing at it and the icon.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in quillet/quillet quillet/Logo/voorbeeld-1.bmp quillet/Backgrounds/olifant.bmp \
         share/applications/quillet.desktop share/icons/hicolor/128x128/apps/quillet.png; do
  [ -f "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
for d in Facturen Adressen; do
  [ -d "$prefix/quillet/$d" ] || { echo "missing folder after install: $d"; exit 1; }
done
[ -x "$prefix/quillet/quillet" ] || { echo "the installed program cannot be run"; exit 1; }
grep -qx "Exec=$prefix/quillet/quillet" "$prefix/share/applications/quillet.desktop" \
  || { echo "the desktop entry does not start the installed program"; exit 1; }
echo "installed program folder, desktop entry and icon in place"
