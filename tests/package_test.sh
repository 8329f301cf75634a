#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: lintian finds no error and no warning in it, it names
# its library dependencies, a section and a priority, holds every file the
# desktop and Debian look for, and the flexoria-cli inside conjugates.
# Usage: package_test.sh DEB
set -eu
deb=$1

for tool in dpkg-deb lintian; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

lintian --fail-on error,warning --display-info "$deb" || fail "lintian"

field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends)
echo "Depends: $depends"
for library in 'libc6 (>= 2.36)' 'libstdc++6' 'libqt6widgets6' 'qt6-qpa-plugins' 'libicu'; do
  echo "$depends" | grep -qF "$library" || fail "$library is missing from Depends"
done
[ "$(field Section)" = education ] || fail "section: $(field Section)"
[ "$(field Priority)" = optional ] || fail "priority: $(field Priority)"

dpkg -x "$deb" "$work/root"
for path in usr/bin/flexoria usr/bin/flexoria-cli \
    usr/share/applications/io.github.flexoria.Flexoria.desktop \
    usr/share/metainfo/io.github.flexoria.Flexoria.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/flexoria.svg \
    usr/share/man/man1/flexoria.1.gz usr/share/man/man1/flexoria-cli.1.gz \
    usr/share/doc/flexoria/copyright usr/share/doc/flexoria/changelog.gz; do
  [ -e "$work/root/$path" ] || fail "$path is not in the package"
done
grep -q '^License: GPL-3+$' "$work/root/usr/share/doc/flexoria/copyright" ||
  fail "the copyright file does not give the licence"

out=$(NO_COLOR=1 "$work/root/usr/bin/flexoria-cli" conjugate tener 2>"$work/stderr") ||
  fail "flexoria-cli conjugate tener exited with $?"
for line in 'tener' '  Presente de Indicativo' '  Gerundio' 'vosotros  tened'; do
  echo "$out" | grep -qF -- "$line" || fail "output lacks \"$line\": $out"
done
echo "PASS"
