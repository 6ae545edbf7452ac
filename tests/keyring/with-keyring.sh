#!/bin/sh
# Runs a command inside a private D-Bus session that holds a gnome-keyring-daemon, unlocked
# with a test password, in a home of its own: the user's own keyring is never touched.
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/run"
export HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_DATA_HOME="$home/share"
export XDG_CONFIG_HOME="$home/config" XDG_CURRENT_DESKTOP=GNOME
unset DBUS_SESSION_BUS_ADDRESS
exec dbus-run-session -- sh -c '
    printf "kivvo test password" | gnome-keyring-daemon --unlock --components=secrets >/dev/null
    exec "$@"' keyring "$@"
