#!/usr/bin/env bash
# Remakes the screenshots of the software-centre page (packaging/screenshots/) and the pictures
# of the help (data/zeph-*.png): the program's windows in a few lessons, rendered offscreen.
#   tools/screenshots/make.sh [preset]     (release by default)
# The tool runs with a home of its own, /home/professeur on a private mount, so that the paths
# it shows are a teacher's and not this machine's.
set -euo pipefail
cd "$(dirname "$0")/../.."
preset=${1:-release}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target orbane1s_screenshots
tool=$PWD/build/$preset/bin/orbane1s_screenshots
unshare --map-root-user --mount bash -euc '
    mount -t tmpfs tmpfs /home
    mkdir /home/professeur
    export HOME=/home/professeur QT_QPA_PLATFORM=offscreen
    "$1" packaging/screenshots
    "$1" --aide data' _ "$tool"
