#!/usr/bin/env bash
# Starts the program on the virtual display the test runs on, waits for its window by
# title, saves a screenshot and ends the program.
set -euo pipefail
program=$1
screenshot=$2

# The program's data and settings in a folder of the test's, never the user's.
home=$(mktemp -d)
export XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT

window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name "Quintara9.0" 2>/dev/null | head -n 1 || true)
  [[ -n "$window" ]] && break
  kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window appeared"; exit 1; }
  sleep 0.1
done
[[ -n "$window" ]] || { echo "no window titled Quintara9.0 appeared"; exit 1; }

title=$(xdotool getwindowname "$window")
case "$title" in
  "【Vorlen团队】Quintara9.0  诚邀代理及会员加入！信誉保障 资金安全 大额无忧 "*) ;;
  *) echo "unexpected title: $title"; exit 1 ;;
esac
read -r width height < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[1], s[2]}')
[[ "$width" == 811 && "$height" == 689 ]] || { echo "window is ${width}x${height}"; exit 1; }

sleep 1
import -window root "$screenshot"
echo "window appeared: $title (${width}x${height}); screenshot in $screenshot"
