#!/usr/bin/env bash
# Medians over several runs of the start-up to the end of the first frame, timed from main() and
# from the launch, and of the peak memory, for the simulator's window, a bare Qt window and that
# window with one line of text, in the same session. Needs a display (xvfb-run).
set -euo pipefail
bin=${1:-build/release/bin}
runs=${2:-15}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
field() { sed -E "s/(^|.* )$1=([0-9.-]*).*/\2/"; }
declare -A results
for program in startup_bare startup_text startup_orbane; do
    lines=()
    # One run first to warm the disk cache.
    "$bin/startup_launch" "$bin/$program" >/dev/null
    for _ in $(seq "$runs"); do
        lines+=("$("$bin/startup_launch" "$bin/$program")")
    done
    for f in first_frame_ms from_launch_ms paint_start_from_launch_ms peak_rss_mb; do
        results[$program.$f]=$(printf '%s\n' "${lines[@]}" | field "$f" | median)
    done
    printf '%-15s from main %6.1f ms   from launch %6.1f ms   peak memory %6.1f MB  (medians of %d)\n' \
        "$program" "${results[$program.first_frame_ms]}" "${results[$program.from_launch_ms]}" \
        "${results[$program.peak_rss_mb]}" "$runs"
    printf '%-15s (the first paint event starts %.1f ms after the launch)\n' "" \
        "${results[$program.paint_start_from_launch_ms]}"
done
for program in startup_text startup_orbane; do
    for f in first_frame_ms from_launch_ms paint_start_from_launch_ms; do
        awk -v a="${results[$program.$f]}" -v b="${results[startup_bare.$f]}" -v p="$program" -v f="$f" \
            'BEGIN { printf "%-15s / startup_bare, %-27s %.2f\n", p, f, a / b }'
    done
done
