#!/usr/bin/env bash
# Prints the sample invoice with Ctrl+P on a private cups-pdf queue and reads
# the printed page back; then, with no queue at all, checks that Ctrl+P says
# there is no printer and sends nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${QUILLET_E2E_DISPLAY:-}" ]; then
  export QUILLET_E2E_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source "$here/lib.sh"
source "$here/cups.sh"

folder=$(new_program_folder "$1")
trap 'stop_cups; rm -rf "$folder"' EXIT
cd "$folder"

# --- a printer that works -------------------------------------------------
start_cups with-queue
out=$(cups_pdf_out)
mkdir -p "$out"
touch "$folder/.voor-het-afdrukken"
sleep 1  # file times have one-second steps on some file systems
./quillet 2>/dev/null &
pid=$!
main=$(start_main_window)
press "$main" ctrl+p
printed=""
for _ in $(seq 1 150); do
  printed=$(find "$out" -name '*.pdf' -newer "$folder/.voor-het-afdrukken" | head -n1)
  [ -n "$printed" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break
  sleep 0.2
done
[ -n "$printed" ] || { echo "no page came out of the printer"; exit 1; }
text=$(pdftotext -layout "$printed" -)
[ -n "${QUILLET_E2E_SHOW:-}" ] && echo "$text"
rm -f "$printed"
# Sender at the left with the address beside its fourth line, headings, the
# stacked totals of layout 2 at the right, the footer last.
for expected in "^ +Korpela B\.V\.$" "^ +Kvk : 123456 {20,}Janssen & Zonen$" "^ +Rabobank :912345678 +Voorbeeldstraat 52$" \
                "^ +Factuurnr\. +: 001$" "^Datum +Omschrijving +Totaal$" "^ {40,}Totaal +0,00$" \
                "^ {40,}Btw 21% +0,00$" "^Bij betaling factuurdatum en factuurnummer vermelden\.$"; do
  grep -qE -- "$expected" <<<"$text" || { echo "printed page lacks /$expected/:"; echo "$text"; exit 1; }
done
kill "$pid"; wait "$pid" 2>/dev/null || true
stop_cups

# --- no printer at all ----------------------------------------------------
start_cups
./quillet 2>/dev/null &
pid=$!
main=$(start_main_window)
press "$main" ctrl+p
for _ in $(seq 1 50); do
  [ "$(xdotool search --onlyvisible --name '^Quillet$' 2>/dev/null | wc -l)" -ge 2 ] && break
  sleep 0.1
done
[ "$(xdotool search --onlyvisible --name '^Quillet$' | wc -l)" -ge 2 ] || { echo "no message about the missing printer"; exit 1; }
[ -z "$(lpstat -o 2>/dev/null)" ] || { echo "a job was sent without a printer"; exit 1; }
kill "$pid"; wait "$pid" 2>/dev/null || true
echo "printed through cups-pdf; a missing printer is reported"
