#!/bin/sh
# Starts QUILL10 as a screen reader meets it and reads it key by key:
# a virtual screen (Xvfb), a session bus, the AT-SPI bus and registry, the
# program with its accessibility always on and a fresh home folder, then
# tools/a11y/focus_dump.py with the keys given.
#
#   tools/a11y/run.sh [--program PATH] [--case FILE.q10] [--focused] KEY...
#   tools/a11y/run.sh Tab Tab F6 Down Return ctrl+Next type:12x4 Tab
#
# Needs the Debian packages xvfb, dbus-x11, at-spi2-core, python3-pyatspi
# and xdotool.  The program is build/release/bin/quill10 unless --program
# names another build.  A developer's tool: the test suite does not use it.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program="$here/../../build/release/bin/quill10"
case_file=""
dump_options=""
while [ $# -gt 0 ]; do
    case "$1" in
        --program) program=$2; shift 2 ;;
        --case) case_file=$2; shift 2 ;;
        --focused) dump_options="--focused"; shift ;;
        *) break ;;
    esac
done
[ -x "$program" ] || { echo "no program at $program (build it, or name it with --program)" >&2; exit 1; }

work=$(mktemp -d)
display=:$((90 + $$ % 9))
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids="$pids $!"
export DISPLAY="$display"
sleep 1

eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids="$pids $!"
sleep 1
/usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
pids="$pids $!"
sleep 1

mkdir -p "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" ${case_file:+"$case_file"} >"$work/program.log" 2>&1 &
pids="$pids $!"
sleep 4
# No window manager runs: the program's window is given the keyboard by hand.
xdotool search --sync --onlyvisible --name QUILL10 windowfocus --sync >/dev/null
sleep 1

/usr/bin/python3 "$here/focus_dump.py" $dump_options "$@"
