# shellcheck shell=bash
# Shared steps of the end-to-end tests; source it, then call these.

# What the program prints on its error output, shown when a window fails to appear.
QUILLET_E2E_LOG="${TMPDIR:-/tmp}/quillet-e2e-$$.log"
_at_exit="rm -f '$QUILLET_E2E_LOG';"
_screen_at_exit=""

# Adds a command to what runs when the script ends, whichever way it ends;
# the virtual screen goes last, after everything that drew on it.
at_exit() {
  _at_exit="${_at_exit:-}$1;"
  # shellcheck disable=SC2064  # the steps are fixed when the trap is set, on purpose
  trap "$_at_exit$_screen_at_exit" EXIT
}

# Runs the rest of the calling script on a virtual screen of its own. The
# server picks a free display itself and says which (-displayfd), and the
# script waits for it to be gone at the end: a display chosen by looking for
# lock files, beside a server of the previous test still shutting down, lost
# its socket to that server now and then.
on_virtual_screen() {
  local number xvfb
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number" 2>/dev/null &
  xvfb=$!
  _screen_at_exit="kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f '$number';"
  at_exit ":"
  wait_for grep -q . "$number"
  export DISPLAY=":$(head -n 1 "$number")"
}

# Succeeds when the command fails: wait_for not side_panel_shown "$main".
not() {
  ! "$@"
}

# Runs a command again and again until it succeeds, for at most ten seconds
# (or WAIT_SECONDS).
wait_for() {
  for _ in $(seq 1 $(( ${WAIT_SECONDS:-10} * 10 ))); do
    "$@" && return 0
    sleep 0.1
  done
  echo "waited in vain for: $*" >&2
  return 1
}

# A fresh program folder holding a copy of the executable; with "with-folders"
# also the four folders beside it as the build lays them out, the sample logo
# and background included.
new_program_folder() {
  local exe=$1 dir
  dir=$(mktemp -d)
  cp "$exe" "$dir/quillet"
  if [ "${2:-}" = with-folders ]; then
    cp -r "$(dirname "$exe")"/{Facturen,Adressen,Logo,Backgrounds} "$dir/"
  fi
  echo "$dir"
}

# Starts a copy of the program in a fresh folder of its own (see
# new_program_folder) and enters that folder; sets $folder and $pid, both
# cleaned up when the script ends.
start_in_fresh_folder() {
  folder=$(new_program_folder "$@")
  at_exit 'kill "$pid" 2>/dev/null || true; rm -rf "$folder"'
  cd "$folder" || return
  start_again
}

# As start_in_fresh_folder, in a folder that is a small file system of its
# own (a tmpfs), so the test can fill the disk. Mounting needs root: without
# it the test ends as skipped (77).
start_on_small_disk() {
  folder=$(mktemp -d)
  if ! mount -t tmpfs -o size=48m tmpfs "$folder" 2>/dev/null; then
    rmdir "$folder"
    echo "cannot mount a small file system here: skipped"
    exit 77
  fi
  at_exit 'kill "$pid" 2>/dev/null || true; cd /; umount -l "$folder"; rmdir "$folder"'
  cp "$1" "$folder/quillet"
  cd "$folder" || return
  start_again
}

# Takes every free byte of the small disk, and gives them back.
fill_disk() {
  cat /dev/zero > "$folder/.vulling" 2>/dev/null || true
}
free_disk() {
  rm -f "$folder/.vulling"
}

# Prints the id of a shown window with that title other than the given one.
other_window() {
  local id
  id=$(visible_windows "$1" | grep -vx "$2" | head -n1)
  [ -n "$id" ] && echo "$id"
}

# Starts the program of the current folder once more; sets $pid.
start_again() {
  ./quillet 2>>"$QUILLET_E2E_LOG" &
  pid=$!
}

# The ids of the shown windows whose title matches exactly (Qt keeps hidden
# helper windows named after the program).
visible_windows() {
  xdotool search --onlyvisible --name "^${1}\$" 2>/dev/null || true
}

# Prints the id of a shown window with that title; fails when there is none.
visible_window() {
  local id
  id=$(visible_windows "$1" | head -n1)
  [ -n "$id" ] && echo "$id"
}

