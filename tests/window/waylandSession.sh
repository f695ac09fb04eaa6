#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs a test program on a real Wayland compositor: weston drawing into a
# private Xvfb server, each with its own display number, socket and runtime
# directory, all removed afterwards. Exits 77 (skipped) when Xvfb, weston's
# X11 backend or Qt's Wayland platform plugin cannot be found.
#
# usage: waylandSession.sh QT_PLUGIN_DIR TEST_PROGRAM [ARGUMENTS...]
set -u
pluginDir=$1
shift

source "$(dirname "$0")/xvfbSession.bash"
command -v weston >/dev/null || skip "weston is not installed (Debian package weston)"
compgen -G "/usr/lib/*/libweston-*/x11-backend.so" >/dev/null \
    || compgen -G "/usr/lib/libweston-*/x11-backend.so" >/dev/null \
    || skip "weston has no X11 backend (x11-backend.so)"
# Qt 6.4 and 6.8 split the plugin (libqwayland-egl.so, libqwayland-generic.so),
# Qt 6.11 ships one libqwayland.so.
compgen -G "$pluginDir/platforms/libqwayland*.so" >/dev/null \
    || skip "Qt's Wayland platform plugin is not in $pluginDir/platforms (Debian package qt6-wayland)"

openSession wayland
startXvfb 1024x768
export XDG_RUNTIME_DIR="$session/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
DISPLAY=$xvfbDisplay weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 \
    --socket=corvane-test --idle-time=0 >"$session/weston.log" 2>&1 &
serverPid=$!
waitFor "$XDG_RUNTIME_DIR/corvane-test" || { cat "$session/weston.log"; echo "weston did not start"; exit 1; }

WAYLAND_DISPLAY=corvane-test QT_QPA_PLATFORM=wayland timeout 90 "$@"
status=$?
if [ "$status" -ne 0 ]; then
    echo "--- weston log"
    tail -n 20 "$session/weston.log"
fi
exit "$status"
