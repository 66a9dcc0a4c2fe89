#!/usr/bin/env bash
# Runs inside an X server: a press marks its matches in the source box, the
# report line under the caret makes its match the current one, the mouse on a
# match shows its tooltip, and a change of the pattern clears every mark;
# then a million matches in 10 MB, pasted, pressed, and the last line of the
# report followed to its match at the end of the source. Screenshots of both
# go to the folder given, for a person to look at.
# Usage: match_marks.sh SCREENSHOT_FOLDER PROGRAM
set -u
shots=$1
shift
source "$(dirname "$0")/x_session.sh"

# Positions in the window, from the window template.
source_box="100 60" pattern_box="100 260" report_box="60 372" match_button="260 405"
click() { xdotool mousemove --window "$window" $1 $2 click 1; sleep 0.3; }
# The source box's part of the screen, as a picture file.
grab_source() {
  import -window root -crop "296x80+$((X + 7))+$((Y + 27))" "$1" || fail "no screenshot taken"
}
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

start_program "$@"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool windowfocus --sync "$window"
click $source_box
xdotool type --delay 5 "2024: 366 days, 2025: 365"
xdotool key Return
xdotool type --delay 5 "call 555-0100 or 555-0199"
click $pattern_box
xdotool type --delay 5 "([0-9]+)(-)?"
grab_source "$shots/unmarked.png"
click $match_button
click $report_box
xdotool key Down Down
xdotool mousemove --window "$window" 30 43 sleep 0.2 mousemove --window "$window" 54 43 sleep 1.5
import -window root -crop "560x300+$X+$Y" "$shots/match_marks.png" || fail "no screenshot taken"
grab_source "$shots/marked.png"
same_picture "$shots/unmarked.png" "$shots/marked.png" && fail "the press marked nothing in the source box"
click $pattern_box
xdotool key End space BackSpace
sleep 0.3
grab_source "$shots/cleared.png"
same_picture "$shots/unmarked.png" "$shots/cleared.png" || fail "marks stayed after the pattern changed"

# A million matches: "7" every ten bytes of 10 MB, in lines of 100 bytes.
awk 'BEGIN { line = "xxxxxxxxx7xxxxxxxxx7xxxxxxxxx7xxxxxxxxx7xxxxxxxxx7xxxxxxxxx7xxxxxxxxx7xxxxxxxxx7xxxxxxxxx7xxxxxxxx7";
             for (i = 0; i < 100000; i++) printf "%s\r\n", line }' | xclip -selection clipboard
click $source_box
xdotool key ctrl+a ctrl+v
click $pattern_box
xdotool key ctrl+a BackSpace
xdotool type --delay 5 "[0-9]+"
click $match_button
sleep 2
click $report_box
xdotool key ctrl+End
sleep 1
import -window root -crop "560x440+$X+$Y" "$shots/match_marks_million.png" || fail "no screenshot taken"
kill -0 "$pid" 2>/dev/null || fail "the program ended during the million-match press"
expect_esc_ends_program "after the marked presses"
echo "ok: marks drawn, followed from the report, cleared by a pattern change; a million marked"
