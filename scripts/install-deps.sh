#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the running program need,
# and the tr_TR.UTF-8 locale the regex tests fold case under.
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libboost-regex-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool xclip libx11-dev imagemagick fonts-wqy-microhei qt6-translations-l10n
  dpkg-dev fakeroot file lintian appstream desktop-file-utils locales
  qt6-base-private-dev qt6-svg-dev fonts-noto-cjk x11-xserver-utils
  qt6-wayland weston dbus-daemon at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
turkish_missing=0
locale -a 2>/dev/null | grep -qix 'tr_TR\.utf-\?8' || turkish_missing=1
[ ${#missing[@]} -eq 0 ] && [ "$turkish_missing" -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Installing what is missing needs root, and sudo is not available. As root, run:" >&2
    [ ${#missing[@]} -eq 0 ] || echo "  apt-get install ${missing[*]}" >&2
    [ "$turkish_missing" -eq 0 ] || echo "  localedef -i tr_TR -f UTF-8 tr_TR.UTF-8" >&2
    exit 1
  fi
  sudo="sudo"
fi
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ "$turkish_missing" -eq 1 ]; then
  echo "Generating the tr_TR.UTF-8 locale"
  $sudo localedef -i tr_TR -f UTF-8 tr_TR.UTF-8
fi
