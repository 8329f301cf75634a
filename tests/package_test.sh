#!/bin/sh
# The Debian package: built by CPack from this build, it unpacks into a
# scratch root, names its library dependencies, and the flexoria-cli inside
# conjugates.
# Usage: package_test.sh BUILD_DIR
set -eu
build=$1

for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  fail "cpack"
}
set -- "$work"/flexoria_*.deb
[ -f "$1" ] || fail "no flexoria_*.deb was made"
deb=$1

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "$depends" | grep -q 'libc6 (>=' || fail "library dependencies were not worked out"
echo "$depends" | grep -q 'libstdc++6' || fail "libstdc++6 is missing from Depends"
echo "$depends" | grep -q 'libicu' || fail "ICU is missing from Depends"

dpkg -x "$deb" "$work/root"
for path in usr/bin/flexoria-cli usr/share/applications/io.github.flexoria.Flexoria.desktop \
    usr/share/metainfo/io.github.flexoria.Flexoria.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/flexoria.svg usr/share/man/man1/flexoria-cli.1.gz; do
  [ -e "$work/root/$path" ] || fail "$path is not in the package"
done

out=$(NO_COLOR=1 "$work/root/usr/bin/flexoria-cli" conjugate tener 2>"$work/stderr") ||
  fail "flexoria-cli conjugate tener exited with $?"
for line in 'tener' '  Presente de Indicativo' '  Gerundio' 'vosotros  tened'; do
  echo "$out" | grep -qF -- "$line" || fail "output lacks \"$line\": $out"
done
echo "PASS"
