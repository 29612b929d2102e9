#!/usr/bin/env bash
# A throwaway PostgreSQL cluster for the tests, in a folder of its own, on a loopback port.
#
#   pg-cluster.sh start DIR   creates and starts the cluster in DIR (an empty folder) and prints
#                             its URL; DIR/pgpass holds the password, for PGPASSFILE. A cluster
#                             that DIR already holds starts again on its port with its data.
#   pg-cluster.sh stop DIR    stops it (the folder stays, to start again or for the caller to remove)
#
# The server refuses to run as root: a root caller runs it as the "postgres" user that
# Debian's package creates. The password never appears on a command line.
set -euo pipefail

usage() { echo "uso: $0 start|stop CARPETA" >&2; exit 2; }
[ $# -eq 2 ] || usage
action=$1
dir=$(realpath -m "$2")
user=marbelisto

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bindir" ] || { echo "No se encontró PostgreSQL (/usr/lib/postgresql/*/bin)" >&2; exit 1; }

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

free_port() {
  local port
  for port in $(seq 55432 55532); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
  echo "No hay un puerto libre para PostgreSQL" >&2
  exit 1
}

launch() {
  as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/data/server.log" -w -t 60 \
    -o "-c listen_addresses=127.0.0.1 -p $1 -c unix_socket_directories='$dir/socket' -c fsync=off -c max_connections=200" \
    start >/dev/null
}

start() {
  if [ -f "$dir/url" ]; then
    local url
    url=$(cat "$dir/url")
    launch "$(echo "$url" | sed -E 's|.*:([0-9]+)/.*|\1|')"
    echo "$url"
    return
  fi
  mkdir -p "$dir"
  chmod 755 "$dir"
  local password port
  password=$(head -c 18 /dev/urandom | base64 | tr -d '/+=')
  port=$(free_port)
  mkdir -p "$dir/data" "$dir/socket"
  ( umask 077; printf '%s\n' "$password" > "$dir/pwfile" )
  [ "$(id -u)" -eq 0 ] && chown -R postgres: "$dir/data" "$dir/socket" "$dir/pwfile"
  as_owner "$bindir/initdb" -D "$dir/data" -U "$user" --pwfile="$dir/pwfile" \
    --auth=scram-sha-256 --encoding=UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
  rm -f "$dir/pwfile"
  launch "$port"
  ( umask 077; printf '127.0.0.1:%s:*:%s:%s\n' "$port" "$user" "$password" > "$dir/pgpass" )
  echo "postgresql://$user@127.0.0.1:$port/postgres" | tee "$dir/url"
}

stop() {
  [ -f "$dir/data/postmaster.pid" ] || return 0
  as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) usage ;;
esac
