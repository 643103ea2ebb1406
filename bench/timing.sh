# What the side-by-side scripts share: a command's wall-clock seconds and the
# median (and best) of several. Sourced, never run.

seconds_of() {  # runs the command, prints its wall-clock seconds
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
best() { printf '%s\n' "$@" | sort -g | head -1; }
