#!/usr/bin/env bash
# Times a copy by brenxc (CRC-32 and one log line per file) side by side with
# the usual tools, each run into a fresh destination, and prints Markdown
# tables of the medians. Every run is durable: brenxc flushes the destination's
# file system before it says it is done, so each peer's copy is followed by
# `sync -f` of its destination (dd by conv=fsync), and all of them are timed
# until their data is on the disk.
#
#   bench/copy_bench.sh [brenxc]   one 2 GiB file, then 20,000 files of 4 KiB
#   BENCH_WAITS=1 bench/copy_bench.sh   also the processor time of a 60 s random wait
#   BRENXC_BEFORE=old/brenxc bench/copy_bench.sh   also an earlier build, taking
#       turns with brenxc, and the ratio of their times pair by pair (run by run)
#
# Settings (environment): BRENXC (the program when not given, default
# build/src/brenxc),
# BENCH_DIR (default /var/tmp/brenx-bench: a disk, where durability costs what
# it costs on media; /dev/shm/... shows the programs alone), BIG_MIB (2048),
# FILES (20000), DIRS (200), FILE_KIB (4); RUNS (5) runs of each, whose median
# and best are shown (on a busy machine the best shows a program's own cost).
#
# A fresh destination for every run: deleting a tree and making the same one
# again slows the file system's inode allocator and spoils the figure, so the
# trees copied stay until the end; only the big copies go at once.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
BRENXC="$(realpath "${1:-${BRENXC:-$here/build/src/brenxc}}")"
WORK="${BENCH_DIR:-/var/tmp/brenx-bench}"
RUNS="${RUNS:-5}"
BIG_MIB="${BIG_MIB:-2048}"
FILES="${FILES:-20000}"
DIRS="${DIRS:-200}"
FILE_KIB="${FILE_KIB:-4}"

for tool in dd cp rhash tar rsync sync; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (./dev installs it)" >&2; exit 2; }
done
[ -x "$BRENXC" ] || { echo "missing: $BRENXC (build it first)" >&2; exit 2; }
BEFORE="${BRENXC_BEFORE:+$(realpath "$BRENXC_BEFORE")}"
[ -z "$BEFORE" ] || [ -x "$BEFORE" ] || { echo "missing: $BEFORE" >&2; exit 2; }

rm -rf "$WORK"
mkdir -p "$WORK/out" "$WORK/logs"
trap 'rm -rf "$WORK"' EXIT
# The program sees the bench directory as drive w:.
export BRENX_DRIVES="w=$WORK"

source "$(dirname "$0")/timing.sh"

brenxc_copy() {  # source dir, destination dir (both under $WORK), log name
    (cd "$WORK/logs" && "$BRENXC" -x -r -s "-L:$3" "w:\\$1" "w:\\$2" </dev/null)
}
before_copy() { BRENXC="$BEFORE" brenxc_copy "$@"; }

# The peers, each made durable at its end as brenxc is.
durable_cp() { cp "$@" && sync -f "${@: -1}"; }
tar_copy() { mkdir -p "$2" && tar -C "$1" -cf - . | tar -C "$2" -xf - && sync -f "$2"; }
rsync_copy() { rsync -a "$1" "$2" && sync -f "$2"; }
cp_then_crc() { cp "$1" "$2" && sync -f "$2" && rhash --crc32 "$2"; }

declare -A times
record() { times[$1]="${times[$1]:-} $2"; }
# With an earlier build: brenxc's time over the earlier build's, run by run
# (the two ran in the same round, so the machine's drift cancels).
paired_against_before() {
    [ -n "$BEFORE" ] || return 0
    local now=(${times[brenxc]}) then=(${times["brenxc before"]}) ratios=() i
    for i in "${!now[@]}"; do ratios+=("$(echo "${now[$i]} / ${then[$i]}" | bc -l)"); done
    printf 'brenxc / brenxc before, paired: median %.2f (range %.2f-%.2f, %d pairs)\n' \
        "$(median "${ratios[@]}")" "$(best "${ratios[@]}")" \
        "$(printf '%s\n' "${ratios[@]}" | sort -g | tail -1)" "${#ratios[@]}"
}

# --- one big file -----------------------------------------------------------
mkdir -p "$WORK/big"
head -c "$((BIG_MIB * 1024 * 1024))" /dev/urandom >"$WORK/big/big.bin"
big="$WORK/big/big.bin"
# One copy of the big file by each program; the copy goes at once.
big_copy() {  # tool, run
    local out="$WORK/out/big-$2"
    case "$1" in
        brenxc) record "$1" "$(seconds_of brenxc_copy big "out\\big-$2\\brenxc" "big-$2.log")" ;;
        "brenxc before") record "$1" "$(seconds_of before_copy big "out\\big-$2\\before" "big-before-$2.log")" ;;
        "dd bs=65024") record "$1" "$(seconds_of dd if="$big" of="$out/dd.bin" bs=65024 conv=fsync status=none)" ;;
        cp) record "$1" "$(seconds_of durable_cp "$big" "$out/cp.bin")" ;;
        "cp + rhash --crc32") record "$1" "$(seconds_of cp_then_crc "$big" "$out/crc.bin")" ;;
    esac
    rm -rf "${out:?}"/*
}
# The programs take turns, each run starting one further on, so that none
# always follows the same one (the memory a big copy frees is not equally
# quick to take again).
big_tools=("brenxc" "dd bs=65024" "cp" "cp + rhash --crc32")
[ -z "$BEFORE" ] || big_tools+=("brenxc before")
for run in $(seq "$RUNS"); do
    mkdir -p "$WORK/out/big-$run"
    for i in "${!big_tools[@]}"; do
        big_copy "${big_tools[$(((run + i) % ${#big_tools[@]}))]}" "$run"
    done
done
# The program's CRC line against rhash's.
logged=$(grep -a '^|' "$WORK/logs/big-1.log" | head -1 | cut -d'|' -f3 | tr -d '\r')
expected=$(rhash --crc32 --printf='%C' "$big" | sed 's/^0*//')
[ "${logged^^}" = "${expected:-0}" ] || { echo "CRC differs: $logged vs $expected" >&2; exit 1; }
rm -rf "$big"

