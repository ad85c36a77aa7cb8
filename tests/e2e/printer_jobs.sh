#!/usr/bin/env bash
# Printing as a user meets it, on a private cups-pdf queue: a queue added
# while the program runs is found; the page starts at the top-left of the
# printable area; an envelope after an invoice prints in black; the printer
# set-up is a Dutch dialog whose paper and orientation hold for the next
# prints; a queue that refuses jobs is reported as a missing printer.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/cups.sh"
on_virtual_screen

folder=$(new_program_folder "$1")
at_exit 'kill "${pid:-}" 2>/dev/null || true; stop_cups; rm -rf "$folder"'
cd "$folder"
mkdir -p "$(cups_pdf_out)"

# Chooses from the "Bestand" menu with the keys and prints the path of the
# page that came out.
print_with() {
  local main=$1 marker
  shift
  marker=$(mktemp -p "$folder")
  sleep 1  # file times have one-second steps on some file systems
  choose_menu "$main" 34 "$@"
  wait_printed "$marker"
}
print_invoice() { print_with "$1" Down Down Down Down Right Return; }
print_envelope() { print_with "$1" Down Down Down Down Right Down Down Down Return; }

# The left edge of a word on the page, in points.
word_x() {
  pdftotext -bbox "$1" - | sed -n "s/.*xMin=\"\([0-9.]*\)\".*>$2<.*/\1/p" | head -n1
}

# The red value of the darkest pixel in a region (WxH+X+Y) of the page at 72 dpi.
darkest_red() {
  pdftoppm -r 72 -f 1 -l 1 -png "$1" "$folder/grof"
  convert "$folder/grof-1.png" -crop "$2" -format '%[fx:int(minima.r*255)]' info:
}

red_of() {
  local colour
  colour=$(pixel_of_file "$1" "$2" "$3")
  echo "${colour%%,*}"
}

# --- a queue added after start-up -------------------------------------------
start_cups
start_again
main=$(start_main_window)
add_default_queue
page=$(print_invoice "$main")

# --- twip (0, 0) is the top-left of the printable area ----------------------
# "Factuurnr." is printed at x 300 twips (15 pt); the first horizontal rule
# spans y 5580-5595 twips and the first vertical one x 1215-1230 (at 144 dpi
# a tenth of a pixel per twip). The whole sheet is printable on this queue.
x=$(word_x "$page" 'Factuurnr.')
awk -v x="$x" 'BEGIN { exit !(x >= 14.5 && x <= 15.9) }' || { echo "Factuurnr. starts at ${x}pt, not 15pt"; exit 1; }
pdftoppm -r 144 -f 1 -l 1 -png "$page" "$folder/fijn"
for spot in "600 558" "122 700"; do
  # shellcheck disable=SC2086  # x and y
  [ "$(red_of "$folder/fijn-1.png" $spot)" -lt 200 ] || { echo "no rule at $spot of the printed page"; exit 1; }
done
for spot in "600 578" "142 700"; do
  # shellcheck disable=SC2086
  [ "$(red_of "$folder/fijn-1.png" $spot)" -gt 240 ] || { echo "a rule 200 twips off at $spot"; exit 1; }
done

# --- the envelope after the invoice is black --------------------------------
envelope=$(print_envelope "$main")
red=$(darkest_red "$envelope" 200x60+300+225)
[ "$red" -lt 20 ] || { echo "the envelope's address is not black: darkest red $red"; exit 1; }

# --- the set-up: A5, landscape, for the next envelope and invoice ----------
choose_menu "$main" 34 Down Down Down Down Down Return
setup=$(wait_window "Printer instellen")
press "$setup" Tab
xdotool type A5
xdotool key Tab
xdotool type L
xdotool key Return
wait_gone "Printer instellen"
# The spooler hands a landscape page over as a portrait sheet with the
# content turned: the words then run upward.
for job in "print_envelope Janssen" "print_invoice Factuurnr."; do
  page=$(${job% *} "$main")
  size=$(pdfinfo "$page" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p')
  awk -v s="$size" 'BEGIN { split(s, d, " "); exit !(d[1] * d[2] > 415 * 590 && d[1] * d[2] < 425 * 600) }' \
    || { echo "${job% *} came out on $size pt, not A5"; exit 1; }
  box=$(pdftotext -bbox "$page" - | sed -n "s/.*xMin=\"\([0-9.]*\)\" yMin=\"\([0-9.]*\)\" xMax=\"\([0-9.]*\)\" yMax=\"\([0-9.]*\)\">${job#* }<.*/\1 \2 \3 \4/p" | head -n1)
  awk -v b="$box" 'BEGIN { split(b, d, " "); exit !(d[4] - d[2] > d[3] - d[1]) }' \
    || { echo "${job% *} is not printed landscape: ${job#* } at $box"; exit 1; }
done

# --- a queue that refuses jobs ---------------------------------------------
cupsreject quillet-pdf
marker=$(mktemp -p "$folder")
sleep 1
press "$main" ctrl+p
wait_for more_windows_than Quillet 1 || { echo "no message about the refusing printer"; exit 1; }
message=$(visible_windows Quillet | grep -vx "$main" | head -n1)
press "$message" Return
sleep 2
[ -z "$(find "$(cups_pdf_out)" -name '*.pdf' -newer "$marker")" ] || { echo "a refused job was printed"; exit 1; }
echo "a late queue, the origin, black envelopes, the set-up and a refusing queue all work"
