#!/usr/bin/env bash
# Installs the build into a temporary prefix as a user would and checks what
# arrives: exactly the files of installed-files.txt, programs that run from
# there, a desktop entry and metainfo the validators accept, icons of the
# sizes their folders claim and readable manual pages.
#   install-test.sh CMAKE BUILD_DIR VERSION MANIFEST
set -euo pipefail

cmake_command=$1
build_dir=$2
version=$3
manifest=$4
app_id=org.fibrolog.Fibrolog

fail() {
    echo "install-test: $*" >&2
    exit 1
}

for tool in desktop-file-validate appstreamcli groff readelf; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake_command" --install "$build_dir" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log" >&2
    fail "cmake --install failed"
}

# Exactly the expected files; a new language module is added to the list.
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed.txt"
if ! diff -u "$manifest" "$work/installed.txt"; then
    fail "the installed files differ from $(basename "$manifest") (- expected, + installed)"
fi

# The programs carry no run path into the build tree: they run from anywhere.
for program in fibrolog fibrolog-cli; do
    dynamic=$(readelf -d "$prefix/bin/$program") || fail "bin/$program is no ELF program"
    if run_path=$(grep -E 'R(UN)?PATH' <<<"$dynamic"); then
        fail "bin/$program has a run path: $run_path"
    fi
done

# The catalogue as the installed program sees it, without anybody's shared file.
cd "$work"
standards=$(FIBROLOG_SHARED_STANDARDS="$work/none.mdb" XDG_DATA_HOME="$work/data" "$prefix/bin/fibrolog-cli" standards) ||
    fail "fibrolog-cli standards failed"
lines=$(printf '%s\n' "$standards" | wc -l)
[ "$lines" -eq 90 ] || fail "fibrolog-cli standards printed $lines lines, not 90"
fields=$(printf '%s\n' "$standards" | head -n 1 | awk -F '\t' '{ print NF }')
[ "$fields" -eq 10 ] || fail "a standards line has $fields fields, not 10"

# The window program starts and answers without a display.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$work/runtime"
version_text=$("$prefix/bin/fibrolog" --version 2>&1) || fail "fibrolog --version failed: $version_text"
case "$version_text" in
*"$version"*) echo "fibrolog --version: $version_text" ;;
*) fail "fibrolog --version printed '$version_text', without $version" ;;
esac

# The prefix is not the one the programs were built for: they still find
# the German module under the prefix they run from (a missing module is
# said on standard error).
german=$(FIBROLOG_SHARED_STANDARDS="$work/none.mdb" XDG_DATA_HOME="$work/data" \
    "$prefix/bin/fibrolog-cli" --locale de_DE standards 2>&1 >/dev/null) || fail "fibrolog-cli --locale de_DE failed"
[ -z "$german" ] || fail "fibrolog-cli --locale de_DE: $german"

# The user guide: one page with its pictures beside it, and Help > User Guide
# of a program in $prefix/bin opens that page (the window test, told the
# prefix, triggers the command with the folders such a program searches).
guide=$prefix/share/fibrolog/guide/index.html
grep -q '<title>Fibrolog user guide</title>' "$guide" || fail "share/fibrolog/guide/index.html is not the user guide"
window_test=$build_dir/tests/gui/test-window
[ -x "$window_test" ] || fail "$window_test is missing: build the tests first"
if ! FIBROLOG_INSTALLED_PREFIX=$prefix "$window_test" --gtest_filter='*HelpUserGuide*' >"$work/guide.log" 2>&1; then
    cat "$work/guide.log" >&2
    fail "Help > User Guide does not open the installed guide"
fi
grep -q '^\[  PASSED  \] 1 test' "$work/guide.log" || fail "the window test of Help > User Guide did not run"

desktop=$prefix/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
[ -z "$(desktop-file-validate "$desktop")" ] || fail "desktop-file-validate warns about $app_id.desktop"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon than $app_id"
grep -qx "Exec=fibrolog %f" "$desktop" || fail "the desktop entry does not start bin/fibrolog"

metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $app_id.metainfo.xml"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo launches another desktop entry"

# Each PNG is as large as its folder says (width and height from the IHDR chunk).
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    if [ "$width" -ne "$size" ] || [ "$height" -ne "$size" ]; then
        fail "$png is ${width}x${height}"
    fi
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" || fail "the scalable icon is no SVG"

# The manual pages: compressed, formatted without a warning, with their sections.
for page in fibrolog fibrolog-cli; do
    file=$prefix/share/man/man1/$page.1.gz
    gzip -t "$file" || fail "$page.1.gz is no gzip file"
    warnings=$(zcat "$file" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "groff warns about $page.1: $warnings"
    text=$(zcat "$file" | groff -man -Tutf8 -P-cbou 2>/dev/null)
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS" EXAMPLES "SEE ALSO"; do
        grep -qx "$section" <<<"$text" || fail "$page.1 has no $section section"
    done
    grep -q "Fibrolog $version" <<<"$text" || fail "$page.1 is not of version $version"
done
# Every command and option of the command line's usage text has its place in
# its manual page.
usage=$("$prefix/bin/fibrolog-cli" --help) || fail "fibrolog-cli --help failed"
cli_page=$(zcat "$prefix/share/man/man1/fibrolog-cli.1.gz" | groff -man -Tutf8 -P-cbou 2>/dev/null)
commands=$(printf '%s\n' "$usage" | sed -n '/^Commands:/,/^$/p' | sed -n 's/^  \([a-z][a-z-]*\)\( .*\)\{0,1\}$/\1/p')
[ "$(printf '%s\n' "$commands" | wc -l)" -ge 10 ] || fail "found too few commands in the usage text: $commands"
for command in $commands; do
    grep -qE "^ {7}$command( |$)" <<<"$cli_page" || fail "fibrolog-cli.1 does not describe '$command'"
done
options=$(for command in $commands; do
    "$prefix/bin/fibrolog-cli" "$command" --help || fail "fibrolog-cli $command --help failed"
done | cat - <(printf '%s\n' "$usage") | grep -oE -- '--[a-z][a-z-]*' | sort -u)
for option in $options; do
    grep -qF -- "$option" <<<"$cli_page" || fail "fibrolog-cli.1 does not mention $option"
done

# The bash completion is where bash-completion loads it by the command's
# name, and completes commands and a command's options from the installed
# program (bash-completion's own helpers stood in for by the least they do).
completion=$prefix/share/bash-completion/completions/fibrolog-cli
complete_line() {
    bash -c '
        _init_completion() { words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; cur=${words[cword]}; prev=${words[cword-1]}; }
        _filedir() { COMPREPLY=(FILE); }
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        _fibrolog_cli
        printf "%s\n" "${COMPREPLY[@]}"' completion "$completion" "$@"
}
[ "$(complete_line "$prefix/bin/fibrolog-cli" pri)" = print ] || fail "the completion does not complete 'pri' to print"
[ "$(complete_line "$prefix/bin/fibrolog-cli" --quiet print x.mdb - --su)" = --summary ] ||
    fail "the completion does not complete print's --su to --summary"
[ "$(complete_line "$prefix/bin/fibrolog-cli" print x.mdb --paper L)" = Letter ] ||
    fail "the completion does not offer the paper sizes"
[ "$(complete_line "$prefix/bin/fibrolog-cli" export-csv x)" = FILE ] || fail "the completion does not complete files"

echo "install-test: $(wc -l <"$work/installed.txt") files installed and checked"
