#!/bin/sh
# Runs bench-server against a PostgreSQL cluster started as the server tests
# start theirs (tests/server/cluster-start.sh: initdb and pg_ctl of the
# Debian package, a private socket, no TCP), and stops it on every path out.
# The cluster is a new one each run, so the server of 10 million fibers is
# made again each time (minutes); run bench-server with FIBROLOG_SERVER set
# to keep one between runs.
# Usage: scripts/bench-server.sh [BUILD_DIR] [bench-server options...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
[ $# -gt 0 ] && shift
bench="$build/bench/bench-server"
if [ ! -x "$bench" ]; then
    echo "no $bench: build it (cmake --build $build --target bench-server)" >&2
    exit 1
fi

state="$build/bench/server-cluster"
child=
stop() {
    # The benchmark first, so the cluster does not go from under it.
    if [ -n "$child" ]; then
        kill "$child" 2>/dev/null || true
        wait "$child" 2>/dev/null || true
    fi
    sh "$root/tests/server/cluster-stop.sh" "$state"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
sh "$root/tests/server/cluster-start.sh" "$state" >&2

admin=$(sed -n 1p "$state")
psql="$(sed -n 2p "$state")/psql"
"$psql" -X -q -v ON_ERROR_STOP=1 -d "$admin dbname=postgres" -c "CREATE DATABASE fibrolog_bench" >/dev/null
# The cluster has the tests' settings (the package's shared_buffers, fsync
# off): the figures compare the program with a raw COPY on the same server,
# not with a tuned production one. The benchmark runs in the background so
# a signal reaches this script's trap at once, not when it ends.
FIBROLOG_SERVER="$admin dbname=fibrolog_bench" "$bench" "$@" &
child=$!
status=0
wait "$child" || status=$?
child=
exit "$status"
