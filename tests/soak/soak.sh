#!/usr/bin/env bash
# The soak run (make soak, through scripts/soak.sh, on a virtual display): the
# real program for a number of minutes against the bundled provider, which
# publishes a draw every second while its draw sources misbehave now and then
# (--chaos: silent, slow, malformed, wrong, closed) and its lottery API is
# down for stretches. The program polls every 8 s, so every poll is some 8
# draws behind and the gaps are filled from the history feed.
#
# The welcome box is dismissed and the update button clicked once; from then
# on the program's resident size (VmRSS) and open descriptors are sampled
# every 10 s. At the end the program is ended as a logout ends it (SIGTERM),
# the provider is stopped and writes every draw it published (--published),
# and the program's draw archive, exported with quintara-archive, is held
# against them. The run fails when
#   - the program ends before its time, or by any other signal than SIGTERM;
#   - its resident size at the end is more than 5 % above the baseline's;
#   - it holds more descriptors at the end than at the baseline;
#   - its archive misses a published draw up to its newest one, holds one
#     twice, out of order or with other digits, holds one never published,
#     fails quintara-archive check, or ends more than 150 draws behind the
#     provider (it stopped following).
# The archive stands for the grid: every draw that enters the program's
# history is recorded in the archive in the same event (a reload records the
# feed and then shows the archive's newest draws), and no screenshot of the
# grid could be read as surely.
#
# Arguments: the program, the provider, quintara-archive, the port every
# provider address of the program points at on 127.0.0.1, the folder for the
# logs and the summary, and the minutes to run (at least 2). SOAK_SEED (1
# unless set) seeds the draws and the misbehaviour.
set -euo pipefail
program=$1
provider=$2
archive_tool=$3
port=$4
out=$5
minutes=$6
seed=${SOAK_SEED:-1}
name=soak
source "$(dirname "$0")/../e2e/session.sh"

history_days=3
sample_every=10     # seconds between samples
# Draws the archive's newest may be behind the provider's at the end. The
# lottery API answers any of the last 120 draws, and a poll takes one draw
# from it, so while the provider's day is the calendar's (its first 120 draws)
# the program falls behind by some 7 draws a poll, until the draw it asks for
# is older than that and it fills the gap from the newly-open list and the
# feed.
behind_at_most=150
rss_growth_limit=5  # per cent
run_seconds=$((minutes * 60))
# The baseline: by then the program has made the reload (the whole feed parsed
# into the grid and the archive, its largest allocations), has filled its
# first gaps and met misbehaving answers, and its caches (SQLite's pages, Qt's
# fonts and pixmaps, malloc's arenas) are warm; what grows after is what it
# keeps per draw (a grid row and an archive row: well under 1 MB for 1,800
# draws) or what it leaks. Two minutes, or the first quarter of a shorter run
# (30 s of a 2-minute run), which CI makes.
baseline=$((run_seconds / 4 < 120 ? run_seconds / 4 / sample_every * sample_every : 120))
# A descriptor count taken while a request is out counts its socket (and a
# background request's wake-up pipe). No run of requests lasts a minute (5 s
# for each latest-draw source, 30 s for the feed), so the least count over
# the minute up to a moment is the program's own.
fd_window=60

samples=$out/soak-samples.txt            # each line: seconds after the click, VmRSS kB, descriptors
published=$out/soak-published.csv        # the provider's truth
kept=$out/soak-archive.csv               # the archive, exported
summary=$out/soak-summary.txt

# "seconds rss descriptors" of the program now; nothing once it has ended.
sample() {
  local rss fds
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status" 2>/dev/null) || return 0
  fds=$(find "/proc/$program_pid/fd" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l)
  echo "$1 $rss $fds"
}

rm -f "$published" "$kept" "$summary"
: >"$samples"
start_provider --interval 1 --days "$history_days" --seed "$seed" --chaos "$seed" --published "$published"
start_program_and_reload
echo "soaking for $run_seconds s: a sample every $sample_every s, the baseline at $baseline s"
for ((at = sample_every; at <= run_seconds; at += sample_every)); do
  while (( $(elapsed_since "$clicked" | cut -d. -f1) < at )); do
    alive "$(elapsed_since "$clicked" | cut -d. -f1) s into the soak"
    sleep 1
  done
  alive "$at s into the soak"
  sample "$at" >>"$samples"
  (( at % 300 == 0 )) && tail -n 1 "$samples" | awk '{ printf "%d s: %d kB resident, %d descriptors\n", $1, $2, $3 }'
done

alive "at the end of the soak"
kill -TERM "$program_pid"
ended=0
wait "$program_pid" || ended=$?
program_pid=""
(( ended == 0 || ended == 128 + 15 )) || { cat "$program_log" >&2; fail "the program ended with status $ended at SIGTERM"; }
kill -TERM "$provider_pid"
wait "$provider_pid" || fail "the provider did not stop cleanly"
provider_pid=""
wait "$stamp_pid" 2>/dev/null || true
stamp_pid=""

