#!/usr/bin/env bash
# make soak: the soak run of tests/soak/soak.sh for SOAK_MINUTES minutes (30
# unless set) with the program, the provider and quintara-archive of the
# build folder given as the first argument, on a virtual display of its own
# (xvfb-run -a takes a free display number).
#
# The provider must serve where the program's providers are fixed: every host
# at QUINTARA_PROVIDER, on 127.0.0.1. When user namespaces allow it, the run
# gets a network of its own whose loopback only it uses, so that a `make run`
# or the end-to-end tests on the same port and the soak leave each other
# alone; otherwise, or with SOAK_NETWORK=shared, it shares the machine's
# loopback and fails at once when something listens on that port, as the
# end-to-end tests do.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
minutes=${SOAK_MINUTES:-30}

say() { echo "soak.sh: $*" >&2; }

[[ $minutes =~ ^[1-9][0-9]*$ ]] || { say "SOAK_MINUTES wants a whole number of minutes, not \"$minutes\""; exit 2; }
for tool in quintara quintara-provider quintara-archive; do
  [[ -x $build/$tool ]] || { say "$build/$tool is missing: build first (make soak does)"; exit 1; }
done

cache=$build/CMakeCache.txt
address=$(sed -n 's/^QUINTARA_PROVIDER:STRING=//p' "$cache")
if [[ ! $address =~ ^127\.0\.0\.1:([0-9]+)$ ]] ||
   grep -qE '^QUINTARA_(HISTORY|API|LIST|FLASH|VERSION|BANNER)_HOST:STRING=.' "$cache"; then
  say "the program's providers are not all the loopback address of QUINTARA_PROVIDER ($address):"
  say "the bundled provider cannot stand in for them"
  exit 1
fi
port=${BASH_REMATCH[1]}

run=(xvfb-run -a -s "-screen 0 1024x768x24"
     env QT_QPA_PLATFORM=xcb
     bash tests/soak/soak.sh "$build/quintara" "$build/quintara-provider" "$build/quintara-archive"
     "$port" "$build" "$minutes")

# The namespace's loopback starts down: bringing it up is the probe.
if [[ ${SOAK_NETWORK:-own} == own ]] && unshare --net --map-root-user ip link set lo up 2>/dev/null; then
  say "running in a network namespace of its own"
  exec unshare --net --map-root-user bash -c 'ip link set lo up && exec "$@"' soak "${run[@]}"
fi
exec "${run[@]}"
