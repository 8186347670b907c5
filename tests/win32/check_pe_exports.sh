#!/bin/sh
# Checks how napSheen.dll links: a 32-bit i386 DLL with no entry point, no
# static constructors (nothing would run them), imports from KERNEL32.dll and
# msvcrt.dll only and only what the binding and the shading need from them,
# and exactly the five entry points exported under their plain names.
# Usage: check_pe_exports.sh LIBRARY [OBJDUMP]
set -u
library=$1
objdump=${2:-i686-w64-mingw32-objdump}

[ -f "$library" ] || { echo "no such file: $library" >&2; exit 2; }
status=0
dump=$("$objdump" -p "$library") || exit 2
fail() { echo "FAIL: $*"; status=1; }

printf '%s\n' "$dump" | grep -q 'file format pei-i386' || fail "not a 32-bit i386 PE file"
printf '%s\n' "$dump" | grep -Eq '^[[:space:]]+DLL$' || fail "not a DLL"
entry=$(printf '%s\n' "$dump" | awk '/^AddressOfEntryPoint/ { print $2 }')
[ "$entry" = 00000000 ] || fail "entry point at $entry: loading would run code"
if "$objdump" -h "$library" | grep -Eq ' \.(ctors|dtors|tls|CRT)'; then
  fail "static constructors, destructors or thread-local data"
fi

# "DLL: function" for every import.
imports=$(printf '%s\n' "$dump" | awk '
  /DLL Name:/ { dll = $3; next }
  /^[[:space:]]*$/ { dll = ""; next }
  dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print dll ": " $3 }')

tmpdir=$(mktemp -d) && trap 'rm -rf "$tmpdir"' EXIT
compare() { # WHAT FOUND EXPECTED...
  what=$1 found=$2; shift 2
  printf '%s\n' "$found" | sed '/^$/d' | sort > "$tmpdir/found"
  printf '%s\n' "$@" | sort > "$tmpdir/expected"
  missing=$(comm -23 "$tmpdir/expected" "$tmpdir/found" | tr '\n' ' ')
  extra=$(comm -13 "$tmpdir/expected" "$tmpdir/found" | tr '\n' ' ')
  [ -z "$missing$extra" ] || fail "$what: missing [ $missing], unexpected [ $extra]"
}

# Only the lookup and its error code from Windows; msvcrt's fprintf on its own
# stream table, and pow and sqrt. An allocator or a C++ runtime would show here.
compare imports "$imports" \
  "KERNEL32.dll: GetLastError" "KERNEL32.dll: GetProcAddress" \
  "msvcrt.dll: _iob" "msvcrt.dll: fprintf" "msvcrt.dll: pow" "msvcrt.dll: sqrt"

exports=$(printf '%s\n' "$dump" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] //p')
compare exports "$exports" miSetModuleHandle napSheen napSheen_exit napSheen_init napSheen_version

[ $status -eq 0 ] && echo "ok: $library imports from KERNEL32.dll and msvcrt.dll only and exports the five entry points"
exit $status
