#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a scratch root: every desktop file lands where the
# desktop looks for it, the menu entry and the metadata validate, and each
# manual page formats without a warning, as lintian checks it.
# Usage: install_test.sh BUILD_DIR --with-window|--without-window
set -eu
build=$1
window=$2

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share

fail() { echo "FAIL: $*"; exit 1; }
present() { [ -s "$1" ] || fail "not installed: ${1#"$root"}"; }

[ -x "$root/usr/bin/flexoria-cli" ] || fail "flexoria-cli is not installed"
if [ "$window" = --with-window ]; then
  [ -x "$root/usr/bin/flexoria" ] || fail "flexoria is not installed"
fi
desktop=$share/applications/io.github.flexoria.Flexoria.desktop
metainfo=$share/metainfo/io.github.flexoria.Flexoria.metainfo.xml
present "$desktop"
present "$metainfo"
present "$share/icons/hicolor/scalable/apps/flexoria.svg"
man_pages=flexoria-cli
if [ "$window" = --with-window ]; then man_pages="$man_pages flexoria"; fi
for page in $man_pages; do present "$share/man/man1/$page.1.gz"; done
if command -v rsvg-convert >/dev/null; then
  for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/flexoria.png
    present "$png"
    file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not $size x $size"
  done
fi

desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q '^Name\[es\]=\|^GenericName\[es\]=' "$desktop" || fail "no Spanish name in the menu entry"
grep -q '^Comment\[es\]=' "$desktop" || fail "no Spanish comment in the menu entry"
grep -q '^Categories=Education;Languages;$' "$desktop" || fail "wrong categories"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
  fail "the metadata does not give the licence"

# lintian formats each manual page with groff and reports what it warns of.
if command -v groff >/dev/null; then
  for page in $man_pages; do
    warnings=$(zcat "$share/man/man1/$page.1.gz" | groff -t -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "manual page $page: $warnings"
    zcat "$share/man/man1/$page.1.gz" | grep -q "^\.TH $(echo "$page" | tr a-z A-Z) 1 " ||
      fail "manual page $page has no title line"
  done
fi
echo "PASS"
