#!/usr/bin/env bash
# The payment code and the e-invoice through the real program: company
# details in Bedrijf.ini, an invoice typed in, the code decoded byte for byte
# from the exported PDF at 150 dpi and from the printed page, in both
# layouts; no code on an invoice of 0,00. Then "Naar e-factuur (UBL)" from
# the menu, for a customer remembered with a KvK-nummer: a Peppol invoice,
# then SI-UBL 2.0 chosen in "Klantgegevens"; both pass the receiver's checks
# and the first carries the same page that "Naar Pdf-formaat" writes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/cups.sh"
on_virtual_screen

enter_printing_program_folder "$1"

# Windows-1252: e9 is é, cb is Ë.
printf '"Quillet bedrijfsgegevens"\r\n"Caf\xe9 \xcblla B.V."\r\n"Lindeplein 59"\r\n"7701 KL"\r\n"Dalmere"\r\n"NL"\r\n' > Bedrijf.ini
printf '"12345678"\r\n"NL123456789B01"\r\n"NL91ABNA0417164300"\r\n"ABNANL2A"\r\n""\r\n30\r\n1\r\n' >> Bedrijf.ini
# The customer as "Klantgegevens" remembered it: known on the network by its KvK-nummer.
printf '"Quillet klantgegevens 2"\r\n"Janssen & Zonen"\r\n"Naam","Janssen & Zonen"\r\n' > "Adressen/Janssen & Zonen.klant"
printf '"Straat en huisnummer","Voorbeeldstraat 52"\r\n"Postcode","1234 AA"\r\n"Plaats","Amsterdam"\r\n' >> "Adressen/Janssen & Zonen.klant"
printf '"Land","NL"\r\n"Peppol-adres","0106"\r\n"Nummer","87654321"\r\n' >> "Adressen/Janssen & Zonen.klant"
expected=$(printf 'BCD\n002\n1\nSCT\nABNANL2A\nCaf\xc3\xa9 \xc3\x8blla B.V.\nNL91ABNA0417164300\nEUR132.50\n\n\nFactuur 2026-017')

expect_code() {
  local got
  got=$(payment_code_in "$1") || { echo "FAIL: no payment code on $2"; exit 1; }
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

# --- the e-invoice: Peppol for the remembered customer, then SI-UBL chosen in the dialog ----
claims() {
  grep -q "<cbc:CustomizationID>$2</cbc:CustomizationID>" "$1" || { echo "FAIL: $1 does not claim $2"; exit 1; }
}
write_einvoice 2026-017
# From the name, Tab by Tab past the fields to "Profiel"; Down chooses SI-UBL 2.0.
write_einvoice 2026-017-nl Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Down
validate_ubl Efactuur/2026-017.xml Efactuur/2026-017-nl.xml \
  || { echo "FAIL: the e-invoices do not pass the receiver's checks"; exit 1; }
claims Efactuur/2026-017.xml 'urn:cen.eu:en16931:2017#compliant#urn:fdc:peppol.eu:2017:poacc:billing:3.0'
claims Efactuur/2026-017-nl.xml 'urn:cen.eu:en16931:2017#compliant#urn:fdc:nen.nl:nlcius:v1.0'
grep -q '"Profiel","nlcius"' "Adressen/Janssen & Zonen.klant" || { echo "FAIL: the choice of SI-UBL is not remembered"; exit 1; }
grep -q '<cbc:PayableAmount currencyID="EUR">132.50</cbc:PayableAmount>' Efactuur/2026-017.xml \
  || { echo "FAIL: the e-invoice does not ask for 132.50"; exit 1; }
grep -q '<cbc:EndpointID schemeID="0106">87654321</cbc:EndpointID>' Efactuur/2026-017.xml \
  || { echo "FAIL: the buyer's network address is not the remembered KvK-nummer"; exit 1; }
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
if payment_code_in Pdf/nul.pdf > /dev/null; then echo "FAIL: a code on an invoice of 0,00"; exit 1; fi

kill "$pid"; wait "$pid" 2>/dev/null || true
echo "payment code decoded from PDF and printout in both layouts; e-invoice valid with its page inside"
