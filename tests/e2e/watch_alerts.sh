#!/usr/bin/env bash
# quintara-watch against the real provider, publishing a draw every second:
# the rules read from a file fire at the first evaluation and again as new
# draws arrive, each alert one JSON line, the command given runs for each with
# the alert in its environment, the archive holds the draws, and SIGTERM ends
# the watcher at once. Bad rules, and nothing to be had, end it with 2 and 1.
#
# Arguments: quintara-watch, the provider, quintara-archive, and the port
# every provider address of the program points at on 127.0.0.1.
set -euo pipefail
watch=$1
provider=$2
archive_tool=$3
port=$4

fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
provider_pid=""
watch_pid=""
cleanup() {
  for pid in $watch_pid $provider_pid; do kill "$pid" 2>/dev/null || true; done
  for pid in $watch_pid $provider_pid; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

archive=$work/draws.sqlite

# Nothing to be had: no provider and an empty archive.
status=0
"$watch" --archive "$archive" --once >"$work/none.out" 2>"$work/none.err" || status=$?
[[ $status == 1 ]] || fail "with no provider and no draws kept the watcher ended with $status, not 1"
grep -q "no draws could be had" "$work/none.err" || fail "no reason for ending with 1: $(cat "$work/none.err")"

# Bad rules: refused with the element's place, nothing watched.
echo '[{"list":"*","item":"*","when":"record"},{"list":"超级列表框_万","item":"7","when":"record"}]' \
  >"$work/bad.json"
status=0
"$watch" --archive "$archive" --rules "$work/bad.json" --once 2>"$work/bad.err" || status=$?
[[ $status == 2 ]] || fail "bad rules ended the watcher with $status, not 2"
grep -q "rule 1: no list is called 超级列表框_万" "$work/bad.err" || fail "bad rules: $(cat "$work/bad.err")"

# Another program's database is left as it is, byte for byte; a folder that
# does not exist is not made.
sqlite3 "$work/contacts.sqlite" 'CREATE TABLE contacts (name TEXT)'
before=$(sha256sum <"$work/contacts.sqlite")
status=0
"$watch" --archive "$work/contacts.sqlite" --once >/dev/null 2>"$work/foreign.err" || status=$?
[[ $status == 1 ]] || fail "another program's database ended the watcher with $status, not 1"
grep -q "contacts.sqlite: another program's database" "$work/foreign.err" || fail "foreign: $(cat "$work/foreign.err")"
[[ $(sha256sum <"$work/contacts.sqlite") == "$before" ]] || fail "another program's database was written"
status=0
"$watch" --archive "$work/nowhere/draws.sqlite" --once >/dev/null 2>"$work/nowhere.err" || status=$?
[[ $status == 1 && ! -e $work/nowhere ]] || fail "a missing folder: status $status, $(cat "$work/nowhere.err")"

if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
  fail "something already listens on 127.0.0.1:$port, where the providers are fixed at configure time"
fi
"$provider" --port "$port" --interval 1 --days 1 --seed 5 2>"$work/provider.log" &
provider_pid=$!
for _ in $(seq 1 100); do grep -q 'serving on' "$work/provider.log" && break; sleep 0.1; done
grep -q 'serving on' "$work/provider.log" || fail "the provider does not serve on 127.0.0.1:$port"

# Every digit at 万 that the newest draw does not show: the first evaluation
# fires for them, and each new draw for the digit its predecessor showed.
echo '[{"list":"超级列表框_万遗漏","item":"*","when":"current","at_least":1}]' >"$work/rules.json"
"$watch" --archive "$archive" --rules "$work/rules.json" --interval 500 \
  --exec 'printf "%s|%s\n" "$QUINTARA_ALERT_TEXT" "$QUINTARA_ALERT" >>"'"$work"'/commands"' \
  >"$work/alerts" 2>"$work/watch.err" &
watch_pid=$!
sleep 8
kill -0 "$watch_pid" 2>/dev/null || fail "the watcher ended by itself: $(cat "$work/watch.err")"
kill -TERM "$watch_pid"
stopped_at=$EPOCHREALTIME
status=0
wait "$watch_pid" || status=$?
took=$(awk -v from="$stopped_at" -v to="$EPOCHREALTIME" 'BEGIN { print to - from }')
watch_pid=""
[[ $status == 0 ]] || fail "SIGTERM ended the watcher with $status: $(cat "$work/watch.err")"
awk -v took="$took" 'BEGIN { exit !(took < 1) }' || fail "SIGTERM took ${took} s to end the watcher"
echo "SIGTERM ended the watcher in $took s"

lines=$(wc -l <"$work/alerts")
(( lines >= 2 )) || fail "only $lines alert lines: $(cat "$work/alerts")"
grep -vq '^{"time":"[0-9T:+-]*","issue":"[0-9]\{8\}-[0-9]\{3\}","rule":0,"list":"超级列表框_万遗漏","item":"[0-9]","current":[0-9]*,"longest":[0-9]*,"chance":[0-9.e-]*,"text":"万位 [0-9] 已遗漏 [0-9]* 期（最大遗漏 [0-9]* 期，遗漏概率 [0-9.]*%）"}$' \
  "$work/alerts" && fail "an alert line of another shape: $(grep -v '"rule":0' "$work/alerts" | head -n 1)"
issues=$(grep -o '"issue":"[0-9-]*"' "$work/alerts" | sort -u | wc -l)
(( issues >= 2 )) || fail "no alert fired after a draw published while the watcher ran"
[[ $(wc -l <"$work/commands") == "$lines" ]] || fail "the command ran $(wc -l <"$work/commands") times for $lines alerts"
grep -q '^万位 [0-9] 已遗漏 .*|{"time":' "$work/commands" || fail "the command had no alert in its environment"

# The archive holds what the watcher polled.
held=$("$archive_tool" info --archive "$archive" --format json | grep -o '"draws":[0-9]*' | cut -d: -f2)
newest=$(grep -o '"issue":"[0-9-]*"' "$work/alerts" | tail -n 1 | cut -d'"' -f4)
"$archive_tool" export --archive "$archive" --format csv | grep -q "^$newest," ||
  fail "the archive does not hold $newest, the newest issue alerted"
echo "$lines alerts over $issues issues; the archive holds $held draws up to $newest"

# A slow command runs beside the polling: the draws keep being recorded while
# it sleeps, and SIGTERM still ends the watcher at once.
"$watch" --archive "$archive" --rules "$work/rules.json" --interval 500 --exec 'sleep 30' \
  >"$work/slow-alerts" 2>"$work/slow-watch.err" &
watch_pid=$!
sleep 6
kill -TERM "$watch_pid"
status=0
wait "$watch_pid" || status=$?
watch_pid=""
[[ $status == 0 ]] || fail "SIGTERM with a command running ended the watcher with $status"
# The newest issue when the first alert fired, and the command began to sleep.
first=$(head -n 1 "$work/slow-alerts" | grep -o '"issue":"[0-9-]*"' | cut -d'"' -f4)
[[ -n $first ]] || fail "no alert started the slow command: $(cat "$work/slow-watch.err")"
recorded=$("$archive_tool" export --archive "$archive" --format csv | awk -F, -v after="$first" '$1 > after' | wc -l)
(( recorded >= 3 )) || fail "only $recorded draws were recorded while the command slept"
echo "$recorded draws recorded while a slow command ran"

# A command that runs too long is stopped after 10 s, and the watcher goes on.
status=0
# Only the first alert's command lingers.
"$watch" --archive "$archive" --rules "$work/rules.json" --once \
  --exec "[ -e $work/first ] && exit 0; touch $work/first; sleep 60; touch $work/late" \
  >/dev/null 2>"$work/slow.err" || status=$?
[[ $status == 0 ]] || fail "--once with a slow command ended with $status"
[[ ! -e $work/late ]] || fail "the slow command was not stopped"
grep -q "ran for 10 s and was stopped" "$work/slow.err" || fail "the slow command's stop was not said"
echo "the slow command was stopped"
