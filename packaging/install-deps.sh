#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs whichever packages of the named lists are missing, through sudo
# when not root. Does nothing (and needs no network) when all are present.
#
#   packaging/install-deps.sh program [test] [fuzz-bench]
#
# reads packaging/deps-<name>.txt for each name. CORVANE_SKIP_DEPS=1 skips
# the step, for a system set up by hand (make run CORVANE_SKIP_DEPS=1).
#
# apt's and dpkg's thousands of lines go to build/install-deps.log; the
# terminal gets one line per step, and the end of the log when one fails.
set -euo pipefail

if [[ ${CORVANE_SKIP_DEPS:-0} == 1 ]]; then
  exit 0
fi

here=$(dirname "$0")
(($#)) || set -- program

missing=()
for name in "$@"; do
  list=$here/deps-$name.txt
  [[ -f $list ]] || { echo "install-deps.sh: no package list $list" >&2; exit 2; }
  # `|| [[ -n $pkg ]]` keeps a last line that has no newline.
  while read -r pkg || [[ -n $pkg ]]; do
    pkg=${pkg%%#*}
    pkg=${pkg//[[:space:]]/}
    [[ -z $pkg ]] && continue
    [[ " ${missing[*]} " == *" $pkg "* ]] && continue
    if ! command -v dpkg-query >/dev/null ||
       ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed'; then
      missing+=("$pkg")
    fi
  done <"$list"
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
  echo "install-deps.sh: this system has no apt; install Qt 6.4 or newer (Widgets, Test), CMake 3.25 or newer, Ninja, a C++20 compiler, GoogleTest and the Liberation fonts by hand, then run again with CORVANE_SKIP_DEPS=1" >&2
  exit 1
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps.sh: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
  # A password, if sudo wants one, is asked for here, on a line of its own.
  sudo -v
fi
mkdir -p "$here/../build"
log=$(cd "$here/../build" && pwd)/install-deps.log
: >"$log"

# step TEXT COMMAND...: one line for the step, the command's output in the
# log. The variable goes after sudo, which would otherwise drop it and leave
# debconf to ask its questions interactively.
step() {
  local text=$1 status=0
  shift
  printf '%s ... ' "$text"
  echo "+ $*" >>"$log"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "$@" >>"$log" 2>&1 </dev/null || status=$?
  if ((status == 0)); then
    echo done
    return
  fi
  echo "failed (status $status)"
  echo "--- the last lines of $log:" >&2
  tail -n 25 "$log" >&2
  echo "--- the whole output of apt-get is in $log" >&2
  exit 1
}

count="${#missing[@]} package"
((${#missing[@]} == 1)) || count+=s
echo "Installing $count this needs (log: $log)"
step "Updating apt's package lists" apt-get update
step "Downloading and installing $count" \
  apt-get install -y --no-install-recommends "${missing[@]}"
