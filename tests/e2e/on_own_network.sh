#!/usr/bin/env bash
# Runs a command in a network namespace of its own with its loopback up:
#   on_own_network.sh COMMAND [ARGUMENT]...
# The program's provider port is fixed at configure time; each end-to-end
# test that serves on it does so on a loopback of its own, so that they run
# beside each other and beside a `make run`.
set -euo pipefail
exec unshare --net --map-root-user bash -c 'ip link set lo up && exec "$@"' on_own_network "$@"
