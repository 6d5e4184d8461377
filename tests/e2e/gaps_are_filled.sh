#!/usr/bin/env bash
# The real program against the real provider, falling behind at every poll:
# the lottery API is down and the newly-open list shows only the newest draw,
# while two or three draws are published between two polls. Each poll finds a
# draw that does not follow the newest one held, so it fetches the history
# feed, which holds the draws between, and the next poll asks for the draw
# after the newest one that feed held. The provider's request log must show
# exactly that; the screenshots show the grid afterwards.
#
# Arguments: the program, the provider, the port every provider address of the
# program points at on 127.0.0.1, and the folder for the logs and screenshot.
set -euo pipefail
program=$1
provider=$2
port=$3
out=$4
name=e2e-gaps
source "$(dirname "$0")/session.sh"

interval=3           # seconds between the provider's draws: two or more per poll
polls_wanted=4
poll_deadline=60

start_provider --interval "$interval" --seed 9 --down api --list-length 1
start_program_and_reload
wait_for_polls "$polls_wanted" "$poll_deadline"
take_screenshots

awk -v launched="$launched" -v serving="$serving" -v clicked="$clicked" -v interval="$interval" \
    -v wanted="$polls_wanted" "$judge_functions"'
  $2 == "GET" && $3 ~ /^\/static\/public\/ssc\/xml\/historyopen\.xml/ {
    ++feeds; feed_at[feeds] = $1; feed_status[feeds] = $4; feeds_by_poll[polls + 0] += 1
  }
  $2 == "GET" && $3 ~ /^\/i\/lotapi\.html/ {
    ++polls; at[polls] = $1; asked[polls] = asked_issue($3)
  }
  $2 == "GET" && $3 ~ /^\/lottery\/kcflash/ { ++flashes }
  END {
    if (polls < wanted) fail("only " polls + 0 " polls of the lottery API, wanted " wanted)
    if (feeds_by_poll[0] != 1) fail("the reload fetched the feed " feeds_by_poll[0] + 0 " times")
    # The feed fetched by the reload is feed 1; poll i fetches feed i + 1.
    for (i = 1; i <= polls; ++i) {
      sequence = substr(asked[i], 7) + 0
      feed = feed_at[i]
      printf "poll %d at %+.1f s asks for draw %d; the feed before it, at %+.1f s, ended with draw %d to %d\n",
             i, at[i] - clicked, sequence, feed - clicked, least(feed), most(feed)
      if (feed_status[i] != 200) fail("feed " i " was answered " feed_status[i])
      if (sequence - 1 < least(feed) || sequence - 1 > most(feed))
        fail("poll " i " asks for draw " sequence ", not the one after the newest draw of the feed before it")
      if (i < polls && feeds_by_poll[i] != 1)
        fail("poll " i " fetched the feed " feeds_by_poll[i] + 0 " times, wanted once for its gap")
    }
    if (flashes > 0) fail(flashes " requests to the flash data: the newly-open list gave no draw")
    exit failed
  }' "$provider_log" || { echo "--- provider log ($provider_log):"; cat "$provider_log"; exit 1; }

alive "at the end of the test"
echo "PASS: every poll that fell behind fetched the feed once and went on from its newest draw"