archive=$XDG_DATA_HOME/quintara/draws.sqlite
"$archive_tool" export --archive "$archive" --format csv >"$kept"
checked=0
"$archive_tool" check --archive "$archive" >"$work/check.txt" || checked=$?

awk -v baseline="$baseline" -v end="$run_seconds" -v window="$fd_window" \
    -v limit="$rss_growth_limit" -v behind_at_most="$behind_at_most" -v history=$((history_days * 120)) \
    -v minutes="$minutes" -v seed="$seed" -v checked="$checked" -v samples="$samples" \
    -v provider_log="$provider_log" -v published_draws="$published" -v check_report="$work/check.txt" '
  function fail(text) { failures[++failed] = text }
  function clock(seconds) { return sprintf("%d:%02d", seconds / 60, seconds % 60) }
  FILENAME == samples {
    rss[$1] = $2; fds[$1] = $3
    if ($1 > baseline - window && $1 <= baseline && (base_least == "" || $3 < base_least)) base_least = $3
    if ($1 > end - window && (end_least == "" || $3 < end_least)) end_least = $3
    next
  }
  # The provider log: stamp, method, target, status and the misdeed if any.
  FILENAME == provider_log && $2 == "GET" {
    if ($3 ~ /^\/i\/lotapi\.html/) ++polls
    if ($3 ~ /^\/static\/public\/ssc\/xml\/historyopen\.xml/) ++feeds
    if (NF >= 5) ++misdeeds[$5]
    next
  }
  FILENAME == provider_log { next }
  # What the provider published, oldest first; then what the archive holds.
  FNR == 1 { next }
  FILENAME == published_draws {
    split($0, field, ","); place[field[1]] = ++published; digits[field[1]] = field[2]; issue[published] = field[1]
    next
  }
  {
    split($0, field, ","); ++kept
    if (!(field[1] in place)) { fail("the archive holds " field[1] ", which was never published"); next }
    if (field[2] != digits[field[1]])
      fail("the archive holds " field[1] " as " field[2] ", published as " digits[field[1]])
    at = place[field[1]]
    if (at <= newest) fail("the archive holds " field[1] " twice or out of order")
    else if (at > newest + 1)
      fail("the archive misses " at - newest - 1 " draws: " issue[newest + 1] " to " issue[at - 1])
    if (at > newest) newest = at
  }
  END {
    if (!(baseline in rss) || !(end in rss)) fail("samples are missing at " clock(baseline) " or at " clock(end))
    growth = rss[baseline] > 0 ? (rss[end] - rss[baseline]) * 100 / rss[baseline] : 0
    if (growth > limit) fail(sprintf("the resident size grew by %.1f %% after %s, more than %d %%", growth, clock(baseline), limit))
    if (end_least > base_least)
      fail("descriptors grew from " base_least " to " end_least " (the least over the minute up to " clock(baseline) " and to the end)")
    behind = published - newest
    if (behind > behind_at_most) fail("the archive ends " behind " draws behind the provider: the program stopped following")
    if (checked != 0) {
      fail("quintara-archive check finds the archive wrong:")
      while ((getline line < check_report) > 0) failures[failed] = failures[failed] "\n  " line
    }

    printf "soak run: %d min, seed %d, a draw every second, the draw sources misbehaving\n", minutes, seed
    printf "draws published: %d during the run (%d with the %d of the history)\n", published - history, published, history
    printf "polls: %d (requests to the lottery API)\n", polls
    printf "gaps filled: %d (fetches of the history feed after the first)\n", feeds - 1
    printf "misbehaving answers: silent %d, slow %d, malformed %d, wrong %d, closed %d, lottery API down %d\n",
           misdeeds["silent"], misdeeds["slow"], misdeeds["malformed"], misdeeds["wrong"], misdeeds["closed"], misdeeds["down"]
    printf "resident size: %d kB at %s, %d kB at %s (%+.1f %%)\n", rss[baseline], clock(baseline), rss[end], clock(end), growth
    printf "descriptors: %d at %s, %d at %s (the least over the minute up to each: %d and %d)\n",
           fds[baseline], clock(baseline), fds[end], clock(end), base_least, end_least
    printf "draws in the archive: %d, the newest %s, %d behind the provider'\''s newest at its stop\n", kept, issue[newest], behind
    for (i = 1; i <= failed && i <= 20; ++i) print "FAIL: " failures[i]
    if (failed > 20) print "FAIL: and " failed - 20 " more"
    print failed ? "result: FAIL" : "result: PASS"
    exit failed ? 1 : 0
  }' "$samples" "$provider_log" "$published" "$kept" | tee "$summary"
status=${PIPESTATUS[0]}
echo "summary in $summary; samples, logs and the draws in $out/soak-*"
exit "$status"
