#!/usr/bin/env bash
# A private MariaDB server that stands in for the attendance host's database.
# It listens on a unix socket only (no TCP port) and keeps its data under DIR.
#
#   scripts/hostdb.sh start DIR           start (or reuse) the server of DIR
#   scripts/hostdb.sh stop DIR            stop it
#   scripts/hostdb.sh socket DIR          print the socket path
#   scripts/hostdb.sh create DIR NAME     (re)create database NAME from hostdb/schema.sql
#   scripts/hostdb.sh sql DIR NAME        run SQL from stdin in database NAME
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
schema="$here/../hostdb/schema.sql"
cmd="${1:-}"; dir="${2:-}"
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop|socket|create|sql DIR [NAME]" >&2; exit 2; }
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"

# A unix socket path is limited to about 100 bytes; a deep build tree gets a
# short path of its own under /tmp.
socket_path() {
    if [ ${#dir} -lt 90 ]; then echo "$dir/sock"
    else echo "/tmp/orvex-mariadb-$(printf '%s' "$dir" | md5sum | cut -c1-12).sock"; fi
}
sock="$(socket_path)"
client() { mariadb --no-defaults -S "$sock" -uroot "$@"; }
alive() { client -e 'select 1' >/dev/null 2>&1; }

case "$cmd" in
start)
    if alive; then echo "$sock"; exit 0; fi
    # A temporary folder of its own: servers of several build trees (or a
    # test's own server) must not share, and clean up, each other's files.
    mkdir -p "$dir/tmp"
    for attempt in 1 2; do
        [ -d "$dir/data/mysql" ] && break
        rm -rf "$dir/data"
        mariadb-install-db --no-defaults --datadir="$dir/data" --tmpdir="$dir/tmp" \
            --auth-root-authentication-method=normal --skip-test-db >"$dir/install.log" 2>&1 \
            || { echo "hostdb: creating the data folder failed (attempt $attempt); see $dir/install.log" >&2
                 rm -rf "$dir/data"; }
    done
    user=(); [ "$(id -u)" = 0 ] && user=(--user=root)
    setsid mariadbd --no-defaults --datadir="$dir/data" --tmpdir="$dir/tmp" --socket="$sock" --skip-networking \
        --pid-file="$dir/pid" --log-error="$dir/error.log" "${user[@]}" \
        --innodb-buffer-pool-size=256M --innodb-flush-log-at-trx-commit=0 --skip-log-bin \
        </dev/null >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 1 120); do
        if alive; then echo "$sock" > "$dir/socket.path"; echo "$sock"; exit 0; fi
        kill -0 "$server" 2>/dev/null || break # it gave up (its error log says why)
        sleep 0.5
    done
    echo "hostdb: the MariaDB server of $dir did not start; see $dir/error.log" >&2
    tail -20 "$dir/error.log" >&2 || true
    exit 1 ;;
stop)
    if alive; then client -e 'shutdown' >/dev/null 2>&1 || true; fi
    for _ in $(seq 1 60); do
        [ -f "$dir/pid" ] && kill -0 "$(cat "$dir/pid")" 2>/dev/null || exit 0
        sleep 0.5
    done
    kill "$(cat "$dir/pid")" 2>/dev/null || true ;;
socket)
    echo "$sock" ;;
create)
    name="${3:?database name}"
    client -e "DROP DATABASE IF EXISTS \`$name\`; CREATE DATABASE \`$name\` CHARACTER SET utf8mb4;"
    client "$name" < "$schema" ;;
sql)
    name="${3:?database name}"
    client "$name" ;;
*)
    echo "usage: $0 start|stop|socket|create|sql DIR [NAME]" >&2; exit 2 ;;
esac
