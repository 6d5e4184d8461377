#!/usr/bin/env bash
# Builds the program and its tests with sanitizers (scripts/sanitized_build.sh)
# and runs them:
#   address  AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/):
#            the whole unit, network and offscreen GUI suite
#   thread   ThreadSanitizer (build-tsan/): only the test programs labelled
#            threaded (tests/CMakeLists.txt), whose tests run servers,
#            requests and the waits that keep the window alive on threads
# The end-to-end tests (label e2e: the real program under Xvfb, the install)
# run in `make test`. A label that selects no test fails the run. The
# address run takes four tests at a time, as `make test` does; ThreadSanitizer
# slows every thread many times over, so its run takes two.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
kind=${1:?usage: sanitized_tests.sh address|thread}

case $kind in
  address) targets=(all) tests=(-LE '^e2e$') jobs=4 ;;
  thread)  targets=(tests_threaded) tests=(-L '^threaded$') jobs=2 ;;
  *) echo "usage: sanitized_tests.sh address|thread" >&2; exit 2 ;;
esac

# Also for the programs the build runs (the icon and the skin files).
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=suppressions=$root/tests/sanitizers/races.supp:halt_on_error=1:second_deadlock_stack=1
source scripts/sanitized_build.sh
sanitized_build "$kind" "${targets[@]}"

cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" --no-tests=error "${tests[@]}"
