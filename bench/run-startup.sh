#!/bin/sh
# Start-up time and resident memory of the main window against a bare Qt window,
# measured in one run on the offscreen platform from the folder of the databases.
#   bench/run-startup.sh [build folder]
set -e
BUILD=$(cd "${1:-build}" && pwd)
cd "$BUILD"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
./bench/bench_startup --benchmark_format=console
main=$(./bench/bench_startup rss main)
bare=$(./bench/bench_startup rss bare)
echo "resident memory: main window ${main} KiB, bare Qt window ${bare} KiB, ratio $(echo "scale=2; $main / $bare" | bc)"
