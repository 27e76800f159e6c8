#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree and checks it as Debian would: its
# control fields and contents (the libraries it needs come from dpkg-shlibdeps, no
# test or benchmark program is shipped), lintian --pedantic with no note left but
# the informational ones the package overrides, both programs hardened
# (hardening-check), and a second build of the same source in another folder,
# packed later, giving the same package byte for byte.
# usage: deb_check.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "deb_check: $*" >&2; exit 1; }

cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

# pack BUILD_DIR FOLDER: the package of BUILD_DIR, made in FOLDER. -B keeps
# CPack's staging folder (_CPack_Packages) out of the build tree, so a parallel
# test run never sees it.
pack() {
  mkdir -p "$2"
  cpack -G DEB -B "$2" --config "$1/CPackConfig.cmake" >"$2/cpack.log" 2>&1 ||
    { cat "$2/cpack.log" >&2; fail "cpack failed"; }
  local found
  found=$(find "$2" -maxdepth 1 -name '*.deb')
  [ "$(wc -l <<<"$found")" = 1 ] && [ -n "$found" ] || fail "expected one package, found: $found"
  echo "$found"
}
deb=$(pack "$build" "$out/first")
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

# lintian, pedantic: any note left fails, and only informational notes may be
# overridden (packaging/lintian-overrides says why for each).
command -v lintian >/dev/null || fail "lintian is missing: run scripts/setup"
report=$(lintian --pedantic --display-info --display-experimental --show-overrides "$deb" 2>&1) || true
if grep -E '^[EWIPX]: ' <<<"$report"; then
  fail "lintian notes the package"
fi
while read -r tag; do
  visibility=$(lintian-explain-tags "$tag" | sed -n 's/^N: *Visibility: //p')
  case $visibility in
    info | pedantic) ;;
    *) fail "the $visibility tag $tag is overridden" ;;
  esac
done < <(sed -n 's/^O: [^ ]*: \([^ ]*\).*/\1/p' <<<"$report")

# Both programs built with the hardening flags and bound at start-up. Control-flow
# protection is asked of them only where the C library's start file of a
# position-independent program has it: a program carries the mark only when every
# part linked into it does.
command -v hardening-check >/dev/null || fail "hardening-check is missing: run scripts/setup"
dpkg-deb -x "$deb" "$out/root"
options=()
start_file=$("$(cache CMAKE_CXX_COMPILER)" -print-file-name=Scrt1.o)
readelf -n "$start_file" | grep -q 'x86 feature: IBT, SHSTK' || options+=(--nocfprotection)
hardening-check "${options[@]}" "$out/root/usr/bin/reventa" "$out/root/usr/bin/reventa-calc" \
  >"$out/hardening" ||
  { cat "$out/hardening" >&2; fail "a program is not hardened"; }

# The same source built again in another folder and packed later gives the same
# package, dated with the first build's source date.
epoch=$(cat "$build/source-date-epoch")
second=$out/second-build
SOURCE_DATE_EPOCH=$epoch cmake -S "$(cache CMAKE_HOME_DIRECTORY)" -B "$second" \
  -G "$(cache CMAKE_GENERATOR)" -DCMAKE_BUILD_TYPE="$(cache CMAKE_BUILD_TYPE)" \
  -DCMAKE_CXX_COMPILER="$(cache CMAKE_CXX_COMPILER)" -DCMAKE_CXX_FLAGS="$(cache CMAKE_CXX_FLAGS)" \
  -DREVENTA_HARDENING="$(cache REVENTA_HARDENING)" -DREVENTA_APP_ID="$(cache REVENTA_APP_ID)" \
  -DREVENTA_BUILD_BENCHMARKS=OFF >"$out/second.log" 2>&1 ||
  { cat "$out/second.log" >&2; fail "the second build does not configure"; }
cmake --build "$second" --target reventa_package_files >>"$out/second.log" 2>&1 ||
  { tail -50 "$out/second.log" >&2; fail "the second build failed"; }
again=$(pack "$second" "$out/again")
if ! cmp -s "$deb" "$again"; then
  cmp "$deb" "$again" >&2 || true
  diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$again") >&2 || true
  dpkg-deb -x "$again" "$out/root-again"
  diff -r "$out/root" "$out/root-again" >&2 || true
  fail "two builds of the same source give different packages"
fi
echo "deb_check: $(basename "$deb") passed"
