#!/usr/bin/env bash
# Writes NEWS.md as a Debian changelog. The package's version has no Debian
# revision (it is made here, not from someone else's release), so dpkg,
# `apt changelog` and lintian read its history from changelog.gz in that
# format.
#   news-to-changelog.sh NEWS.md PACKAGE MAINTAINER OUTPUT
# A release is a heading "## VERSION (YYYY-MM-DD)"; its paragraphs and its
# "- " items become the entry's items, wrapped to 76 columns. What comes
# before the first release is the file's introduction and is left out.
set -euo pipefail

news=$1
package=$2
maintainer=$3
output=$4

awk -v package="$package" -v maintainer="$maintainer" '
function wrap(text,    words, count, i, line) {
    count = split(text, words, " ")
    line = "  *"
    for (i = 1; i <= count; i++) {
        if (length(line) + 1 + length(words[i]) > 76 && line != "  *" && line != "   ") {
            print line
            line = "   "
        }
        line = line " " words[i]
    }
    print line
}
function flush() {
    if (text != "")
        wrap(text)
    text = ""
}
function close_entry() {
    flush()
    if (version != "")
        printf "\n -- %s  %s\n", maintainer, date
}
/^## / {
    close_entry()
    if (version != "")
        print ""
    version = $2
    day = $3
    gsub(/[()]/, "", day)
    if (version !~ /^[0-9][0-9A-Za-z.+~-]*$/ || day !~ /^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/) {
        printf "%s:%d: a release heading is \"## VERSION (YYYY-MM-DD)\", not \"%s\"\n", FILENAME, FNR, $0 > "/dev/stderr"
        failed = 1
        exit 1
    }
    command = "date -u -R -d " day
    if ((command | getline date) <= 0) {
        printf "%s:%d: %s is no date\n", FILENAME, FNR, day > "/dev/stderr"
        failed = 1
        exit 1
    }
    close(command)
    printf "%s (%s) unstable; urgency=medium\n\n", package, version
    next
}
version == "" { next }
/^- / { flush(); text = substr($0, 3); next }
/^[ \t]*$/ { flush(); next }
{ sub(/^[ \t]+/, ""); text = (text == "" ? $0 : text " " $0) }
END {
    if (failed)
        exit 1
    if (version == "") {
        printf "%s: no release heading \"## VERSION (YYYY-MM-DD)\"\n", FILENAME > "/dev/stderr"
        exit 1
    }
    close_entry()
}
' "$news" >"$output"
