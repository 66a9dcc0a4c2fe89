#!/usr/bin/env bash
# Runs inside a 1280x1024 X server; leaves a screenshot of the window per case
# in OUT_DIR. Under a dark and a high-contrast KDE colour scheme (which a plain
# Qt window is shown to take) the window is pixel for pixel the window of no
# scheme, and the keyboard focus shows; under zh_CN.UTF-8 (Noto Sans CJK) the
# group caption stays clear of the list below it; at scale 2 (Xft.dpi 192)
# the window lies on the screen.
# Usage: window_look.sh OUT_DIR PROGRAM MINIMAL_QT_WINDOW
set -u
out=$1 binary=$2 minimal=$3
source "$(dirname "$0")/x_session.sh"
schemes=$(mktemp -d)
trap 'rm -rf "$schemes"' EXIT

# shot NAME ENV...: the window under the environment as OUT_DIR/window_NAME.png,
# then after KEYS (if set) as window_NAME_keys.png; Esc closes it.
shot() {
  local name=$1
  shift
  start_program env "$@" "$binary"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/window_$name.png" || fail "no screenshot ($name)"
  if [ -n "${keys:-}" ]; then
    xdotool windowfocus --sync "$window" key $keys
    sleep 0.2
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/window_${name}_keys.png"
  fi
  expect_esc_ends_program "($name)"
}
pixel() { convert "$1" -crop "1x1+$2+$3" -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:; }
darkest() { convert "$1" -crop "$2" -format '%[fx:minima]' info:; }  # 0 black to 1 white

# write_scheme DIR WINDOW VIEW BUTTON SELECTION, each BACKGROUND/TEXT: a colour
# scheme as KDE writes it, for Qt's KDE theme to read.
write_scheme() {
  local dir=$1 group
  shift
  mkdir -p "$dir"
  for group in Window View Button Selection; do
    printf '[Colors:%s]\nBackgroundNormal=%s\nForegroundNormal=%s\n\n' "$group" "${1%/*}" "${1#*/}"
    shift
  done >"$dir/kdeglobals"
}

shot plain LANG=C.UTF-8
while read -r scheme window_colours view button selection; do
  write_scheme "$schemes/$scheme" "$window_colours" "$view" "$button" "$selection"
  kde=(XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$schemes/$scheme")
  caption=minimal-window start_program env "${kde[@]}" "$minimal"
  import -window "$window" "$out/minimal_$scheme.png"
  stop_program
  [ "$(pixel "$out/minimal_$scheme.png" 10 10)" = "${window_colours%/*}" ] || fail "a plain Qt window does not take the $scheme scheme"
  keys="Tab Tab" shot "$scheme" LANG=C.UTF-8 "${kde[@]}"
  differing=$(compare -metric AE "$out/window_plain.png" "$out/window_$scheme.png" null: 2>&1)
  [ "$differing" = 0 ] || fail "under the $scheme scheme $differing pixels differ from the window of no scheme"
  [ "$(compare -metric AE "$out/window_$scheme.png" "$out/window_${scheme}_keys.png" null: 2>&1)" != 0 ] ||
    fail "under the $scheme scheme the keyboard focus does not show"
  echo "ok: the $scheme scheme leaves the window as it is, and the focus shows"
done <<'SCHEMES'
dark 35,38,41/239,240,241 27,30,32/239,240,241 49,54,59/239,240,241 61,174,233/239,240,241
high_contrast 0,0,0/255,255,255 0,0,0/255,255,0 0,0,0/255,255,255 0,255,255/0,0,0
SCHEMES

face=$(LANG=zh_CN.UTF-8 fc-match -f '%{family[0]}' 'sans-serif:charset=5e38')
[ "$face" = "Noto Sans CJK SC" ] || fail "under zh_CN.UTF-8 fontconfig prefers \"$face\" (package fonts-noto-cjk)"
shot noto_sans_cjk -u LC_ALL -u LANGUAGE LANG=zh_CN.UTF-8
# 分组框1 at 310,13 holds the list at 3,13: the row above the list is clear, the caption above it shows.
[ "$(darkest "$out/window_noto_sans_cjk.png" 188x1+313+25)" = 1 ] || fail "the group caption meets the list"
[ "$(darkest "$out/window_noto_sans_cjk.png" 60x12+318+13)" != 1 ] || fail "no group caption"
echo "ok: in Noto Sans CJK the group caption stays clear of the list"

echo "Xft.dpi: 192" | xrdb -merge
shot scale_2 LANG=C.UTF-8
xrdb -remove
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1280 ] && [ $((Y + HEIGHT)) -le 1024 ] && [ "$WIDTH" -gt 515 ] ||
  fail "at scale 2 the window (${WIDTH}x$HEIGHT at $X,$Y) is not scaled, or not on the 1280x1024 screen"
echo "ok: at scale 2 the window (${WIDTH}x$HEIGHT at $X,$Y) lies on the screen"
