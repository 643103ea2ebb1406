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
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
exec 3>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")" QT_QPA_PLATFORM=xcb BRENX_DRIVES="s=$sample;l=$work"
openbox >/dev/null 2>&1 &
sleep 1
printf '[brenx]\r\nsizeini=L:\\size.ini\r\nlog=run.log\r\n' >"$work/run.ini"
main_place() { sed -n '/^\[main\]/,/^\[/p' "$work/size.ini" | grep -E '^(top|left)=' | tr '\r\n' '  '; }

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
case "$moved" in *"top=0 "* | "") echo "FAILED: the move was not saved: $moved" >&2; exit 1 ;; esac
run
[ "$(main_place)" = "$moved" ] || { echo "FAILED: left at $moved, came back at $(main_place)" >&2; exit 1; }
sed -i 's/^top=.*/top=-100\r/' "$work/size.ini"
run
case "$(main_place)" in "top=0 "*) ;; *) echo "FAILED: above the screen: $(main_place)" >&2; exit 1 ;; esac
echo "PASSED: $moved"