# Waits for a shown window whose title matches exactly, prints its id.
wait_window() {
  wait_for visible_window "$1" || {
    echo "no window '$1' appeared; the program said:" >&2
    cat "$QUILLET_E2E_LOG" >&2 2>/dev/null
    return 1
  }
}

no_window() {
  [ -z "$(visible_windows "$1")" ]
}

# Waits until no window with that title is shown any more.
wait_gone() {
  wait_for no_window "$1" || { echo "the window '$1' stayed" >&2; return 1; }
}

# Whether more than the given number of windows with that title are shown.
more_windows_than() {
  [ "$(visible_windows "$1" | wc -l)" -gt "$2" ]
}

# The number of shown windows of the program, menus and lists that drop down
# included (those have no title).
program_windows() {
  xdotool search --onlyvisible --class '^Quillet$' 2>/dev/null | wc -l
}
more_program_windows_than() {
  [ "$(program_windows)" -gt "$1" ]
}

# Gives a window the keyboard and types a key combination into it.
press() {
  local id=$1 keys=$2
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  sleep 0.2
  xdotool key --clearmodifiers "$keys"
}

# Types a text into the window with the keyboard, then the given keys.
type_into() {
  local id=$1 text=$2
  shift 2
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  xdotool type --delay 20 "$text"
  for key in "$@"; do xdotool key "$key"; done
}

# Replaces the whole text of the focused multi-line box of a window by the
# given lines (typing a line break is the Return key).
type_lines() {
  local id=$1 later=""
  shift
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  xdotool key ctrl+a Delete
  for line in "$@"; do
    [ -z "$later" ] || xdotool key Return
    xdotool type --delay 10 "$line"
    later=1
  done
}

# Clicks, or double-clicks, a point of a window.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}
double_click() {
  xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 80 1
}

# Double-clicks a point of a window and waits for the dialog of that title;
# prints the dialog's id.
open_dialog() {
  double_click "$1" "$2" "$3"
  wait_window "$4"
}

# Clicks a button of a dialog and waits until the dialog has gone.
close_with() {
  local id=$1 x=$2 y=$3 title
  title=$(xdotool getwindowname "$id")
  click "$id" "$x" "$y"
  wait_gone "$title"
}

# Opens the menu whose title stands at x on a window's menu bar and chooses
# with the given keys, e.g. choose_menu "$main" 88 Down Down Return.
choose_menu() {
  local id=$1 x=$2 shown
  shift 2
  shown=$(program_windows)
  click "$id" "$x" 9
  wait_for more_program_windows_than "$shown" || return 1
  xdotool key "$@"
}

# Waits for a process to end on its own.
wait_exit() {
  local pid=$1
  if ! wait_for process_gone "$pid"; then
    echo "the program did not end" >&2
    kill "$pid" 2>/dev/null || true
    return 1
  fi
}
process_gone() {
  not kill -0 "$1" 2>/dev/null
}

# Closes the main window with Exit (Ctrl+X), answers Yes and waits for the
# program to end.
exit_with_yes() {
  local main=$1 pid=$2
  press "$main" ctrl+x
  press "$(wait_window " Exit")" Return
  wait_exit "$pid"
}

# Waits for a file to be there (the program writes its files whole, through
# a temporary file and a rename).
wait_file() {
  wait_for test -f "$1" || { echo "no file $1 was written" >&2; return 1; }
}

# The start window's title; the main window's is "Quillet".
START_WINDOW="Quillet start"

# Clicks the photo of the start window, away from its texts, and waits for
# the main window; prints the main window's id.
start_main_window() {
  local start
  # A first start on a busy machine can take a while: fonts, the photo, the screen facts.
  start=$(WAIT_SECONDS=30 wait_window "$START_WINDOW") || return 1
  xdotool mousemove --window "$start" 420 100 click 1
  wait_window "Quillet"
}

# The page of the main window (400 x 600 page pixels at 20, 40 of the
# window) as a picture file.
page_shot() {
  import -window "$1" -crop 400x600+20+40 +repage "$2"
}

