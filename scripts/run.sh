#!/usr/bin/env bash
# Starts the program from the build folder given as the first argument.
set -euo pipefail
build=${1:-build}
exec "$build/quintara"
