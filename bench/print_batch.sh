#!/usr/bin/env bash
# Times quill10-cli printing CASES copies of a sample case (12 pages each)
# into a folder of PDFs in one command, the median of RUNS.
#
#   bench/print_batch.sh [BUILD_DIR=build/release] [CASES=20] [RUNS=5]
set -euo pipefail
build=${1:-build/release}
cases=${2:-20}
runs=${3:-5}
cli="$build/bin/quill10-cli"
[ -x "$cli" ] || { echo "no $cli: build the release first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/cases"
for k in $(seq "$cases"); do cp "$build/bin/samples/sole-father-pays.q10" "$work/cases/case$k.q10"; done
times=$(for _ in $(seq "$runs"); do
  rm -rf "$work/out"
  begin=$(date +%s%N)
  XDG_CONFIG_HOME="$work/config" "$cli" print "$work"/cases/*.q10 --pages 1-6,18-23 -o "$work/out/" >/dev/null 2>&1
  end=$(date +%s%N)
  [ "$(ls "$work/out" | wc -l)" -eq "$cases" ] || { echo "not every PDF was written" >&2; exit 1; }
  echo $(( (end - begin) / 1000000 ))
done | sort -n)
echo "$cases cases of 12 pages in one command: median $(echo "$times" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }') ms of $runs"
