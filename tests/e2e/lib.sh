# Shared steps of the end-to-end tests; source it, then call these.

# Runs the calling script again on a virtual screen of its own, once:
#   on_virtual_screen "$0" "$@"
on_virtual_screen() {
  if [ -z "${QUILLET_E2E_DISPLAY:-}" ]; then
    export QUILLET_E2E_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
  fi
}

# A fresh program folder holding only a copy of the executable.
new_program_folder() {
  local exe=$1
  local dir
  dir=$(mktemp -d)
  cp "$exe" "$dir/quillet"
  echo "$dir"
}

# Starts a copy of the program in a fresh folder of its own and enters that
# folder; sets $folder and $pid, both cleaned up when the script ends.
start_in_fresh_folder() {
  folder=$(new_program_folder "$1")
  trap 'kill "$pid" 2>/dev/null || true; rm -rf "$folder"' EXIT
  cd "$folder"
  ./quillet 2>/dev/null &
  pid=$!
}

# Waits for a shown window whose title matches exactly, prints its id
# (Qt keeps hidden helper windows named after the program).
wait_window() {
  local title=$1
  local id
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  echo "no window '$title' appeared" >&2
  return 1
}

# Gives a window the keyboard and types a key combination into it.
press() {
  local id=$1 keys=$2
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  sleep 0.2
  xdotool key --clearmodifiers "$keys"
}

# Waits for a process to end on its own.
wait_exit() {
  local pid=$1
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "the program did not end" >&2
  kill "$pid" 2>/dev/null || true
  return 1
}

# The start window's title; the main window's is "Quillet".
START_WINDOW="Quillet start"

# Clicks the photo of the start window, away from its texts, and waits for
# the main window; prints the main window's id.
start_main_window() {
  local start
  start=$(wait_window "$START_WINDOW") || return 1
  xdotool mousemove --window "$start" 420 100 click 1
  wait_window "Quillet"
}

# The colour of one pixel of a window as "r,g,b".
pixel_of() {
  local id=$1 x=$2 y=$3
  import -window "$id" -crop "1x1+${x}+${y}" -depth 8 txt:- 2>/dev/null \
    | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n1
}
