#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a fixed sample of 200,000 lines for `flexoria-cli identify -`, the
# same on every run: forms of one word and of several words (compound
# tenses, the negative imperative, pronominal verbs), the same forms typed
# without their accents, in capitals or with blanks around them, and texts
# that are no form at all. Comparing `identify - --json` over it before and
# after a change to the lookup shows any answer that changed.
# Usage: scripts/identify-sample.sh path/to/flexoria-cli >sample.txt
set -euo pipefail
cli=${1:?usage: $0 path/to/flexoria-cli}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every 12th verb of the lexicon and its pronominal verb, every form the
# command line shows for them.
cat "$root"/lexicon/words/*.txt | tr -d '\r' | awk '!seen[$0]++' | LC_ALL=C sort |
  awk 'NR % 12 == 1 { print; print $0 "se" }' >"$work/verbs.txt"
xargs "$cli" conjugate --json <"$work/verbs.txt" 2>/dev/null |
  grep -o '"ending":"[^"]*","text":"[^"]*"' | sed -e 's/.*"text":"//' -e 's/"$//' |
  awk '!seen[$0]++' >"$work/forms.txt"

# Line i takes form (i * 7919) mod n and changes it by i mod 10: kept as it
# is (0-3), accents dropped (4-5), capitals (6), blanks around and between
# words (7), a letter doubled or dropped so that it reads as no form (8-9).
LC_ALL=C.UTF-8 awk '
  { form[NR - 1] = $0 }
  END {
    n = NR
    for (i = 0; i < 200000; ++i) {
      text = form[(i * 7919) % n]
      kind = i % 10
      if (kind == 4 || kind == 5) {
        gsub(/á/, "a", text); gsub(/é/, "e", text); gsub(/í/, "i", text)
        gsub(/ó/, "o", text); gsub(/ú/, "u", text); gsub(/ü/, "u", text)
      } else if (kind == 6) {
        text = toupper(text)
      } else if (kind == 7) {
        gsub(/ /, "  ", text); text = " " text "\t"
      } else if (kind == 8) {
        text = text substr(text, length(text), 1) "z"
      } else if (kind == 9) {
        text = substr(text, 2)
      }
      print text
    }
  }' "$work/forms.txt"
