#!/usr/bin/env bash
# CPU of the running program per frame of a flight, under Xvfb: the program's utime + stime
# (/proc/PID/stat, every thread) over a series of flights, divided by the number of ticks.
#
#   xvfb-run -a -s '-screen 0 1280x1024x24' bench/flight_cpu.sh PROGRAM CONFIG.P08 TICKS [FLIGHTS] [graph]
#
# CONFIG.P08 is opened on the command line; TICKS is the number of ticks of one flight of that
# configuration; "graph" starts each flight with the camera and shows the live graph's tab.
# Needs xdotool. The window's controls are clicked at their design positions.
#
# FLOOR=build/release/bin/floor_window also measures that bare window (a picture of the scene's
# size uploaded every 20 ms) before each flight, over as many ticks, stopped while the program
# flies, and prints its CPU per frame and the program's ratio to it. bench/flight_configs writes
# the configurations and prints their ticks.
set -euo pipefail

program=$1 config=$2 ticks=$3 flights=${4:-10} mode=${5:-plain}
hz=$(getconf CLK_TCK)

# The floor's window first: the program's, opened after it, stands above it.
floorPid=
if [ -n "${FLOOR:-}" ]; then
    "$FLOOR" >/dev/null 2>&1 &
    floorPid=$!
    sleep 1
fi
"$program" "$config" >/dev/null 2>&1 &
pid=$!
cleanup() {
    kill "$pid" 2>/dev/null || true
    [ -z "$floorPid" ] || { kill -CONT "$floorPid"; kill "$floorPid"; } 2>/dev/null || true
}
trap cleanup EXIT
sleep 3
[ -z "$floorPid" ] || kill -STOP "$floorPid"
wid=$(xdotool search --sync --onlyvisible --pid "$pid" --name 'Orbane' | head -1)
eval "$(xdotool getwindowgeometry --shell "$wid")" # X, Y

click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.3; }
cpu() { awk '{print $14 + $15}' "/proc/${1:-$pid}/stat"; }

# Design positions (pixels in the window): "Simulation", the tabs, the camera, the boxes of
# x(t) and y(t), "Afficher". The column of the tabs stood 7 pixels further left before the
# scene's scroll bar had its own column: PANEL_SHIFT=0 for those builds.
s=${PANEL_SHIFT:-7}
simulation=(260 536)
tab4=($((673 + s)) 55) tab5=($((751 + s)) 55)
camera=($((451 + s)) 220)
xt=($((478 + s)) 113) yt=($((582 + s)) 113) afficher=($((731 + s)) 84)

if [ "$mode" = graph ]; then
    click "${tab5[@]}"
    click "${xt[@]}"
    click "${yt[@]}"
    click "${afficher[@]}"
fi
xdotool mousemove $((X + 790)) $((Y + 590)) # the pointer out of the way
sleep 1

# Each flight starts with "Simulation", or in graph mode with the camera (on its tab) and
# then the graph's tab again; the CPU of those tab changes alone is measured and taken off.
start() {
    if [ "$mode" = graph ]; then
        click "${tab4[@]}"
        [ "$1" = fly ] && xdotool mousemove $((X + ${camera[0]})) $((Y + ${camera[1]})) click 1
        click "${tab5[@]}"
    else
        xdotool mousemove $((X + ${simulation[0]})) $((Y + ${simulation[1]})) click 1
    fi
    xdotool mousemove $((X + 790)) $((Y + 590))
}

flightSeconds=$(awk -v t="$ticks" 'BEGIN {print t * 0.02 + 1.0}')
tickSeconds=$(awk -v t="$ticks" 'BEGIN {print t * 0.02}')
floorTotal=0
floorFlight() {
    kill -CONT "$floorPid"
    local before
    before=$(cpu "$floorPid")
    sleep "$tickSeconds"
    floorTotal=$((floorTotal + $(cpu "$floorPid") - before))
    kill -STOP "$floorPid"
}
total=0
for ((i = 0; i < flights; i++)); do
    [ -z "$floorPid" ] || floorFlight
    before=$(cpu)
    start fly
    sleep "$flightSeconds"
    after=$(cpu)
    total=$((total + after - before))
    if [ -n "${SHOT:-}" ] && [ "$i" = 0 ]; then import -window root "$SHOT"; fi
done
overhead=0
if [ "$mode" = graph ]; then
    before=$(cpu)
    for ((i = 0; i < flights; i++)); do start tabs; sleep 0.5; done
    overhead=$(($(cpu) - before))
fi
awk -v j="$total" -v o="$overhead" -v hz="$hz" -v n=$((ticks * flights)) \
    'BEGIN {printf "%d ticks, %.0f ms CPU (%.0f ms of it changing tabs): %.3f ms per frame\n",
            n, j * 1000 / hz, o * 1000 / hz, (j - o) * 1000 / hz / n}'
if [ -n "$floorPid" ]; then
    awk -v j="$total" -v o="$overhead" -v f="$floorTotal" -v hz="$hz" -v n=$((ticks * flights)) \
        'BEGIN {printf "floor: %.0f ms CPU: %.3f ms per frame; program / floor: %.2f\n",
                f * 1000 / hz, f * 1000 / hz / n, (f > 0 ? (j - o) / f : 0)}'
fi
