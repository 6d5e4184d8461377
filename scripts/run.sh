#!/usr/bin/env bash
# Starts the program from the build folder given as the first argument.
#
# When the program's provider address (QUINTARA_PROVIDER in the build's cache)
# is on loopback and nothing listens there yet, the bundled provider is started
# in the background first, its request log in <build>/provider.log, and stopped
# again when the program ends. QUINTARA_PROVIDER_ARGS adds options for it, for
# example QUINTARA_PROVIDER_ARGS="--interval 10 --down api".
set -euo pipefail
build=${1:-build}
program=$build/quintara
provider=$build/quintara-provider
provider_log=$build/provider.log

say() { echo "run.sh: $*" >&2; }

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  say "no display: DISPLAY and WAYLAND_DISPLAY are both empty."
  say "Start it from a desktop session, or on a virtual one: xvfb-run -a make run"
  exit 1
fi
[[ -x $program ]] || { say "$program is missing: build first (make run does)"; exit 1; }

address=$(sed -n 's/^QUINTARA_PROVIDER:STRING=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
address=${address:-127.0.0.1:18350}
host=${address%:*}
port=${address##*:}

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

provider_pid=""
stop_provider() {
  if [[ -n $provider_pid ]]; then
    kill "$provider_pid" 2>/dev/null || true
    wait "$provider_pid" 2>/dev/null || true
    provider_pid=""
  fi
}
trap stop_provider EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

if [[ $host != 127.0.0.1 && $host != localhost ]] || [[ $port == "$address" ]]; then
  say "the program's providers are at $address: no bundled provider started"
elif listening; then
  say "something already listens on 127.0.0.1:$port: using it as the provider"
else
  [[ -x $provider ]] || { say "$provider is missing: build first (make run does)"; exit 1; }
  # shellcheck disable=SC2086  # the extra options are words on purpose
  "$provider" --port "$port" ${QUINTARA_PROVIDER_ARGS:-} 2>"$provider_log" &
  provider_pid=$!
  for _ in $(seq 1 50); do
    listening && break
    if ! kill -0 "$provider_pid" 2>/dev/null; then
      wait "$provider_pid" 2>/dev/null || true
      provider_pid=""
      say "the provider ended at once; its log, $provider_log:"
      cat "$provider_log" >&2
      exit 1
    fi
    sleep 0.1
  done
  listening || { say "the provider does not listen on 127.0.0.1:$port; see $provider_log"; exit 1; }
  say "provider started on 127.0.0.1:$port (pid $provider_pid), its log in $provider_log"
fi

status=0
"$program" || status=$?
exit "$status"
