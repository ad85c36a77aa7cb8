#!/usr/bin/env bash
# Starts Quillet in an empty program folder, makes a new invoice with two
# lines, saves it under a name and quits; starts again, opens that name and
# checks that the page shows the same columns and totals, and what the file
# on disk holds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen

start_in_fresh_folder "$1"
main=$(start_main_window)

# The line columns and totals of the page: page pixels 0-400 x 200-560.
page_lines() {
  page_shot "$main" "$1.page.png"
  convert "$1.page.png" -crop 400x360+0+200 +repage "$1"
}

page_lines empty.png
press "$main" ctrl+n
press "$(wait_window " Nieuw")" Return
lines=$(wait_window "Omschrijving factuur")
click "$lines" 50 45   # the first box of the first line
type_into "$lines" "01-03" Tab
type_into "$lines" "Koffie é" Tab
type_into "$lines" "12.5" Tab
type_into "$lines" "02-03" Tab
type_into "$lines" "Thee €" Tab
type_into "$lines" "0,20"
close_with "$lines" 570 476   # Ok
page_lines typed.png

press "$main" ctrl+s
answer_name " Factuur opslaan" Proef
wait_file Facturen/Proef.fac
exit_with_yes "$main" "$pid"

saved_invoice() {
  printf '"Averno Software 2011"\r\n"--------------------------"\r\n'
  printf '"01-03","Koffie \xe9","12,5"\r\n"02-03","Thee \x80","0,20"\r\n'
  for _ in $(seq 1 18); do printf '"","",""\r\n'; done
  printf '"--------------------------"\r\n\r\n"001"\r\n'
}
expect_bytes Facturen/Proef.fac saved_invoice

start_again
main=$(start_main_window)
press "$main" ctrl+o
open=$(wait_window "Open project")
double_click "$open" 40 22   # the first name
wait_gone "Open project"
page_lines opened.png

if [ "$(pixels_differing typed.png empty.png)" = "0" ]; then
  echo "the typed lines did not reach the page"; exit 1
fi
difference=$(pixels_differing typed.png opened.png)
if [ "$difference" != "0" ]; then
  echo "the opened invoice shows other columns or totals ($difference pixels differ)"; exit 1
fi
exit_with_yes "$main" "$pid"
echo "invoice saved, reopened and shown as typed"
