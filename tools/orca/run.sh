#!/bin/bash
# Runs the program under the Orca screen reader on a virtual screen and keeps Orca's debug log,
# where each "SPEECH OUTPUT:" line is what Orca said. Needs orca, speech-dispatcher, espeak-ng,
# at-spi2-core, dbus-x11, xvfb and xdotool (Debian 12).
#   tools/orca/run.sh PROGRAM LOG [KEYS...]     e.g. ... build/debug/bin/orbane1s /tmp/orca.log ctrl+d space
# Each KEY is sent with xdotool two seconds apart once the window has the keyboard; a KEY of the
# form FILE.P08 is passed to the program instead, sleepN waits N seconds more (a flight), and
# "focus" gives the keyboard to the program's newest window (Xvfb has no window manager to do it).
# Speech goes to a null audio driver.
set -eu
program=$(realpath "$1"); log=$(realpath -m "$2"); shift 2
args=(); keys=()
for k in "$@"; do if [[ $k == *.P08 ]]; then args+=("$(realpath "$k")"); else keys+=("$k"); fi; done
conf=$(mktemp -d)
mkdir -p "$conf/speech-dispatcher"
cp /etc/speech-dispatcher/speechd.conf "$conf/speech-dispatcher/"
echo 'AudioOutputMethod "libao"' >> "$conf/speech-dispatcher/speechd.conf"
echo 'default_driver=null' > "$conf/libao"
inner=$(mktemp)
cat > "$inner" <<INNER
#!/bin/bash
export XDG_CONFIG_HOME=$conf HOME_LIBAO=$conf/libao QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
cp $conf/libao "\$HOME/.libao" 2>/dev/null || true
/usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1
# A terminal makes Orca write its log line by line.
script -q -f -c "orca --replace --debug-file=/dev/tty" "$log" > /dev/null 2>&1 & sleep 6
"$program" ${args[@]+"${args[@]}"} > /dev/null 2>&1 & app=\$!; sleep 6
w=\$(xdotool search --onlyvisible --name "Orbane" | tail -1)
eval \$(xdotool getwindowgeometry --shell \$w)
# Xvfb has no window manager: a click in the window's empty corner gives it the keyboard.
xdotool mousemove \$((X + WIDTH - 10)) \$((Y + HEIGHT - 10)) click 1; sleep 1
for k in ${keys[@]+"${keys[@]}"}; do
  if [[ \$k == sleep* ]]; then sleep \${k#sleep}
  elif [[ \$k == focus ]]; then xdotool windowfocus \$(xdotool search --onlyvisible --classname "orbane1s" | tail -1); sleep 2
  else xdotool key "\$k"; sleep 2; fi
done
sleep 4; kill \$app; pkill -f "orca --replace" || true; pkill -f speech-dispatcher || true
INNER
chmod +x "$inner"
xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- "$inner" > /dev/null 2>&1 || true
rm -rf "$conf" "$inner"
grep -a "SPEECH OUTPUT" "$log" || echo "Orca said nothing: see $log"
