#!/bin/sh
# Times the preview renderer's default scene (512x512, 16 camera samples per
# pixel) with one thread and with one per core, in one run, and prints the
# renderer's own figures beside the speed-up.
# Usage: preview_bench.sh NAPSHEEN_PREVIEW
set -eu
preview=$1
cores=$(nproc)
out=$(mktemp -d) && trap 'rm -rf "$out"' EXIT

# The renderer's last line: "...: T s, C M shading calls/s, S M light samples/s".
render() {
  "$preview" --threads "$1" -o "$out/preview.exr" 2>&1 >/dev/null | tail -n 1
}
one=$(render 1)
all=$(render "$cores")
seconds() { printf '%s\n' "$1" | sed -E 's/.*: ([0-9.]+) s,.*/\1/'; }
calls() { printf '%s\n' "$1" | sed -E 's/.* ([0-9.]+) M shading calls.*/\1/'; }
samples() { printf '%s\n' "$1" | sed -E 's/.* ([0-9.]+) M light samples.*/\1/'; }

echo
echo "== The preview renderer's default scene (512x512, 16 samples per pixel) =="
printf '  %-10s %8s %16s %18s\n' threads seconds "M shading/s" "M light samples/s"
printf '  %-10s %8s %16s %18s\n' 1 "$(seconds "$one")" "$(calls "$one")" "$(samples "$one")"
printf '  %-10s %8s %16s %18s\n' "$cores" "$(seconds "$all")" "$(calls "$all")" "$(samples "$all")"
awk -v a="$(seconds "$one")" -v b="$(seconds "$all")" -v n="$cores" \
  'BEGIN { printf "  %d threads / 1 thread: %.2fx faster  (target: under 10 s on 2 cores)\n", n, a / b }'
