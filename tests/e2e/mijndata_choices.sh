#!/usr/bin/env bash
# Starts Quillet without its sample pictures, puts them in their folders,
# chooses the logo (double-click on its name) and the background (name and
# Ok) through Mijndata, removes the logo again (Ok without a name), saves
# the address in the address book, exits and checks what the files hold.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen "$0" "$@"

samples=$(cd "$(dirname "$1")" && pwd)
start_in_fresh_folder "$1"
main=$(start_main_window)
mkdir -p Logo Backgrounds Adressen

logo_at="100 60"          # inside the logo box, page pixel (96, 16)
background_at="240 400"   # inside the background area
grey="230,230,230"
[ "$(pixel_of "$main" $logo_at)" = "$grey" ] || { echo "a logo is shown before one was chosen"; exit 1; }
[ "$(pixel_of "$main" $background_at)" = "255,255,255" ] || { echo "a background is shown before one was chosen"; exit 1; }
cp "$samples/Logo/voorbeeld-1.bmp" Logo/
cp "$samples/Backgrounds/olifant.bmp" Backgrounds/

# Double-clicks a point of the page and waits for the dialog of that title.
open_dialog() {
  xdotool mousemove --window "$main" $1 click --repeat 2 --delay 80 1
  wait_window "$2"
}
first_name="68 25"
ok_button="347 201"

dialog=$(open_dialog "$logo_at" " Logo Openen")
xdotool mousemove --window "$dialog" $first_name click --repeat 2 --delay 80 1
sleep 0.5
[ "$(pixel_of "$main" $logo_at)" != "$grey" ] || { echo "the chosen logo is not shown"; exit 1; }

dialog=$(open_dialog "$background_at" " Achtergrond Openen")
xdotool mousemove --window "$dialog" $first_name click 1
xdotool mousemove --window "$dialog" $ok_button click 1
sleep 0.5
[ "$(pixel_of "$main" $background_at)" != "255,255,255" ] || { echo "the chosen background is not shown"; exit 1; }

dialog=$(open_dialog "$logo_at" " Logo Openen")
xdotool mousemove --window "$dialog" $ok_button click 1
sleep 0.5
[ "$(pixel_of "$main" $logo_at)" = "$grey" ] || { echo "Ok without a name left the logo"; exit 1; }

dialog=$(open_dialog "290 190" " Adres gegevens")
xdotool mousemove --window "$dialog" 48 201 click 1
name_box=$(wait_window " Adres opslaan")
xdotool windowfocus "$name_box"
xdotool type --delay 20 "Janssen"
xdotool key Return
sleep 0.5
press "$dialog" Escape

press "$main" ctrl+x
question=$(wait_window " Exit")
press "$question" Return
wait_exit "$pid"

expected=$(printf 'Averno Software 2011\r\n--------------------------\r\nJanssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam')
[ "$(cat Adressen/Janssen.adr)" = "$expected" ] || { echo "the address file holds:"; cat -A Adressen/Janssen.adr; exit 1; }
grep -q $'^"olifant.bmp"\r$' Quillet.ini || { echo "the background chosen is not in the settings"; exit 1; }
[ "$(sed -n 7p Quillet.ini)" = $'""\r' ] || { echo "the removed logo is still in the settings"; exit 1; }
echo "logo and background chosen and removed through Mijndata, address saved"
