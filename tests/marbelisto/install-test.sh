#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and runs the installed program there with no
# help from the environment: it must find its libraries, its plug-in and its data templates on
# its own. Usage: install-test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
unset VONTARELIS_PLUGIN_DIR LD_LIBRARY_PATH

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
program=$prefix/bin/marbelisto
[ -x "$program" ] || fail "no program in $prefix/bin"
[ -f "$prefix/share/applications/marbelisto.desktop" ] || fail "no desktop entry"
[ -f "$prefix/share/icons/hicolor/scalable/apps/marbelisto.svg" ] || fail "no icon"
[ -f "$prefix/share/marbelisto/data/FormatoDespacho.txt" ] || fail "no data templates"
grep -q '^Exec=marbelisto$' "$prefix/share/applications/marbelisto.desktop" || fail "desktop entry runs something else"
desktop-file-validate "$prefix/share/applications/marbelisto.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/com.vontarelis.marbelisto.metainfo.xml" >/dev/null ||
  fail "AppStream metainfo does not validate"
man --warnings -l "$prefix/share/man/man1/marbelisto.1.gz" 2>&1 >/dev/null | grep . && fail "the manual page has warnings"
MANWIDTH=80 man -l "$prefix/share/man/man1/marbelisto.1.gz" | grep -q '^ESTADO DE SALIDA' || fail "no manual page"
plugin=$(find "$prefix" -name 'libvontarelis.so')
[ -n "$plugin" ] || fail "no plug-in"

# Every library the program and the plug-in load from this project comes from the prefix.
for binary in "$program" "$plugin"; do
  for lib in libtoolkit.so libhostlibs.so; do
    resolved=$(ldd "$binary" | awk -v lib="$lib" '$1 == lib { print $3 }')
    case "$resolved" in
      "$prefix"/*) ;;
      *) fail "$binary loads $lib from '${resolved:-nowhere}'" ;;
    esac
  done
done

# The build tree must not help: run from a folder outside it.
cd "$prefix"
"$program" --version | grep -q '^marbelisto ' || fail "--version"
"$program" init --data "$prefix/datos" --demo --invoices 120 >/dev/null
[ -f "$prefix/datos/FormatoDespacho.txt" ] || fail "init copied no templates"
out=$("$program" --data "$prefix/datos" guide-vars 1 FACTURAS NOMBRECONDUCTOR)
echo "$out"
echo "$out" | grep -q $'^FACTURAS\t[0-9]' || fail "guide-vars gave: $out"
echo "$out" | grep -q $'^NOMBRECONDUCTOR\t.' || fail "guide-vars gave: $out"
echo "installed program works from $prefix"
