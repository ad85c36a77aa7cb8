#!/usr/bin/env bash
# Opens "Achtergrond Ontwerpen" from the Tools menu, opens a black picture
# through the file dialog, rubs out one square, saves the canvas as "Proef"
# and checks the bitmap it leaves in "Backgrounds": 460 x 410, 24 bits, the
# picture at 30 % on white, the square white.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen "$0" "$@"

start_in_fresh_folder "$1"
main=$(start_main_window)
mkdir -p Backgrounds
convert -size 200x100 xc:black foto.jpg

xdotool mousemove --window "$main" 75 10 click 1   # the Tools menu
sleep 0.3
xdotool key Up Return                               # its last item
designer=$(wait_window "Achtergrond Ontwerpen")

# Window pixels of the controls: the canvas starts at (20, 22).
xdotool mousemove --window "$designer" 47 502 click 1   # Open
sleep 1
xdotool type --delay 20 "$PWD/foto.jpg"
xdotool key Return
sleep 1.5
xdotool mousemove --window "$designer" 120 122 mousedown 1   # canvas (100, 100)
sleep 0.2
xdotool mouseup 1
xdotool mousemove --window "$designer" 104 502 click 1   # Opslaan
wait_window " Achtergrond opslaan" >/dev/null
xdotool type --delay 20 "Proef"
xdotool key Return
sleep 1

saved=Backgrounds/Proef.bmp
[ -f "$saved" ] || { echo "no $saved written"; exit 1; }
read -r width height < <(od -An -tu4 -j18 -N8 "$saved")
bits=$(od -An -tu2 -j28 -N2 "$saved" | tr -d ' ')
[ "$width $height $bits" = "460 410 24" ] || { echo "saved as $width x $height x $bits"; exit 1; }
colour_at() {
  convert "$saved" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n1
}
[ "$(colour_at 300 300)" = "178,178,178" ] || { echo "blend gives $(colour_at 300 300)"; exit 1; }
[ "$(colour_at 90 90)" = "255,255,255" ] || { echo "the rubbed-out square holds $(colour_at 90 90)"; exit 1; }
[ "$(colour_at 100 100)" = "178,178,178" ] || { echo "the pointer's own pixel was rubbed out"; exit 1; }

xdotool mousemove --window "$designer" 455 502 click 1   # Exit
sleep 0.5
if xdotool search --onlyvisible --name "^Achtergrond Ontwerpen\$" >/dev/null 2>&1; then
  echo "Exit left the designer open"; exit 1
fi
echo "background designer: ok"
