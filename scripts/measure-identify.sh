#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `flexoria-cli identify`: one form in its own process (the best and
# the median of 21 runs) and a batch of one million forms from standard
# input, and reports the peak memory of each; beside it, in the same run,
# the same batch through Apertium's `lt-proc` with the Spanish analyser of
# apertium-es-pt (installed here when missing: a peer to measure against,
# never a dependency of the build); then the index build and its size.
# Usage: scripts/measure-identify.sh path/to/flexoria-cli
set -euo pipefail
cli=${1:?usage: $0 path/to/flexoria-cli}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every form the command line shows for the lexicon as a reader meets it
# (compound tenses and the negative imperative included), scattered over a
# million lines.
cat "$root"/lexicon/words/*.txt | tr -d '\r' | awk '!seen[$0]++' |
  xargs "$cli" conjugate --json 2>/dev/null |
  grep -o '"ending":"[^"]*","text":"[^"]*"' | sed -e 's/.*"text":"//' -e 's/"$//' >"$work/forms.txt"
awk '{ form[NR] = $0 } END { for (i = 0; i < 1000000; ++i) print form[(i * 7919) % NR + 1] }' \
  "$work/forms.txt" >"$work/batch.txt"

"$cli" identify tuvieron >/dev/null
for run in $(seq 21); do
  start=$EPOCHREALTIME
  "$cli" identify tuvieron >/dev/null
  echo "$start $EPOCHREALTIME"
done | awk '{ print ($2 - $1) * 1000 }' | sort -n >"$work/single"
best=$(head -1 "$work/single")
median=$(sed -n 11p "$work/single")
/usr/bin/time -f '%M' -o "$work/single_time" "$cli" identify tuvieron >/dev/null
echo "identify tuvieron: best ${best} ms, median ${median} ms, peak memory $(cat "$work/single_time") kB"

"$cli" identify - <"$work/batch.txt" >/dev/null 2>&1 || true
/usr/bin/time -f '%e %U %M' -o "$work/batch_time" "$cli" identify - <"$work/batch.txt" >"$work/out" 2>/dev/null || true
report() {
  read -r seconds user peak_kb < <(tail -1 "$2")
  awk -v what="$1" -v s="$seconds" -v u="$user" -v kb="$peak_kb" 'BEGIN {
    printf "%s: 1000000 forms, %.2f s (%.0f forms/s), %.2f s of CPU (%.0f forms/s), peak memory %d MB\n",
      what, s, 1000000 / s, u, 1000000 / u, kb / 1024 }'
}
report "identify batch" "$work/batch_time"
/usr/bin/time -f '%e %U %M' -o "$work/json_time" "$cli" identify --json - <"$work/batch.txt" >"$work/out" 2>/dev/null || true
report "identify --json batch" "$work/json_time"

if ! command -v lt-proc >/dev/null || [ ! -d /usr/share/apertium/apertium-es-pt ]; then
  if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      lttoolbox apertium-es-pt >/dev/null || true
  fi
fi
analyser=$(ls /usr/share/apertium/apertium-es-pt/es-pt.automorf.bin 2>/dev/null || true)
if command -v lt-proc >/dev/null && [ -n "$analyser" ]; then
  # The same lines with the characters its stream format reserves escaped
  # (a cell's notation, "corroig/roy/roo", holds slashes).
  sed 's/[][^$@\\/<>{}]/\\&/g' "$work/batch.txt" >"$work/peer.txt"
  lt-proc -a "$analyser" <"$work/peer.txt" >/dev/null
  /usr/bin/time -f '%e %U %M' -o "$work/peer_time" lt-proc -a "$analyser" <"$work/peer.txt" >"$work/peer_out"
  report "lt-proc -a (Apertium, es-pt) batch" "$work/peer_time"
  awk -v ours="$(tail -1 "$work/batch_time" | cut -d' ' -f2)" -v peer="$(tail -1 "$work/peer_time" | cut -d' ' -f2)" \
    'BEGIN { printf "identify against lt-proc, CPU time: %.1f times as fast\n", peer / ours }'
  echo "analyser: $analyser, $(($(stat -c %s "$analyser") / 1024)) kB"
else
  echo "lt-proc: not measured (install lttoolbox and apertium-es-pt)"
fi

# The index build itself, as the program's build runs it.
generator=$(dirname "$cli")/../lookup/flexoria-form-index-generator
/usr/bin/time -f '%e %U %M' -o "$work/build_time" "$generator" "$work/index.bin"
read -r seconds user peak_kb <"$work/build_time"
echo "index build and proof: ${seconds} s (${user} s of CPU), peak memory $((peak_kb / 1024)) MB, $(($(stat -c %s "$work/index.bin") / 1024)) kB stored"
echo "flexoria-cli: $(($(stat -c %s "$cli") / 1024)) kB"
