#!/usr/bin/env bash
# Builds QUILL10 with AddressSanitizer and UndefinedBehaviorSanitizer, warnings
# as errors, and runs every test (core tests headless, window tests offscreen).
# Fails when the window tests did not run: the window is part of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILL10_SANITIZE=ON -DQUILL10_WERROR=ON \
  -DQUILL10_BUILD_GUI=ON -DQUILL10_BUILD_TESTS=ON
cmake --build "$build" -j 2

log="$build/ctest.log"
status=0
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$build" --output-on-failure -j 2 2>&1 | tee "$log" || status=$?

for required in window_tests layout_tests print_window_tests help_window_tests; do
  if ! grep -qE "Test +#[0-9]+: $required \.+ +Passed" "$log"; then
    echo "FAILED: the window test program $required did not run and pass" >&2
    status=1
  fi
done
exit "$status"
