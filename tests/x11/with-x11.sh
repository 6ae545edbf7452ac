#!/bin/sh
# Runs a command on a private X server (Xvfb) with a window manager (openbox), so that focus,
# window activation and key auto-repeat are those of a real desktop. The server and the window
# manager end with the command. KIVVO_X11_SCREEN sets the screen's size (1280x800 unless told).
set -eu
dir=$(mktemp -d)
xvfb=""
wm=""
# Each step whatever the one before did: a window manager already gone must not leave the
# server running, and holding the output CTest waits on.
cleanup() {
    set +e
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
# Ended from outside, the servers end too.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb picks a free display itself and writes its number once it is ready.
# Its output goes to files, so that even a server left behind holds none of the test's.
Xvfb -displayfd 3 -screen 0 "${KIVVO_X11_SCREEN:-1280x800}x24" -nolisten tcp 3>"$dir/display" \
    >"$dir/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    sleep 0.1
done
if [ ! -s "$dir/display" ]; then
    cat "$dir/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(cat "$dir/display")"

HOME="$dir" openbox --sm-disable >"$dir/openbox.log" 2>&1 &
wm=$!
# The window manager is ready once it has claimed the screen. On a machine under heavy load
# that may take a while; without one no window is ever activated, so say so and stop rather
# than let every test wait out its own time-out.
for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "with-x11.sh: the window manager did not start within 30 s" >&2
    cat "$dir/openbox.log" >&2
    exit 1
fi
# A held key repeats after 150 ms, 30 times a second.
xset r on
xset r rate 150 30

export QT_QPA_PLATFORM=xcb
"$@"
