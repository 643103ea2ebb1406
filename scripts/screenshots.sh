#!/usr/bin/env bash
# Runs the desktop program brenx on a virtual display over the sample tree and
# saves pictures of its windows in docs/screenshots/:
#
#   main-copy.png               the main window during a copy (in a random wait)
#   message-question.png        the message dialog: the start question
#   message-error.png           the message dialog: an error
#   message-noise.png           the message dialog: a question with the alarm
#   media-copy.png              the media dialog of a copy (no media)
#   media-wait.png              the same during its one-minute wait
#   media-verify.png            the media dialog of a verify (a file unreadable)
#   drive-letter.png            the drive-letter dialog, letter mode
#   drive-letter-directory.png  the drive-letter dialog after "This dir"
#
#   scripts/screenshots.sh [brenx]      (./dev screenshots installs what it needs)
#
# Needs Xvfb, ImageMagick's import and xdotool; a window manager (openbox)
# draws the frames and captions when it is installed. SCREENSHOT_DIR changes
# where the pictures go.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
BRENX="$(realpath "${1:-$here/build/src/brenx}")"
OUT="${SCREENSHOT_DIR:-$here/docs/screenshots}"
for tool in Xvfb import xdotool python3; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (./dev screenshots installs it)" >&2; exit 2; }
done
[ -x "$BRENX" ] || { echo "missing: $BRENX (build it first)" >&2; exit 2; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of its own, with openbox where it is installed.
source "$here/scripts/virtual_display.sh"
start_virtual_display "$work"
frame=()
command -v openbox >/dev/null && frame=(-frame)

# s: the sample tree, t: the media, l: the run's files; u: has no media.
mkdir -p "$work/media" "$OUT"
export BRENX_DRIVES="s=$here/sample;t=$work/media;l=$work"
export QT_QPA_PLATFORM=xcb
# A short sound for the alarm (the virtual display has no sound card: the
# alarm beeps instead, and its button shows all the same).
python3 - "$work/alarm.wav" <<'PY'
import sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000)
    w.writeframes(bytes(128 + (40 if (i // 8) % 2 else -40) for i in range(4000)))
PY
ini() {  # name, lines...
    local name=$1; shift
    { printf '[brenx]\r\nsizeini=L:\\size.ini\r\nnoise=L:\\alarm.wav\r\n'; printf '%s\r\n' "$@"; } >"$work/$name"
}
ini copy.ini "log=sample.log" "NotCDR=abc" "RandomWait=1" "RandomTime=30"
ini plain.ini "log=plain.log"
ini media.ini "log=media.log" "FormatProgram=format.exe"

start() {  # arguments...
    "$BRENX" "$@" >/dev/null 2>&1 &
    pids+=($!)
    brenx_pid=$!
}
stop_brenx() { kill "$brenx_pid" 2>/dev/null || true; wait "$brenx_pid" 2>/dev/null || true; }
window() {  # a window whose caption matches, once it is shown
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1
}
shoot() {  # window, picture name
    sleep 1.5
    import "${frame[@]}" -window "$1" "$OUT/$2"
    echo "saved $OUT/$2"
}
keys() {  # window, keys...
    local id=$1; shift
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    xdotool key --clearmodifiers "$@"
}

# The main window in a random wait of a copy, then Stop: "Skip the delay?".
start 's:\' 't:\sample\' -s -r '-iL:\copy.ini'
main=$(window '^Copy: BRENX')
sleep 2
shoot "$main" main-copy.png
keys "$main" alt+s
shoot "$(window '^Confirm\?$')" message-noise.png
stop_brenx

# The start question, then the error of a cancelled job.
start 's:\' 't:\plain\' -s '-iL:\plain.ini'
question=$(window '^Confirm\?$')
shoot "$question" message-question.png
keys "$question" Escape
shoot "$(window '^Error$')" message-error.png
stop_brenx

# A copy to a drive without media, and its one-minute wait.
start 's:\' 'u:\backup\' -s -r '-iL:\media.ini'
media=$(window '^Media Dialog$')
shoot "$media" media-copy.png
keys "$media" Tab Tab Tab space
shoot "$media" media-wait.png
stop_brenx

# A verify whose media went away: the media dialog offers to fix the source.
"$BRENX" 's:\' 't:\sample\' -s -r '-iL:\plain.ini' >/dev/null 2>&1
BRENX_DRIVES="s=$here/sample;l=$work" start '-vL:\plain.log' -r '-iL:\plain.ini'
media=$(window '^Media Dialog$')
shoot "$media" media-verify.png
keys "$media" Tab Tab space
letters=$(window '^jiggery verify')
shoot "$letters" drive-letter.png
keys "$letters" alt+t
shoot "$letters" drive-letter-directory.png
stop_brenx
