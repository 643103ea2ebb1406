#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without a remark and starts the program the
# install puts on the path.
#
#   desktop_entry_test.sh DESKTOP_FILE
set -euo pipefail
entry=$1
command -v desktop-file-validate >/dev/null ||
    { echo "SKIPPED: desktop-file-validate (desktop-file-utils) is not installed"; exit 77; }
# Warnings and hints fail too: the tool exits non-zero only on errors.
report=$(desktop-file-validate "$entry" 2>&1) || true
[ -z "$report" ] || { echo "FAILED: $report" >&2; exit 1; }
grep -qx 'Exec=brenx' "$entry" || { echo "FAILED: the entry does not start brenx" >&2; exit 1; }
grep -qx 'Icon=brenx' "$entry" || { echo "FAILED: the entry does not name the icon" >&2; exit 1; }
echo "PASSED"
