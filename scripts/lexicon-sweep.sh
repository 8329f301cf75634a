#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the whole-lexicon sweep to standard output: every listed infinitive
# once, in all 13 options, as replay requests (JSON Lines).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cat "$root"/lexicon/words/*.txt | awk '!seen[$0]++' |
  awk '{ for (option = 1; option <= 13; ++option)
           printf "{\"entry\":\"%s\",\"option\":%d}\n", $0, option }'
