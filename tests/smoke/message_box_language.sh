#!/usr/bin/env bash
# Runs inside an X server: under each locale, starts the program with the
# message-box probe style, presses 匹配 with an empty pattern and reads the
# box that follows: Qt's own texts (the box's buttons, a text box's context
# menu) speak the user's language, and the layout stays left to right as the
# window was drawn.
# Usage: message_box_language.sh PROGRAM PROBE_PLUGIN_DIR
set -u
binary=$1 plugin_dir=$2
source "$(dirname "$0")/x_session.sh"
match_button_centre=(263 407)  # 按钮_匹配 at 223,391, 80 x 32
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Prints the layout direction and button texts of the first message box
# shown under the locale.
message_box_under() {
  : >"$log"
  start_program env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$1" \
    QT_PLUGIN_PATH="$plugin_dir" QT_STYLE_OVERRIDE=MessageBoxProbe "$binary" 2>>"$log"
  xdotool mousemove --window "$window" "${match_button_centre[@]}" click 1
  for _ in $(seq 50); do
    grep -q '^message box: ' "$log" && break
    sleep 0.1
  done
  stop_program
  sed -n 's/^message box: //p' "$log" | head -n1
}

while read -r locale copy expected; do
  shown=$(message_box_under "$locale")
  [ "$shown" = "$expected" ] || { cat "$log" >&2; fail "under $locale the box shows \"$shown\", expected \"$expected\" (Qt's translations: qt6-translations-l10n)"; }
  menu=$(sed -n 's/^context menu: //p' "$log" | head -n1)
  [[ " $menu " == *" $copy "* ]] || fail "under $locale the context menu reads \"$menu\", without \"$copy\""
  echo "ok: $locale -> $shown; $menu"
done <<'LOCALES'
zh_CN.UTF-8 复制(&C) left-to-right 确定
en_US.UTF-8 &Copy left-to-right OK
ar_EG.UTF-8 ا&نسخ left-to-right حسنًا
LOCALES
