#!/usr/bin/env bash
# Runs inside an X server: press-and-Esc rounds on a pattern the engine would
# work on for seconds. After the last cancel the search threads are gone
# within a second and the process is idle three seconds later.
# Usage: cancel_rounds.sh ROUNDS SOURCE_FILE PATTERN_FILE PROGRAM
set -u
rounds=$1 source_file=$2 pattern_file=$3
shift 3
source "$(dirname "$0")/x_session.sh"
start_program "$@"
source "$(dirname "$0")/search_session.sh"

paste_into "${pattern_box[@]}" "$pattern_file"
paste_into "${source_box[@]}" "$source_file"
sleep 1
threads_before=$(threads)
for round in $(seq "$rounds"); do press_and_cancel "$round"; done
cancelled=$(milliseconds)
while [ "$(threads)" -gt "$threads_before" ] && [ $(($(milliseconds) - cancelled)) -lt 1000 ]; do sleep 0.01; done
threads_back_after=$(($(milliseconds) - cancelled))
threads_after=$(threads)
sleep $(((3000 - ($(milliseconds) - cancelled)) / 1000)).$(((3000 - ($(milliseconds) - cancelled)) % 1000))
cpu=$(cpu_percent_over 1)
echo "threads: $threads_before before the rounds, $threads_after 1 s after the last cancel" \
  "(back after $threads_back_after ms); $cpu% of a core 3-4 s after it; $(resident_megabytes) MB resident"
[ "$threads_after" -le "$threads_before" ] || fail "$threads_after threads 1 s after the last cancel, $threads_before before"
[ "$cpu" -lt 5 ] || fail "$cpu% of a core 3 s after the last cancel"
expect_esc_ends_program "after the rounds"
echo "ok"
