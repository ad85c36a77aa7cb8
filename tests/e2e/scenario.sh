#!/usr/bin/env bash
# A new user's first session, end to end, in a fresh program folder as the
# build lays it out: through the start window to the main window; a logo
# drawn, saved and chosen; a background made from a picture, saved and
# chosen; the sender typed; an address typed, saved in the address book,
# cleared and opened again; layout 1 and 9 % VAT; a new invoice with three
# lines, a number and a date; the invoice saved, exported as PDF and printed
# on a private cups-pdf queue; Exit with Yes. Then the files left behind are
# checked, and a second start that opens the invoice shows the same page.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/cups.sh"
on_virtual_screen

work=$(mktemp -d)
at_exit 'stop_cups; rm -rf "$work"'
start_cups with-queue
mkdir -p "$(cups_pdf_out)"
touch "$work/before-printing"

stand_in_for_xdg_open "$work/opened"

start_in_fresh_folder "$1" with-folders
main=$(start_main_window)
[ -f Quillet.ini ] || { echo "no settings file written at the first start"; exit 1; }

# --- steps of this scenario -------------------------------------------------

# Window pixels of the page: inside the logo box, and the middle of the
# background behind the lines.
logo_middle=(90 80)
background_middle=(220 411)

# Mijndata: the first name of its list, its Ok, Opslaan and Openen buttons and
# a point inside its text box.
first_name=(68 25)
mijndata_ok=(347 201)
mijndata_save=(48 201)
mijndata_open=(106 201)
mijndata_text=(200 60)

# A filled rectangle and a line of bold bordered text on a new canvas.
draw_logo() {
  local designer=$1
  choose_menu "$designer" 20 Down Return   # File / Nieuw
  press "$(wait_window " Nieuw")" Return
  wait_gone " Nieuw"
  click "$designer" 204 258                # the filled rectangle tool
  xdotool mousemove --window "$designer" 32 58 mousedown 1   # canvas (20, 20)
  xdotool mousemove --window "$designer" 120 100
  xdotool mousemove --window "$designer" 212 138 mouseup 1   # canvas (200, 100)
  click "$designer" 420 208                # the text line
  xdotool key ctrl+a
  type_into "$designer" "Atelier Noord"
  click "$designer" 475 253                # the font size
  xdotool key ctrl+a
  type_into "$designer" 36
  click "$designer" 334 279                # Bold
  click "$designer" 334 315                # Rand om tekst
  click "$designer" 420 342                # Plaats tekst
  xdotool mousemove --window "$designer" 500 110
  xdotool mousemove --window "$designer" 560 130 click 1
}

# Sets the VAT percentage through "Instellingen" / "Btw bedrag".
set_vat() {
  open_side_panel "$1" 2
  choose_vat "$1" "$2"
  close_side_panel "$1"
}

# Opens the first invoice of the open dialog.
open_first_invoice() {
  press "$1" ctrl+o
  double_click "$(wait_window "Open project")" 40 22
  wait_gone "Open project"
}

# --- a logo -------------------------------------------------------------------

designer=$(open_logo_designer "$main")
draw_logo "$designer"
import -window "$designer" -crop 625x125+12+38 +repage "$work/logo-canvas.png"
choose_menu "$designer" 20 Down Down Return   # File / Logo Opslaan
answer_name " Logo opslaan" Atelier
wait_file Logo/Atelier.bmp
close_with "$designer" 589 351                 # Exit

dialog=$(open_dialog "$main" "${logo_middle[@]}" " Logo Openen")
double_click "$dialog" "${first_name[@]}"      # Atelier, before voorbeeld-1
wait_gone " Logo Openen"
pixel_is "$main" "${logo_middle[@]}" 255,255,0 || { echo "the page does not show the new logo"; exit 1; }

# --- a background -------------------------------------------------------------

