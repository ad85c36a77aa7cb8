#!/usr/bin/env bash
# The include check of tools/ on a few made-up source trees, one include
# each, so it is known to tell a wrong arrow from a right one; then on the
# real src/ it is given.
set -uo pipefail
tool=$(cd "$(dirname "$0")/../../tools" && pwd)/include-arrows.sh
src=$1

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{platform,invoice,output,ui/common,ui/main,ui/dialogs,background,app}

# from file | include | expected exit code
while IFS='|' read -r van doel verwacht; do
  rm -f "$tree"/*/*.cpp "$tree"/ui/*/*.cpp
  printf '#include <QString>\n  #  include "%s"\n' "$doel" > "$tree/$van"
  uit=$("$tool" "$tree")
  kreeg=$?
  if [ "$kreeg" != "$verwacht" ]; then
    echo "$van including $doel gave $kreeg, not $verwacht:"
    echo "$uit"
    exit 1
  fi
  if [ "$verwacht" = 1 ] && [[ $uit != *"$van:2: "* ]]; then
    echo "$van including $doel was not reported at its line: $uit"
    exit 1
  fi
done <<'TABEL'
background/a.cpp|ui/common/plaatsing.h|0
background/a.cpp|ui/main/page_controls.h|1
background/a.cpp|ui/dialogs/besturing.h|1
ui/dialogs/a.cpp|ui/main/main_window.h|0
ui/main/a.cpp|ui/dialogs/numdat.h|1
ui/common/a.cpp|ui/main/main_window.h|1
output/a.cpp|ui/common/bezige_muis.h|1
invoice/a.cpp|platform/files.h|0
platform/a.cpp|invoice/factuur.h|1
app/a.cpp|background/transparant.h|0
app/a.cpp|QtCore/qstring.h|0
TABEL

mkdir -p "$tree/nieuw" && : > "$tree/nieuw/a.cpp"
if "$tool" "$tree" > /dev/null; then
  echo "a folder outside the layers went unnoticed"
  exit 1
fi

"$tool" "$src"
