#!/usr/bin/env bash
# The manual pages format without a single warning, with groff and with man.
#
#   manual_pages_test.sh PAGE...
set -euo pipefail
command -v groff >/dev/null || { echo "SKIPPED: groff is not installed"; exit 77; }
status=0
for page in "$@"; do
    warnings=$(groff -man -ww -z "$page" 2>&1)
    if command -v man >/dev/null; then
        warnings+=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    else
        echo "man is not installed: $page checked with groff only"
    fi
    if [ -n "$warnings" ]; then
        echo "FAILED: $page:" >&2
        echo "$warnings" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "PASSED"
exit "$status"
