#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as Debian builds it (debian/rules: -O2 with
# Debian's hardening flags, then every test) from a copy of the sources, so
# that dpkg-buildpackage writes nothing outside the tree, and checks it.
# Usage: build-package.sh BUILD_DIR; leaves BUILD_DIR/flexoria_<version>_<arch>.deb.
# FLEXORIA_CMAKE_FLAGS, when set, reaches the package's CMake configuration.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
work=$build/debian-package
rm -rf "$work"
mkdir -p "$work/flexoria"

# The sources as the repository has them (tracked and new files, not what
# .gitignore leaves out); without git, everything but build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - | tar -C "$work/flexoria" -xf -
else
  tar --exclude-vcs --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$work/flexoria" -xf -
fi

(cd "$work/flexoria" && dpkg-buildpackage -us -uc -b --jobs=auto)
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
deb=flexoria_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
cp "$work/$deb" "$build/$deb"
sh tests/package_test.sh "$build/$deb"
