#!/usr/bin/env bash
# Opens "Achtergrond Ontwerpen" from the Tools menu, opens a black picture
# through the file dialog, rubs out one square, saves the canvas as "Proef"
# and checks the bitmap it leaves in "Backgrounds": 460 x 410, 24 bits, the
# picture at 30 % on white, the square white.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen

start_in_fresh_folder "$1"
main=$(start_main_window)
mkdir -p Backgrounds
convert -size 200x100 xc:black foto.jpg

designer=$(open_background_designer "$main")
# Black at 30 % on white is 178 in each channel.
background_from_picture "$designer" "$PWD/foto.jpg" 300 300 178,178,178
xdotool mousemove --window "$designer" 120 122 mousedown 1   # canvas (100, 100)
sleep 0.2
xdotool mouseup 1
click "$designer" 104 502   # Opslaan
answer_name " Achtergrond opslaan" Proef

saved=Backgrounds/Proef.bmp
wait_file "$saved"
[ "$(bmp_size "$saved")" = "460 410 24" ] || { echo "saved as $(bmp_size "$saved")"; exit 1; }
[ "$(pixel_of_file "$saved" 300 300)" = "178,178,178" ] || { echo "blend gives $(pixel_of_file "$saved" 300 300)"; exit 1; }
[ "$(pixel_of_file "$saved" 90 90)" = "255,255,255" ] || { echo "the rubbed-out square holds $(pixel_of_file "$saved" 90 90)"; exit 1; }
[ "$(pixel_of_file "$saved" 100 100)" = "178,178,178" ] || { echo "the pointer's own pixel was rubbed out"; exit 1; }

click "$designer" 455 502   # Exit
wait_gone "Achtergrond Ontwerpen" || { echo "Exit left the designer open"; exit 1; }
echo "background designer: ok"
