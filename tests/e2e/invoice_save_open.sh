#!/usr/bin/env bash
# Starts Quillet in an empty program folder, makes a new invoice with two
# lines, saves it under a name and quits; starts again, opens that name and
# checks that the page shows the same columns and totals, and what the file
# on disk holds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen "$0" "$@"

start_in_fresh_folder "$1"
main=$(start_main_window)

# The line columns and totals of the page: page pixels 0-400 x 200-560
# (the page stands at 20, 40 in the window).
page_lines() {
  import -window "$main" -crop 400x360+20+240 +repage "$1"
}
quit() {
  press "$main" ctrl+x
  press "$(wait_window " Exit")" Return
  wait_exit "$pid"
}
# Types a text into the window with the keyboard, then the given keys.
type_into() {
  local id=$1 text=$2
  shift 2
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  xdotool type --delay 30 "$text"
  for key in "$@"; do xdotool key "$key"; done
}

page_lines empty.png
press "$main" ctrl+n
press "$(wait_window " Nieuw")" Return
lines=$(wait_window "Omschrijving factuur")
sleep 0.3
type_into "$lines" "01-03" Tab
type_into "$lines" "Koffie é" Tab
type_into "$lines" "12.5" Tab
type_into "$lines" "02-03" Tab
type_into "$lines" "Thee €" Tab
type_into "$lines" "0,20"
xdotool mousemove --window "$lines" 570 476 click 1   # Ok
sleep 0.5
page_lines typed.png

press "$main" ctrl+s
name_box=$(wait_window " Factuur opslaan")
type_into "$name_box" "Proef" Return
sleep 0.5
quit

expected=$(mktemp)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$folder" "$expected"' EXIT
{
  printf '"Averno Software 2011"\r\n"--------------------------"\r\n'
  printf '"01-03","Koffie \xe9","12,5"\r\n"02-03","Thee \x80","0,20"\r\n'
  for _ in $(seq 1 18); do printf '"","",""\r\n'; done
  printf '"--------------------------"\r\n\r\n"001"\r\n'
} > "$expected"
if ! cmp "$expected" Facturen/Proef.fac; then
  diff <(cat -A "$expected") <(cat -A Facturen/Proef.fac) || true
  exit 1
fi

./quillet 2>/dev/null &
pid=$!
main=$(start_main_window)
press "$main" ctrl+o
open=$(wait_window "Open project")
xdotool mousemove --window "$open" 40 22 click --repeat 2 --delay 80 1   # the first name
sleep 0.5
page_lines opened.png

if [ "$(compare -metric AE typed.png empty.png null: 2>&1 || true)" = "0" ]; then
  echo "the typed lines did not reach the page"; exit 1
fi
difference=$(compare -metric AE typed.png opened.png null: 2>&1 || true)
if [ "$difference" != "0" ]; then
  echo "the opened invoice shows other columns or totals ($difference pixels differ)"; exit 1
fi
quit
echo "invoice saved, reopened and shown as typed"
