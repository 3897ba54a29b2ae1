#!/bin/sh
# Stops the test cluster of cluster-start.sh and removes its folder; also
# one a killed run left behind. Does nothing when there is none.
# Usage: cluster-stop.sh STATE
set -eu
state=$1
rm -f "$state"
[ -f "$state.dir" ] || exit 0
dir=$(cat "$state.dir")
case "$dir" in
/tmp/fibrolog-pg.*) ;;
*)
    echo "refusing to remove '$dir': not a test cluster folder" >&2
    exit 1
    ;;
esac
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -f "$dir/data/postmaster.pid" ] && [ -n "$bindir" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --reuid=postgres --regid=postgres --init-groups -- "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    else
        "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
fi
rm -rf "$dir"
rm -f "$state.dir"
