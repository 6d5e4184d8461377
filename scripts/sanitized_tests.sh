#!/usr/bin/env bash
# Builds the program and its tests with sanitizers and runs them:
#   address  AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/):
#            the whole unit, network and offscreen GUI suite
#   thread   ThreadSanitizer (build-tsan/): the tests of the background
#            request, the polling and the waits that keep the window alive
# The end-to-end tests under Xvfb and the install test run in `make test`.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
kind=${1:?usage: sanitized_tests.sh address|thread}

case $kind in
  address)
    build=build-asan
    sanitize=address,undefined
    tests=(-E '^(window_appears|polling_follows_draws|gaps_are_filled|install_layout)$')
    ;;
  thread)
    build=build-tsan
    sanitize=thread
    tests=(-R 'BackgroundRequest|BackgroundWait|LatestDraw|RefreshCycle|NetworkProviders|GapFilling|HttpGet|WebAccess')
    ;;
  *) echo "usage: sanitized_tests.sh address|thread" >&2; exit 2 ;;
esac

# Also for the programs the build runs (the icon and the skin files).
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=suppressions=$root/tests/sanitizers/races.supp:halt_on_error=1:second_deadlock_stack=1
cmake -S . -B "$build" -DQUINTARA_SANITIZE="$sanitize" -DQUINTARA_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j2

cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "${tests[@]}"
