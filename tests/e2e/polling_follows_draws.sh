#!/usr/bin/env bash
# The real program against the real provider, on a virtual display of its own.
# The provider publishes a draw every few seconds; the welcome box is
# dismissed and the update button clicked, then the provider's request log
# must show: the history feed fetched once, the lottery API polled about every
# 8 s, and every poll asking for the draw after the one it asked for before,
# each of them published by then, so that every answer was a draw and the
# program inserted it; then screenshots of the screen and of the window. Then
# the program is ended and started again: its archive, read with the sqlite3
# shell, holds the feed's and the polled draws, and without a click the
# program polls for the draw after the newest one kept, so its grid holds them.
#
# Arguments: the program, the provider, the port every provider address of the
# program points at on 127.0.0.1, and the folder for the logs and screenshot.
set -euo pipefail
program=$1
provider=$2
port=$3
out=$4
name=e2e
source "$(dirname "$0")/session.sh"

interval=4           # seconds between the provider's draws, under the 8 s of polling
polls_wanted=5       # polls to see after the click: four gaps between them
poll_deadline=75     # seconds after the click to see them in

start_provider --interval "$interval" --seed 8
start_program_and_reload
wait_for_polls "$polls_wanted" "$poll_deadline"
take_screenshots

today=$(date +%y%m%d)
awk -v launched="$launched" -v serving="$serving" -v clicked="$clicked" -v interval="$interval" \
    -v wanted="$polls_wanted" -v today="$today" "$judge_functions"'
  $2 == "GET" && $3 ~ /^\/static\/public\/ssc\/xml\/historyopen\.xml/ {
    ++feeds; if ($4 == 200) feed = $1
  }
  $2 == "GET" && $3 ~ /^\/i\/lotapi\.html/ {
    issue = asked_issue($3)
    if (issue == "") { fail("a poll without an issue: " $3); next }
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
      published = least(at[i])
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
        if (sequence - 1 < least(feed) || sequence - 1 > most(feed))
          fail("the first poll asks for draw " sequence ", but the feed ended with draw " least(feed) " to " most(feed))
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

alive "before the restart"
echo "the program polled the lottery API every 8 s and followed each published draw"

end_program
archive=$XDG_DATA_HOME/quintara/draws.sqlite
[[ $(sqlite3 "$archive" "PRAGMA integrity_check") == ok ]] || fail "the archive is damaged"
feed_kept=$(sqlite3 "$archive" "SELECT count(*) FROM draws WHERE origin = 'feed'")
api_kept=$(sqlite3 "$archive" "SELECT count(*) FROM draws WHERE origin = 'api'")
newest_kept=$(sqlite3 "$archive" "SELECT max(issue) FROM draws")
echo "the archive keeps $feed_kept draws of the feed and $api_kept of the lottery API, the newest $newest_kept"
(( feed_kept > 0 )) || fail "the archive keeps no draw of the feed"
(( api_kept >= polls_wanted )) || fail "the archive keeps $api_kept polled draws, wanted $polls_wanted"
# The issue a poll asks for after the newest one kept, as the lottery API
# names it (yymmdd and the sequence).
sequence=$((10#${newest_kept:9:3}))
if (( sequence == 120 )); then
  next_asked=$(date -d "${newest_kept:0:8} +1 day" +%y%m%d)001
else
  next_asked=${newest_kept:2:6}$(printf '%03d' $((sequence + 1)))
fi

polls=$(grep -cE " $api_poll" "$provider_log" || true)  # all before the restart
restarted=$(now)
start_program
dismissed=$(now)
wait_for_polls $((polls + 2)) 40 "$restarted"
import -window "$window" "$out/$name-restart-window.png"
awk -v restarted="$restarted" -v dismissed="$dismissed" -v next_asked="$next_asked" "$judge_functions"'
  $1 < restarted { next }
  $2 == "GET" && $3 ~ /^\/static\/public\/ssc\/xml\/historyopen\.xml/ { ++feeds }
  $2 == "GET" && $3 ~ /^\/i\/lotapi\.html/ && polls++ == 0 { first_at = $1; first = asked_issue($3) }
  END {
    if (polls < 2) fail("only " polls + 0 " polls after the restart, wanted 2")
    printf "restarted: first poll %+.1f s after the welcome box, issue=%s\n", first_at - dismissed, first
    if (feeds > 0) fail("the restarted program fetched the feed " feeds " times without a click")
    if (first != next_asked) fail("the first poll after the restart asks for " first ", not " next_asked)
    if (first_at - dismissed > 14) fail("the first poll came " first_at - dismissed " s after the welcome box")
    exit failed
  }' "$provider_log" || { echo "--- provider log ($provider_log):"; cat "$provider_log"; exit 1; }

alive "at the end of the test"
echo "PASS: the program polled the lottery API every 8 s and followed each published draw, and started again from the draws it kept"