# The colour of one pixel as "r,g,b": of a window, or of a picture file.
pixel_of() {
  import -window "$1" -crop "1x1+${2}+${3}" -depth 8 txt:- 2>/dev/null | rgb_of_text
}
pixel_of_file() {
  convert "$1" -crop "1x1+${2}+${3}" -depth 8 txt:- 2>/dev/null | rgb_of_text
}
rgb_of_text() {
  sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n1
}

# Whether a pixel of a window has the colour "r,g,b".
pixel_is() {
  [ "$(pixel_of "$1" "$2" "$3")" = "$4" ]
}

# Width, height and bits per pixel of a Windows bitmap file, as "w h bits".
bmp_size() {
  local width height bits
  read -r width height < <(od -An -tu4 -j18 -N8 "$1")
  bits=$(od -An -tu2 -j28 -N2 "$1" | tr -d ' ')
  echo "$width $height $bits"
}

# Fails with the message when the text does not match the extended regular
# expression, showing the text.
expect_match() {
  local text=$1 pattern=$2 what=$3
  grep -qE -- "$pattern" <<<"$text" || { echo "$what lacks /$pattern/:"; echo "$text"; return 1; }
}

# Fails when a file does not hold exactly the bytes the command prints,
# showing both with their line ends.
expect_bytes() {
  local file=$1
  shift
  if ! cmp -s <("$@") "$file"; then
    echo "$file holds other bytes than expected:"
    diff <("$@" | cat -A) <(cat -A "$file") || true
    return 1
  fi
}

# The bytes of a settings file holding: colour scheme "r,g,b", background,
# logo, the eight headings joined by "|", layout, sender, address (lines
# joined by CR LF) and the two footer lines.
settings_bytes() {
  local dashes='"--------------------------"' heading headings
  printf '"Averno Software 2011"\r\n%s\r\n""\r\n%s\r\n%s\r\n' "$dashes" "$1" "$dashes"
  printf '"%s"\r\n"%s"\r\n%s\r\n' "$2" "$3" "$dashes"
  IFS='|' read -ra headings <<<"$4"
  for heading in "${headings[@]}"; do printf '"%s"\r\n' "$heading"; done
  printf '%s\r\n%s\r\n%s\r\n' "$dashes" "$5" "$dashes"
  printf '"%s"\r\n%s\r\n"%s"\r\n%s\r\n' "$6" "$dashes" "$7" "$dashes"
  printf '"%s"\r\n"%s"\r\n' "$8" "$9"
}

# The number of pixels in which two pictures of one size differ.
pixels_differing() {
  compare -metric AE "$1" "$2" null: 2>&1 || true
}

# Answers the input box of that title with a name (in place of what it
# proposes) and waits until it has gone.
answer_name() {
  local box
  box=$(wait_window "$1") || return 1
  press "$box" ctrl+a
  type_into "$box" "$2" Return
  wait_gone "$1"
}

# Checks e-invoices the way a receiver does (the validators kept in the
# repository); fails the test when the validators are missing.
validate_ubl() {
  local validator
  validator="$(dirname "${BASH_SOURCE[0]}")/../third_party/einvoice-validation/validate-ubl"
  [ -x "$validator" ] || { echo "FAIL: the e-invoice validator is missing at $validator"; exit 1; }
  "$validator" "$@"
}

# The payment code on the page of a PDF, decoded byte for byte; fails when
# the page has none.
payment_code_in() {
  local root found
  root=$(mktemp -u)
  pdftoppm -r 150 -png -singlefile "$1" "$root" || return 1
  found=0
  zbarimg --raw -q -Sbinary "$root.png" || found=$?
  rm -f "$root.png"
  return "$found"
}

# write_einvoice NAME [KEYS...]: "Naar e-factuur (UBL)" from the menu of the
# window $main, the keys in "Klantgegevens", Ok, the name; waits for the file
# and answers the message of where it is.
write_einvoice() {
  local name=$1 klant box title=" Opslaan naar e-factuur \\(UBL\\)"   # titles are matched as patterns
  shift
  choose_menu "$main" 34 Down Down Down Down Right Down Down Return
  klant=$(wait_window "Klantgegevens") || return 1
  for key in "$@"; do press "$klant" "$key"; done
  press "$klant" Return                        # Ok
  wait_gone "Klantgegevens"
  box=$(wait_window "$title") || return 1
  press "$box" ctrl+a
  type_into "$box" "$name" Return
  wait_file "Efactuur/$name.xml"
  sleep 0.5                                    # the message of where the file is follows
  press "$(wait_window "$title")" Return
  wait_for not visible_window "$title"
}