# A black disc on white; the designer stretches it to 460 x 410.
convert -size 230x205 xc:white -fill black -draw "circle 115,102 115,42" "BMP3:$work/cirkel.bmp"
designer=$(open_background_designer "$main")
# Black at 30 % on white is 178 in each channel.
background_from_picture "$designer" "$work/cirkel.bmp" 230 205 178,178,178
import -window "$designer" -crop 460x410+20+22 +repage "$work/background-canvas.png"
click "$designer" 104 502                      # Opslaan
answer_name " Achtergrond opslaan" Cirkel
wait_file Backgrounds/Cirkel.bmp
close_with "$designer" 455 502                 # Exit

dialog=$(open_dialog "$main" "${background_middle[@]}" " Achtergrond Openen")
double_click "$dialog" "${first_name[@]}"      # Cirkel, before olifant
wait_gone " Achtergrond Openen"
pixel_is "$main" "${background_middle[@]}" 178,178,178 || { echo "the page does not show the new background"; exit 1; }

# --- sender and address -------------------------------------------------------

sender=("Atelier Noord" "Marktstraat 7" "9712 AB, Groningen" "KvK : 87654321" "IBAN : NL91 ABNA 0417 1643 00")
address=("Bakkerij De Korenbloem" "t.a.v. mevrouw J. de Vries" "Dorpsstraat 12" "8011 CW, Zwolle")

dialog=$(open_dialog "$main" 70 150 " Mijn gegevens")
click "$dialog" "${mijndata_text[@]}"
type_lines "$dialog" "${sender[@]}"
close_with "$dialog" "${mijndata_ok[@]}"

dialog=$(open_dialog "$main" 290 190 " Adres gegevens")
click "$dialog" "${mijndata_text[@]}"
type_lines "$dialog" "${address[@]}"
click "$dialog" "${mijndata_save[@]}"
answer_name " Adres opslaan" "De Korenbloem"
wait_file "Adressen/De Korenbloem.adr"
click "$dialog" "${mijndata_text[@]}"
type_lines "$dialog"                           # empties the box
click "$dialog" "${mijndata_open[@]}"
double_click "$dialog" "${first_name[@]}"      # the address just saved
close_with "$dialog" "${mijndata_ok[@]}"

# --- layout 1 and 9 % VAT -----------------------------------------------------

open_side_panel "$main" 1                      # Instellingen / Layout
click "$main" 477 135                          # the button of layout 1
choose_vat "$main" 9
close_side_panel "$main"

# --- a new invoice ------------------------------------------------------------

lines=$(new_invoice "$main")
type_invoice_lines "$lines" 04-03 "Ontwerp huisstijl café" 450,00 11-03 "Drukwerk visitekaartjes" 80,00 \
                            18-03 Bezorging 12.40
close_with "$lines" 570 476                    # Ok
set_number_and_date "$main" 15 03 2024 2024-017

press "$main" ctrl+s
answer_name " Factuur opslaan" "Korenbloem maart"
wait_file "Facturen/Korenbloem maart.fac"

# --- PDF and printer ----------------------------------------------------------

export_pdf "$main" "Korenbloem maart" "$work/opened"
[ "$(cat "$work/opened")" = "file://$folder/Pdf/Korenbloem%20maart.pdf" ] \
  || { echo "the PDF viewer was asked to open: $(cat "$work/opened")"; exit 1; }

press "$main" ctrl+p
printed=$(wait_printed "$work/before-printing")

page_shot "$main" "$work/page-first.png"
exit_with_yes "$main" "$pid"

# --- the files left behind ----------------------------------------------------

# The sender as typed; the address as read back from its file, which gives
# every line a line end, the last one too.
printf -v sender_text '%s\r\n' "${sender[@]}"
printf -v address_text '%s\r\n' "${address[@]}"
expect_bytes Quillet.ini settings_bytes 240,250,140 Cirkel.bmp Atelier.bmp \
  "Datum|Omschrijving|Ex.Btw|Btw 9%|Totaal|Totaal|Btw 9%|Totaal" 1 \
  "${sender_text%$'\r\n'}" "$address_text" \
  "Bij betaling factuurdatum en factuurnummer vermelden." ""

