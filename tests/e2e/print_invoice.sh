#!/usr/bin/env bash
# Prints the sample invoice with Ctrl+P on a private cups-pdf queue and reads
# the printed page back; then, with no queue at all, checks that Ctrl+P says
# there is no printer and sends nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/cups.sh"
on_virtual_screen

folder=$(new_program_folder "$1")
at_exit 'kill "${pid:-}" 2>/dev/null || true; stop_cups; rm -rf "$folder"'
cd "$folder"

# --- a printer that works -------------------------------------------------
start_cups with-queue
mkdir -p "$(cups_pdf_out)"
touch "$folder/.voor-het-afdrukken"
sleep 1  # file times have one-second steps on some file systems
start_again
main=$(start_main_window)
press "$main" ctrl+p
printed=$(wait_printed "$folder/.voor-het-afdrukken")
text=$(pdftotext -layout "$printed" -)
[ -n "${QUILLET_E2E_SHOW:-}" ] && echo "$text"
rm -f "$printed"
# Sender at the left with the address beside its fourth line, headings, the
# stacked totals of layout 2 at the right, the footer last.
for expected in "^ +Korpela B\.V\.$" "^ +Kvk : 123456 {20,}Janssen & Zonen$" "^ +Rabobank :912345678 +Voorbeeldstraat 52$" \
                "^ +Factuurnr\. +: 001$" "^Datum +Omschrijving +Totaal$" "^ {40,}Totaal +0,00$" \
                "^ {40,}Btw 21% +0,00$" "^Bij betaling factuurdatum en factuurnummer vermelden\.$"; do
  expect_match "$text" "$expected" "the printed page"
done
kill "$pid"; wait "$pid" 2>/dev/null || true
stop_cups

# --- no printer at all ----------------------------------------------------
start_cups
start_again
main=$(start_main_window)
press "$main" ctrl+p
wait_for more_windows_than Quillet 1 || { echo "no message about the missing printer"; exit 1; }
[ -z "$(lpstat -o 2>/dev/null)" ] || { echo "a job was sent without a printer"; exit 1; }
kill "$pid"; wait "$pid" 2>/dev/null || true
echo "printed through cups-pdf; a missing printer is reported"
