#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a temporary prefix and checks the desktop
# integration the way a distribution would: the desktop entry and the AppStream
# metainfo pass their validators without a single note, the icons and the manual
# page are where the desktop and man look for them, the user guide is in the
# application folder, and both programs run from the
# installed tree and report the project's version. Started without a display, the
# program says so in one line.
# usage: install_check.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build=$1 version=$2 id=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install_check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry $desktop"
[ -f "$metainfo" ] || fail "no metainfo $metainfo"

# desktop-file-validate exits 0 on warnings and hints: any output is a finding.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"

# appstreamcli reports pedantic notes and info with exit 0: only a clean pass counts.
if ! report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1); then
  fail "appstreamcli validate failed: $report"
fi
grep -qE 'Validation was successful\.$' <<<"$report" || fail "appstreamcli validate: $report"
grep -q '^[EWIP]:' <<<"$report" && fail "appstreamcli validate: $report"

# The user guide the help window shows, built at build time.
guide=$prefix/share/reventa2024/Reventa2024Help.pdf
[ -f "$guide" ] || fail "no user guide $guide"
file -b "$guide" | grep -q '^PDF document' || fail "$guide: $(file -b "$guide")"

for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$icon" ] || fail "no icon $icon"
  file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon: $(file -b "$icon")"
done

man=$prefix/share/man/man1/reventa-calc.1.gz
[ -f "$man" ] || fail "no manual page $man"
# Every calculator the tool knows is described in the manual page.
page=$(zcat "$man")
while read -r name; do
  grep -qF ".B ${name//-/\\-}" <<<"$page" || fail "the manual page does not describe $name"
done < <("$prefix/bin/reventa-calc" --list)

[ "$("$prefix/bin/reventa-calc" --version)" = "reventa-calc (Reventa 2024) $version" ] ||
  fail "reventa-calc --version: $("$prefix/bin/reventa-calc" --version)"
"$prefix/bin/reventa-calc" --help | grep -q 'reventa-calc(1)' || fail "reventa-calc --help"

# --version and --help are answered before the window system starts: no display.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/reventa" --version) ||
  fail "reventa --version needs a display"
[ "$answer" = "Reventa 2024 $version" ] || fail "reventa --version: $answer"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/reventa" --help |
  grep -q -- '--version' || fail "reventa --help"
# Any other argument is refused, and the program does not start.
if QT_QPA_PLATFORM=offscreen "$prefix/bin/reventa" --no-such-option >/dev/null 2>&1; then
  fail "reventa accepts an unknown option"
fi

# Without a display to show the window on, one plain line and status 1, whether
# the desktop's window system is Qt's choice or named; a platform that needs no
# display (-platform offscreen) is Qt's to start, and the program then refuses an
# argument of its own.
for platform in "" xcb wayland "wayland;xcb"; do
  status=0
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET QT_QPA_PLATFORM="$platform" \
    "$prefix/bin/reventa" 2>&1 >/dev/null) || status=$?
  [ "$status" = 1 ] && [ "$(wc -l <<<"$said")" = 1 ] &&
    grep -q '^reventa: no graphical display' <<<"$said" ||
    fail "reventa without a display, QT_QPA_PLATFORM=$platform: status $status: $said"
done
said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/reventa" \
  -platform offscreen surplus 2>&1 >/dev/null) && fail "reventa -platform offscreen starts"
grep -q 'unexpected argument surplus' <<<"$said" || fail "reventa -platform offscreen: $said"
echo "install_check: $prefix passed"
