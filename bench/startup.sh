#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the program to its first painted main window: the median of
# several runs under a virtual display (Xvfb), each with fresh user folders.
# Usage: bench/startup.sh path/to/reventa [runs]
set -euo pipefail
program=${1:?usage: startup.sh path/to/reventa [runs]}
runs=${2:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/measure.sh" <<INNER
set -euo pipefail
for i in \$(seq 1 $runs); do
  export HOME="$work/home\$i" XDG_CONFIG_HOME="$work/home\$i/.config" XDG_DATA_HOME="$work/home\$i/.local/share"
  mkdir -p "\$HOME"
  start=\$(date +%s%3N)
  painted=\$(REVENTA_STARTUP_PROBE=1 "$program" 2>/dev/null | sed -n 's/^painted //p')
  echo \$((painted - start))
done
INNER
times=$(xvfb-run -a -s "-screen 0 1280x900x24" bash "$work/measure.sh" | sort -n)
median=$(echo "$times" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "start-up to first paint, $runs runs (ms): $(echo $times | tr '\n' ' ')"
echo "median: ${median} ms"
