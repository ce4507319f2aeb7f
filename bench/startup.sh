#!/usr/bin/env bash
# Measures Mottler's start-up: the time from launch until the main window is on screen, and
# until it takes input — F1, typed the moment the window appears, has opened the manual
# (which needs the event loop running and the first texture grown). Runs on its own Xvfb
# display with a fresh data folder per run, so every run is a first start.
#   bench/startup.sh [RUNS]        (needs xvfb and xdotool; build/bin/mottler built)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
display=:${MOTTLER_BENCH_DISPLAY:-97}
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1

now() { date +%s.%N; }
wait_for_window() { # name pattern; prints the window id
    until xdotool search --name "$1" 2>/dev/null | head -1 | grep .; do sleep 0.005; done
}

shown=() ready=()
for ((i = 0; i < runs; i++)); do
    work=$(mktemp -d)
    start=$(now)
    MOTTLER_HOME=$work/data XDG_CONFIG_HOME=$work/config build/bin/mottler &
    app=$!
    window=$(wait_for_window '^Mottler - ')
    mapped=$(now)
    # Until the program reads input, a key may be lost: type F1 again every 20 ms until the
    # manual is open (no window manager here to give the window the focus).
    until xdotool search --name '^Mottler Help' >/dev/null 2>&1; do
        xdotool windowfocus "$window" key F1 2>/dev/null || true
        sleep 0.02
        kill -0 $app || { echo "mottler ended early" >&2; exit 1; }
    done
    answered=$(now)
    kill $app; wait $app 2>/dev/null || true
    rm -rf "$work"
    shown+=("$(awk "BEGIN { print ($mapped - $start) * 1000 }")")
    ready+=("$(awk "BEGIN { print ($answered - $start) * 1000 }")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {printf "%.0f", a[int((NR+1)/2)]}'; }
echo "runs: $runs"
echo "launch to main window shown:  $(median "${shown[@]}") ms (median)"
echo "launch to input handled (F1): $(median "${ready[@]}") ms (median)"
