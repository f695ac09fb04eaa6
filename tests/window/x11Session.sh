#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs a test program on a small X11 screen with a window manager: a private
# Xvfb of the size given and openbox on it, both removed afterwards. Exits 77
# (skipped) when Xvfb, openbox or Qt's xcb platform plugin cannot be found.
# The test's own environment (QT_SCALE_FACTOR, QT_FONT_DPI, ...) passes
# through unchanged.
#
# usage: x11Session.sh QT_PLUGIN_DIR WIDTHxHEIGHT TEST_PROGRAM [ARGUMENTS...]
set -u
pluginDir=$1
screenSize=$2
shift 2

source "$(dirname "$0")/xvfbSession.bash"
command -v openbox >/dev/null || skip "openbox is not installed (Debian package openbox)"
[ -e "$pluginDir/platforms/libqxcb.so" ] || skip "Qt's xcb platform plugin is not in $pluginDir/platforms"

openSession x11
startXvfb "$screenSize"
export DISPLAY=$xvfbDisplay

# openbox runs the start-up command once it manages the screen; until then
# a window would be shown without a frame.
HOME=$session openbox --sm-disable --startup "touch $session/managed" >"$session/openbox.log" 2>&1 &
serverPid=$!
for _ in $(seq 100); do
    [ -e "$session/managed" ] && break
    sleep 0.1
done
[ -e "$session/managed" ] || { cat "$session/openbox.log"; echo "openbox did not start"; exit 1; }

QT_QPA_PLATFORM=xcb timeout 90 "$@"
status=$?
if [ "$status" -ne 0 ]; then
    echo "--- openbox log"
    tail -n 20 "$session/openbox.log"
fi
exit "$status"
