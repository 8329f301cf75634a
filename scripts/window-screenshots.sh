#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of the full table and the form lookup for docs/ and
# the README by driving the real program in a virtual 1280×800 screen as a
# person would: Comenzar, "tener", Enter, Ctrl+T; Ctrl+E and Enter, which
# must save tener.pdf in the home folder (a scratch one here); then Ctrl+B
# and "hab`a tenido", typed with the remapped key for í, and Enter.
# Needs xvfb-run, xdotool and ImageMagick's import.
#
# Usage: window-screenshots.sh PATH/TO/flexoria OUTPUT_DIR [SCALE]
set -euo pipefail

program=$1
out=$2
scale=${3:-1}

if [ -z "${FLEXORIA_SHOTS_INSIDE_X:-}" ]; then
  mkdir -p "$out"
  FLEXORIA_SHOTS_INSIDE_X=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
  exit $?
fi

unset QT_QPA_PLATFORM
home=$(mktemp -d)
HOME=$home QT_SCALE_FACTOR=$scale "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT

# Presses KEYS, waits for the window called TITLE and gives it the keyboard
# focus, which without a window manager nothing else does; prints its id.
open_window() {
  xdotool key --clearmodifiers "$1"
  local window
  window=$(timeout 10 xdotool search --sync --name "^$2\$" | head -n 1)
  xdotool windowfocus --sync "$window"
  echo "$window"
}

main=$(timeout 20 xdotool search --sync --name '^F  L  E  X  O  R  I  A$' | head -n 1)
xdotool windowfocus --sync "$main"
sleep 0.5
xdotool key --clearmodifiers alt+z
sleep 0.3
xdotool type --delay 50 tener
xdotool key Return
sleep 0.3
table=$(open_window ctrl+t 'Flexoria: tabla completa')
sleep 1
import -window "$table" "$out/full-table-window.png"
open_window ctrl+e 'Exportar a PDF' >/dev/null
sleep 0.5
xdotool key Return
sleep 1
[ -s "$home/tener.pdf" ] || { echo "Ctrl+E and Enter saved no tener.pdf" >&2; exit 1; }
xdotool windowfocus --sync "$main"
sleep 0.3
lookup=$(open_window ctrl+b 'Flexoria: buscar una forma')
sleep 0.3
xdotool type --delay 50 'hab`a tenido'
xdotool key Return
sleep 1
import -window "$lookup" "$out/form-lookup-window.png"
echo "pictures in $out"
