#!/usr/bin/env bash
# Renders the desktop icons (the program's and its two file types') from their SVG sources in
# packaging/icons/ into the hicolor sizes committed beside them. Needs rsvg-convert (librsvg2-bin).
#   tools/icons/render.sh
set -euo pipefail
cd "$(dirname "$0")/../../packaging/icons"
sizes=(16 24 32 48 64 128 256)
render() { # <svg name> <context>
    for s in "${sizes[@]}"; do
        mkdir -p "hicolor/${s}x${s}/$2"
        rsvg-convert -w "$s" -h "$s" "$1.svg" -o "hicolor/${s}x${s}/$2/$1.png"
    done
}
render orbane1s apps
render application-x-orbane1s-configuration mimetypes
render application-x-orbane1s-exercise mimetypes
