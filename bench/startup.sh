#!/usr/bin/env bash
# Times the window from launch to its case shown on screen (the first page
# painted), the median of RUNS starts, with a warm file cache and, as root,
# with a cold one (the page cache dropped before each start, as after a
# reboot).  The window runs on Xvfb when DISPLAY is not set.
#
#   bench/startup.sh [BUILD_DIR=build/release] [RUNS=5]
set -euo pipefail
build=${1:-build/release}
runs=${2:-5}
program="$build/bin/quill10"
case_file="$build/bin/samples/sole-father-pays.q10"
[ -x "$program" ] || { echo "no $program: build the release first (scripts/run.sh)" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true' EXIT
if [ -z "${DISPLAY:-}" ]; then
  command -v Xvfb >/dev/null || { echo "Xvfb is needed without a display (apt-get install xvfb)" >&2; exit 1; }
  Xvfb :87 -screen 0 1600x1200x24 >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:87
  sleep 1
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

start_once() {
  local begin end
  begin=$(date +%s%N)
  HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DOCUMENTS_DIR="$home/documents" QUILL10_QUIT_WHEN_SHOWN=1 \
    "$program" "$case_file" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(( (end - begin) / 1000000 ))
}

start_once >/dev/null  # the settings folder made, the file cache filled
warm=$(for _ in $(seq "$runs"); do start_once; done | median)
echo "start-up, warm file cache: median ${warm} ms of $runs"
if [ -w /proc/sys/vm/drop_caches ]; then
  cold=$(for _ in $(seq "$runs"); do sync; echo 3 > /proc/sys/vm/drop_caches; start_once; done | median)
  echo "start-up, cold file cache: median ${cold} ms of $runs"
else
  echo "start-up, cold file cache: not measured (dropping the page cache needs root)"
fi
