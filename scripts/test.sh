#!/usr/bin/env bash
# Builds QUILL10 with AddressSanitizer and UndefinedBehaviorSanitizer, warnings
# as errors, and runs every test (core tests headless, window tests offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILL10_SANITIZE=ON -DQUILL10_WERROR=ON
cmake --build "$build" -j 2
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$build" --output-on-failure -j 2
