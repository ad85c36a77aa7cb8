#!/usr/bin/env bash
# A reverse-charged invoice through the real program. At 0 % the side panel
# takes the usual case from Bedrijf.ini; without the buyer's btw-nummer the
# PDF is refused with a message; the number is entered from the address
# (" Adres gegevens", "Klantgegevens"). Then the PDF and the page printed on
# a queue whose printable area leaves quarter-inch side margins (Debian's
# Generic PDF Printer) carry the case, the buyer's and the seller's numbers
# and a payment code that still decodes, for the total the page shows after
# a layout switch.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/cups.sh"
on_virtual_screen

enter_printing_program_folder "$1"

# Payment code on, the usual case at 0 % "Btw verlegd" (AE), the seller's line on.
printf '"Quillet bedrijfsgegevens"\r\n"Korpela B.V."\r\n"Lindeplein 59"\r\n"7701 KL"\r\n"Dalmere"\r\n"NL"\r\n' > Bedrijf.ini
printf '"12345678"\r\n"NL123456789B01"\r\n"NL91ABNA0417164300"\r\n"ABNANL2A"\r\n""\r\n30\r\n1\r\n"AE"\r\n"x"\r\n1\r\n' >> Bedrijf.ini

code_in() {   # the amount the payment code asks
  payment_code_in "$1" | sed -n 's/^EUR//p'
}
expect_legal_text() {
  local text
  text=$(pdftotext -layout "$1" -)
  for expected in "Btw verlegd" "Btw-nummer afnemer: NL987654321B02" "KvK 12345678 · Btw NL123456789B01" \
                  "Totaal +109,50" "109,50 +0,00 +109,50"; do
    expect_match "$text" "$expected" "$2"
  done
}

start_cups with-queue
# The page as the printer gets it, cut to the PPD's printable area.
chmod 777 "$work"
lpadmin -p quillet-marge -E -v "file://$work/printed.pdf" -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
lpadmin -d quillet-marge
mkdir -p "$(cups_pdf_out)"
start_again
main=$(start_main_window)
lines=$(new_invoice "$main")
type_invoice_lines "$lines" 01-12 Advies 10,50 02-12 Ontwerp 33,50 03-12 Drukwerk 65,50
close_with "$lines" 570 476                    # Ok
set_number_and_date "$main" 09 12 2026 2026-018
open_side_panel "$main" 2                      # Instellingen / Btw bedrag
choose_vat "$main" 0
click "$main" 477 135                          # layout 1: its totals are the computed ones
close_side_panel "$main"

# --- refused without the buyer's number ----------------------------------------
choose_menu "$main" 34 Down Down Down Down Right Down Return
press "$(wait_window " Opslaan naar Pdf-formaat")" Return   # the message, not the name box
wait_for not visible_window " Opslaan naar Pdf-formaat"
[ -z "$(ls Pdf 2>/dev/null)" ] || { echo "FAIL: a PDF without the buyer's btw-nummer"; exit 1; }

# --- the number, from the address ---------------------------------------------
adres=$(open_dialog "$main" 260 180 " Adres gegevens")
click "$adres" 184 201                         # Klantgegevens
klant=$(wait_window "Klantgegevens")
click "$klant" 136 154                         # Btw-nummer
xdotool key ctrl+a
type_into "$klant" "NL987654321B02" Return
wait_gone "Klantgegevens"
close_with "$adres" 348 201                    # Ok

# --- the PDF and the printed page ---------------------------------------------
export_pdf "$main" 2026-018 "$work/opened"
expect_legal_text Pdf/2026-018.pdf "the PDF"
[ "$(code_in Pdf/2026-018.pdf)" = "109.50" ] || { echo "FAIL: the PDF's code does not ask 109.50"; exit 1; }
press "$main" ctrl+p
printed_whole() { [ -s "$work/printed.pdf" ] && [ -z "$(lpstat -o 2>/dev/null)" ]; }
WAIT_SECONDS=30 wait_for printed_whole || { echo "FAIL: no page came out of the printer"; exit 1; }
expect_legal_text "$work/printed.pdf" "the printed page"
[ "$(code_in "$work/printed.pdf")" = "109.50" ] || { echo "FAIL: the printed code does not decode to 109.50"; exit 1; }

kill "$pid"; wait "$pid" 2>/dev/null || true
echo "reverse charge refused without the buyer's number; PDF and printout carry the legal lines and a readable code"