bytes=$((BIG_MIB * 1024 * 1024))
base=$(median ${times[brenxc]})
echo "### One file of $BIG_MIB MiB, every copy durable (median of $RUNS runs, $WORK)"
echo
echo "| program | seconds (median) | best | MB/s (median) | time against brenxc |"
echo "| --- | ---: | ---: | ---: | ---: |"
for tool in "${big_tools[@]}"; do
    m=$(median ${times[$tool]})
    printf '| %s | %.2f | %.2f | %.0f | %.2f |\n' "$tool" "$m" "$(best ${times[$tool]})" \
        "$(echo "$bytes / $m / 1000000" | bc -l)" "$(echo "$m / $base" | bc -l)"
done
echo
printf 'brenxc / dd bs=65024 conv=fsync: %.2f\n' "$(echo "$base / $(median ${times["dd bs=65024"]})" | bc -l)"
paired_against_before
echo
times=()

# --- a tree of small files --------------------------------------------------
python3 - "$WORK/tree" "$FILES" "$DIRS" "$FILE_KIB" <<'EOF'
import os, sys
root, files, dirs, kib = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
data = os.urandom(kib * 1024 + 256)
for d in range(dirs):
    path = os.path.join(root, "d%03d" % d)
    os.makedirs(path)
    for f in range(files // dirs):
        with open(os.path.join(path, "f%03d.bin" % f), "wb") as out:
            out.write(data[f % 256:f % 256 + kib * 1024])
EOF
tree_copy() {  # tool, run
    local out="$WORK/out/tree-$2"
    case "$1" in
        brenxc) record "$1" "$(seconds_of brenxc_copy tree "out\\tree-$2\\brenxc" "tree-$2.log")" ;;
        "brenxc before") record "$1" "$(seconds_of before_copy tree "out\\tree-$2\\before" "tree-before-$2.log")" ;;
        "cp -r") record "$1" "$(seconds_of durable_cp -r "$WORK/tree" "$out/cp")" ;;
        "tar | tar") record "$1" "$(seconds_of tar_copy "$WORK/tree" "$out/tar")" ;;
        "rsync -a") record "$1" "$(seconds_of rsync_copy "$WORK/tree/" "$out/rsync/")" ;;
    esac
}
tree_tools=("brenxc" "cp -r" "tar | tar" "rsync -a")
[ -z "$BEFORE" ] || tree_tools+=("brenxc before")
for run in $(seq "$RUNS"); do
    mkdir -p "$WORK/out/tree-$run"
    for i in "${!tree_tools[@]}"; do
        tree_copy "${tree_tools[$(((run + i) % ${#tree_tools[@]}))]}" "$run"
    done
done
lines=$(grep -ac '^|' "$WORK/logs/tree-1.log")
[ "$lines" -eq "$FILES" ] || { echo "CRC lines: $lines, files: $FILES" >&2; exit 1; }

base=$(median ${times[brenxc]})
echo "### $FILES files of $FILE_KIB KiB in $DIRS directories, every copy durable (median of $RUNS runs)"
echo
echo "| program | seconds (median) | best | files/s (median) | time against brenxc |"
echo "| --- | ---: | ---: | ---: | ---: |"
for tool in "${tree_tools[@]}"; do
    name="${tool/|/\\|}"
    m=$(median ${times[$tool]})
    printf '| %s | %.2f | %.2f | %.0f | %.2f |\n' "$name" "$m" "$(best ${times[$tool]})" \
        "$(echo "$FILES / $m" | bc -l)" "$(echo "$m / $base" | bc -l)"
done
echo
for peer in "cp -r" "tar | tar"; do
    printf 'brenxc / %s: %.2f\n' "$peer" "$(echo "$base / $(median ${times[$peer]})" | bc -l)"
done
paired_against_before
echo

# --- the processor time of a random wait ---------------------------------
if [ "${BENCH_WAITS:-0}" = 1 ]; then
    mkdir -p "$WORK/one"
    echo x >"$WORK/one/x.txt"
    # CD-R media (w: is not in NotCDR), a wait once a byte is on them: one
    # 60-second wait at the end of the copy.
    printf '[brenx]\r\nNotCDR=abc\r\nRandomWait=1\r\nRandomTime=60\r\nnoprompt=1\r\n' \
        >"$WORK/wait.ini"
    (cd "$WORK/logs" && /usr/bin/time -o "$WORK/wait.time" -f '%e %U %S' "$BRENXC" -r \
        "-i$WORK/wait.ini" -L:wait.log 'w:\one' 'w:\out\wait' </dev/null >/dev/null 2>&1)
    read -r wall user sys <"$WORK/wait.time"
    echo "### A 60-second random wait"
    echo
    printf '%.1f s wall, %.2f s of processor time: %.2f%% of a core\n' "$wall" \
        "$(echo "$user + $sys" | bc -l)" "$(echo "($user + $sys) * 100 / $wall" | bc -l)"
fi
