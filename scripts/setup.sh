#!/usr/bin/env bash
# Installs the Debian 12 packages a job needs, and says which before it does.
#   setup.sh run    building and running the program and its tools
#   setup.sh test   that, and testing, benchmarking and fuzzing them (the default)
# Idempotent: packages already present are left alone; the package lists are
# refreshed only when something is missing.
set -euo pipefail
job=${1:-test}

run_packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
  libcurl4-openssl-dev
  libssl-dev
  libboost-regex-dev libboost-math-dev
  libicu-dev
  libcpp-httplib-dev
  nlohmann-json3-dev
  libcli11-dev
  libsqlitecpp-dev libsqlite3-dev
  libpng-dev
  fonts-noto-cjk
)
test_packages=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick
  sqlite3 iproute2
  chromium
  clang libfuzzer-14-dev libclang-rt-14-dev
)

case $job in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "setup: run or test, not $job" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
echo "setup: installing with apt-get: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
