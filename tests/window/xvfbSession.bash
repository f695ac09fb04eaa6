# SPDX-License-Identifier: MIT
# What x11Session.sh and waylandSession.sh share, sourced by both: skipping,
# waiting for a file, and a private Xvfb in a session folder that is removed,
# with everything started in it, when the script exits.

skip() {
    echo "SKIPPED: $*"
    exit 77
}
command -v Xvfb >/dev/null || skip "Xvfb is not installed (Debian package xvfb)"

# Waits up to ten seconds for a file (or socket) to appear and not be empty.
waitFor() {
    for _ in $(seq 100); do
        [ -s "$1" ] || [ -S "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# Makes the session folder /tmp/corvane-NAME.*; on exit the server started
# on the Xvfb (serverPid) and the Xvfb are stopped and the folder removed.
openSession() {
    session=$(mktemp -d "/tmp/corvane-$1.XXXXXX")
    xvfbPid=
    serverPid=
    trap closeSession EXIT
}
closeSession() {
    [ -n "$serverPid" ] && kill "$serverPid" 2>/dev/null
    [ -n "$xvfbPid" ] && kill "$xvfbPid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$session"
}

# Starts Xvfb with a screen of WIDTHxHEIGHT; sets xvfbDisplay (":N").
startXvfb() {
    # Xvfb picks a free display number itself and writes it to the fd given.
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$session/display" 2>"$session/xvfb.log" &
    xvfbPid=$!
    waitFor "$session/display" || { cat "$session/xvfb.log"; echo "Xvfb did not start"; exit 1; }
    xvfbDisplay=":$(head -n1 "$session/display")"
}
