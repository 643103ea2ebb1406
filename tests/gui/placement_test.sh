#!/usr/bin/env bash
# The main window comes back where the operator left it, under a real window
# manager (openbox on Xvfb): moved in one run, it is saved there, and the next
# run puts it back and saves the same place; a place above the screen comes
# back with the title bar at the top.
#
#   placement_test.sh BRENX SAMPLE_DIR
set -euo pipefail
brenx=$1 sample=$2
for tool in Xvfb openbox xdotool; do
    command -v $tool >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
work=$(mktemp -d) pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
source "$(dirname "$0")/../../scripts/virtual_display.sh"
start_virtual_display "$work"
export QT_QPA_PLATFORM=xcb BRENX_DRIVES="s=$sample;l=$work"
printf '[brenx]\r\nsizeini=L:\\size.ini\r\nlog=run.log\r\n' >"$work/run.ini"
main_place() { sed -n '/^\[main\]/,/^\[/p' "$work/size.ini" | grep -E '^(top|left)=' | tr -d '\r' | xargs; }

run() {  # [x y]: where to move the main window
    "$brenx" 's:\' 'l:\copy\' -s '-iL:\run.ini' >/dev/null 2>&1 &
    local pid=$! question main
    question=$(timeout 20 xdotool search --sync --onlyvisible --name '^Confirm\?$' | head -1)
    main=$(xdotool search --onlyvisible --name 'BRENX' | head -1)
    if [ $# -eq 2 ]; then xdotool windowmove "$main" "$1" "$2"; sleep 0.5; fi
    xdotool windowactivate --sync "$question" key Escape
    for _ in $(seq 40); do
        kill -0 $pid 2>/dev/null || break
        sleep 0.5
        xdotool key Return
    done
    wait $pid || true
}

run 200 300
moved=$(main_place)
[ "$moved" = "top=300 left=200" ] || { echo "FAILED: moved to 200,300, saved $moved" >&2; exit 1; }
run
[ "$(main_place)" = "$moved" ] || { echo "FAILED: left at $moved, came back at $(main_place)" >&2; exit 1; }
sed -i 's/^top=.*/top=-100\r/' "$work/size.ini"
run
[ "$(main_place)" = "top=0 left=200" ] || { echo "FAILED: above the screen: $(main_place)" >&2; exit 1; }
echo "PASSED"
