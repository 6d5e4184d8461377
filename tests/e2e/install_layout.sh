#!/usr/bin/env bash
# Installs the build into a scratch root and checks the layout: the program
# in a directory of its own with its skin library, a link on the PATH, the
# tools, the desktop entry and the icon.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr > /dev/null
prefix="$root/usr"

fail() { echo "install layout: $*"; exit 1; }

[[ -x "$prefix/lib/quintara/quintara" ]] || fail "no program in lib/quintara"
[[ -f "$prefix/lib/quintara/hrttp.dll" ]] || fail "no skin library beside the program"
[[ -L "$prefix/bin/quintara" ]] || fail "bin/quintara is not a link"
[[ "$(readlink -f "$prefix/bin/quintara")" == "$(readlink -f "$prefix/lib/quintara/quintara")" ]] ||
  fail "bin/quintara does not lead to the program"
for tool in quintara-stats quintara-fetch quintara-provider quintara-chart quintara-archive quintara-watch; do
  [[ -x "$prefix/bin/$tool" ]] || fail "no $tool"
done
unit="$prefix/lib/systemd/user/quintara-watch.service"
[[ -f "$unit" ]] || fail "no systemd user unit for the watcher"
grep -qx 'ExecStart=/usr/bin/quintara-watch --serve 127.0.0.1:8350 $QUINTARA_PUSH' "$unit" || fail "the unit does not start the installed watcher"
nm -D --defined-only "$prefix/lib/quintara/hrttp.dll" | grep -q ' SkinH_AttachEx$' ||
  fail "the skin library does not export SkinH_AttachEx"

entry="$prefix/share/applications/quintara.desktop"
[[ -f "$entry" ]] || fail "no desktop entry"
grep -qx 'Exec=quintara' "$entry" || fail "the desktop entry does not start quintara"
grep -qx 'Icon=quintara' "$entry" || fail "the desktop entry names no icon"
icon="$prefix/share/icons/hicolor/128x128/apps/quintara.png"
[[ "$(identify -format '%w %h' "$icon")" == "128 128" ]] || fail "the icon is not 128 x 128"

# The installed tools run from their place.
printf '<row expect="181101001" opencode="1,2,3,4,5" opentime="x"/>\n' |
  "$prefix/bin/quintara-stats" - | grep -q '^\[超级列表框_万遗漏\]$' || fail "quintara-stats does not run"
printf 'issue,digits\n20181101-001,12345\n' > "$root/draws.csv"
"$prefix/bin/quintara-archive" import --archive "$root/draws.sqlite" "$root/draws.csv" |
  grep -q ': 1 added, 0 held, 0 conflicting, 0 rejected$' || fail "quintara-archive does not run"
echo "install layout ok"
