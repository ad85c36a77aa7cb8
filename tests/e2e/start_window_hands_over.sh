#!/usr/bin/env bash
# Starts Quillet: the start window comes first and the main window is not
# loaded yet; a click on the photo plays the colour strip, the start window
# goes and the main window appears.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen

start_in_fresh_folder "$1"

start=$(wait_window "$START_WINDOW")
sleep 0.5
if xdotool search --onlyvisible --name '^Quillet$' >/dev/null 2>&1; then
  echo "the main window is there before the start window was clicked"; exit 1
fi
[ ! -f Quillet.ini ] || { echo "the main window was loaded before the click"; exit 1; }

# The strip (240 x 16 pixels at 19, 287) is dark red before the click; its
# top rows turn red from the left once the animation runs.
strip_left="$((19 + 2)) $((287 + 2))"
[ "$(pixel_of "$start" $strip_left)" = "64,0,0" ] || { echo "the strip is not dark red at the start"; exit 1; }
xdotool mousemove --window "$start" 420 100 click 1
played=""
for _ in $(seq 1 40); do
  colour=$(pixel_of "$start" $strip_left || true)
  if [ "$colour" = "131,0,0" ]; then played=1; break; fi
  sleep 0.05
done
[ -n "$played" ] || { echo "no animation in the strip after the click (last colour: $colour)"; exit 1; }

main=$(wait_window "Quillet")
[ -f Quillet.ini ] || { echo "the main window did not load the settings"; exit 1; }
if xdotool search --onlyvisible --name "^${START_WINDOW}\$" >/dev/null 2>&1; then
  echo "the start window is still open beside the main window"; exit 1
fi
exit_with_yes "$main" "$pid"
echo "the start window hands over to the main window after its animation"
