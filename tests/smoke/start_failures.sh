#!/usr/bin/env bash
# The program cannot start without a display or without glibc's GB18030
# converter: each time it says why in one line on stderr and ends with status 1.
# Usage: start_failures.sh PROGRAM
set -u
binary=$1
empty=$(mktemp -d)
trap 'rmdir "$empty"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# expect_start_failure TEXT COMMAND...: COMMAND ends with status 1 and
# writes one line to stderr, which contains TEXT.
expect_start_failure() {
  local expected=$1 said status
  shift
  said=$("$@" 2>&1 >/dev/null)
  status=$?
  echo "status $status: $said"
  [ "$status" -eq 1 ] || fail "status $status, expected 1"
  [ "$(wc -l <<<"$said")" -eq 1 ] || fail "expected one line on stderr"
  grep -qF "$expected" <<<"$said" || fail "expected \"$expected\""
}

no_x=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
expect_start_failure "no display found (DISPLAY is not set)" "${no_x[@]}" "$binary"
expect_start_failure "the display :65000 cannot be opened" "${no_x[@]}" DISPLAY=:65000 "$binary"

# The converter modules hidden by an empty folder mounted over them, in a
# mount namespace of this command alone.
gconv_module=$(ls /usr/lib/*/gconv/GB18030.so 2>/dev/null | head -n1)
[ -n "$gconv_module" ] || fail "glibc's GB18030 module not found under /usr/lib/*/gconv"
expect_start_failure "GB18030 converter cannot be opened" \
  unshare --map-root-user --mount sh -c 'mount --bind "$1" "$2" && exec "$3"' \
  sh "$empty" "$(dirname "$gconv_module")" "$binary"
echo "ok: both start failures end with status 1 and one line"
