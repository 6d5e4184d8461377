# Sourced by the end-to-end tests: the real provider and the real program on
# the test's virtual display, the welcome box dismissed and the update button
# clicked, with the provider's request log stamped line by line.
#
# The test sets before sourcing: program, provider, port (where every provider
# address of the program points on 127.0.0.1) and out (the folder for the logs
# and screenshots), and name (the stem of their file names).

provider_log=$out/$name-provider.log   # each line: the time it was read, then the line
program_log=$out/$name-program.log
screenshot=$out/$name.png              # the whole screen
window_shot=$out/$name-window.png      # the window alone (docs/window.png is one)

api_poll='GET /i/lotapi\.html\?do=qkjcode&lotID=255401&issue='

# To standard error, so that it is seen also from inside a command substitution.
fail() { echo "FAIL: $*" >&2; exit 1; }
now() { echo "$EPOCHREALTIME"; }
elapsed_since() { awk -v from="$1" -v to="$EPOCHREALTIME" 'BEGIN { print to - from }'; }

work=$(mktemp -d)
# The program's data and settings live in the test's own folder, never in
# the user's.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
program_pid=""
provider_pid=""
stamp_pid=""
cleanup() {
  local pid
  # The stamping loop too, which would otherwise wait for a provider that
  # never started; the log is read before anything ends here.
  for pid in $program_pid $provider_pid $stamp_pid; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in $program_pid $provider_pid $stamp_pid; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Starts the provider with the options given and waits until it serves; sets
# launched (just before it started) and serving (the stamp of its line).
start_provider() {
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
    fail "something already listens on 127.0.0.1:$port, where the program's providers are fixed" \
         "at configure time: stop it (a running 'make run'?) and run the test again"
  fi
  # The provider's standard error, each line stamped with the time it arrives.
  # Emptied here, before anything looks at it, not by the loop that fills it.
  : >"$provider_log"
  mkfifo "$work/provider.err"
  while IFS= read -r line; do
    printf '%s %s\n' "$EPOCHREALTIME" "$line"
  done <"$work/provider.err" >>"$provider_log" &
  stamp_pid=$!
  launched=$(now)
  "$provider" --port "$port" "$@" 2>"$work/provider.err" &
  provider_pid=$!

  for _ in $(seq 1 100); do
    grep -q 'serving on' "$provider_log" && break
    kill -0 "$provider_pid" 2>/dev/null || { cat "$provider_log"; fail "the provider ended at once"; }
    sleep 0.1
  done
  grep -q 'serving on' "$provider_log" || fail "the provider does not serve on 127.0.0.1:$port"
  serving=$(awk '/serving on/ { print $1; exit }' "$provider_log")
}

alive() { kill -0 "$program_pid" 2>/dev/null || { cat "$program_log" >&2; fail "the program ended: $1"; }; }

# The first window whose title matches $1, waited for up to 15 s; $2 names it.
find_window() {
  local found=""
  for _ in $(seq 1 150); do
    found=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
    [[ -n $found ]] && { echo "$found"; return; }
    alive "before $2 appeared"
    sleep 0.1
  done
  fail "no $2 appeared"
}

# Starts the program (its output added to the program's log) and dismisses
# the welcome box; sets window.
start_program() {
  # The maker's site is opened at start: an opener of our own takes the
  # address, so that no browser is started.
  if [[ ! -x $work/bin/xdg-open ]]; then
    mkdir -p "$work/bin"
    printf '#!/bin/sh\necho "$@" >>"%s"\n' "$work/opened" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
  fi
  PATH="$work/bin:$PATH" "$program" >>"$program_log" 2>&1 &
  program_pid=$!

  window=$(find_window "Quintara9.0" "the window titled Quintara9.0")
  local box text_ok=0
  box=$(find_window '^提示$' "the welcome box (caption 提示)")
  for _ in $(seq 1 50); do
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key --clearmodifiers Return
    sleep 0.2
    if ! xdotool search --name '^提示$' >/dev/null 2>&1; then text_ok=1; break; fi
    alive "while the welcome box was up"
  done
  [[ $text_ok == 1 ]] || fail "the welcome box stays up after Return"
  echo "welcome box dismissed"
}

# Ends the program as a logout does (SIGTERM) and waits for it.
end_program() {
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
  echo "program ended"
}

# Starts the program, dismisses the welcome box and clicks the update button;
# sets window and clicked (the moment of the click).
start_program_and_reload() {
  : >"$program_log"
  start_program
  # 按钮_更新号码: x 15..189, y 435..465 inside the left panel at 1,1 of the client area.
  sleep 0.5
  clicked=$(now)
  xdotool mousemove --window "$window" 103 451 click 1
  echo "update button clicked"
}

# Waits until $1 polls of the lottery API are in the log, or $2 seconds have
# passed since the click (or since $3, a moment); sets polls.
wait_for_polls() {
  while :; do
    alive "while it polled"
    polls=$(grep -cE " $api_poll" "$provider_log" || true)
    (( polls >= $1 )) && break
    (( $(elapsed_since "${3:-$clicked}" | cut -d. -f1) < $2 )) || break
    sleep 0.5
  done
  echo "$polls polls of the lottery API within $(elapsed_since "${3:-$clicked}") s"
}

take_screenshots() {
  import -window root "$screenshot"
  import -window "$window" "$window_shot"
  echo "screenshots in $screenshot and $window_shot"
}

# The awk functions the judging of a log shares. Draw k of today is published
# once the provider has run k intervals; it started between "launched" and the
# stamp of its "serving" line, so draw k is surely out at a moment t when
# k <= least(t), and surely not when k > most(t).
judge_functions='
  function fail(text) { print "FAIL: " text; failed = 1 }
  function floor(x) { return x < 0 ? -int(-x + 0.999999) : int(x) }
  function least(t) { return floor((t - serving - 0.5) / interval) }
  function most(t) { return floor((t - launched + 0.5) / interval) }
  function asked_issue(target) {
    if (!match(target, /issue=[0-9]+/)) return ""
    return substr(target, RSTART + 6, RLENGTH - 6)
  }
'
