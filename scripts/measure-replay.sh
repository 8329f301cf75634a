#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `flexoria-cli replay` over the whole-lexicon sweep (every listed
# infinitive in all 13 options, JSON in and out) and reports its peak memory.
# Usage: scripts/measure-replay.sh path/to/flexoria-cli
set -euo pipefail
cli=${1:?usage: $0 path/to/flexoria-cli}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$root"/scripts/lexicon-sweep.sh >"$work/sweep.jsonl"
requests=$(wc -l <"$work/sweep.jsonl")

# Once to warm the page cache, then the measured run.
"$cli" replay <"$work/sweep.jsonl" >/dev/null
/usr/bin/time -f '%e %M' -o "$work/time" "$cli" replay <"$work/sweep.jsonl" >"$work/out.jsonl"
read -r seconds peak_kb <"$work/time"
answers=$(wc -l <"$work/out.jsonl")
echo "replay sweep: $requests requests, $answers answers, ${seconds} s, peak memory $((peak_kb / 1024)) MB (${peak_kb} kB)"
