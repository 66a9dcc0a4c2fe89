#!/usr/bin/env bash
# Runs inside an X server: starts the program on a session bus of its own,
# with Qt's accessibility on, and checks its tree on the AT-SPI bus as a
# screen reader reads it (accessibility_tree.py, which prints the tree).
# Usage: accessibility_tree.sh PROGRAM
set -u
binary=$1
script=$(dirname "$0")/accessibility_tree.py
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then exec dbus-run-session -- "$0" "$@"; fi
source "$(dirname "$0")/x_session.sh"
# Qt speaks to the bus when asked to, as it does when a screen reader runs.
start_program env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary"
/usr/bin/python3 "$script" "$(basename "$binary")" || fail "the accessibility tree is not as a screen reader needs it"
expect_esc_ends_program ""
