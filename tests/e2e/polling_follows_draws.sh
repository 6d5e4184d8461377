#!/usr/bin/env bash
# The real program against the real provider, on the display xvfb-run made.
# The provider publishes a draw every few seconds; the welcome box is
# dismissed and the update button clicked, then the provider's request log
# must show: the history feed fetched once, the lottery API polled about every
# 8 s, and every poll asking for the draw after the one it asked for before,
# each of them published by then, so that every answer was a draw and the
# program inserted it. Ends with screenshots of the screen and of the window.
#
# Arguments: the program, the provider, the port every provider address of the
# program points at on 127.0.0.1, and the folder for the logs and screenshot.
set -euo pipefail
program=$1
provider=$2
port=$3
out=$4

interval=4           # seconds between the provider's draws, under the 8 s of polling
polls_wanted=5       # polls to see after the click: four gaps between them
poll_deadline=75     # seconds after the click to see them in

provider_log=$out/e2e-provider.log   # each line: the time it was read, then the line
program_log=$out/e2e-program.log
screenshot=$out/e2e.png             # the whole screen
window_shot=$out/e2e-window.png      # the window alone (docs/window.png is one)

# To standard error, so that it is seen also from inside a command substitution.
fail() { echo "FAIL: $*" >&2; exit 1; }
now() { echo "$EPOCHREALTIME"; }
elapsed_since() { awk -v from="$1" -v to="$EPOCHREALTIME" 'BEGIN { print to - from }'; }

work=$(mktemp -d)
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
"$provider" --port "$port" --interval "$interval" --seed 8 2>"$work/provider.err" &
provider_pid=$!

for _ in $(seq 1 100); do
  grep -q 'serving on' "$provider_log" && break
  kill -0 "$provider_pid" 2>/dev/null || { cat "$provider_log"; fail "the provider ended at once"; }
  sleep 0.1
done
grep -q 'serving on' "$provider_log" || fail "the provider does not serve on 127.0.0.1:$port"
serving=$(awk '/serving on/ { print $1; exit }' "$provider_log")

# The maker's site is opened at start: an opener of our own takes the address,
# so that no browser is started.
mkdir "$work/bin"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$work/opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
PATH="$work/bin:$PATH" "$program" >"$program_log" 2>&1 &
program_pid=$!
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

window=$(find_window "Quintara9.0" "the window titled Quintara9.0")
box=$(find_window '^提示$' "the welcome box (caption 提示)")
text_ok=0
for _ in $(seq 1 50); do
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key --clearmodifiers Return
  sleep 0.2
  if ! xdotool search --name '^提示$' >/dev/null 2>&1; then text_ok=1; break; fi
  alive "while the welcome box was up"
done
[[ $text_ok == 1 ]] || fail "the welcome box stays up after Return"
echo "welcome box dismissed"

# 按钮_更新号码: x 15..189, y 435..465 inside the left panel at 1,1 of the client area.
sleep 0.5
clicked=$(now)
xdotool mousemove --window "$window" 103 451 click 1
echo "update button clicked"

api='GET /i/lotapi\.html\?do=qkjcode&lotID=255401&issue='
while :; do
  alive "while it polled"
  polls=$(grep -cE " $api" "$provider_log" || true)
  (( polls >= polls_wanted )) && break
  (( $(elapsed_since "$clicked" | cut -d. -f1) < poll_deadline )) || break
  sleep 0.5
done
echo "$polls polls of the lottery API within $(elapsed_since "$clicked") s of the click"

import -window root "$screenshot"
import -window "$window" "$window_shot"
echo "screenshots in $screenshot and $window_shot"

# The log, judged. Draw k of today is published once the provider has run k
# intervals; it started between "launched" and the stamp of its "serving" line.
today=$(date +%y%m%d)
awk -v launched="$launched" -v serving="$serving" -v clicked="$clicked" -v interval="$interval" \
    -v wanted="$polls_wanted" -v today="$today" '
  function fail(text) { print "FAIL: " text; failed = 1 }
  function floor(x) { return x < 0 ? -int(-x + 0.999999) : int(x) }
  $2 == "GET" && $3 ~ /^\/static\/public\/ssc\/xml\/historyopen\.xml/ {
    ++feeds; if ($4 == 200) feed = $1
  }
  $2 == "GET" && $3 ~ /^\/i\/lotapi\.html/ {
    if (!match($3, /issue=[0-9]+/)) { fail("a poll without an issue: " $3); next }
    issue = substr($3, RSTART + 6, RLENGTH - 6)
    ++polls; at[polls] = $1; asked[polls] = issue; status[polls] = $4
  }
  $2 == "GET" && ($3 ~ /^\/static\/ssc\/newlyopenlist\.xml/ || $3 ~ /^\/lottery\/kcflash/) {
    ++others
  }
  END {
    if (feeds != 1 || feed == "") fail("the history feed was fetched " feeds + 0 " times, wanted once with 200")
    else printf "history feed fetched at %+.1f s from the click\n", feed - clicked
    if (polls < wanted) fail("only " polls + 0 " polls of the lottery API, wanted " wanted)
    for (i = 1; i <= polls; ++i) {
      sequence = substr(asked[i], 7) + 0
      published = floor((at[i] - serving - 0.5) / interval)
      printf "poll %d at %+.1f s: issue=%s (%d), the provider has published at least %d today\n",
             i, at[i] - clicked, asked[i], status[i], published
      if (status[i] != 200) fail("poll " i " was answered " status[i])
      if (length(asked[i]) != 9 || substr(asked[i], 1, 6) != today)
        fail("poll " i " asks for issue " asked[i] ", not one of today (" today ")")
      if (feed != "" && at[i] < feed) fail("poll " i " came before the history feed")
      if (sequence > published)
        fail("poll " i " asks for draw " sequence " before it was surely published: the test cannot tell its answer")
      if (i == 1 && feed != "") {
        # The first poll asks for the draw after the newest one in the feed.
        least = floor((feed - serving - 0.5) / interval); most = floor((feed - launched + 0.5) / interval)
        if (sequence - 1 < least || sequence - 1 > most)
          fail("the first poll asks for draw " sequence ", but the feed ended with draw " least " to " most)
      }
      if (i > 1) {
        gap = at[i] - at[i - 1]
        if (gap < 6 || gap > 12) fail(sprintf("%.1f s between polls %d and %d, wanted 6 to 12", gap, i - 1, i))
        if (sequence == previous) fail("poll " i " asks for draw " sequence " again, after a draw was answered")
        else if (sequence != previous + 1)
          fail("poll " i " asks for draw " sequence " after draw " previous ": not the next one")
      }
      previous = sequence
    }
    if (others > 0) fail(others " requests to the newly-open list or the flash data: a poll of the lottery API gave no draw")
    exit failed
  }' "$provider_log" || { echo "--- provider log ($provider_log):"; cat "$provider_log"; exit 1; }

alive "at the end of the test"
echo "PASS: the program polled the lottery API every 8 s and followed each published draw"
