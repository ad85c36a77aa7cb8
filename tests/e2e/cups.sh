# shellcheck shell=bash
# A private print system for the tests: a CUPS scheduler with its own
# configuration folder and socket, so the machine's own printing is left
# alone. Source it; start_cups [with-queue] starts it and exports CUPS_SERVER,
# stop_cups ends it. With a queue, a cups-pdf printer is the default
# destination and writes each job as a PDF into the job owner's ~/PDF. A
# queue may also write to a file of its own (a file: device).

start_cups() {
  CUPS_DIR=$(mktemp -d)
  chmod 755 "$CUPS_DIR"
  mkdir -p "$CUPS_DIR"/{state,cache,spool,tmp,log,ppd}
  chown -R lp:lp "$CUPS_DIR"/{cache,spool,tmp} 2>/dev/null || true
  cat > "$CUPS_DIR/cupsd.conf" <<CONF
Listen $CUPS_DIR/cups.sock
LogLevel warn
DefaultAuthType None
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat > "$CUPS_DIR/cups-files.conf" <<CONF
User lp
Group lp
SystemGroup root
ServerRoot $CUPS_DIR
StateDir $CUPS_DIR/state
CacheDir $CUPS_DIR/cache
RequestRoot $CUPS_DIR/spool
TempDir $CUPS_DIR/tmp
ErrorLog $CUPS_DIR/log/error_log
AccessLog $CUPS_DIR/log/access_log
PageLog $CUPS_DIR/log/page_log
FileDevice Yes
CONF
  cupsd -c "$CUPS_DIR/cupsd.conf" -s "$CUPS_DIR/cups-files.conf" -f &
  CUPS_PID=$!
  export CUPS_SERVER="$CUPS_DIR/cups.sock"
  for _ in $(seq 1 50); do
    [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
  done
  if [ "${1:-}" = with-queue ]; then
    add_default_queue
  fi
}

# Adds the cups-pdf queue "quillet-pdf" and makes it the default destination.
add_default_queue() {
  lpadmin -p quillet-pdf -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -o pdftops-renderer-default=pdftocairo
  lpadmin -d quillet-pdf
}

stop_cups() {
  [ -n "${CUPS_PID:-}" ] && kill "$CUPS_PID" 2>/dev/null && wait "$CUPS_PID" 2>/dev/null
  rm -rf "$CUPS_DIR"
}

# The folder cups-pdf writes the current user's jobs to.
cups_pdf_out() {
  echo "$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
}

# Prints the PDF that the queue wrote after the marker file was made, once
# the queue is empty; fails while there is none. Needs lib.sh.
printed_since() {
  local pdf
  pdf=$(find "$(cups_pdf_out)" -name '*.pdf' -newer "$1" 2>/dev/null | head -n1)
  [ -n "$pdf" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && echo "$pdf"
}

# Waits up to half a minute for a printed page; prints the path of its PDF.
wait_printed() {
  WAIT_SECONDS=30 wait_for printed_since "$1" || { echo "no page came out of the printer" >&2; return 1; }
}

# A fresh program folder with its folders ($folder, entered) and a scratch
# folder ($work) whose "opened" file lists what the program asked the desktop
# to open; both go, with the program and the print system, when the test ends.
enter_printing_program_folder() {
  folder=$(new_program_folder "$1" with-folders)
  work=$(mktemp -d)
  at_exit 'kill "${pid:-}" 2>/dev/null || true; stop_cups; rm -rf "$folder" "$work"'
  cd "$folder" || return
  stand_in_for_xdg_open "$work/opened"
}
