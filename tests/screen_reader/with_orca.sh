#!/bin/bash
# usage: with_orca.sh OUTDIR DRIVER [ARGUMENTS...]
# Runs DRIVER beside a real screen reader, on a display of its own: Xvfb, a
# session D-Bus, the AT-SPI bus and registry, and Debian's Orca, whose speech
# goes to speech-dispatcher's dummy module (nothing is heard) and whose every
# utterance is logged to OUTDIR/debug.out, a line each. Then stops them all
# and exits with DRIVER's status.
# Needs: orca speech-dispatcher at-spi2-core dbus-x11 xvfb xdotool.
set -u
here=$(cd "$(dirname "$0")" && pwd)
out=$1
shift
mkdir -p "$out"
base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT
mkdir -p "$base/home/.config/speech-dispatcher" "$base/run"
chmod 700 "$base/run"
cp "$here/speechd.conf" "$base/home/.config/speech-dispatcher/speechd.conf"
# Orca's own launcher, with a line-buffered log, and without its refusal to
# start beside another Orca: another user's screen reader on a shared machine
# is not ours to stop.
sed -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" \
    -e 's/^    if otherOrcas():/    if False:/' /usr/bin/orca >"$base/orca"
chmod +x "$base/orca"
export HOME=$base/home XDG_RUNTIME_DIR=$base/run XDG_CONFIG_HOME=$base/home/.config
# Orca's own words (its roles, "read only") in English whatever the machine
# speaks, and the program's too until the driver asks for another language.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=
number=213
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
export DISPLAY=:$number
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
done
export GTK_MODULES=gail:atk-bridge QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
dbus-run-session -- bash -c '
    out=$1 base=$2
    shift 2
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$out/atspi.log" 2>&1 &
    bus=$!
    sleep 1.5
    /usr/libexec/at-spi2-registryd >>"$out/atspi.log" 2>&1 &
    registry=$!
    sleep 0.5
    "$base/orca" --debug-file="$out/debug.out" >"$out/orca.log" 2>&1 &
    orca=$!
    # Orca is ready once it has said so.
    for _ in $(seq 150); do
        grep -q "Screen reader on" "$out/debug.out" 2>/dev/null && break
        sleep 0.1
    done
    "$@"
    status=$?
    kill -INT $orca
    sleep 1
    kill $orca $registry $bus 2>/dev/null
    exit $status
' session "$out" "$base" "$@"
status=$?
kill $xvfb 2>/dev/null
exit $status
