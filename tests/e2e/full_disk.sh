#!/usr/bin/env bash
# Starts Quillet on a small disk of its own, saves an invoice and exports it
# (the Facturenboek records it), fills the disk, saves it again and prints
# it, then quits with Yes: the failed save and the book that cannot record
# the print are told, the page still comes out of the printer, and the
# invoice, the book and the settings file stay byte for byte as they were.
# Then the folder read-only: a print comes out, the book says it could not
# record it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/cups.sh"
on_virtual_screen

start_cups with-queue
at_exit stop_cups
mkdir -p "$(cups_pdf_out)"
stand_in_for_xdg_open "$(mktemp -u)"
start_on_small_disk "$1"
main=$(start_main_window)
wait_file Quillet.ini
saved=$(mktemp -d)
at_exit "rm -rf '$saved'"
cp Quillet.ini "$saved/Quillet.ini"

lines=$(new_invoice "$main")
type_invoice_lines "$lines" "01-03" "Advies" "12.5"
close_with "$lines" 570 476   # Ok
press "$main" ctrl+s
answer_name " Factuur opslaan" Proef
wait_file Facturen/Proef.fac
cp Facturen/Proef.fac "$saved/Proef.fac"
choose_menu "$main" 34 Down Down Down Down Right Down Return   # Naar Pdf-formaat
answer_name " Opslaan naar Pdf-formaat" Proef
wait_file Facturen/Uitgegeven/001.uitgifte
cp Facturenboek.db "$saved/Facturenboek.db"

fill_disk
press "$main" ctrl+s
answer_name " Factuur opslaan" Proef
press "$(wait_window " File exist")" Return   # Yes, replace it
press "$(wait_window " Factuur opslaan")" Return   # the message
wait_gone " Factuur opslaan"
cmp "$saved/Proef.fac" Facturen/Proef.fac || { echo "the invoice changed on a full disk"; exit 1; }

touch "$saved/marker"
sleep 1
press "$main" ctrl+p
press "$(wait_window " Facturenboek")" Return   # printed, but not recorded
wait_printed "$saved/marker" > /dev/null
cmp "$saved/Facturenboek.db" Facturenboek.db || { echo "the book changed on a full disk"; exit 1; }

press "$main" ctrl+x
question=$(wait_window " Exit")
press "$question" Return
message=$(wait_for other_window " Exit" "$question") || { echo "no message that the settings were not saved"; exit 1; }
press "$message" Return
wait_exit "$pid"
cmp "$saved/Quillet.ini" Quillet.ini || { echo "the settings file changed on a full disk"; exit 1; }
ls -a Facturen Facturen/Uitgegeven . | grep -E '\.[A-Za-z]{6}$' && { echo "temporary files were left"; exit 1; }
free_disk

# The same folder read-only: the book cannot record the print, says so, and
# the page comes out all the same.
mount -o remount,ro "$folder"
start_again
main=$(start_main_window)
touch "$saved/marker"
sleep 1
press "$main" ctrl+p
question=$(wait_window " Facturenboek")   # 001 went out before with lines: issue the empty page anyway
press "$question" Return
message=$(wait_for other_window " Facturenboek" "$question") || { echo "no message that the book could not record it"; exit 1; }
press "$message" Return
wait_printed "$saved/marker" > /dev/null
kill "$pid"; wait "$pid" 2>/dev/null || true
mount -o remount,rw "$folder"
cmp "$saved/Facturenboek.db" Facturenboek.db || { echo "the book changed in a read-only folder"; exit 1; }
echo "saves and an issue on a full disk or in a read-only folder kept the invoice, the book and the settings and said so; the page was printed"