saved_invoice() {
  printf '"Averno Software 2011"\r\n"--------------------------"\r\n'
  printf '"04-03","Ontwerp huisstijl caf\xe9","450,00"\r\n'
  printf '"11-03","Drukwerk visitekaartjes","80,00"\r\n"18-03","Bezorging","12,40"\r\n'
  for _ in $(seq 1 17); do printf '"","",""\r\n'; done
  printf '"--------------------------"\r\n"15-03-2024"\r\n"2024-017"\r\n'
}
expect_bytes "Facturen/Korenbloem maart.fac" saved_invoice

saved_address() {
  printf 'Averno Software 2011\r\n--------------------------\r\n%s' "${address_text%$'\r\n'}"
}
expect_bytes "Adressen/De Korenbloem.adr" saved_address

for picture in "Logo/Atelier.bmp 625 125 $work/logo-canvas.png" \
               "Backgrounds/Cirkel.bmp 460 410 $work/background-canvas.png"; do
  read -r file width height canvas <<<"$picture"
  [ "$(bmp_size "$file")" = "$width $height 24" ] || { echo "$file is $(bmp_size "$file")"; exit 1; }
  difference=$(pixels_differing "$file" "$canvas")
  [ "$difference" = "0" ] || { echo "$file differs from the canvas in $difference pixels"; exit 1; }
done
[ "$(pixel_of_file Logo/Atelier.bmp 100 60)" = "255,255,0" ] || { echo "the logo lacks its yellow rectangle"; exit 1; }
[ "$(pixel_of_file Logo/Atelier.bmp 5 5)" = "255,255,255" ] || { echo "the logo was not started afresh"; exit 1; }
[ "$(pixel_of_file Backgrounds/Cirkel.bmp 230 205)" = "178,178,178" ] || { echo "the background's disc is not at 30 %"; exit 1; }
[ "$(pixel_of_file Backgrounds/Cirkel.bmp 5 5)" = "255,255,255" ] || { echo "the background's white is not white"; exit 1; }

# The invoice on paper and in the PDF: sender, number and date, address,
# three lines with their VAT and totals at 9 %, the totals row.
invoice_texts=("Atelier Noord" "IBAN : NL91 ABNA 0417 1643 00" "Factuurnr\. +: 2024-017" "Factuurdatum +: 15-03-2024"
               "Bakkerij De Korenbloem" "8011 CW, Zwolle"
               "04-03 +Ontwerp huisstijl café +450,00 +40,50 +490,50"
               "11-03 +Drukwerk visitekaartjes +80,00 +7,20 +87,20"
               "18-03 +Bezorging +12,40 +1,12 +13,52"
               "Totaal +542,40 +48,82 +591,22")
pdf="Pdf/Korenbloem maart.pdf"
qpdf --check "$pdf" >/dev/null || { echo "qpdf finds faults in $pdf"; qpdf --check "$pdf"; exit 1; }
[ "$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')" = "1" ] || { echo "$pdf does not hold one page"; exit 1; }
[ "$(pdfimages -list "$pdf" | tail -n +3 | wc -l)" = "2" ] || { echo "$pdf lacks the logo or the background"; exit 1; }
for name in "$pdf" "$printed"; do
  text=$(pdftotext -layout "$name" -)
  [ -z "${QUILLET_E2E_SHOW:-}" ] || echo "$text"
  for expected in "${invoice_texts[@]}" "Btw 9%"; do
    expect_match "$text" "$expected" "$name"
  done
done
rm -f "$printed"

# --- a second start -------------------------------------------------------------

start_again
main=$(start_main_window)
set_vat "$main" 9          # the VAT percentage is not kept between starts
open_first_invoice "$main"
page_shot "$main" "$work/page-second.png"
difference=$(pixels_differing "$work/page-first.png" "$work/page-second.png")
if [ "$difference" != "0" ]; then
  echo "the second start shows another page ($difference pixels differ)"
  exit 1
fi
exit_with_yes "$main" "$pid"
echo "scenario: logo, background, sender, address book, layout, VAT, invoice, PDF and printout; the same page after a new start"
