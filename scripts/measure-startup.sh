#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Flexoria in a virtual X server and reports how long the start-up
# splash takes to appear after the process starts, and the resident memory
# of the program once the main window is up.
# Usage: scripts/measure-startup.sh path/to/flexoria
set -euo pipefail
program=${1:?usage: $0 path/to/flexoria}

if [ -z "${FLEXORIA_MEASURE_INSIDE_X:-}" ]; then
  FLEXORIA_MEASURE_INSIDE_X=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
  exit $?
fi
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

viewable() {
  xwininfo -name "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Waits for the window named $2 of process $1; a program that exits first
# (no display it can use) stops the measurement instead of leaving it
# waiting. $3 is the pause between looks, none for the splash.
wait_for() {
  until viewable "$2"; do
    if ! kill -0 "$1" 2>/dev/null; then
      echo "start-up: $program exited before \"$2\" was shown" >&2
      exit 1
    fi
    [ -z "${3:-}" ] || sleep "$3"
  done
}

# Once to bring the libraries into the page cache, as on a desktop where
# they are shared with other programs.
"$program" &
first=$!
wait_for "$first" 'F  L  E  X  O  R  I  A' 0.05
kill "$first"
wait "$first" 2>/dev/null || true

start=$(now_ms)
"$program" &
pid=$!
wait_for "$pid" 'A c e r c a   d e   F L E X O R I A'
splash=$(($(now_ms) - start))

wait_for "$pid" 'F  L  E  X  O  R  I  A' 0.05
sleep 0.5  # let it settle after the splash closes
rss_kb=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true

echo "start-up: splash shown ${splash} ms after start; main window resident memory $((rss_kb / 1024)) MB (${rss_kb} kB)"
