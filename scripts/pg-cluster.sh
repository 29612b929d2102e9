#!/usr/bin/env bash
# A throwaway PostgreSQL cluster for the tests, in a folder of its own, on a loopback port.
#
#   pg-cluster.sh start DIR [ssl]
#                             creates and starts the cluster in DIR (an empty folder) and prints
#                             its URL; DIR/pgpass holds the password, for PGPASSFILE. A cluster
#                             that DIR already holds starts again on its port with its data.
#                             With "ssl" a new cluster also takes encrypted connections, with a
#                             certificate made for the name "localhost" only; DIR/root.crt is the
#                             certificate a client trusts (sslrootcert).
#   pg-cluster.sh stop DIR    stops it (the folder stays, to start again or for the caller to remove)
#
# Besides the superuser "marbelisto" (who creates the tests' databases and their tables), the
# cluster has the login "puesto", a member of the workstations' role "marbelisto_puesto": the
# tests run the dialogs as it. Its password is in DIR/pgpass as well.
#
# The server refuses to run as root: a root caller runs it as the "postgres" user that
# Debian's package creates. The password never appears on a command line.
set -euo pipefail

usage() { echo "uso: $0 start CARPETA [ssl] | stop CARPETA" >&2; exit 2; }
[ $# -eq 2 ] || [ $# -eq 3 ] && [ "${3:-ssl}" = ssl ] || usage
action=$1
dir=$(realpath -m "$2")
ssl=${3:-}
user=marbelisto
workstation=puesto
workstation_role=marbelisto_puesto

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bindir" ] || { echo "No se encontró PostgreSQL (/usr/lib/postgresql/*/bin)" >&2; exit 1; }

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

# Tests start clusters of their own while others run: each draws its port at random, below the
# kernel's range for outgoing connections, so that two starting at once rarely meet.
free_port() {
  local port tries
  for tries in $(seq 1 200); do
    port=$((20000 + RANDOM % 12000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
  echo "No hay un puerto libre para PostgreSQL" >&2
  exit 1
}

launch() {
  as_owner "$bindir/pg_ctl" -D "$dir/data" status >/dev/null 2>&1 && return 0
  as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/data/server.log" -w -t 60 \
    -o "-c listen_addresses=127.0.0.1 -p $1 -c unix_socket_directories='$dir/socket' -c fsync=off -c max_connections=200" \
    start >/dev/null
}

start() {
  if [ -f "$dir/url" ]; then
    local url port
    url=$(cat "$dir/url")
    port=$(echo "$url" | sed -E 's|.*:([0-9]+)/.*|\1|')
    launch "$port"
    ensure_workstation "$port"
    echo "$url"
    return
  fi
  mkdir -p "$dir"
  chmod 755 "$dir"
  local password port
  password=$(head -c 18 /dev/urandom | base64 | tr -d '/+=')
  mkdir -p "$dir/data" "$dir/socket"
  ( umask 077; printf '%s\n' "$password" > "$dir/pwfile" )
  [ "$(id -u)" -eq 0 ] && chown -R postgres: "$dir/data" "$dir/socket" "$dir/pwfile"
  as_owner "$bindir/initdb" -D "$dir/data" -U "$user" --pwfile="$dir/pwfile" \
    --auth=scram-sha-256 --encoding=UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
  rm -f "$dir/pwfile"
  [ -z "$ssl" ] || make_certificate
  # A cluster starting at the same moment may have taken the port in between: another one, then.
  local tries
  for tries in 1 2 3 4 5; do
    port=$(free_port)
    launch "$port" 2>/dev/null && break
    [ "$tries" -lt 5 ] || { cat "$dir/data/server.log" >&2; exit 1; }
  done
  ( umask 077; printf '*:%s:*:%s:%s\n' "$port" "$user" "$password" > "$dir/pgpass" )
  ensure_workstation "$port"
  echo "postgresql://$user@127.0.0.1:$port/postgres" | tee "$dir/url"
}

# The workstation login, made once per cluster; an older cluster gains it on its next start.
ensure_workstation() {
  local port=$1 password
  grep -q ":$workstation:" "$dir/pgpass" && return 0
  password=$(head -c 18 /dev/urandom | base64 | tr -d '/+=')
  PGPASSFILE="$dir/pgpass" psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$port" -U "$user" -d postgres >/dev/null <<SQL
SET client_min_messages = warning;
DO \$\$ BEGIN
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = '$workstation_role') THEN
    CREATE ROLE $workstation_role NOLOGIN;
  END IF;
END \$\$;
DROP ROLE IF EXISTS $workstation;
CREATE ROLE $workstation LOGIN PASSWORD '$password' IN ROLE $workstation_role;
SQL
  ( umask 077; printf '*:%s:*:%s:%s\n' "$port" "$workstation" "$password" >> "$dir/pgpass" )
}

# Self-signed: the certificate is its own authority, so a client trusting root.crt checks the name.
make_certificate() {
  openssl req -x509 -newkey rsa:2048 -nodes -days 7 -subj "/CN=localhost" \
    -addext "subjectAltName=DNS:localhost" -keyout "$dir/data/server.key" -out "$dir/data/server.crt" 2>/dev/null
  chmod 600 "$dir/data/server.key"
  [ "$(id -u)" -eq 0 ] && chown postgres: "$dir/data/server.key" "$dir/data/server.crt"
  cp "$dir/data/server.crt" "$dir/root.crt"
  echo "ssl = on" >> "$dir/data/postgresql.conf"
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
