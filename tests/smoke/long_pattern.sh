#!/usr/bin/env bash
# Runs inside an X server: a pattern of 5 MB (an alternation of 300k
# character sets) compiles behind the progress box; Esc on the box ends the
# press and leaves the result box as the press before left it; the next
# press with a short pattern reports its matches.
# Usage: long_pattern.sh PROGRAM
set -u
source "$(dirname "$0")/x_session.sh"
start_program "$@"
source "$(dirname "$0")/search_session.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

report_box=(60 372)
# The result box's text, through the clipboard.
report_text() {
  click "${report_box[@]}"
  xdotool key ctrl+a ctrl+c
  sleep 0.2
  xclip -selection clipboard -o
}

printf 'hello' >"$work/source"
printf 'l' >"$work/short"
awk 'BEGIN { for (i = 0; n < 5000000; i++) { set = (i ? "|" : "") "[[:alpha:]" (i * 7919 % 1000003) "]"; printf "%s", set; n += length(set) } }' \
  >"$work/long"
paste_into "${source_box[@]}" "$work/source"
paste_into "${pattern_box[@]}" "$work/short"
click "${match_button[@]}"
sleep 0.5
before=$(report_text)
[ -n "$before" ] || fail "the first press left the result box empty"

paste_into "${pattern_box[@]}" "$work/long"
sleep 1
press_and_cancel 1
[ "$(report_text)" = "$before" ] || fail "a cancelled compile changed the result box"

printf 'hello world' >"$work/source"
paste_into "${source_box[@]}" "$work/source"
paste_into "${pattern_box[@]}" "$work/short"
click "${match_button[@]}"
# The cancelled compilation runs to its end first (long under a sanitizer).
for _ in $(seq 60); do
  sleep 0.5
  report_text | grep -q "共找到 3 处匹配" && break
done
report_text | grep -q "共找到 3 处匹配" || fail "the press after the cancel did not report the short pattern's 3 matches"
expect_esc_ends_program "after the long pattern"
echo "ok"
