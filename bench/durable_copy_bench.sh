#!/usr/bin/env bash
# What it costs to put every copy on the medium before it takes its name:
# brenxc against an earlier brenxc that flushed only once at the end, and
# rsync -a --fsync (a flush per file, the same promise) against rsync -a
# with one sync at the end. On two kinds of stick, each an image on a loop
# device: ext4 through the kernel and exFAT through exfat-fuse. Every copy
# is timed until its data is on the medium (the tree's final sync -f for the
# peers, brenxc's own flush), into a freshly made file system.
#
#   bench/durable_copy_bench.sh [brenxc] [earlier brenxc]
#
# Without an earlier brenxc only the peers are compared with brenxc.
# Settings (environment): BENCH_DIR (default /var/tmp/brenx-durable), FILES
# (1000) of FILE_KIB (4) KiB in DIRS (20) directories, one file of BIG_MIB
# (128), IMAGE_MIB (512), RUNS (3) runs of each, whose median is shown.
# Needs root, loop devices, /dev/fuse, mkfs.ext4, mkfs.exfat,
# mount.exfat-fuse and rsync; the sticks are taken under the lock that the
# real-media tests take, /tmp/brenx-media.lock.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
BRENXC="$(realpath "${1:-$here/build/src/brenxc}")"
EARLIER="${2:-}"
WORK="${BENCH_DIR:-/var/tmp/brenx-durable}"
FILES="${FILES:-1000}"
FILE_KIB="${FILE_KIB:-4}"
DIRS="${DIRS:-20}"
BIG_MIB="${BIG_MIB:-128}"
IMAGE_MIB="${IMAGE_MIB:-512}"
RUNS="${RUNS:-3}"

[ "$(id -u)" = 0 ] || { echo "needs root (loop devices and mounts)" >&2; exit 2; }
for tool in losetup mkfs.ext4 mkfs.exfat mount.exfat-fuse rsync bc; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done
[ -x "$BRENXC" ] || { echo "missing: $BRENXC (build it first)" >&2; exit 2; }

exec 9>/tmp/brenx-media.lock
flock 9

rm -rf "$WORK"
mkdir -p "$WORK/source" "$WORK/stick" "$WORK/logs"
loop=""
cleanup() {
    umount "$WORK/stick" 2>/dev/null || true
    [ -z "$loop" ] || losetup -d "$loop" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
export BRENX_DRIVES="w=$WORK;x=$WORK/stick"

python3 - "$WORK/source" "$FILES" "$DIRS" "$FILE_KIB" "$BIG_MIB" <<'EOF'
import os, sys
root, files, dirs, kib, big = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5])
data = os.urandom(kib * 1024 + 256)
for d in range(dirs):
    path = os.path.join(root, "tree", "d%02d" % d)
    os.makedirs(path)
    for f in range(files // dirs):
        with open(os.path.join(path, "f%03d.bin" % f), "wb") as out:
            out.write(data[f % 256:f % 256 + kib * 1024])
os.makedirs(os.path.join(root, "big"))
with open(os.path.join(root, "big", "big.bin"), "wb") as out:
    for _ in range(big):
        out.write(os.urandom(1 << 20))
EOF

# A fresh stick of the kind, mounted at $WORK/stick.
fresh_stick() {  # ext4 | exfat
    umount "$WORK/stick" 2>/dev/null || true
    [ -z "$loop" ] || losetup -d "$loop"
    rm -f "$WORK/stick.img"
    truncate -s "${IMAGE_MIB}M" "$WORK/stick.img"
    if [ "$1" = ext4 ]; then
        mkfs.ext4 -q -F "$WORK/stick.img"
    else
        mkfs.exfat "$WORK/stick.img" >/dev/null
    fi
    loop=$(losetup -f --show "$WORK/stick.img")
    if [ "$1" = ext4 ]; then mount "$loop" "$WORK/stick"; else mount.exfat-fuse "$loop" "$WORK/stick" >/dev/null 2>&1; fi
}

source "$(dirname "$0")/timing.sh"

brenxc_copy() {  # program, source, destination name
    (cd "$WORK/logs" && "$1" -x -r -s "-L:run.log" "w:\\source\\$2" "x:\\$3" </dev/null)
}
rsync_fsync() { rsync -a --fsync "$1" "$2" && sync -f "$2"; }
rsync_once() { rsync -a "$1" "$2" && sync -f "$2"; }

declare -A times
record() { times[$1]="${times[$1]:-} $2"; }

tools=("brenxc" "rsync -a --fsync" "rsync -a")
[ -z "$EARLIER" ] || tools+=("earlier brenxc")

one_copy() {  # tool, what (tree | big)
    case "$1" in
        brenxc) seconds_of brenxc_copy "$BRENXC" "$2" out ;;
        "earlier brenxc") seconds_of brenxc_copy "$EARLIER" "$2" out ;;
        "rsync -a --fsync") seconds_of rsync_fsync "$WORK/source/$2/" "$WORK/stick/out/" ;;
        "rsync -a") seconds_of rsync_once "$WORK/source/$2/" "$WORK/stick/out/" ;;
    esac
}

for kind in ext4 exfat; do
    for what in tree big; do
        times=()
        for run in $(seq "$RUNS"); do
            for i in "${!tools[@]}"; do
                tool="${tools[$(((run + i) % ${#tools[@]}))]}"
                fresh_stick "$kind"
                record "$tool" "$(one_copy "$tool" "$what")"
            done
        done
        if [ "$what" = tree ]; then
            echo "### $kind: $FILES files of $FILE_KIB KiB (median of $RUNS runs)"
        else
            echo "### $kind: one file of $BIG_MIB MiB (median of $RUNS runs)"
        fi
        echo
        echo "| program | seconds | against brenxc |"
        echo "| --- | ---: | ---: |"
        base=$(median ${times[brenxc]})
        for tool in "${tools[@]}"; do
            m=$(median ${times[$tool]})
            printf '| %s | %.2f | %.2f |\n' "$tool" "$m" "$(echo "$m / $base" | bc -l)"
        done
        echo
    done
done
