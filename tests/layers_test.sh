#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Folders are layers: core <- catalogues, lexicon <- engine <- lookup <- cli, ui.
# Fails when a source includes a header of its own layer's neighbour or of
# a layer above it.
cd "$(dirname "$0")/.." || exit 1
rank() {
  case $1 in
    core) echo 0 ;;
    catalogues | lexicon) echo 1 ;;
    engine) echo 2 ;;
    lookup) echo 3 ;;
    cli | ui) echo 4 ;;
    *) echo -1 ;;
  esac
}
status=0
for file in core/* catalogues/* lexicon/* engine/* lookup/* cli/* ui/*; do
  case $file in *.h | *.cpp) ;; *) continue ;; esac
  from=${file%%/*}
  for included in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
    to=${included%%/*}
    [ "$(rank "$to")" -ge 0 ] || continue
    if [ "$(rank "$to")" -gt "$(rank "$from")" ] ||
      { [ "$(rank "$to")" -eq "$(rank "$from")" ] && [ "$to" != "$from" ]; }; then
      echo "$file includes $included, a layer above or beside it"
      status=1
    fi
  done
done
[ $status -eq 0 ] && echo "no include climbs a layer"
exit $status
