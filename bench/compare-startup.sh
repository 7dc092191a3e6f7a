#!/bin/bash
# Start-up time and resident memory of Quillmere beside a bare Qt window and beside
# Debian's bibletime (another Qt Bible study program), in one run under Xvfb.
# Installs bibletime for this measurement only when it is missing.
#   bench/compare-startup.sh [build folder] [runs]
set -e
set -o pipefail
BUILD=$(cd "${1:-build}" && pwd)
RUNS=${2:-5}
command -v bibletime >/dev/null || {
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq bibletime >/dev/null; }

# measure NAME "XDOTOOL-SEARCH-ARGS" SETTLE COMMAND...: milliseconds until a visible
# window that the search finds appears, then resident KiB SETTLE seconds later.
measure() {
    name=$1; search=$2; settle=$3; shift 3
    home=$(mktemp -d) # a fresh profile for every run
    start=$(date +%s%N)
    HOME=$home "$@" >"$home.log" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible $search >/dev/null 2>&1; do
        sleep 0.01
        kill -0 "$pid" 2>/dev/null || { echo "$name exited early:" >&2; cat "$home.log" >&2; return 1; }
    done
    shown=$(( ($(date +%s%N) - start) / 1000000 ))
    sleep "$settle"
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    rm -rf "$home" "$home.log"
    echo "$name $shown $rss"
}

if [ -z "$QUILLMERE_IN_XVFB" ]; then
    QUILLMERE_IN_XVFB=1 exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$0" "$BUILD" "$RUNS"
fi

cd "$BUILD"
for _ in $(seq 1 "$RUNS"); do
    # Quillmere shows its splash window first; the main window follows by design 4 s later.
    measure quillmere-splash '--class quillmere' 0 ./quillmere
    measure quillmere-main-window '--name Version.1.1' 2 ./quillmere
    measure bare-qt-window '--name ^bare$' 2 ./bench/bare_window
    measure bibletime '--name BibleTime' 2 bibletime
done | awk '
    { n[$1]++; t[$1, n[$1]] = $2; r[$1] += $3 }
    END {
        for (k in n) {
            m = n[k]; for (i = 1; i <= m; i++) s[i] = t[k, i]
            for (i = 1; i <= m; i++) for (j = i + 1; j <= m; j++) if (s[j] < s[i]) { x = s[i]; s[i] = s[j]; s[j] = x }
            printf "%-22s median %6d ms to its window, mean resident %7d KiB\n", k, s[int((m + 1) / 2)], r[k] / m
        }
    }' | sort
