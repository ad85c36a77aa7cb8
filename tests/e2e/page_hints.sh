#!/usr/bin/env bash
# Rests the mouse on the sender box and on the address box of the page and
# checks that the hint of each shows beside the pointer: the toolkit's hint
# colour in the strip under it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen

start_in_fresh_folder "$1"
main=$(start_main_window)

# Pixels of the hint colour in the strip under the pointer, after it rests at
# window point x, y.
hint_pixels_at() {
  local x y
  xdotool mousemove --window "$main" 300 30   # the menu bar: no hint
  sleep 1
  xdotool mousemove --window "$main" "$1" "$2"
  sleep 0.2
  xdotool mousemove --window "$main" $(($1 + 1)) $(($2 + 1))
  sleep 1.5
  eval "$(xdotool getmouselocation --shell)"
  import -window root -crop "120x25+${X}+$((Y + 10))" -depth 8 txt:- | grep -c '(255,255,220)' || true
}

# Page boxes at window point (page + 20, 40): sender, address.
for box in "110 165 Mijn gegevens" "330 210 Adres gegevens"; do
  read -r x y name <<<"$box"
  count=$(hint_pixels_at "$x" "$y")
  [ "$count" -gt 200 ] || { echo "no hint '$name' on its box ($count hint pixels)"; exit 1; }
done
echo "page hints: ok"
