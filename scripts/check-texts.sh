#!/bin/sh
# Checks the long static texts of the program against the lengths their
# windows were laid out for. The files are stored with LF line ends; the
# program turns every LF into CR LF, so a line break counts two characters
# here, as it does on screen.
#
#   scripts/check-texts.sh [repository folder]
#
# Exits 0 when every text fits, 1 with one message per fault otherwise.
LC_ALL=C
export LC_ALL

root=${1:-"$(dirname "$0")/.."}
text="$root/resources/text"
data="$root/data"
faults=0

fail() {
    echo "check-texts: $*" >&2
    faults=$((faults + 1))
}

# Every text is plain printable ASCII with LF line ends: no CR, no tab,
# nothing above 126.
check_ascii() {
    if [ ! -f "$1" ]; then
        fail "$1: missing"
        return 1
    fi
    bad=$(grep -n '[^ -~]' "$1" | head -n 3)
    if [ -n "$bad" ]; then
        fail "$1: characters other than printable ASCII on line(s): $(echo "$bad" | cut -d: -f1 | tr '\n' ' ')"
    fi
    return 0
}

ends_with_lf() {
    [ "$(tail -c 1 "$1" | od -An -tx1 | tr -d ' \n')" = "0a" ]
}

# A page whose every line, the last included, is ended by CR LF.
check_page() { # file characters lines
    check_ascii "$1" || return
    if ! ends_with_lf "$1"; then
        fail "$1: the last line must end with a line feed"
    fi
    bytes=$(wc -c < "$1" | tr -d ' ')
    lines=$(wc -l < "$1" | tr -d ' ')
    shown=$((bytes + lines))
    if [ "$lines" -ne "$3" ]; then
        fail "$1: $lines lines, want $3"
    fi
    if [ "$shown" -ne "$2" ]; then
        fail "$1: $shown characters with CR LF line ends, want $2 (off by $((shown - $2)))"
    fi
}

check_page "$text/intro.txt" 456 15
check_page "$text/outline.txt" 1034 27

if [ -f "$text/outline.txt" ]; then
    first=$(head -n 1 "$text/outline.txt")
    [ "$first" = "1.    Introduction of Wisdom 1:1-7" ] ||
        fail "$text/outline.txt: first line is \"$first\""
fi

# The bookshelf note: one paragraph without a line break, then one LF.
note="$text/booknote.txt"
if check_ascii "$note"; then
    ends_with_lf "$note" || fail "$note: must end with one line feed"
    lines=$(awk "END { print NR }" "$note")
    [ "$lines" -eq 1 ] || fail "$note: $lines lines, want one paragraph on one line"
    len=$(head -n 1 "$note" | awk '{ print length($0) }')
    [ "$len" -eq 181 ] || fail "$note: $len characters, want 181"
fi

# The scripture passages: name=text, each name once, each text exactly as
# long as its label was designed for.
real="$text/real.txt"
if check_ascii "$real"; then
    ends_with_lf "$real" || fail "$real: the last line must end with a line feed"
    awk '
        BEGIN {
            want["lblRom310"] = 66;  want["lblRom323"] = 70
            want["lblRom512"] = 143; want["lblRom623"] = 110
            want["lblRom58"] = 102;  want["lblRom1013"] = 80
            want["lblRom109"] = 350
            faults = 0
        }
        {
            eq = index($0, "=")
            if (eq == 0) { print "check-texts: " FILENAME ": line " NR " has no name=" ; faults++; next }
            name = substr($0, 1, eq - 1)
            len = length($0) - eq
            if (!(name in want)) { print "check-texts: " FILENAME ": unknown passage " name; faults++; next }
            if (name in seen) { print "check-texts: " FILENAME ": passage " name " given twice"; faults++; next }
            seen[name] = 1
            if (len != want[name]) {
                print "check-texts: " FILENAME ": " name " has " len " characters, want " want[name]
                faults++
            }
        }
        END {
            for (name in want)
                if (!(name in seen)) { print "check-texts: " FILENAME ": passage " name " missing"; faults++ }
            exit (faults > 0 ? 1 : 0)
        }' "$real" >&2 || fail "$real: passages do not match their labels"
fi

# The database texts: plain ASCII, and a bookshelf whose records each carry
# the four fields, short enough for their boxes.
check_ascii "$data/pinfo.txt"
check_ascii "$data/phelp.txt"
books="$data/books.txt"
if check_ascii "$books"; then
    awk '
        function field(line, key) { return substr(line, length(key) + 1) }
        function close_record() {
            if (n == 0) return
            if (state != 4) { print "check-texts: " FILENAME ": book " n " (line " start ") lacks Title, Author, Pub or comments"; faults++ }
            else if (clen > 330) { print "check-texts: " FILENAME ": comments of \"" title "\" are " clen " characters, want at most 330"; faults++ }
            else if (clen == 0) { print "check-texts: " FILENAME ": \"" title "\" has no comments"; faults++ }
        }
        function open_record() { n++; state = 0; clen = 0; start = NR + 1; title = "" }
        BEGIN { n = 0; faults = 0; open_record() }
        $0 == "---" { close_record(); open_record(); next }
        state == 0 && /^Title: ./   { title = field($0, "Title: ")
                                     if (length(title) > 60) { print "check-texts: " FILENAME ": title too long: " title; faults++ }
                                     state = 1; next }
        state == 1 && /^Author: ./  { if (length(field($0, "Author: ")) > 55) { print "check-texts: " FILENAME ": author too long on line " NR; faults++ }
                                     state = 2; next }
        state == 2 && /^Pub: ./     { if (length(field($0, "Pub: ")) > 55) { print "check-texts: " FILENAME ": publisher too long on line " NR; faults++ }
                                     state = 3; next }
        state == 3 && $0 == "comments:" { state = 4; lines = 0; blanks = 0; next }
        state == 4 { # trailing empty lines are dropped, so count a break only before text
                     if (length($0) > 0) { clen += (lines > 0 ? 2 * (1 + blanks) : 0) + length($0); lines++; blanks = 0 }
                     else if (lines > 0) blanks++
                     next }
        { print "check-texts: " FILENAME ": unexpected line " NR ": " $0; faults++ }
        END {
            close_record()
            if (n < 14) { print "check-texts: " FILENAME ": " n " books, want at least 14"; faults++ }
            exit (faults > 0 ? 1 : 0)
        }' "$books" >&2 || fail "$books: bookshelf records are malformed"
fi

if [ "$faults" -ne 0 ]; then
    echo "check-texts: $faults fault(s)" >&2
    exit 1
fi
echo "check-texts: all texts fit"
