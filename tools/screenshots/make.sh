#!/usr/bin/env bash
# Remakes the screenshots of the software-centre page (packaging/screenshots/) and the pictures
# of the help (data/zeph-*.png): the program's windows in a few lessons, rendered offscreen, and
# the figure of the pointage's Python program (Python 3 with matplotlib: PYTHON names it).
#   tools/screenshots/make.sh [preset]     (release by default)
# The tool runs with a home of its own, /home/professeur on a private mount, so that the paths
# it shows are a teacher's and not this machine's.
set -euo pipefail
cd "$(dirname "$0")/../.."
preset=${1:-release}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target orbane1s_screenshots
tool=$PWD/build/$preset/bin/orbane1s_screenshots
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unshare --map-root-user --mount bash -euc '
    mount -t tmpfs tmpfs /home
    mkdir /home/professeur
    export HOME=/home/professeur QT_QPA_PLATFORM=offscreen
    "$1" packaging/screenshots
    "$1" --aide data
    "$1" --python "$2/pointage.py"' _ "$tool" "$scratch"
(cd "$scratch" && MPLBACKEND=Agg "${PYTHON:-python3}" pointage.py >/dev/null)
convert "$scratch/pointage.png" -resize 400x -colors 256 -strip -define png:exclude-chunks=date,time \
    PNG8:data/zeph-python.png
