#!/bin/sh
# Runs a Windows program of the cross build under wine (the test programs,
# from ctest). Its output goes to a file first and is shown when it ends:
# wine's helper processes outlive the program, and one that held a pipe open
# would keep ctest waiting on it.
#
# A test program writes GoogleTest's banner before anything else, so one that
# failed without a word never ran: wine did not start it (seen once in a few
# thousand starts). Such a start is told and tried once more.
output=$(mktemp) || exit 1
for attempt in 1 2; do
    wine "$@" >"$output" 2>&1 </dev/null
    status=$?
    if [ "$status" -eq 0 ] || [ -s "$output" ]; then
        break
    fi
    echo "wine ended with status $status before the program wrote anything" >&2
done
cat "$output"
rm -f "$output"
exit "$status"
