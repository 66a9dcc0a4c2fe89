#!/usr/bin/env bash
# Runs inside an X server: a search whose engine call would last seconds (the
# long pattern case) shows the progress box; Esc ends the press; a second
# press searches again; a close request of the main window during a third
# search then ends the program with status 0 at once.
# Usage: search_cancel.sh CLOSE_REQUEST_TOOL PROGRAM
set -u
source "$(dirname "$0")/x_session.sh"

close_request=$1
shift
start_program "$@"
source "$(dirname "$0")/search_session.sh"

# No window manager runs here: give the window the keyboard focus directly.
xdotool windowfocus --sync "$window"
click "${source_box[@]}" && xdotool type "$(printf 'a%.0s' $(seq 300))"
pattern="(a+)+b$(printf '|[c]%.0s' $(seq 300))"  # the engine's limit grows with the pattern's square
click "${pattern_box[@]}" && xdotool type "$pattern"
press_and_cancel 1
press_and_cancel 2

press_until_progress_box 3
started=$(milliseconds)
"$close_request" "$window" || fail "the close request could not be sent"
expect_program_ends "after a close request during a search"
echo "ok: two searches cancelled; a close request during the third ended the program with status 0 after $(($(milliseconds) - started)) ms"
