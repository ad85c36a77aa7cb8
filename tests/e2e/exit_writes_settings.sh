#!/usr/bin/env bash
# Starts Quillet in an empty program folder, chooses Exit, answers Yes and
# checks the settings file it leaves behind.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen "$0" "$@"

start_in_fresh_folder "$1"

main=$(start_main_window)
[ -f Quillet.ini ] || { echo "no settings file written at the first start"; exit 1; }
press "$main" ctrl+x
question=$(wait_window " Exit")
press "$question" Return
wait_exit "$pid"

expected=$(mktemp)
dashes='"--------------------------"'
{
  printf '"Averno Software 2011"\r\n%s\r\n""\r\n240,250,140\r\n%s\r\n' "$dashes" "$dashes"
  printf '"olifant.bmp"\r\n"voorbeeld-1.bmp"\r\n%s\r\n' "$dashes"
  printf '"Datum"\r\n"Omschrijving"\r\n"Ex.Btw"\r\n"Btw"\r\n"Totaal"\r\n"Totaal"\r\n"Btw 21%%"\r\n"Totaal"\r\n'
  printf '%s\r\n2\r\n%s\r\n' "$dashes" "$dashes"
  printf '"Korpela B.V.\r\nLindeplein 59\r\n7701 KL, Dalmere\r\nKvk : 123456\r\nRabobank :912345678"\r\n%s\r\n' "$dashes"
  printf '"Janssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam"\r\n%s\r\n' "$dashes"
  printf '"Bij betaling factuurdatum en factuurnummer vermelden."\r\n""\r\n'
} > "$expected"
if ! cmp "$expected" Quillet.ini; then
  diff <(cat -A "$expected") <(cat -A Quillet.ini) || true
  rm -f "$expected"
  exit 1
fi
rm -f "$expected"
echo "settings file written on exit as expected"
