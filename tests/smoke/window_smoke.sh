#!/usr/bin/env bash
# Runs inside an X server: starts the program, finds its window by caption,
# checks that it is centred on the screen, presses Esc and expects status 0.
# Usage: window_smoke.sh SCREEN_WIDTH SCREEN_HEIGHT SCREENSHOT.png|- PROGRAM [ARGUMENTS...]
set -u
screen_width=$1 screen_height=$2 screenshot=$3
shift 3
source "$(dirname "$0")/x_session.sh"
tolerance=40  # pixels: without a window manager there is no frame to centre

start_program "$@"

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT on ${screen_width}x$screen_height"
centre_x=$((X + WIDTH / 2)) centre_y=$((Y + HEIGHT / 2))
dx=$((centre_x - screen_width / 2)) dy=$((centre_y - screen_height / 2))
[ "${dx#-}" -le "$tolerance" ] && [ "${dy#-}" -le "$tolerance" ] ||
  fail "window centre $centre_x,$centre_y is not the screen centre"

[ "$screenshot" = - ] || import -window root "$screenshot" || fail "no screenshot taken"

# No window manager runs here: the helper gives the window the keyboard focus directly.
expect_esc_ends_program ""
echo "ok: centred, Esc ended the program with status 0"
