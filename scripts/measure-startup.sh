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

# Once to bring the libraries into the page cache, as on a desktop where
# they are shared with other programs.
"$program" &
first=$!
until viewable 'F  L  E  X  O  R  I  A'; do sleep 0.05; done
kill "$first"
wait "$first" 2>/dev/null || true

start=$(now_ms)
"$program" &
pid=$!
until viewable 'A c e r c a   d e   F L E X O R I A'; do :; done
splash=$(($(now_ms) - start))

until viewable 'F  L  E  X  O  R  I  A'; do sleep 0.05; done
sleep 0.5  # let it settle after the splash closes
rss_kb=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true

echo "start-up: splash shown ${splash} ms after start; main window resident memory $((rss_kb / 1024)) MB (${rss_kb} kB)"
