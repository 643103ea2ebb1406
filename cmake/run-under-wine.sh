#!/bin/sh
# Runs a Windows program of the cross build under wine (the test programs,
# from ctest). Its output goes to a file first and is shown when it ends:
# wine's helper processes outlive the program, and one that held a pipe open
# would keep ctest waiting on it.
output=$(mktemp) || exit 1
wine "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"
rm -f "$output"
exit $status
