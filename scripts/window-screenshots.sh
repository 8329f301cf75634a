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

main=$(timeout 20 xdotool search --sync --name '^F  L  E  X  O  R  I  A$' | head -n 1)
xdotool windowfocus --sync "$main"
sleep 0.5
xdotool key --clearmodifiers alt+z
sleep 0.3
xdotool type --delay 50 tener
xdotool key Return
sleep 0.3
xdotool key --clearmodifiers ctrl+t
table=$(timeout 10 xdotool search --sync --name '^Flexoria: tabla completa$' | head -n 1)
# Without a window manager nothing gives a new window the keyboard focus.
xdotool windowfocus --sync "$table"
sleep 1
import -window "$table" "$out/full-table-window.png"
xdotool key --clearmodifiers ctrl+e
dialog=$(timeout 10 xdotool search --sync --name '^Exportar a PDF$' | head -n 1)
xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool key Return
sleep 1
[ -s "$home/tener.pdf" ] || { echo "Ctrl+E and Enter saved no tener.pdf" >&2; exit 1; }
xdotool windowfocus --sync "$main"
sleep 0.3
xdotool key --clearmodifiers ctrl+b
lookup=$(timeout 10 xdotool search --sync --name '^Flexoria: buscar una forma$' | head -n 1)
xdotool windowfocus --sync "$lookup"
sleep 0.3
xdotool type --delay 50 'hab`a tenido'
xdotool key Return
sleep 1
import -window "$lookup" "$out/form-lookup-window.png"
echo "pictures in $out"
