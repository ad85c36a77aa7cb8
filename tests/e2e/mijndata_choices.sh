#!/usr/bin/env bash
# Starts Quillet without its sample pictures, puts them in their folders,
# chooses the logo (double-click on its name) and the background (name and
# Ok) through Mijndata, removes the logo again (Ok without a name), saves
# the address in the address book, exits and checks what the files hold.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen

samples=$(cd "$(dirname "$1")" && pwd)
start_in_fresh_folder "$1"
main=$(start_main_window)
mkdir -p Logo Backgrounds Adressen

logo_at=(100 60)          # inside the logo box, page pixel (96, 16)
background_at=(240 400)   # inside the background area
grey="230,230,230"
pixel_is "$main" "${logo_at[@]}" "$grey" || { echo "a logo is shown before one was chosen"; exit 1; }
pixel_is "$main" "${background_at[@]}" 255,255,255 || { echo "a background is shown before one was chosen"; exit 1; }
cp "$samples/Logo/voorbeeld-1.bmp" Logo/
cp "$samples/Backgrounds/olifant.bmp" Backgrounds/

first_name=(68 25)
ok_button=(347 201)

dialog=$(open_dialog "$main" "${logo_at[@]}" " Logo Openen")
double_click "$dialog" "${first_name[@]}"
wait_gone " Logo Openen"
not pixel_is "$main" "${logo_at[@]}" "$grey" || { echo "the chosen logo is not shown"; exit 1; }

dialog=$(open_dialog "$main" "${background_at[@]}" " Achtergrond Openen")
click "$dialog" "${first_name[@]}"
close_with "$dialog" "${ok_button[@]}"
not pixel_is "$main" "${background_at[@]}" 255,255,255 || { echo "the chosen background is not shown"; exit 1; }

dialog=$(open_dialog "$main" "${logo_at[@]}" " Logo Openen")
close_with "$dialog" "${ok_button[@]}"
pixel_is "$main" "${logo_at[@]}" "$grey" || { echo "Ok without a name left the logo"; exit 1; }

dialog=$(open_dialog "$main" 290 190 " Adres gegevens")
click "$dialog" 48 201
answer_name " Adres opslaan" Janssen
wait_file Adressen/Janssen.adr
press "$dialog" Escape
wait_gone " Adres gegevens"

exit_with_yes "$main" "$pid"

expected=$(printf 'Averno Software 2011\r\n--------------------------\r\nJanssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam')
[ "$(cat Adressen/Janssen.adr)" = "$expected" ] || { echo "the address file holds:"; cat -A Adressen/Janssen.adr; exit 1; }
grep -q $'^"olifant.bmp"\r$' Quillet.ini || { echo "the background chosen is not in the settings"; exit 1; }
[ "$(sed -n 7p Quillet.ini)" = $'""\r' ] || { echo "the removed logo is still in the settings"; exit 1; }
echo "logo and background chosen and removed through Mijndata, address saved"
