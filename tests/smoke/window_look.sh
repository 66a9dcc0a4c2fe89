#!/usr/bin/env bash
# Runs inside a 1280x1024 X server: the window as desktop themes, Chinese
# faces and scales make it, one screenshot of it per case in OUT_DIR.
# - Under a dark and a high-contrast KDE colour scheme (which a plain Qt
#   window is shown to take) it is pixel for pixel the window of no scheme.
# - Under zh_CN.UTF-8, where fontconfig prefers Noto Sans CJK, the group
#   caption stays clear of the list placed below it.
# - At scale 2 (Xft.dpi 192) the window, too large for the screen at that
#   scale, is scaled down to lie wholly on it.
# Usage: window_look.sh OUT_DIR PROGRAM MINIMAL_QT_WINDOW
set -u
out=$1 binary=$2 minimal=$3
colours=$(dirname "$0")/kde_colours
source "$(dirname "$0")/x_session.sh"
screen_width=1280 screen_height=1024

# shot NAME ENV...: starts the program under the environment, saves its
# window as OUT_DIR/window_NAME.png and closes it with Esc.
shot() {
  local name=$1
  shift
  start_program env "$@" "$binary"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/window_$name.png" || fail "no screenshot ($name)"
  expect_esc_ends_program "($name)"
}

# The colour of pixel X,Y of an image: R,G,B from 0 to 255.
pixel() { convert "$1" -crop "1x1+$2+$3" +repage -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:; }
# The darkest value (0 black to 1 white) in a region WxH+X+Y of an image.
darkest() { convert "$1" -crop "$2" +repage -format '%[fx:minima]' info:; }

kde_session() { echo XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$colours/$1"; }

shot plain LANG=C.UTF-8
for scheme in dark high_contrast; do
  # The scheme reaches Qt: a plain Qt window's background takes its colour.
  caption=minimal-window start_program env $(kde_session "$scheme") "$minimal"
  import -window "$window" "$out/minimal_$scheme.png"
  stop_program
  expected=$(sed -n '/Colors:Window/,/^$/s/^BackgroundNormal=//p' "$colours/$scheme/kdeglobals")
  [ "$(pixel "$out/minimal_$scheme.png" 10 10)" = "$expected" ] ||
    fail "a plain Qt window does not take the $scheme scheme's colour $expected"
  shot "$scheme" LANG=C.UTF-8 $(kde_session "$scheme")
  differing=$(compare -metric AE "$out/window_plain.png" "$out/window_$scheme.png" null: 2>&1)
  [ "$differing" = 0 ] || fail "under the $scheme scheme $differing pixels differ from the window of no scheme"
  echo "ok: the $scheme scheme leaves the window as it is"
done

face=$(LANG=zh_CN.UTF-8 fc-match -f '%{family[0]}' ':lang=zh-cn')
[ "$face" = "Noto Sans CJK SC" ] || fail "under zh_CN.UTF-8 fontconfig prefers \"$face\", not Noto Sans CJK SC (package fonts-noto-cjk)"
shot noto_sans_cjk -u LC_ALL -u LANGUAGE LANG=zh_CN.UTF-8
# 分组框1 at 310,13 holds the list at 3,13: the row above the list is clear,
# and the caption above it shows.
[ "$(darkest "$out/window_noto_sans_cjk.png" 188x1+313+25)" = 1 ] || fail "the group caption meets the list"
[ "$(darkest "$out/window_noto_sans_cjk.png" 60x12+318+13)" != 1 ] || fail "no group caption"
echo "ok: in Noto Sans CJK the group caption stays clear of the list"

echo "Xft.dpi: 192" | xrdb -merge
shot scale_2 LANG=C.UTF-8
xrdb -remove
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le $screen_width ] && [ $((Y + HEIGHT)) -le $screen_height ] ||
  fail "at scale 2 the window (${WIDTH}x$HEIGHT at $X,$Y) does not lie on the ${screen_width}x$screen_height screen"
[ "$WIDTH" -gt 515 ] || fail "at scale 2 the window is ${WIDTH} pixels wide: the scale was not taken"
echo "ok: at scale 2 the window (${WIDTH}x$HEIGHT at $X,$Y) lies on the screen"
