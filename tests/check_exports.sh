#!/bin/sh
# Checks how a built napSheen.so binds: no DT_NEEDED entry, exactly the four
# entry points exported, and nothing undefined but the five host functions,
# pow and sqrt. An undefined malloc, operator new or __cxa_* would mean the
# shading path allocates or needs the C++ runtime, so this is also that proof.
# Usage: check_exports.sh LIBRARY [READELF]
set -u
library=$1
readelf=${2:-readelf}

[ -f "$library" ] || { echo "no such file: $library" >&2; exit 2; }
status=0

needed=$("$readelf" -d -W "$library" | awk '/\(NEEDED\)/ { print $NF }')
if [ -n "$needed" ]; then
  echo "FAIL: DT_NEEDED entries: $needed"
  status=1
fi

soname=$("$readelf" -d -W "$library" | awk '/\(SONAME\)/ { print $NF }')
if [ "$soname" != "[napSheen.so]" ]; then
  echo "FAIL: SONAME is '${soname:-none}', expected [napSheen.so]"
  status=1
fi

# Dynamic symbols as "defined|undefined NAME", versions stripped.
symbols=$("$readelf" --dyn-syms -W "$library" | awk '
  $1 ~ /^[0-9]+:$/ && $8 != "" && $5 != "LOCAL" {
    name = $8; sub(/@.*/, "", name)
    print ($7 == "UND" ? "undefined" : "defined"), name
  }')

tmpdir=$(mktemp -d) && trap 'rm -rf "$tmpdir"' EXIT

compare() { # KIND EXPECTED...
  kind=$1; shift
  printf '%s\n' "$symbols" | awk -v k="$kind" '$1 == k { print $2 }' | sort > "$tmpdir/found"
  printf '%s\n' "$@" | sort > "$tmpdir/expected"
  missing=$(comm -23 "$tmpdir/expected" "$tmpdir/found" | tr '\n' ' ')
  extra=$(comm -13 "$tmpdir/expected" "$tmpdir/found" | tr '\n' ' ')
  if [ -n "$missing$extra" ]; then
    echo "FAIL: $kind symbols: missing [ $missing], unexpected [ $extra]"
    status=1
  fi
}

compare defined napSheen napSheen_init napSheen_exit napSheen_version
compare undefined mi_phen_eval mi_inclusive_lightlist mi_exclusive_lightlist mi_sample_light \
  mi_compute_irradiance pow sqrt

[ $status -eq 0 ] && echo "ok: $library binds as a host-loaded shader"
exit $status
