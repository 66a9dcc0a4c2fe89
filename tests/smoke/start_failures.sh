#!/usr/bin/env bash
# Without a display, without the Wayland plugin a Wayland display needs, or
# without glibc's GB18030 converter, the program says why in one line on
# stderr and ends with status 1; without another platform plugin it passes
# Qt's words on.
# Usage: start_failures.sh PROGRAM
set -u
binary=$1
empty=$(mktemp -d)
trap 'rmdir "$empty"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# expect_start_failure TEXT COMMAND...
expect_start_failure() {
  local expected=$1 said status
  shift
  said=$("$@" 2>&1 >/dev/null)
  status=$?
  echo "status $status: $said"
  [ "$status" -eq 1 ] && [ "$(wc -l <<<"$said")" -eq 1 ] && grep -qF "$expected" <<<"$said" ||
    fail "expected status 1 and one line with \"$expected\""
}

no_x=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
expect_start_failure "no display found (neither WAYLAND_DISPLAY nor DISPLAY is set)" "${no_x[@]}" "$binary"
expect_start_failure "the display :65000 cannot be opened" "${no_x[@]}" DISPLAY=:65000 "$binary"
expect_start_failure "the Wayland display wayland-none cannot be opened" \
  "${no_x[@]}" XDG_RUNTIME_DIR="$empty" WAYLAND_DISPLAY=wayland-none "$binary"

# With Qt's platform plugins out of sight (an empty folder mounted over them,
# in a mount namespace of this command alone) a Wayland display names the
# package that brings the missing one.
platforms=$(dirname "$(ls /usr/lib/*/qt6/plugins/platforms/libqxcb.so | head -n1)")
expect_start_failure "install the package qt6-wayland" \
  "${no_x[@]}" XDG_RUNTIME_DIR="$empty" WAYLAND_DISPLAY=wayland-0 \
  unshare --map-root-user --mount sh -c 'mount --bind "$1" "$2" && exec "$3"' sh "$empty" "$platforms" "$binary"

# A platform plugin that cannot be loaded is not a display problem: Qt's own
# words, which name the plugin, are passed on.
said=$(env DISPLAY=:65000 QT_QPA_PLATFORM=nosuch "$binary" 2>&1 >/dev/null)
status=$?
echo "status $status: $said"
[ "$status" -eq 1 ] && grep -qF "Qt could not start its platform" <<<"$said" && grep -qF '"nosuch"' <<<"$said" ||
  fail "expected status 1 and Qt's words about the plugin \"nosuch\""

# An empty folder mounted over the converter modules, in a mount namespace
# of this command alone.
gconv_module=$(ls /usr/lib/*/gconv/GB18030.so | head -n1)
[ -n "$gconv_module" ] || fail "glibc's GB18030 module not found under /usr/lib/*/gconv"
expect_start_failure "GB18030 converter cannot be opened" \
  unshare --map-root-user --mount sh -c 'mount --bind "$1" "$2" && exec "$3"' \
  sh "$empty" "$(dirname "$gconv_module")" "$binary"
