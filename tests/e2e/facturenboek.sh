#!/usr/bin/env bash
# The Facturenboek through the real program: three invoices issued three
# ways (PDF, printer, e-invoice), the next number proposed each time, one
# marked paid, a credit note for another: its PDF says what it corrects and
# carries no payment code, its e-invoice is a CreditNote that passes the
# receiver's checks for Peppol and for SI-UBL. The statuses and the quarter's
# VAT return checked against a hand computation, from the CSV the window writes.
# Then a damaged "Facturenboek.db": set aside, rebuilt, the user told, the
# export still made; and a print on a full disk: the page still comes out,
# the user is told, nothing recorded before is lost.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/cups.sh"
on_virtual_screen

exe=$1
enter_printing_program_folder "$exe"

printf '"Quillet bedrijfsgegevens"\r\n"Korpela B.V."\r\n"Lindeplein 59"\r\n"7701 KL"\r\n"Dalmere"\r\n"NL"\r\n' > Bedrijf.ini
# With the payment code asked for: an invoice carries one, a credit note none.
printf '"12345678"\r\n"NL123456789B01"\r\n"NL91ABNA0417164300"\r\n"ABNANL2A"\r\n""\r\n30\r\n1\r\n' >> Bedrijf.ini

# The customer as remembered from an earlier e-invoice: on the network by its KvK-nummer.
printf '"Quillet klantgegevens 2"\r\n"Janssen & Zonen"\r\n"Naam","Janssen & Zonen"\r\n' > "Adressen/Janssen & Zonen.klant"
printf '"Straat en huisnummer","Voorbeeldstraat 52"\r\n"Postcode","1234 AA"\r\n"Plaats","Amsterdam"\r\n' >> "Adressen/Janssen & Zonen.klant"
printf '"Land","NL"\r\n"E-mail","inkoop@janssen.nl"\r\n"Peppol-adres","0106"\r\n"Nummer","87654321"\r\n' >> "Adressen/Janssen & Zonen.klant"

today=$(date +%Y-%m-%d)
dmy() { date -d "$1" +%d-%m-%Y; }
late=$(date -d "$today -45 days" +%Y-%m-%d)

ok_box() {   # answers the message box of that title with its default button
  press "$(wait_window "$1")" Return
  wait_gone "$1"
}
lines_of() {   # a new invoice with one line
  local lines
  lines=$(new_invoice "$main")
  type_invoice_lines "$lines" "$1" "$2" "$3"
  close_with "$lines" 570 476   # Ok
}
date_only() {  # day, month and year in "Factuur Datum / Nummer"; its number as it proposes it
  set_number_and_date "$main" "$(date -d "$1" +%d)" "$(date -d "$1" +%m)" "$(date -d "$1" +%Y)"
}
export_pdf_as() {
  choose_menu "$main" 34 Down Down Down Down Right Down Return
  answer_name " Opslaan naar Pdf-formaat" "$1"
  wait_file "Pdf/$1.pdf"
}
print_page() {
  touch "$work/marker"
  sleep 1
  press "$main" ctrl+p
  wait_printed "$work/marker" > /dev/null
}
open_book() {
  press "$main" ctrl+b
  book=$(wait_window "Facturenboek")
}
choose_row() {   # searches the book for a number and selects the one row left
  click "$book" 736 22
  xdotool key ctrl+a
  type_into "$book" "$1"
  sleep 0.3
  click "$book" 60 74
}
book_button() {  # Betaald 0, Openen 1, Pdf 2, Creditnota 3, Mailen 4, Btw-aangifte 5, Sluiten 6
  click "$book" $((71 + 118 * $1)) 464
}
in_file() {
  grep -qF -- "$2" "$1" || { echo "FAIL: $1 lacks: $2"; cat "$1"; exit 1; }
}

write_return() {   # the CSV of today's quarter, from the book's window
  open_book
  book_button 5
  return=$(wait_window "Btw-aangifte")
  click "$return" 76 22; xdotool type "$year"; xdotool key Return
  click "$return" 226 22; xdotool type "${quarter}e"; xdotool key Return
  sleep 0.3
  click "$return" 396 267          # Opslaan als CSV
  ok_box " Btw-aangifte"
  press "$return" Escape
  wait_gone "Btw-aangifte"
}
year=$(date +%Y)
quarter=$(( ($(date +%-m) - 1) / 3 + 1 ))

start_cups with-queue
mkdir -p "$(cups_pdf_out)"
start_again
main=$(start_main_window)

# --- three invoices, three ways; the number proposed after the first ---------
lines_of 01 Advies 100
set_number_and_date "$main" "$(date -d "$late" +%d)" "$(date -d "$late" +%m)" "$(date -d "$late" +%Y)" F0099
export_pdf_as F0099
lines_of 02 Ontwerp 200
date_only "$today"
print_page
open_side_panel "$main" 2           # Instellingen / Btw bedrag
choose_vat "$main" 9
close_side_panel "$main"
lines_of 03 Boeken 50
date_only "$today"
write_einvoice boeken
for n in F0099 F0100 F0101; do
  wait_file "Facturen/Uitgegeven/$n.uitgifte"
  wait_file "Facturen/Uitgegeven/$n.pdf"
done
cmp Efactuur/boeken.xml Facturen/Uitgegeven/F0101.xml || { echo "FAIL: the kept e-invoice is not the one sent"; exit 1; }

# --- the same invoice again adds nothing, another page under its number is asked about
print_page
lines_of 03 Boeken 55
choose_menu "$main" 34 Down Down Down Down Right Down Return
question=$(wait_window " Facturenboek")
press "$question" Tab   # to "Nee"
press "$question" Return
wait_gone " Facturenboek"

