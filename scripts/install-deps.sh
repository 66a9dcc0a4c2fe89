#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the running program need.
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libboost-regex-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool imagemagick fonts-wqy-microhei
  dpkg-dev fakeroot file locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The regex tests check case folding under a Turkish locale.
if ! locale -a 2>/dev/null | grep -qix 'tr_TR\.utf-\?8'; then
  echo "Generating the tr_TR.UTF-8 locale"
  $sudo localedef -i tr_TR -f UTF-8 tr_TR.UTF-8
fi
