#!/usr/bin/env bash
# Verify side by side: brenxc verifying its CRC log, against reading the same
# files with cat (the floor) and against a peer verifier (rhash --check on an
# SFV file of the same CRC-32s). Two data sets, each in two places:
#   big   one file of 2 GiB (BIG_BYTES)
#   tree  20,000 files of 4 KiB in 200 directories
#   disk  a directory on disk ($DISK_BASE, default /var/tmp): every file's
#         cached pages are dropped before each pass, so all three read the
#         medium (brenxc drops them itself too)
#   memory  /dev/shm: the files live in memory, whose pages cannot be
#         dropped, so all three read cached data
# Each figure is the median wall time of RUNS passes (default 5), the three
# tools taking turns within each pass.
#
# Usage: bench/verify_bench.sh [path/to/brenxc]   (default build/src/brenxc)
set -euo pipefail
cd "$(dirname "$0")/.."

BRENXC=$(realpath "${1:-build/src/brenxc}")
BIG_BYTES=${BIG_BYTES:-$((2 << 30))}
RUNS=${RUNS:-5}
DISK_BASE=${DISK_BASE:-/var/tmp}
MEMORY_BASE=${MEMORY_BASE:-/dev/shm}

for tool in "$BRENXC" rhash python3; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done

WORK=()
cleanup() { for w in "${WORK[@]}"; do rm -rf "$w"; done; }
trap cleanup EXIT

# Makes the data set in $1 (mapped as drive v:): the files, the CRC log a copy
# would have left (CR LF lines "|v:\path|CRC"), the SFV file for rhash and
# the list of files for cat, in the order of the log.
make_data() {
    python3 - "$1" "$2" "$BIG_BYTES" <<'PY'
import os, sys, zlib
root, kind, big = sys.argv[1], sys.argv[2], int(sys.argv[3])
names = []
if kind == "big":
    names.append("big.bin")
    crc, left = 0, big
    with open(os.path.join(root, "big.bin"), "wb") as out:
        block = os.urandom(1 << 20)
        while left:
            piece = block[: min(left, len(block))]
            out.write(piece)
            crc = zlib.crc32(piece, crc)
            left -= len(piece)
    crcs = [crc]
else:
    crcs = []
    for d in range(200):
        os.makedirs(os.path.join(root, "tree", "d%d" % d))
        for f in range(100):
            name = "tree/d%d/f%d.dat" % (d, f)
            data = os.urandom(4096)
            with open(os.path.join(root, name), "wb") as out:
                out.write(data)
            names.append(name)
            crcs.append(zlib.crc32(data))
with open(os.path.join(root, "crc.log"), "wb") as log:
    for name, crc in zip(names, crcs):
        log.write(("|v:\\%s|%X\r\n" % (name.replace("/", "\\"), crc)).encode())
with open(os.path.join(root, "check.sfv"), "w") as sfv:
    for name, crc in zip(names, crcs):
        sfv.write("%s %08X\n" % (name, crc))
with open(os.path.join(root, "files.list"), "wb") as lst:
    for name in names:
        lst.write(os.path.join(root, name).encode() + b"\0")
os.sync()
PY
}

# Drops the cached pages of every listed file (written back already by the sync).
drop_pages() {
    python3 - "$1/files.list" <<'PY'
import os, sys
for name in open(sys.argv[1], "rb").read().split(b"\0"):
    if not name:
        continue
    fd = os.open(name, os.O_RDONLY)
    os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
    os.close(fd)
PY
}

run_cat() { xargs -0 -a "$1/files.list" cat >/dev/null; }
run_brenx() {
    (cd "$1" && BRENX_DRIVES="v=$1" "$BRENXC" -x -r "-v$1/crc.log" "-L$1/run.log" \
        </dev/null >/dev/null 2>&1)
}
run_rhash() { (cd "$1" && rhash --crc32 --check check.sfv >/dev/null 2>&1); }

# Wall time in seconds of one pass of "$1 $2".
one_pass() {
    local start end
    start=$(date +%s.%N)
    "$1" "$2" || { echo "$1 failed in $2" >&2; exit 1; }
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }

# Median times of RUNS passes of each tool over the data in $1; the tools take
# turns within each pass, so that a change of the machine's load meets all
# three alike. $2 = drop: every file's pages are dropped before each pass.
measure_all() {
    local dir=$1 drop=$2 cat_t=() brenx_t=() rhash_t=()
    for _ in $(seq "$RUNS"); do
        [ "$drop" = drop ] && drop_pages "$dir"
        cat_t+=("$(one_pass run_cat "$dir")")
        [ "$drop" = drop ] && drop_pages "$dir"
        brenx_t+=("$(one_pass run_brenx "$dir")")
        [ "$drop" = drop ] && drop_pages "$dir"
        rhash_t+=("$(one_pass run_rhash "$dir")")
    done
    echo "$(median "${cat_t[@]}") $(median "${brenx_t[@]}") $(median "${rhash_t[@]}")"
}

report() {
    local label=$1 bytes=$2 cat_s=$3 brenx_s=$4 rhash_s=$5
    printf '%-12s cat %7.3f s %8.1f MB/s | brenxc %7.3f s %8.1f MB/s | rhash %7.3f s %8.1f MB/s | brenxc/cat %5.2f | rhash/brenxc %5.2f\n' \
        "$label" "$cat_s" "$(echo "$bytes / $cat_s / 1000000" | bc -l)" \
        "$brenx_s" "$(echo "$bytes / $brenx_s / 1000000" | bc -l)" \
        "$rhash_s" "$(echo "$bytes / $rhash_s / 1000000" | bc -l)" \
        "$(echo "$brenx_s / $cat_s" | bc -l)" "$(echo "$rhash_s / $brenx_s" | bc -l)"
}

for place in disk memory; do
    base=$DISK_BASE
    drop=drop
    if [ "$place" = memory ]; then base=$MEMORY_BASE; drop=keep; fi
    for kind in big tree; do
        dir=$(mktemp -d "$base/brenx-verify-XXXXXX")
        WORK+=("$dir")
        make_data "$dir" "$kind"
        bytes=$BIG_BYTES
        [ "$kind" = tree ] && bytes=$((20000 * 4096))
        # One pass of each first: brenxc's own log and the caches settle.
        run_brenx "$dir" || { echo "brenxc did not verify $dir" >&2; exit 1; }
        read -r cat_s brenx_s rhash_s < <(measure_all "$dir" "$drop")
        report "$kind/$place" "$bytes" "$cat_s" "$brenx_s" "$rhash_s"
        rm -rf "$dir"
    done
done
