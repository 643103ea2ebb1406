#!/usr/bin/env bash
# The desktop program brenx (offscreen, asking nothing) side by side with the
# console program brenxc on the same copies, and how soon brenx answers a
# Stop press with "Give up now?" while it copies a big file.
#
#   bench/desktop_bench.sh [build directory]      (default build)
#
# Data (in BENCH_DIR, default /dev/shm/brenx-desktop: a memory file system,
# so that the figures show the programs and not a disk): one file of BIG_MIB
# MiB (2048), and FILES files (20000) of FILE_KIB KiB (4) in DIRS directories
# (200). RUNS runs (5) of each program per data set, taking turns; a fresh
# destination for every run. A copy of one small file gives each program's
# start-up, which the table also shows taken off.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$(realpath "${1:-$here/build}")"
BRENX="$BUILD/src/brenx"
BRENXC="$BUILD/src/brenxc"
PROBE="$BUILD/bench/stop_latency"
WORK="${BENCH_DIR:-/dev/shm/brenx-desktop}"
RUNS="${RUNS:-5}"
BIG_MIB="${BIG_MIB:-2048}"
FILES="${FILES:-20000}"
DIRS="${DIRS:-200}"
FILE_KIB="${FILE_KIB:-4}"

for program in "$BRENX" "$BRENXC" "$PROBE"; do
    [ -x "$program" ] || { echo "missing: $program (build with Qt 6 first)" >&2; exit 2; }
done
command -v python3 >/dev/null || { echo "missing: python3" >&2; exit 2; }

rm -rf "$WORK"
mkdir -p "$WORK/out" "$WORK/logs" "$WORK/one"
trap 'rm -rf "$WORK"' EXIT
export BRENX_DRIVES="w=$WORK"
export QT_QPA_PLATFORM=offscreen

# The data: one big file, a tree of small ones, one small file alone.
head -c "$((BIG_MIB * 1024 * 1024))" /dev/urandom >"$WORK/one-big"
mkdir -p "$WORK/big" && mv "$WORK/one-big" "$WORK/big/big.bin"
echo "one small file" >"$WORK/one/small.txt"
python3 - "$WORK/tree" "$FILES" "$DIRS" "$FILE_KIB" <<'PY'
import os, sys
root, files, dirs, kib = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
block = os.urandom(kib * 1024)
for d in range(dirs):
    os.makedirs(os.path.join(root, "d%03d" % d))
    for f in range(files // dirs):
        with open(os.path.join(root, "d%03d" % d, "f%03d.bin" % f), "wb") as out:
            out.write(block)
PY

# One copy by one program into a fresh destination; prints its seconds.
copy_seconds() {  # program, data set, run
    local name
    name=$(basename "$1")
    local start=$EPOCHREALTIME
    (cd "$WORK/logs" && "$1" -x -r -s "-L:$2-$3-$name.log" "w:\\$2" "w:\\out\\$2-$3-$name" \
        </dev/null >/dev/null 2>&1) || { echo "failed: $1 on $2" >&2; exit 1; }
    local end=$EPOCHREALTIME
    python3 -c "print(f'{$end - $start:.3f}')"
    # The big copies go at once; the trees stay (see copy_bench.sh).
    [ "$2" = big ] && rm -rf "$WORK/out/$2-$3-$name"
    return 0
}
middle() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

declare -A seconds
for set in one big tree; do
    for run in $(seq "$RUNS"); do
        # Each run starts with the other program.
        if [ $((run % 2)) = 1 ]; then order=("$BRENXC" "$BRENX"); else order=("$BRENX" "$BRENXC"); fi
        for program in "${order[@]}"; do
            key="$set/$(basename "$program")"
            seconds[$key]="${seconds[$key]:-} $(copy_seconds "$program" "$set" "$run")"
        done
    done
done

startup_c=$(middle ${seconds[one/brenxc]})
startup_g=$(middle ${seconds[one/brenx]})
echo "### brenx (offscreen) against brenxc, median of $RUNS runs ($WORK)"
echo
echo "| copy | brenxc s | brenx s | brenx / brenxc | without start-up: brenxc s | brenx s | brenx / brenxc |"
echo "| --- | ---: | ---: | ---: | ---: | ---: | ---: |"
for set in big tree; do
    c=$(middle ${seconds[$set/brenxc]})
    g=$(middle ${seconds[$set/brenx]})
    python3 -c "
c, g, sc, sg = $c, $g, $startup_c, $startup_g
label = {'big': 'one file of $BIG_MIB MiB', 'tree': '$FILES files of $FILE_KIB KiB'}['$set']
print(f'| {label} | {c:.2f} | {g:.2f} | {g / c:.3f} | {c - sc:.2f} | {g - sg:.2f} | {(g - sg) / (c - sc):.3f} |')"
done
python3 -c "print(f'| start-up (one small file) | {$startup_c:.3f} | {$startup_g:.3f} | | | | |')"
echo

echo "### Stop pressed during the copy of the big file: until \"Give up now?\" shows"
echo
for run in $(seq 3); do
    (cd "$WORK/logs" && "$PROBE" 'w:\big' "w:\\out\\stop-$run" 5 2>/dev/null)
    rm -rf "$WORK/out/stop-$run"
done
