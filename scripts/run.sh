#!/usr/bin/env bash
# Builds QUILL10 and starts it.  Arguments are passed to the program (for
# example a client file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILL10_BUILD_TESTS=OFF -DQUILL10_BUILD_BENCH=OFF
cmake --build "$build" -j 2

exec "$build/bin/quill10" "$@"
