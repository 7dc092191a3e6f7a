#!/bin/sh
# Extracts the King James text of Proverbs (and the Romans verses quoted on the
# scripture page) from Debian's bible-kjv package into data/. Run once by hand;
# the extracted text is committed so that building needs no scripture package.
#   apt-get install bible-kjv && scripts/extract-kjv.sh
set -e
cd "$(dirname "$0")/.."
command -v bible >/dev/null || { echo "needs the bible-kjv package" >&2; exit 1; }
mkdir -p data/proverbs
for c in $(seq 1 31); do
    # "Prv12:3 text" becomes "3 text": one verse a line, starting with its number.
    bible -f "Prov$c:1-199" | sed -E "s/^Prv$c:([0-9]+) /\1 /" > "data/proverbs/$(printf %02d "$c").txt"
    grep -qvE '^[0-9]+ ' "data/proverbs/$(printf %02d "$c").txt" && { echo "unexpected line in chapter $c" >&2; exit 1; }
done
bible -f "Rom3:10" "Rom3:23" "Rom5:12" "Rom6:23" "Rom5:8" "Rom10:13" "Rom10:9-11" > data/romans-kjv.txt
echo "extracted $(cat data/proverbs/*.txt | wc -l) verses of Proverbs"
