#!/usr/bin/env bash
# The Debian package as an administrator and a user meet it: lintian finds no error in it, apt
# installs it with what it depends on, a new account with a fresh home makes demo books and
# prints a guide with the program in /usr/bin, and apt's purge leaves nothing of it behind but
# that account's own data. Run as root, on the package that "make package" built:
#
#   sudo scripts/check-package.sh marbelisto_VERSION_ARCH.deb
set -euo pipefail

[ $# -eq 1 ] || { echo "uso: $0 marbelisto_VERSION_ARCH.deb" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "$0 instala y purga el paquete y crea una cuenta: ejecútelo como root" >&2; exit 2; }
deb=$(realpath "$1")
fail() { echo "FALLO: $*" >&2; exit 1; }

echo "== lintian"
# lintian exits non-zero on an error; warnings are printed and left to the reader.
lintian --fail-on error "$deb"

echo "== apt-get install $deb"
export DEBIAN_FRONTEND=noninteractive
if ! apt-get install -y -qq "$deb"; then
  apt-get update -qq
  apt-get install -y -qq "$deb"
fi
installed=$(mktemp)
user=marbelisto-prueba
base=$(mktemp -d)
chmod 755 "$base"
cleanup() {
  userdel -r "$user" >/dev/null 2>&1 || true
  rm -rf "$base" "$installed"
  if dpkg-query -W -f='${Status}' marbelisto 2>/dev/null | grep -q 'install ok installed'; then
    apt-get purge -y -qq marbelisto >/dev/null || true
  fi
}
trap cleanup EXIT
dpkg -L marbelisto > "$installed"

echo "== metadata"
desktop-file-validate /usr/share/applications/marbelisto.desktop
appstreamcli validate --no-net /usr/share/metainfo/com.vontarelis.marbelisto.metainfo.xml
MANWIDTH=80 man -l /usr/share/man/man1/marbelisto.1.gz | grep -q 'marbelisto' || fail "man -l no muestra el manual"

echo "== as a new user"
userdel -r "$user" >/dev/null 2>&1 || true
useradd --create-home --home-dir "$base/home" --shell /bin/bash "$user"
as_user() {
  runuser -u "$user" -- env -i HOME="$base/home" PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
    bash -euo pipefail -c "cd ~ && $1"
}
[ "$(as_user 'command -v marbelisto')" = /usr/bin/marbelisto ] || fail "marbelisto no es /usr/bin/marbelisto"
as_user 'marbelisto --version' | grep -Eq '^marbelisto [0-9]+\.[0-9]+' || fail "marbelisto --version"
as_user 'marbelisto init --data ~/libro --demo'
as_user 'marbelisto --data ~/libro print-guide 1 --pdf ~/g.pdf'
text=$(pdftotext -layout "$base/home/g.pdf" -)
for expected in "GUÍA DE DESPACHO N° 000001" "Página 1 de"; do
  grep -qF "$expected" <<<"$text" || fail "el PDF no dice «$expected»"
done
[ -f "$base/home/libro/FormatoDespacho.txt" ] || fail "init no copió las plantillas"

echo "== apt-get purge marbelisto"
apt-get purge -y -qq marbelisto
! dpkg-query -W -f='${Status}' marbelisto 2>/dev/null | grep -q 'install ok' || fail "el paquete sigue instalado"
left=()
while IFS= read -r path; do
  [ -e "$path" ] || continue
  # A folder another package owns too (/usr/share/applications) stays, and must.
  [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1 && continue
  left+=("$path")
done < "$installed"
[ ${#left[@]} -eq 0 ] || fail "quedó tras la purga: ${left[*]}"
[ -f "$base/home/libro/marbelisto.db" ] || fail "la purga tocó los datos del usuario"
echo "package checked: $(basename "$deb")"
