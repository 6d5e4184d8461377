#!/usr/bin/env bash
# The watcher's page in a real browser, as a phone shows it: headless
# Chromium opens the page of a watcher that serves with a token, against the
# real provider publishing a draw every 2 s. The page puts the newest draw in
# its title, where the browser's DevTools list shows it: it shows the newest
# draw, then a newly published one without a reload, says the connection is
# lost when the watcher ends, and follows the draws again once a watcher
# serves on the same port. Requests without the token are refused.
#
# Arguments: quintara-watch, the provider, chromium, and the port every
# provider address of the program points at on 127.0.0.1.
set -euo pipefail
watch=$1
provider=$2
chromium=$3
port=$4

fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
provider_pid=""
watch_pid=""
browser_pid=""
cleanup() {
  for pid in $browser_pid $watch_pid $provider_pid; do kill "$pid" 2>/dev/null || true; done
  for pid in $browser_pid $watch_pid $provider_pid; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
  fail "something already listens on 127.0.0.1:$port, where the providers are fixed at configure time"
fi
"$provider" --port "$port" --interval 2 --days 1 --seed 9 2>"$work/provider.log" &
provider_pid=$!
for _ in $(seq 1 100); do grep -q 'serving on' "$work/provider.log" && break; sleep 0.1; done
grep -q 'serving on' "$work/provider.log" || fail "the provider does not serve on 127.0.0.1:$port"

token=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
printf '%s\n' "$token" >"$work/token"
# Serves on 127.0.0.1:$1 (0: a port the system picks) and sets `served`.
start_watcher() {
  : >"$work/watch.err"
  "$watch" --archive "$work/draws.sqlite" --serve "127.0.0.1:$1" --token-file "$work/token" --interval 300 \
    >>"$work/watch.out" 2>"$work/watch.err" &
  watch_pid=$!
  for _ in $(seq 1 100); do grep -q 'serving on' "$work/watch.err" && break; sleep 0.1; done
  served=$(grep -o 'http://127\.0\.0\.1:[0-9]*/' "$work/watch.err") || fail "the watcher does not serve: $(cat "$work/watch.err")"
}
start_watcher 0
served_port=${served##*:}
served_port=${served_port%/}

status=$(curl -s -o /dev/null -w '%{http_code}' "${served}api/draws")
[[ $status == 401 ]] || fail "a request without the token was answered $status"
status=$(curl -s -o /dev/null -w '%{http_code}' -H "Authorization: Bearer wrong$token" "${served}health")
[[ $status == 401 ]] || fail "a request with a wrong token was answered $status"

HOME=$work "$chromium" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync --user-data-dir="$work/browser" \
  --remote-debugging-port=0 --window-size=390,844 "${served}?token=$token" >"$work/browser.log" 2>&1 &
browser_pid=$!
for _ in $(seq 1 100); do [[ -s $work/browser/DevToolsActivePort ]] && break; sleep 0.1; done
devtools=$(head -n 1 "$work/browser/DevToolsActivePort" 2>/dev/null) || fail "Chromium opened no DevTools port"

# The page's title as the DevTools list has it.
page_title() {
  curl -s "http://127.0.0.1:$devtools/json/list" | grep -o '"title": "[^"]*手机看盘"' | head -n 1 | cut -d'"' -f4 || true
}
# Waits up to $2 seconds for a title that matches the pattern $1; prints it.
title_matching() {
  local title=""
  for _ in $(seq 1 $(($2 * 5))); do
    title=$(page_title)
    [[ $title =~ $1 ]] && { echo "$title"; return 0; }
    sleep 0.2
  done
  fail "the page's title \"$title\" did not come to match $1 in $2 s"
}
draw='([0-9]{8}-[0-9]{3}) ([0-9]{5}) · 手机看盘$'

first=$(title_matching "^$draw" 20)
[[ $first =~ $draw ]]
first_issue=${BASH_REMATCH[1]}
curl -s -H "Authorization: Bearer $token" "${served}api/draws?limit=5" | grep -q "\"issue\":\"$first_issue\",\"digits\":\"${BASH_REMATCH[2]}\"" ||
  fail "the page shows $first, which is not among the watcher's newest draws"
echo "the page shows $first"

# A draw published after the page opened comes into it without a reload.
later=""
for _ in $(seq 1 100); do
  later=$(title_matching "^$draw" 5)
  [[ $later =~ $draw ]]
  [[ ${BASH_REMATCH[1]} > $first_issue ]] && break
  sleep 0.2
done
[[ $later =~ $draw ]]
[[ ${BASH_REMATCH[1]} > $first_issue ]] || fail "no newer draw came into the page after $first"
later_issue=${BASH_REMATCH[1]}
curl -s -H "Authorization: Bearer $token" "${served}api/draws?limit=5" | grep -q "\"issue\":\"$later_issue\",\"digits\":\"${BASH_REMATCH[2]}\"" ||
  fail "the page shows $later, which is not among the watcher's newest draws"
echo "then $later, without a reload"

# The watcher ends: the page says the connection is lost.
kill -TERM "$watch_pid"
wait "$watch_pid" || fail "the watcher ended with $? on SIGTERM"
watch_pid=""
lost=$(title_matching "^连接已断开，重连中 · $draw" 10)
echo "after the watcher ended: $lost"

# A watcher serves on the same port again: the page follows it by itself.
start_watcher "$served_port"
again=$(title_matching "^$draw" 20)
[[ $again =~ $draw ]]
[[ ! ${BASH_REMATCH[1]} < $later_issue ]] || fail "after the reconnection the page shows $again, older than $later"
echo "reconnected: $again"
