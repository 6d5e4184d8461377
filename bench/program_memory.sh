#!/usr/bin/env bash
# The resident memory of the real program once it has started, with an empty
# archive and with 100,000 draws kept, each in a data folder of its own: the
# program makes the empty archive at its first start, the sqlite3 shell fills
# a copy of it. No provider serves, so the start makes no request that
# answers.
#
#   xvfb-run -a bash bench/program_memory.sh build/quintara
set -euo pipefail
program=$1
settle=${SETTLE_SECONDS:-5}   # after the window appears, for the start to end

work=$(mktemp -d)
pid=""
cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# The maker's site is opened at start: an opener of our own takes it.
mkdir "$work/bin"
printf '#!/bin/sh\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

# Starts the program over the data folder $1, waits for its window and the
# start, prints the label $2 with its resident and peak sizes, and ends it.
measure() {
  XDG_DATA_HOME=$1 XDG_CONFIG_HOME=$work/config PATH="$work/bin:$PATH" "$program" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 150); do
    xdotool search --name Quintara9.0 >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep "$settle"
  awk -v label="$2" '/^VmRSS/ { rss = $2 } /^VmHWM/ { peak = $2 }
    END { printf "%-22s resident %6.1f MiB, peak %6.1f MiB\n", label, rss / 1024, peak / 1024 }' \
    "/proc/$pid/status"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

measure "$work/empty" "empty archive"
mkdir -p "$work/full/quintara"
cp "$work"/empty/quintara/draws.sqlite* "$work/full/quintara/"  # its log too: the program was killed
# 100,000 draws, 120 a day, going back from 19 December 2019.
sqlite3 "$work/full/quintara/draws.sqlite" "
  WITH RECURSIVE n(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM n WHERE k < 99999)
  INSERT INTO draws (issue, digits, origin, recorded_at)
  SELECT strftime('%Y%m%d', '2019-12-19', '-' || (k / 120) || ' days') || '-' || printf('%03d', 120 - k % 120),
         printf('%05d', k * 7919 % 100000), 'import', 0 FROM n;"
measure "$work/full" "100,000 draws kept"
measure "$work/empty" "empty archive again"
