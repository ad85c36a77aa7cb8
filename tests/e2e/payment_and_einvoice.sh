#!/usr/bin/env bash
# The payment code and the e-invoice through the real program: company
# details in Bedrijf.ini, an invoice typed in, the code decoded byte for byte
# from the exported PDF at 150 dpi and from the printed page, in both
# layouts; no code on an invoice of 0,00. Then "Naar e-factuur (UBL)" from
# the menu: the file passes the receiver's checks and carries the same page
# that "Naar Pdf-formaat" writes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/cups.sh"
on_virtual_screen "$0" "$@"

validator="$here/../../../shared/einvoice/validate-ubl"
[ -x "$validator" ] || { echo "FAIL: the e-invoice validator is missing at $validator (../shared/einvoice beside the project)"; exit 1; }

folder=$(new_program_folder "$1" with-folders)
work=$(mktemp -d)
at_exit 'kill "${pid:-}" 2>/dev/null || true; stop_cups; rm -rf "$folder" "$work"'
cd "$folder"
stand_in_for_xdg_open "$work/opened"

# Windows-1252: e9 is é, cb is Ë.
printf '"Quillet bedrijfsgegevens"\r\n"Caf\xe9 \xcblla B.V."\r\n"Lindeplein 59"\r\n"7701 KL"\r\n"Dalmere"\r\n"NL"\r\n' > Bedrijf.ini
printf '"12345678"\r\n"NL123456789B01"\r\n"NL91ABNA0417164300"\r\n"ABNANL2A"\r\n""\r\n30\r\n1\r\n' >> Bedrijf.ini
expected=$(printf 'BCD\n002\n1\nSCT\nABNANL2A\nCaf\xc3\xa9 \xc3\x8blla B.V.\nNL91ABNA0417164300\nEUR132.50\n\n\nFactuur 2026-017')

code_in() {
  pdftoppm -r 150 -png -singlefile "$1" "$work/page"
  zbarimg --raw -q -Sbinary "$work/page.png"
}
expect_code() {
  local got
  got=$(code_in "$1") || { echo "FAIL: no payment code on $2"; exit 1; }
  [ "$got" = "$expected" ] || { echo "FAIL: the code on $2 reads:"; printf '%s' "$got" | od -c | head; exit 1; }
}
export_pdf_as() {
  choose_menu "$main" 34 Down Down Down Down Right Down Return
  # The number went out before with another page: issued anyway, "Ja".
  [ "${2:-}" != again ] || press "$(wait_window " Facturenboek")" Return
  answer_name " Opslaan naar Pdf-formaat" "$1"
  wait_file "Pdf/$1.pdf"
}
print_page() {
  touch "$work/marker"
  sleep 1  # file times have one-second steps on some file systems
  press "$main" ctrl+p
  wait_printed "$work/marker"
}

start_cups with-queue
mkdir -p "$(cups_pdf_out)"
start_again
main=$(start_main_window)
lines=$(new_invoice "$main")
type_invoice_lines "$lines" 01-12 Advies 10,50 02-12 Ontwerp 33,50 03-12 Drukwerk 65,50
close_with "$lines" 570 476                    # Ok
set_number_and_date "$main" 09 12 2026 2026-017

# --- layout 2, then layout 1 ------------------------------------------------
export_pdf_as layout2
expect_code Pdf/layout2.pdf "the PDF of layout 2"
printed=$(print_page)
expect_code "$printed" "the printed page of layout 2"
rm -f "$printed"

open_side_panel "$main" 1                      # Instellingen / Layout
click "$main" 477 135                          # the button of layout 1
close_side_panel "$main"
export_pdf_as layout1 again
expect_code Pdf/layout1.pdf "the PDF of layout 1"
printed=$(print_page)
expect_code "$printed" "the printed page of layout 1"
rm -f "$printed"

# --- the e-invoice ------------------------------------------------------------
choose_menu "$main" 34 Down Down Down Down Right Down Down Return
klant=$(wait_window "Klantgegevens")
close_with "$klant" 348 263                    # Ok
title=" Opslaan naar e-factuur \\(UBL\\)"   # window titles are matched as patterns
box=$(wait_window "$title")
press "$box" ctrl+a
type_into "$box" "2026-017" Return
wait_file Efactuur/2026-017.xml
sleep 0.5                                      # the message of where the file is follows
press "$(wait_window "$title")" Return
wait_for not visible_window "$title"
"$validator" Efactuur/2026-017.xml || { echo "FAIL: the e-invoice does not pass the receiver's checks"; exit 1; }
grep -q '<cbc:PayableAmount currencyID="EUR">132.50</cbc:PayableAmount>' Efactuur/2026-017.xml \
  || { echo "FAIL: the e-invoice does not ask for 132.50"; exit 1; }
xmllint --xpath "//*[local-name()='EmbeddedDocumentBinaryObject']/text()" Efactuur/2026-017.xml | base64 -d > "$work/embedded.pdf"
qpdf --check "$work/embedded.pdf" > /dev/null || { echo "FAIL: the embedded PDF is damaged"; exit 1; }
export_pdf_as 2026-017
undated() { sed -E 's/CreationDate \(D:[0-9]+/CreationDate (D:/' "$1"; }
cmp <(undated "$work/embedded.pdf") <(undated Pdf/2026-017.pdf) \
  || { echo "FAIL: the embedded page differs from the exported PDF"; exit 1; }

# --- nothing to pay, no code --------------------------------------------------
lines=$(new_invoice "$main")
close_with "$lines" 570 476                    # Ok on empty lines
export_pdf_as nul again
if code_in Pdf/nul.pdf > /dev/null; then echo "FAIL: a code on an invoice of 0,00"; exit 1; fi

kill "$pid"; wait "$pid" 2>/dev/null || true
echo "payment code decoded from PDF and printout in both layouts; e-invoice valid with its page inside"
