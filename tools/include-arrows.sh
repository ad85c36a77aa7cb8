#!/bin/bash
# Lists every #include of our own in src/ that runs against the arrows of the
# layers, and fails when there is one:
#   app -> ui, logo, background -> ui/common -> output, einvoice, boek
#       -> invoice, pdf, imaging -> platform
# A folder includes its own headers and those of the layers below it, never
# one beside it; pdf/ and imaging/ include nothing of ours, einvoice/ only
# invoice/ and platform/. Of the windows, a dialog may call on the main
# window, the main window never on a dialog.
#   include-arrows.sh [SRC]      SRC defaults to the src/ beside this folder
set -u
src=${1:-$(dirname "$0")/../src}

onder="invoice pdf imaging platform"
midden="output einvoice boek $onder"
declare -A mag=(
  [platform]="platform"
  [pdf]="pdf"
  [imaging]="imaging"
  [invoice]="invoice platform"
  [output]="output invoice pdf imaging platform"
  [einvoice]="einvoice invoice platform"
  [boek]="boek $onder"
  [ui/common]="ui/common $midden"
  [ui/main]="ui/main ui/common $midden"
  [ui/dialogs]="ui/dialogs ui/main ui/common $midden"
  [logo]="logo ui/common $midden"
  [background]="background ui/common $midden"
  [app]="app ui/main ui/dialogs ui/common logo background $midden"
)

# The layer of a path below src/, ui/<folder> or the first folder, in $laag.
laag_van() {
  local pad=$1
  if [[ $pad == ui/*/* ]]; then
    pad=${pad#ui/}
    laag="ui/${pad%%/*}"
  else
    laag=${pad%%/*}
  fi
}

insluiting='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+/[^"]+)"'
fouten=0
while IFS= read -r -d '' bestand; do
  pad=${bestand#"$src"/}
  laag_van "$pad"
  van=$laag
  if [ -z "${mag[$van]:-}" ]; then
    echo "$pad: folder $van has no place among the layers"
    fouten=$((fouten + 1))
    continue
  fi
  toegestaan=" ${mag[$van]} "
  nummer=0
  while IFS= read -r regel || [ -n "$regel" ]; do
    nummer=$((nummer + 1))
    [[ $regel =~ $insluiting ]] || continue
    doel=${BASH_REMATCH[1]}
    laag_van "$doel"
    naar=$laag
    [ -d "$src/$naar" ] || continue   # not one of ours
    if [[ $toegestaan != *" $naar "* ]]; then
      echo "$pad:$nummer: $van includes $doel"
      fouten=$((fouten + 1))
    fi
  done < "$bestand"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if [ "$fouten" -gt 0 ]; then
  echo "$fouten include(s) against the layers"
  exit 1
fi
echo "every include follows the layers"
