#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole lexicon's full paradigm, ours beside a peer's, in one run: the
# npm package @jirimracek/conjugate-esp (a conjugator in JavaScript) times
# its conjugateSync over the lexicon's words; then flexoria-bench times the
# sweep of the thirteen views (the yardstick of how loaded the machine is),
# the engine's full paradigm, and the JSON Lines of `conjugate --json -`
# over the same words, with our JSON writer and with RapidJSON's. The peer
# is installed into a cache folder of its own on first use; it is never a
# build or test dependency, and without node or npm (or the network, the
# first time) this script says so and stops.
# Usage: bench/full-paradigm-vs-peer.sh path/to/flexoria-bench
set -euo pipefail
bench=${1:?usage: $0 path/to/flexoria-bench}
root=$(cd "$(dirname "$0")/.." && pwd)
peer_version=2.3.6
cache=${FLEXORIA_PEER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/flexoria-bench-peer}
package=$cache/node_modules/@jirimracek/conjugate-esp

if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "full paradigm beside the peer: skipped (needs node and npm)"
  exit 0
fi
if ! grep -qs "\"version\": \"$peer_version\"" "$package/package.json"; then
  mkdir -p "$cache"
  if ! npm install --prefix "$cache" --no-save --no-audit --no-fund --silent \
      "@jirimracek/conjugate-esp@$peer_version" >/dev/null; then
    echo "full paradigm beside the peer: skipped (could not install the peer into $cache)"
    exit 0
  fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat "$root"/lexicon/words/*.txt | awk '!seen[$0]++' >"$work/words.txt"

node "$root/bench/peer_conjugate.js" "$package" <"$work/words.txt" | tee "$work/peer.txt"
"$bench" --benchmark_filter='BM_Sweep|BM_FullParadigm' \
  --benchmark_out="$work/ours.json" --benchmark_out_format=json

# Our time a verb (CPU) beside the peer's, castellano against ours without
# vos, voseo against ours with it.
node - "$work/ours.json" "$work/peer.txt" <<'SCRIPT'
const fs = require('fs');
const ours = JSON.parse(fs.readFileSync(process.argv[2], 'utf8')).benchmarks;
const peer = fs.readFileSync(process.argv[3], 'utf8').match(/PEER_US_PER_VERB (\S+) (\S+)/);
const perVerb = (name) => ours.find((b) => b.name.startsWith(name)).us_per_verb;
[['without vos', '/0', Number(peer[1])], ['with vos', '/1', Number(peer[2])]].forEach(
    ([label, arg, theirs]) => {
      const json = perVerb('BM_FullParadigmJsonLines' + arg);
      const rapidjson = perVerb('BM_FullParadigmJsonLinesRapidjson' + arg);
      const engine = perVerb('BM_FullParadigm' + arg);
      console.log(`full paradigm a verb, ${label}: JSON Lines ${json.toFixed(2)} us ` +
                  `(with RapidJSON's writer ${rapidjson.toFixed(2)} us), ` +
                  `engine alone ${engine.toFixed(2)} us; peer ${theirs.toFixed(1)} us, ` +
                  `${(theirs / json).toFixed(1)} times ours`);
    });
SCRIPT
