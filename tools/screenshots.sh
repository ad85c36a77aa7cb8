#!/usr/bin/env bash
# Takes the pictures of the README's user guide from the real program on a
# virtual screen: the main window with an invoice and its side panel, the
# lines editor, the logo designer, and the page of an exported PDF. Writes
# them as PNG files into docs/images/.
#   tools/screenshots.sh [quillet executable]     (default: build/Quillet/quillet)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "${1:-$root/build/Quillet/quillet}")
images=$root/docs/images
source "$root/tests/e2e/lib.sh"
on_virtual_screen

work=$(mktemp -d)
at_exit 'rm -rf "$work"'
stand_in_for_xdg_open "$work/opened"
mkdir -p "$images"

# A window, or the first page of a PDF, as a small PNG file in docs/images
# (256 colours are plenty for these pictures).
shot() {
  import -window "$1" "$work/shot.png"
  keep "$work/shot.png" "$2"
}
pdf_shot() {
  pdftoppm -png -r 60 -singlefile "$1" "$work/page"
  keep "$work/page.png" "$2"
}
keep() {
  convert "$1" +dither -colors 256 -strip -define png:compression-level=9 "PNG8:$images/$2"
  echo "$images/$2: $(identify -format '%w x %h' "$images/$2"), $(stat -c %s "$images/$2") bytes"
}

start_in_fresh_folder "$exe" with-folders
main=$(start_main_window)

# Layout 1 from the side panel (Instellingen / Layout), which stays open.
open_side_panel "$main" 1
click "$main" 477 135

lines=$(new_invoice "$main")
type_invoice_lines "$lines" 02-04 "Advies inrichting kantoor" 650,00 09-04 "Ontwerp briefpapier" 275,00 \
                            16-04 "Drukwerk 500 enveloppen" 89,50 23-04 "Reiskosten" 42,80
click "$lines" 495 432   # Totaal
shot "$lines" lines-editor.png
close_with "$lines" 570 476   # Ok
set_number_and_date "$main" 30 04 2024 2024-031
shot "$main" main-window.png

export_pdf "$main" Voorbeeld "$work/opened"
pdf_shot Pdf/Voorbeeld.pdf exported-pdf.png

# The logo designer with the sample logo, the filled rectangle chosen.
designer=$(open_logo_designer "$main")
click "$designer" 204 258
shot "$designer" logo-designer.png
close_with "$designer" 589 351

exit_with_yes "$main" "$pid"
