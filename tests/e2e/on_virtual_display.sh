#!/usr/bin/env bash
# Runs a command on a virtual X display of its own, and stops the display
# after it:
#   on_virtual_display.sh COMMAND [ARGUMENT]...
# Xvfb picks a free display number itself and names it once it takes
# connections (-displayfd), so that tests and other users of the machine
# starting displays at the same time never pick the same number. The command
# starts only once the display answers a client; a display that does not
# come up is tried once more on a new number, and a failure says which
# display it was and what the server said.
set -euo pipefail

screen=1024x768x24
work=$(mktemp -d)
server_pid=""
stop_server() {
  if [[ -n $server_pid ]]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
    server_pid=""
  fi
}
trap 'stop_server; rm -rf "$work"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Starts Xvfb and waits up to 10 s for its display number, then up to 10 s
# for the display to answer; sets display, or says why not and returns 1.
start_display() {
  local attempt=$1 named=$work/display-$1 log=$work/xvfb-$1.log number=""
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$named" 2>"$log" &
  server_pid=$!
  for _ in $(seq 1 100); do
    number=$(head -n 1 "$named")
    [[ -n $number ]] && break
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -z $number ]]; then
    echo "on_virtual_display: attempt $attempt: Xvfb named no display within 10 s; it said:" >&2
    sed 's/^/  /' "$log" >&2
    stop_server
    return 1
  fi
  display=:$number
  for _ in $(seq 1 100); do
    DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "on_virtual_display: attempt $attempt: display $display of Xvfb (pid $server_pid) does not" \
       "answer xdotool getdisplaygeometry; Xvfb said:" >&2
  sed 's/^/  /' "$log" >&2
  stop_server
  return 1
}

display=""
start_display 1 || start_display 2 || { echo "FAIL: no virtual display to run on" >&2; exit 1; }
echo "on_virtual_display: running on display $display ($screen)"
status=0
DISPLAY=$display "$@" || status=$?
exit "$status"