# --- the designers of the Tools menu ----------------------------------------

# Opens the logo designer (third item of the Tools menu) while the invoice
# has a logo, and waits until that logo is on its canvas (the designer loads
# it once it is shown); prints its id. The canvas starts at (12, 38) of the
# window.
open_logo_designer() {
  local designer
  choose_menu "$1" 88 Down Down Down Return
  designer=$(wait_window "Logo's Ontwerpen") || return 1
  wait_for not pixel_is "$designer" 14 40 255,255,255 || return 1
  echo "$designer"
}

# Opens the background designer (last item of the Tools menu); prints its
# id. The canvas starts at (20, 22) of the window.
open_background_designer() {
  choose_menu "$1" 88 Up Return
  wait_window "Achtergrond Ontwerpen"
}

# Opens a picture file in the background designer (its Open button and the
# file dialog) and waits until canvas pixel (x, y) has the colour r,g,b.
background_from_picture() {
  local designer=$1 picture=$2 x=$3 y=$4 colour=$5
  click "$designer" 47 502
  type_into "$(wait_window Openen)" "$picture" Return
  wait_for pixel_is "$designer" $((20 + x)) $((22 + y)) "$colour"
}

# --- the main window's steps --------------------------------------------------

# Opens the side panel through the "Instellingen" menu item of that number.
open_side_panel() {
  local keys=()
  for _ in $(seq 1 "$2"); do keys+=(Down); done
  choose_menu "$1" 152 "${keys[@]}" Return   # the "Instellingen" menu
  wait_for side_panel_shown "$1"
}
side_panel_shown() {
  [ "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p')" -gt 500 ]
}
close_side_panel() {
  click "$1" 501 630   # Tabblad sluiten
  wait_for not side_panel_shown "$1"
}

# Chooses a VAT percentage in the side panel's list.
choose_vat() {
  local main=$1 percentage=$2 shown
  shown=$(program_windows)
  click "$main" 475 48
  wait_for more_program_windows_than "$shown"
  xdotool type "$percentage"
  xdotool key Return
  wait_for not more_program_windows_than "$shown"
}

# Bestand / Nieuw, answered Yes; prints the id of the lines editor it opens.
new_invoice() {
  press "$1" ctrl+n
  press "$(wait_window " Nieuw")" Return
  wait_window "Omschrijving factuur"
}

# Types invoice lines into the lines editor: date, description and price of
# each line in turn, from the first box on.
type_invoice_lines() {
  local lines=$1 text
  shift
  click "$lines" 50 45
  for text in "$@"; do
    type_into "$lines" "$text" Tab
  done
}

# Sets day, month, year and number in "Factuur Datum / Nummer", opened by a
# double-click on them on the page, and confirms.
set_number_and_date() {
  local main=$1 numdat text
  shift
  numdat=$(open_dialog "$main" 70 226 "Factuur Datum / Nummer")
  click "$numdat" 28 27   # the day
  for text in "$@"; do
    xdotool key ctrl+a
    type_into "$numdat" "$text" Tab
  done
  close_with "$numdat" 269 103   # Ok
}

# Puts a stand-in for the desktop's "open" first on the PATH: it writes the
# address it is given into a file instead of starting a viewer.
stand_in_for_xdg_open() {
  local bin
  bin=$(mktemp -d)
  at_exit "rm -rf '$bin'"
  printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' "$1" > "$bin/xdg-open"
  chmod +x "$bin/xdg-open"
  export PATH="$bin:$PATH"
}

# Bestand / Factuur Afdrukken / Naar Pdf-formaat under a name; waits until
# the program has asked the desktop to open the PDF (see stand_in_for_xdg_open).
export_pdf() {
  local main=$1 name=$2 opened=$3
  choose_menu "$main" 34 Down Down Down Down Right Down Return
  answer_name " Opslaan naar Pdf-formaat" "$name"
  wait_file "$opened"
}
