#!/usr/bin/env bash
# Extracts the Debian package into a scratch folder and starts the extracted program offscreen:
# it must answer its command line, find its data files there, show its window with a shipped
# exercise open, close by itself, and write nothing into its own folder.
#   packaging/check-package.sh <folder holding orbane1s_<version>_<arch>.deb> <version>
set -euo pipefail
debs=("$1"/orbane1s_"$2"_*.deb)
[ -f "${debs[0]}" ] || { echo "no package orbane1s_$2_*.deb in $1: run ./orbane.sh package" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -x "${debs[0]}" "$scratch/root"
root=$scratch/root
for f in usr/share/applications/orbane1s.desktop usr/share/mime/packages/orbane1s.xml \
         usr/share/man/man1/orbane1s.1.gz usr/share/doc/orbane1s/copyright \
         usr/share/icons/hicolor/scalable/apps/orbane1s.svg usr/lib/orbane1s/terre.jpg; do
    [ -e "$root/$f" ] || fail "$f is missing from the package"
done
ls "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "no metainfo in the package"
prog=$root/usr/bin/orbane1s
[ "$(readlink "$prog")" = ../lib/orbane1s/orbane1s ] || fail "/usr/bin/orbane1s is not a relative link"

# The command line answers without a display.
[ "$(env -u DISPLAY "$prog" --version)" = "Orbane 1S $2" ] || fail "--version"
env -u DISPLAY "$prog" --help | grep -q "EXERCICE.E20" || fail "--help does not name the exercises"
rc=0
env -u DISPLAY "$prog" --inconnue 2>"$scratch/refused" || rc=$?
[ "$rc" -eq 2 ] || fail "an unknown option ends with $rc, not 2"
grep -q "^Utilisation : orbane1s" "$scratch/refused" || fail "no usage line for an unknown option"

# The window, with a shipped exercise open; the user's folders are the scratch folder's.
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/.local/share XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen timeout 60 "$prog" --capture "$scratch/window.png" \
    "$root/usr/lib/orbane1s/CHUTE.E20" || fail "the program did not show its window and close"
read -r width height colours < <(identify -format '%w %h %k\n' "$scratch/window.png")
echo "window: ${width}x${height}, $colours colours"
[ "$width" -ge 640 ] && [ "$height" -ge 480 ] || fail "window of ${width}x${height}"
# The scene's picture and the exercise's text make thousands of colours; a window without its
# data files (or an empty one) has a few dozen.
[ "$colours" -ge 1000 ] || fail "only $colours colours: the scene's picture is not there"

[ ! -e "$root/usr/lib/orbane1s/TEMP1S.TMP" ] || fail "the program wrote into its own folder"
[ -s "$XDG_DATA_HOME/orbane1s/TEMP1S.TMP" ] || fail "no hand-shake file in the user's data folder"
echo "package ${debs[0]##*/}: extracted, started and closed"
