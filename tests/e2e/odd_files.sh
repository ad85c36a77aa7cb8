#!/usr/bin/env bash
# Puts a named pipe, a link out of the folder and a device where Quillet
# expects its settings file, and a pipe where it expects the logo: each time
# the program comes up at once, says so once for the settings file, quits
# with Yes, and leaves the odd file, and what a link points at, as they were.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
on_virtual_screen

outside=$(mktemp -d)
at_exit 'kill "$pid" 2>/dev/null || true; rm -rf "$outside" "${folder:-}"'
printf 'een bestand buiten de programmamap\r\n' > "$outside/doel"
cp "$outside/doel" "$outside/doel.voor"

place() {
  case $1 in
    pipe) mkfifo Quillet.ini ;;
    link) ln -s "$outside/doel" Quillet.ini ;;
    device) mknod Quillet.ini c 1 5 2>/dev/null ;;
    logo-pipe)
      mkfifo Logo/pijp.bmp
      settings_bytes 240,250,140 olifant.bmp pijp.bmp "Datum|Omschrijving|Ex.Btw|Btw|Totaal|Totaal|Btw|Totaal" 2 \
        "Mijn gegevens" "Adres" "" "" > Quillet.ini ;;
  esac
}

unchanged() {
  case $1 in
    pipe | logo-pipe) [ -p "${2:-Quillet.ini}" ] ;;
    link) [ -L Quillet.ini ] && cmp -s "$outside/doel" "$outside/doel.voor" ;;
    device) [ -c Quillet.ini ] ;;
  esac
}

for kind in pipe link device logo-pipe; do
  folder=$(new_program_folder "$1" with-folders)
  cd "$folder"
  if ! place "$kind"; then
    echo "$kind: cannot be made here, left out"
    cd / && rm -rf "$folder"
    continue
  fi
  start_again
  start=$(WAIT_SECONDS=30 wait_window "$START_WINDOW")
  xdotool mousemove --window "$start" 420 100 click 1
  if [ "$kind" != logo-pipe ]; then
    press "$(WAIT_SECONDS=5 wait_window " Instellingen")" Return
  fi
  main=$(WAIT_SECONDS=5 wait_window "Quillet") || { echo "$kind: no main window"; exit 1; }
  exit_with_yes "$main" "$pid"   # no second message: a box would keep the program from ending
  if [ "$kind" = logo-pipe ]; then
    unchanged pipe Logo/pijp.bmp || { echo "$kind: the pipe was replaced"; exit 1; }
  else
    unchanged "$kind" || { echo "$kind: the odd settings file or its target changed"; exit 1; }
  fi
  cd / && rm -rf "$folder"
  echo "$kind: started, told, ended, left alone"
done
