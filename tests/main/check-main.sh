#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the program the way a user does from a terminal and checks what it
# answers, its exit status and how many lines it prints.
#
#   check-main.sh CASE PROGRAM VERSION
#
# CASE is one of
#   version      --version without a display: "corvane-calculator VERSION", status 0
#   help         --help without a display: usage naming --help and --version, status 0
#   no-display   DISPLAY names a display no X server serves, no QT_QPA_PLATFORM:
#                one line naming that display, status 1 (not Qt's abort)
#   no-x11-env   neither DISPLAY nor WAYLAND_DISPLAY nor QT_QPA_PLATFORM:
#                one line saying DISPLAY is not set, status 1
#   bad-option   an option the program does not know: status 1, no window
set -uo pipefail

case=${1:?usage: check-main.sh CASE PROGRAM VERSION}
program=${2:?program missing}
version=${3:?version missing}

out=$(mktemp "${TMPDIR:-/tmp}/corvane-main.XXXXXX")
trap 'rm -f "$out"' EXIT

# A display number with neither a socket nor a lock file: no X server there.
unused_display() {
  local n
  for n in $(seq 93 199); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { echo ":$n"; return; }
  done
  echo "no free display number between 93 and 199" >&2
  exit 1
}

# run EXPECTED_STATUS ENV... -- ARGS...: runs the program with only the given
# window-system variables, stdout and stderr together into $out.
run() {
  local expected=$1 status
  shift
  local envs=()
  while [[ $1 != -- ]]; do envs+=("$1"); shift; done
  shift
  timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${envs[@]}" \
    "$program" "$@" >"$out" 2>&1
  status=$?
  echo "--- output (status $status):"
  cat "$out"
  echo "---"
  [[ $status == "$expected" ]] || { echo "FAIL: exit status $status, expected $expected"; exit 1; }
}

lines() { wc -l <"$out"; }

case $case in
  version)
    run 0 -- --version
    [[ $(cat "$out") == "corvane-calculator $version" ]] ||
      { echo "FAIL: expected exactly 'corvane-calculator $version'"; exit 1; }
    ;;
  help)
    run 0 -- --help
    grep -q -- '--version' "$out" && grep -q -- '--help' "$out" && grep -q '^Usage: ' "$out" ||
      { echo "FAIL: the help does not show the usage and both options"; exit 1; }
    ;;
  no-display)
    display=$(unused_display)
    run 1 DISPLAY="$display" -- 
    [[ $(lines) == 1 ]] || { echo "FAIL: expected one line, got $(lines)"; exit 1; }
    grep -q "display $display\$" "$out" || { echo "FAIL: the line does not name $display"; exit 1; }
    ;;
  no-x11-env)
    run 1 XDG_SESSION_TYPE=x11 --
    [[ $(lines) == 1 ]] || { echo "FAIL: expected one line, got $(lines)"; exit 1; }
    grep -q 'DISPLAY is not set' "$out" || { echo "FAIL: the line does not say DISPLAY is not set"; exit 1; }
    ;;
  bad-option)
    run 1 QT_QPA_PLATFORM=offscreen -- --no-such-option
    grep -q "no-such-option" "$out" || { echo "FAIL: the message does not name the option"; exit 1; }
    ;;
  *) echo "check-main.sh: unknown case '$case'" >&2; exit 2 ;;
esac
echo "$case: passed"
