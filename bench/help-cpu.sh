#!/bin/sh
# CPU use of the running program over 10 s with only the main window shown, then
# over 10 s with the help window (and its point sprinkler) shown, in one run.
#
#   bench/help-cpu.sh [build folder]
#
# Runs the program under its own X server (xvfb-run) from the build folder, where
# the databases are, and drives it with xdotool. Needs xvfb, xdotool.
set -eu
BUILD=$(cd "${1:-build}" && pwd)

if [ -z "${QUILLMERE_BENCH_INNER:-}" ]; then
    export QUILLMERE_BENCH_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$BUILD"
fi

cd "$BUILD"
./quillmere 2>/dev/null &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# CPU time in nanoseconds, summed over the process's threads (schedstat counts
# finer than the clock ticks of /proc/<pid>/stat, which a quiet main window
# hardly reaches in 10 s).
cpu_ns() {
    cat /proc/"$pid"/task/*/schedstat | awk '{ s += $1 } END { printf "%.0f\n", s }'
}
measure() { # seconds -> CPU nanoseconds used in that time
    before=$(cpu_ns)
    sleep "$1"
    echo $(( $(cpu_ns) - before ))
}

sleep 6 # the splash gives way to the main window after 4 s
main_only=$(measure 10)

# Without a window manager the keyboard follows the pointer: click the main
# window's teal background, then press F1.
xdotool mousemove 700 500 click 1
sleep 0.3
xdotool key F1
sleep 1
with_help=$(measure 10)

awk -v a="$main_only" -v b="$with_help" 'BEGIN {
    printf "main window only : %7.1f ms CPU in 10 s (%.2f %% of one core)\n", a / 1e6, a / 1e8
    printf "help window shown: %7.1f ms CPU in 10 s (%.2f %% of one core)\n", b / 1e6, b / 1e8
    if (a > 0) printf "ratio            : %.1f\n", b / a
}'
