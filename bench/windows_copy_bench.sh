#!/usr/bin/env bash
# Times the Windows build of brenxc under wine against the Linux build on one
# big file, turn by turn, each run into a fresh destination on the same disk,
# and prints the medians and the ratio of each pair. Both builds flush every
# copy before they say they are done.
#
#   bench/windows_copy_bench.sh [brenxc.exe] [brenxc]
#
# Settings (environment): BENCH_DIR (default /var/tmp/brenx-wine-bench),
# BIG_MIB (1024), RUNS (5). Needs wine and a built build-mingw/ (./dev
# test-windows makes both).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/bench/timing.sh"
EXE="$(realpath "${1:-$here/build-mingw/src/brenxc.exe}")"
LINUX="$(realpath "${2:-$here/build/src/brenxc}")"
WORK="${BENCH_DIR:-/var/tmp/brenx-wine-bench}"
BIG_MIB="${BIG_MIB:-1024}"
RUNS="${RUNS:-5}"

export WINEPREFIX="$WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WORK/src" "$WORK/media" "$WORK/logs" "$WINEPREFIX"
[ -s "$WORK/src/big.bin" ] || head -c $((BIG_MIB << 20)) /dev/urandom >"$WORK/src/big.bin"
wineboot --init </dev/null >/dev/null 2>&1 || true  # a new prefix may say it had to restart
# The same letters for both builds: b: the source, m: the media, l: the logs.
# Wine reads its drives when its server starts, so the server starts after.
ln -sfn "$WORK/src" "$WINEPREFIX/dosdevices/b:"
ln -sfn "$WORK/media" "$WINEPREFIX/dosdevices/m:"
ln -sfn "$WORK/logs" "$WINEPREFIX/dosdevices/l:"
wineserver -k </dev/null >/dev/null 2>&1 || true
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k </dev/null >/dev/null 2>&1 || true' EXIT
export BRENX_DRIVES="b=$WORK/src;m=$WORK/media;l=$WORK/logs"

copy_with() {
    rm -rf "$WORK/media"/* "$WORK/logs"/*
    "$@" 'b:\' 'm:\big\' -r '-lL:\copy.log' </dev/null
}
copy_with wine "$EXE" >/dev/null 2>&1 || true  # wine's first start is slow

wine_times=() linux_times=() ratios=()
for _ in $(seq "$RUNS"); do
    w=$(seconds_of copy_with wine "$EXE")
    l=$(seconds_of copy_with "$LINUX")
    wine_times+=("$w") linux_times+=("$l") ratios+=("$(echo "$w / $l" | bc -l)")
done
printf '| %s MiB, one file | median s | best s |\n| --- | ---: | ---: |\n' "$BIG_MIB"
printf '| brenxc.exe under wine | %.2f | %.2f |\n' "$(median "${wine_times[@]}")" "$(best "${wine_times[@]}")"
printf '| brenxc (Linux) | %.2f | %.2f |\n' "$(median "${linux_times[@]}")" "$(best "${linux_times[@]}")"
printf '\nwine / Linux, pair by pair: median %.2f, best %.2f\n' "$(median "${ratios[@]}")" "$(best "${ratios[@]}")"
