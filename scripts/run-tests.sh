#!/bin/sh
# Runs every test of a build folder. Printing tests need a CUPS server with a PDF
# queue of their own, QuillmereTest: start CUPS if it is not running and add the
# queue. The machine's default printer is never changed; the tests choose the
# queue through PRINTER in their own environment.
#   scripts/run-tests.sh <build folder> [more ctest arguments]
set -e
BUILD=${1:-build}
[ $# -gt 0 ] && shift
cd "$(dirname "$0")/.."

cups_running() {
    lpstat -r 2>/dev/null | grep -q 'is running'
}

setup_printer() {
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    if ! cups_running; then
        $SUDO /usr/sbin/cupsd || return 1
        for _ in $(seq 1 100); do cups_running && break; sleep 0.1; done
    fi
    cups_running || return 1
    ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || ls /usr/share/ppd/cups-pdf/*.ppd | head -n 1)
    # QuillmereTest takes jobs; QuillmereStop takes them until a test stops it;
    # QuillmereReject refuses them.
    for queue in QuillmereTest QuillmereStop QuillmereReject; do
        lpstat -p "$queue" >/dev/null 2>&1 || $SUDO lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd"
        $SUDO cupsenable "$queue"
        $SUDO cupsaccept "$queue"
    done
    $SUDO cupsreject QuillmereReject
}

if setup_printer; then
    echo "CUPS test queues are ready"
else
    echo "warning: the CUPS test queues could not be set up" >&2
fi

export QT_QPA_PLATFORM=offscreen
# Sanitizer builds: stop at the first error; leaks inside system libraries are listed
# with their reasons in the suppressions file.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0
ctest --test-dir "$BUILD" --output-on-failure -j2 "$@"
