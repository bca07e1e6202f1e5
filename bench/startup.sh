#!/usr/bin/env bash
# Medians over several runs of the start-up to first paint and of the peak memory, for the
# simulator's window and a bare Qt window, in the same session. Needs a display (xvfb-run).
set -euo pipefail
bin=${1:-build/release/bin}
runs=${2:-9}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
for program in startup_bare startup_orbane; do
    times=(); mems=()
    for _ in $(seq "$runs"); do
        line=$("$bin/$program")
        times+=("$(sed 's/.*first_paint_ms=\([0-9.]*\).*/\1/' <<<"$line")")
        mems+=("$(sed 's/.*peak_rss_mb=\([0-9.]*\).*/\1/' <<<"$line")")
    done
    printf '%-15s first paint %6.1f ms (median of %d)   peak memory %6.1f MB\n' "$program" \
        "$(printf '%s\n' "${times[@]}" | median)" "$runs" "$(printf '%s\n' "${mems[@]}" | median)"
done
