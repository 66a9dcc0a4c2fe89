#!/usr/bin/env bash
# Starts a headless Weston compositor and the program on it, with Qt's Wayland
# platform and no X display: the program's window appears with its caption and
# its app id, the name of its desktop entry, as the protocol log shows; a
# screenshot of the compositor's output goes to SCREENSHOT.
# Usage: wayland_session.sh SCREENSHOT.png APP_ID PROGRAM
set -u
screenshot=$1 app_id=$2 binary=$3
runtime=$(mktemp -d)  # the compositor's socket, 0700 as Wayland wants
log=$runtime/protocol.log
weston_pid="" pid=""
trap 'kill $pid $weston_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$runtime/weston.log" >&2; exit 1; }
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-workbench
unset DISPLAY

# --debug lets weston-screenshooter read the output.
weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --socket="$WAYLAND_DISPLAY" \
  --idle-time=0 --debug >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$runtime/$WAYLAND_DISPLAY" ] && break; sleep 0.05; done
[ -S "$runtime/$WAYLAND_DISPLAY" ] || fail "Weston did not start"

WAYLAND_DEBUG=1 QT_QPA_PLATFORM=wayland "$binary" 2>"$log" &
pid=$!
# Shown: its toplevel has its title and app id, and a buffer was committed.
shown() {
  grep -q "set_title(\"Tolvanev1.2\")" "$log" && grep -q "set_app_id(\"$app_id\")" "$log" &&
    grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$log"
}
for _ in $(seq 100); do shown && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
shown || { grep -v '^\[' "$log" >&2; fail "no window captioned Tolvanev1.2 with the app id $app_id on Wayland"; }
echo "ok: on Wayland the window shows, captioned Tolvanev1.2, app id $app_id"

sleep 0.5  # let the first frame reach the output
(cd "$runtime" && weston-screenshooter) && cp "$runtime"/wayland-screenshot-*.png "$screenshot" ||
  fail "no screenshot of the compositor's output"
