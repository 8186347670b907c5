#!/bin/sh
# Runs a Windows program under Wine in the build tree's own prefix, headless:
# no debug channels, no Mono or Gecko installation, no dialog.
# Usage: wine-run.sh PREFIX --init            creates (or recreates) the prefix
#        wine-run.sh PREFIX PROGRAM [ARG...]  runs PROGRAM, with its exit status
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ "${1:-}" = --init ]; then
  rm -rf "$prefix"
  wineboot --init
  wineserver --wait
  exit 0
fi
if [ ! -f "$prefix/system.reg" ]; then
  echo "wine-run.sh: no Wine prefix at $prefix (build the tree first)" >&2
  exit 2
fi
exec wine "$@"
