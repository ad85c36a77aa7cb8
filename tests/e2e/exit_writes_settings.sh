#!/usr/bin/env bash
# Starts Quillet in an empty program folder, chooses Exit, answers Yes and
# checks the settings file it leaves behind.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen

start_in_fresh_folder "$1"

main=$(start_main_window)
[ -f Quillet.ini ] || { echo "no settings file written at the first start"; exit 1; }
exit_with_yes "$main" "$pid"

expect_bytes Quillet.ini settings_bytes 240,250,140 olifant.bmp voorbeeld-1.bmp \
  "Datum|Omschrijving|Ex.Btw|Btw|Totaal|Totaal|Btw 21%|Totaal" 2 \
  $'Korpela B.V.\r\nLindeplein 59\r\n7701 KL, Dalmere\r\nKvk : 123456\r\nRabobank :912345678' \
  $'Janssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam' \
  "Bij betaling factuurdatum en factuurnummer vermelden." ""
echo "settings file written on exit as expected"
