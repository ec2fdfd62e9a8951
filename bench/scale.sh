#!/bin/bash
# Checks that compile time grows linearly with input size: for each shape,
# times quorvex on N and 2N generated declarations and prints the ratio.
#   bench/scale.sh [N] [quorvex binary]
# A ratio well above 2 means something quadratic crept in.
set -euo pipefail
n=${1:-100000}
bin=${2:-build/quorvex}
gen=${GEN_IDL:-../shared/bench/gen-idl.py}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {  # prints seconds for one check of $1
    local start end
    start=$EPOCHREALTIME
    "$bin" -fno-cpp -fno-write-files "$1" >/dev/null 2>"$work/err" || {
        echo "quorvex failed on $1:" >&2; head -5 "$work/err" >&2; exit 1; }
    end=$EPOCHREALTIME
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}

printf '%-6s %10s %10s %10s %10s %6s\n' shape decls seconds decls2 seconds2 ratio
for shape in wide deep mixed; do
    python3 "$gen" --decls "$n" --shape "$shape" >"$work/a.idl"
    python3 "$gen" --decls $((2 * n)) --shape "$shape" >"$work/b.idl"
    t1=$(run "$work/a.idl")
    t2=$(run "$work/b.idl")
    ratio=$(awk -v a="$t1" -v b="$t2" 'BEGIN { printf "%.2f", (a > 0 ? b / a : 0) }')
    printf '%-6s %10d %10.2f %10d %10.2f %6s\n' "$shape" "$n" "$t1" $((2 * n)) "$t2" "$ratio"
done
