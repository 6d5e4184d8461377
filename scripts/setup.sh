#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Idempotent: packages already present are left alone; the package lists are
# refreshed only when something is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
  libcurl4-openssl-dev
  libssl-dev
  libboost-regex-dev libboost-math-dev
  libicu-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcpp-httplib-dev
  nlohmann-json3-dev
  libcli11-dev
  libsqlitecpp-dev libsqlite3-dev
  libpng-dev
  fonts-noto-cjk
  xvfb xauth xdotool imagemagick
  chromium
  sqlite3
  clang libfuzzer-14-dev libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
echo "setup: installing ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
