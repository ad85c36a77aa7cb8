# Shared steps of the end-to-end tests; source it, then call these.

# A fresh program folder holding only a copy of the executable.
new_program_folder() {
  local exe=$1
  local dir
  dir=$(mktemp -d)
  cp "$exe" "$dir/quillet"
  echo "$dir"
}

# Waits for a window whose title matches exactly, prints its id.
wait_window() {
  local title=$1
  local id
  for _ in $(seq 1 100); do
    id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n1 || true)
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
