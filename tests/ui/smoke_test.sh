#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program in a virtual X server: waits for the main window,
# starts, conjugates "tener", saves a picture of the screen and leaves with
# Alt+L. Passes when the program then ends by itself with status 0.
#
# Usage: smoke_test.sh PATH/TO/flexoria SCREENSHOT.xwd
set -euo pipefail

program=$1
screenshot=$2

if [ -z "${FLEXORIA_SMOKE_INSIDE_X:-}" ]; then
  # Xvfb keeps its screen in a file in XWD format: that file is the screenshot.
  screen_dir=$(mktemp -d)
  trap 'rm -rf "$screen_dir"' EXIT
  FLEXORIA_SMOKE_INSIDE_X=1 FLEXORIA_SMOKE_SCREEN_DIR=$screen_dir \
    xvfb-run -a -s "-screen 0 1024x768x24 -fbdir $screen_dir" "$0" "$@"
  exit $?
fi

unset QT_QPA_PLATFORM
"$program" &
pid=$!

fail() {
  echo "smoke test: $*" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
}

window=$(timeout 20 xdotool search --sync --name '^F  L  E  X  O  R  I  A$' | head -n 1) ||
  fail "the main window did not appear"
# Without a window manager nothing gives the window the keyboard focus.
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key --clearmodifiers alt+z
sleep 0.3
xdotool type --delay 50 tener
xdotool key Return
sleep 0.5
cp "$FLEXORIA_SMOKE_SCREEN_DIR/Xvfb_screen0" "$screenshot"
[ -s "$screenshot" ] || fail "no screenshot"
xdotool key --clearmodifiers alt+l

for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after Alt+L"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "smoke test: passed, screenshot in $screenshot"
