#!/usr/bin/env bash
# Starts Orbane 1S on a private X server and D-Bus session with accessibility on, then runs the
# given shell commands (a11ytree.py calls, screenshots) against it, and closes it.
#   tools/a11y/run.sh <program> '<commands>'
# Needs: xvfb, dbus-x11, at-spi2-core, python3-pyatspi (Debian).
set -euo pipefail
program=$1
commands=$2
here=$(cd "$(dirname "$0")" && pwd)
export A11Y="/usr/bin/python3 $here/a11ytree.py"
exec xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- bash -c "
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  '$program' >/dev/null 2>&1 &
  pid=\$!
  \$A11Y wait 'Simulation' 15
  $commands
  kill \$pid 2>/dev/null || true
"