# --- paid, credit note -----------------------------------------------------------
open_book
choose_row F0100
book_button 0
box=$(wait_window " Facturenboek")
press "$box" ctrl+a
type_into "$box" "$(dmy "$today")" Return
wait_gone " Facturenboek"
choose_row F0100
book_button 3
ok_box " Facturenboek"             # the credit note stands on the page
wait_gone "Facturenboek"
export_pdf_as credit
wait_file Facturen/Uitgegeven/F0102.uitgifte
pdftotext -layout Pdf/credit.pdf "$work/credit.txt"
in_file "$work/credit.txt" "Creditnota"
in_file "$work/credit.txt" "Betreft factuur F0100 van $(dmy "$today")"
payment_code_in Pdf/F0099.pdf > /dev/null || { echo "FAIL: no payment code on the invoice F0099"; exit 1; }
if payment_code_in Pdf/credit.pdf > /dev/null; then echo "FAIL: a payment code on the credit note"; exit 1; fi

# Its e-invoice for the remembered customer on Peppol, then SI-UBL chosen:
# from the name, Tab by Tab past the fields to "Profiel"; Down chooses SI-UBL 2.0.
write_einvoice credit
write_einvoice credit-nl Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Down
validate_ubl Efactuur/credit.xml Efactuur/credit-nl.xml \
  || { echo "FAIL: the credit note's e-invoices do not pass the receiver's checks"; exit 1; }
for xml in Efactuur/credit.xml Efactuur/credit-nl.xml; do
  [ "$(xmllint --xpath 'local-name(/*)' "$xml")" = CreditNote ] || { echo "FAIL: $xml is no CreditNote"; exit 1; }
  in_file "$xml" "<cbc:CreditNoteTypeCode>381</cbc:CreditNoteTypeCode>"
  [ "$(xmllint --xpath "string(//*[local-name()='BillingReference']//*[local-name()='ID'])" "$xml")" = F0100 ] \
    || { echo "FAIL: $xml does not name the invoice it corrects"; exit 1; }
  in_file "$xml" '<cbc:PayableAmount currencyID="EUR">242.00</cbc:PayableAmount>'
done
in_file Efactuur/credit.xml "urn:fdc:peppol.eu:2017:poacc:billing:3.0"
in_file Efactuur/credit-nl.xml "urn:fdc:nen.nl:nlcius:v1.0"

# --- the return of today's quarter, by hand ---------------------------------------
in_quarter() { [ "$(date -d "$1" +%Y)" = "$year" ] && [ $(( ($(date -d "$1" +%-m) - 1) / 3 + 1 )) = "$quarter" ]; }
ex_1a=0; vat_1a=0                  # in cents
if in_quarter "$late"; then ex_1a=10000; vat_1a=2100; fi
ex_1a=$((ex_1a + 20000 - 20000)); vat_1a=$((vat_1a + 4200 - 4200))
euro() { printf '%d,%02d' $(($1 / 100)) $(($1 % 100)); }

write_return
figures="Btw-aangifte/Btw-aangifte $year-K$quarter.csv"
list="Btw-aangifte/Facturen $year-K$quarter.csv"
in_file "$figures" "1a;Leveringen/diensten belast met hoog tarief;$(euro $ex_1a);$(euro $vat_1a)"
in_file "$figures" "1b;Leveringen/diensten belast met laag tarief;50,00;4,50"
in_file "$list" "F0100;Factuur;$(dmy "$today");Janssen & Zonen;;NL;21;1a;200,00;42,00;242,00;;Betaald $(dmy "$today")"
in_file "$list" "F0102;Creditnota;$(dmy "$today");Janssen & Zonen;;NL;21;1a;-200,00;-42,00;-242,00;F0100;Open"
overdue=$(( ( $(date -u -d "$today" +%s) - $(date -u -d "$late +30 days" +%s) ) / 86400 ))
if in_quarter "$late"; then
  in_file "$list" "F0099;Factuur;$(dmy "$late");Janssen & Zonen;;NL;21;1a;100,00;21,00;121,00;;Te laat ($overdue dagen)"
fi
[ "$(grep -c '^F01' "$list")" = 3 ] || { echo "FAIL: the book holds more than was issued:"; cat "$list"; exit 1; }

# --- a damaged book: set aside, rebuilt, the export still made ---------------------
kill "$pid"; wait "$pid" 2>/dev/null || true
head -c 20000 /dev/urandom > Facturenboek.db
start_again
main=$(start_main_window)
ok_box " Facturenboek"             # Het Facturenboek was beschadigd...
lines_of 04 Herstel 10             # under the number the program starts with, 001
choose_menu "$main" 34 Down Down Down Down Right Down Return
answer_name " Opslaan naar Pdf-formaat" herstel
wait_file Pdf/herstel.pdf
wait_file Facturen/Uitgegeven/001.uitgifte
ls Facturenboek-beschadigd-*.db > /dev/null || { echo "FAIL: the damaged book was not kept"; exit 1; }
rm "$list"
write_return                       # the rebuilt book holds every issue and payment
in_file "$list" "F0100;Factuur;$(dmy "$today");Janssen & Zonen;;NL;21;1a;200,00;42,00;242,00;;Betaald $(dmy "$today")"
in_file "$list" "001;Factuur;"
[ "$(grep -c '^F01' "$list")" = 3 ] || { echo "FAIL: the rebuilt book lost an issue:"; cat "$list"; exit 1; }

kill "$pid"; wait "$pid" 2>/dev/null || true
echo "three invoices issued three ways, paid, credited (page, PDF, e-invoices valid), the return by hand; a damaged book rebuilt"
