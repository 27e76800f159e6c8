#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks its control fields
# and contents: the libraries it needs come from dpkg-shlibdeps, and no test or
# benchmark program is shipped.
# usage: deb_check.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "deb_check: $*" >&2; exit 1; }

# -B keeps CPack's staging folder (_CPack_Packages) out of the build tree, so a
# parallel test run never sees it.
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(find "$out" -maxdepth 1 -name '*.deb')
[ "$(wc -l <<<"$deb")" = 1 ] && [ -n "$deb" ] || fail "expected one package, found: $deb"
[ "$(basename "$deb")" = "reventa2024_${version}_$(dpkg --print-architecture).deb" ] ||
  fail "package file name $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = reventa2024 ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = misc ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "Reventa developers <developers@reventa.co.za>" ] ||
  fail "Maintainer: $(field Maintainer)"
[ "$(field Homepage)" = "https://reventa.co.za" ] || fail "Homepage: $(field Homepage)"
depends=$(field Depends)
# The package names alone, one a line, without their version conditions.
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for lib in libqt6widgets6 libqt6sql6 libqt6printsupport6 libqt6charts6 libqt6sql6-sqlite \
    qt6-qpa-plugins libstdc++6; do
  grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/bin/reventa ./usr/bin/reventa-calc ./usr/share/reventa2024/Settings.db \
    ./usr/share/applications/ ./usr/share/metainfo/ ./usr/share/man/man1/reventa-calc.1.gz; do
  grep -q "^$path" <<<"$contents" || fail "the package lacks $path"
done
if grep -E '(_tests?|tst_[a-z_]*|bench[a-z_]*)$' <<<"$contents"; then
  fail "the package ships test or benchmark programs"
fi
[ "$(grep -c '^\./usr/bin/.' <<<"$contents")" = 2 ] || fail "unexpected programs in usr/bin"
echo "deb_check: $(basename "$deb") passed"
