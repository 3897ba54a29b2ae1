#!/bin/sh
# Starts the PostgreSQL cluster the server tests share: initdb and pg_ctl of
# the Debian package, a folder of its own under /tmp (a build tree under
# /root is out of the postgres user's reach), a private Unix socket in it and
# no TCP. PostgreSQL refuses to run as root, so as root it runs as the
# postgres user; otherwise as the test user. Writes the connection string
# for the tests to STATE. A missing PostgreSQL is a failure, never a skip.
# Usage: cluster-start.sh STATE
set -eu
state=$1
here=$(dirname "$0")

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ] || [ ! -x "$bindir/pg_ctl" ]; then
    echo "PostgreSQL is not installed (no /usr/lib/postgresql/*/bin/initdb): run scripts/setup.sh" >&2
    exit 1
fi

# A cluster left by a run that was killed before its cleanup.
sh "$here/cluster-stop.sh" "$state"

if [ "$(id -u)" -eq 0 ]; then
    owner=postgres
    as_owner() { setpriv --reuid=postgres --regid=postgres --init-groups -- "$@"; }
else
    owner=$(id -un)
    as_owner() { "$@"; }
fi

dir=$(mktemp -d /tmp/fibrolog-pg.XXXXXX)
# Named first, so a setup killed from here on is cleaned by the next one.
echo "$dir" >"$state.dir"
chmod 0700 "$dir"
mkdir "$dir/socket"
chown -R "$owner" "$dir"

as_owner "$bindir/initdb" -D "$dir/data" -U fibrolog_admin -A trust -E UTF8 --no-locale >"$dir/initdb.log" 2>&1 ||
    { cat "$dir/initdb.log" >&2; exit 1; }
cat >>"$dir/data/postgresql.conf" <<CONF
listen_addresses = ''
unix_socket_directories = '$dir/socket'
port = 5432
password_encryption = 'scram-sha-256'
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 60
CONF
# The role with a password logs in with it; everyone else is trusted, which
# only the cluster's owner (and root) can reach through the private socket.
cat >"$dir/data/pg_hba.conf" <<HBA
local all password_installer scram-sha-256
local all all trust
HBA
as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start >/dev/null ||
    { cat "$dir/server.log" >&2; exit 1; }

admin="host=$dir/socket port=5432 user=fibrolog_admin"
"$bindir/psql" -X -q -v ON_ERROR_STOP=1 -d "$admin dbname=postgres" \
    -c "CREATE ROLE password_installer LOGIN PASSWORD 'the-right-one'" >/dev/null
printf '%s\n%s\n' "$admin" "$bindir" >"$state"
echo "test cluster running in $dir"
