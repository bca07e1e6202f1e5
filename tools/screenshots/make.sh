#!/usr/bin/env bash
# Remakes the screenshots of the software-centre page (packaging/screenshots/) from the release
# build: the program's main window in three lessons, rendered offscreen.
#   tools/screenshots/make.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset release >/dev/null
cmake --build --preset release --target orbane1s_screenshots
QT_QPA_PLATFORM=offscreen ./build/release/bin/orbane1s_screenshots packaging/screenshots
