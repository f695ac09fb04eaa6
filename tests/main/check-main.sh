#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the program the way a user does from a terminal and checks what it
# answers on standard output and on standard error, and its exit status.
#
#   check-main.sh CASE PROGRAM VERSION
#
# CASE is one of
#   version      --version without a display, with no LANG, LC_ALL=C or a
#                locale the system lacks: "corvane-calculator VERSION" on
#                stdout, nothing on stderr, status 0
#   help         --help without a display: usage naming --help, --help-all
#                and --version on stdout, not Qt's options, status 0
#   help-all     --help-all without a display: Qt's options listed as well
#   qt-options   Qt's own options (-platform NAME, -style=NAME, ...) before
#                --version are let through: the version, status 0
#   no-display   DISPLAY names a display no X server serves, no QT_QPA_PLATFORM:
#                one line naming that display, status 1 (not Qt's abort)
#   no-x11-env   neither DISPLAY nor WAYLAND_DISPLAY nor QT_QPA_PLATFORM:
#                one line saying DISPLAY is not set, status 1
#   language     --language CODE as QLocale reads it: de, de_DE, de-DE and DE
#                give the German help, Qt's own texts (an unknown option) in
#                German too; en the English one where the desktop asks for
#                German; zh, zh_CN and zh-CN one and the same answer
#   language-desktop  without --language, the first of the desktop's
#                languages (LANGUAGE's list, LC_MESSAGES, LANG) that is English
#                or has a translation
#   language-unknown  a code that names no language: one line naming it,
#                status 2, nothing on stdout, with a display or without
#   language-untranslated  a language without a translation (pt): the
#                answer in English, and one line on stderr saying so
#   bad-option   an option the program does not know, without a display and
#                with one: one line naming it, status 2, no window
#   argument     an argument where none is taken: one line naming it, status 2
#   writes-only-the-report
#                on the X11 display in DISPLAY, with a window manager, and
#                HOME, XDG_CONFIG_HOME and TMPDIR empty folders: Ctrl+S saves
#                a report, a second Ctrl+S saves it again over the first
#                (Alt+Y), and the window has the keys after each dialog (the
#                next Ctrl+S opens the dialog again); after Ctrl+Q the report
#                is all there is in HOME and nothing is left in TMPDIR.
#                Skipped (status 77) without xdotool.
set -uo pipefail

case=${1:?usage: check-main.sh CASE PROGRAM VERSION}
program=${2:?program missing}
version=${3:?version missing}

out=$(mktemp "${TMPDIR:-/tmp}/corvane-main.XXXXXX")
err=$(mktemp "${TMPDIR:-/tmp}/corvane-main.XXXXXX")
trap 'rm -f "$out" "$err"' EXIT

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
# window-system and locale variables (none of LANG and LC_*, as in a
# container image, unless given), stdout into $out, stderr into $err.
run() {
  local expected=$1 status
  shift
  local envs=()
  while [[ $1 != -- ]]; do envs+=("$1"); shift; done
  shift
  timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    -u LANG -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_NUMERIC -u LC_MESSAGES \
    "${envs[@]}" "$program" "$@" >"$out" 2>"$err"
  status=$?
  echo "--- ${envs[*]} $program $* (status $status), stdout:"
  cat "$out"
  echo "--- stderr:"
  cat "$err"
  echo "---"
  [[ $status == "$expected" ]] || { echo "FAIL: exit status $status, expected $expected"; exit 1; }
}

quiet_stderr() { [[ ! -s $err ]] || { echo "FAIL: something on stderr"; exit 1; }; }
quiet_stdout() { [[ ! -s $out ]] || { echo "FAIL: something on stdout"; exit 1; }; }

lines() { wc -l <"$err"; }

case $case in
  version)
    for locale in "" LC_ALL=C LC_ALL=POSIX LANG=xx_XX.UTF-8; do
      run 0 $locale -- --version
      [[ $(cat "$out") == "corvane-calculator $version" ]] ||
        { echo "FAIL: expected exactly 'corvane-calculator $version'"; exit 1; }
      quiet_stderr
    done
    ;;
  help)
    run 0 -- --help
    grep -q -- '--version' "$out" && grep -q -- '--help-all' "$out" && grep -q '^Usage: ' "$out" ||
      { echo "FAIL: the help does not show the usage and the options"; exit 1; }
    ! grep -q -- '-platform' "$out" || { echo "FAIL: --help lists Qt's options"; exit 1; }
    quiet_stderr
    ;;
  help-all)
    run 0 -- --help-all
    for option in --help --version --platform --style --display; do
      grep -q -- "$option\b" "$out" || { echo "FAIL: --help-all does not list $option"; exit 1; }
    done
    quiet_stderr
    ;;
  qt-options)
    run 0 -- -platform offscreen -style=Fusion -qwindowtitle Title -reverse --display :0 --version
    [[ $(cat "$out") == "corvane-calculator $version" ]] ||
      { echo "FAIL: expected exactly 'corvane-calculator $version'"; exit 1; }
    quiet_stderr
    ;;
  no-display)
    display=$(unused_display)
    run 1 DISPLAY="$display" --
    [[ $(lines) == 1 ]] || { echo "FAIL: expected one line, got $(lines)"; exit 1; }
    grep -q "display $display\$" "$err" || { echo "FAIL: the line does not name $display"; exit 1; }
    quiet_stdout
    ;;
  no-x11-env)
    run 1 XDG_SESSION_TYPE=x11 --
    [[ $(lines) == 1 ]] || { echo "FAIL: expected one line, got $(lines)"; exit 1; }
    grep -q 'DISPLAY is not set' "$err" || { echo "FAIL: the line does not say DISPLAY is not set"; exit 1; }
    quiet_stdout
    ;;
  language)
    for code in de de_DE de-DE DE; do
      run 0 LANG=en_US.UTF-8 -- --language "$code" --help
      grep -q '^Legt Pneumatikzylinder' "$out" || { echo "FAIL: --language $code: the help is not in German"; exit 1; }
      quiet_stderr
    done
    run 2 -- --language de --no-such-option
    grep -q "no-such-option'\?.* Siehe --help\.$" "$err" && ! grep -q 'nknown option' "$err" ||
      { echo "FAIL: the mistake is not said in German, Qt's part included"; exit 1; }
    run 0 LANG=de_DE.UTF-8 -- --language en --help
    grep -q '^Sizes pneumatic cylinders' "$out" || { echo "FAIL: --language en: the help is not in English"; exit 1; }
    quiet_stderr
    run 0 -- --language zh --help
    cp "$out" "$out.zh" && cp "$err" "$err.zh"
    for code in zh_CN zh-CN; do
      run 0 -- --language "$code" --help
      cmp -s "$out" "$out.zh" && cmp -s "$err" "$err.zh" ||
        { echo "FAIL: --language $code answers otherwise than --language zh"; exit 1; }
    done
    rm -f "$out.zh" "$err.zh"
    ;;
  language-desktop)
    # ENVIRONMENT|language of the help
    for row in "LANG=de_DE.UTF-8|de" "LANG=C LC_MESSAGES=de_AT.UTF-8|de" "LANGUAGE=pt:de LANG=en_US.UTF-8|de" \
               "LANGUAGE=en:de LANG=de_DE.UTF-8|en" "LANG=pt_BR.UTF-8|en" "LANG=xx_XX.UTF-8|en"; do
      read -ra envs <<<"${row%|*}"
      run 0 "${envs[@]}" -- --help
      if [[ ${row#*|} == de ]]; then pattern='^Legt Pneumatikzylinder'; else pattern='^Sizes pneumatic cylinders'; fi
      grep -q "$pattern" "$out" || { echo "FAIL: ${row%|*}: the help is not in ${row#*|}"; exit 1; }
      quiet_stderr
    done
    ;;
  language-unknown)
    for display in XDG_SESSION_TYPE=x11 QT_QPA_PLATFORM=offscreen; do
      for code in xx klingon ""; do
        run 2 "$display" -- --language "$code"
        [[ $(lines) == 1 ]] || { echo "FAIL: expected one line, got $(lines)"; exit 1; }
        grep -q "language '$code'" "$err" || { echo "FAIL: the message does not name '$code'"; exit 1; }
        quiet_stdout
      done
    done
    ;;
  language-untranslated)
    run 0 LANG=de_DE.UTF-8 -- --language pt --help
    grep -q '^Sizes pneumatic cylinders' "$out" || { echo "FAIL: --language pt: the help is not in English"; exit 1; }
    [[ $(lines) == 1 ]] && grep -q 'Portuguese' "$err" ||
      { echo "FAIL: expected one line on stderr naming Portuguese"; exit 1; }
    ;;
  bad-option)
    for display in XDG_SESSION_TYPE=x11 QT_QPA_PLATFORM=offscreen; do
      run 2 "$display" -- --no-such-option
      [[ $(lines) == 1 ]] || { echo "FAIL: expected one line, got $(lines)"; exit 1; }
      grep -q "nknown option 'no-such-option'" "$err" ||
        { echo "FAIL: the message does not name the unknown option"; exit 1; }
      quiet_stdout
    done
    ;;
  argument)
    run 2 QT_QPA_PLATFORM=offscreen -- extra
    [[ $(lines) == 1 ]] || { echo "FAIL: expected one line, got $(lines)"; exit 1; }
    grep -q "'extra'" "$err" || { echo "FAIL: the message does not name the argument"; exit 1; }
    quiet_stdout
    ;;
  writes-only-the-report)
    command -v xdotool >/dev/null || { echo "SKIPPED: xdotool is not installed"; exit 77; }
    [[ -n ${DISPLAY:-} ]] || { echo "FAIL: no DISPLAY to run on"; exit 1; }
    folders=$(mktemp -d "${TMPDIR:-/tmp}/corvane-files.XXXXXX")
    trap 'rm -rf "$out" "$err" "$folders"; [[ -n ${pid:-} ]] && kill "$pid" 2>/dev/null' EXIT
    home=$folders/home tmp=$folders/tmp runtime=$folders/runtime
    mkdir "$home" "$tmp" "$runtime" && chmod 700 "$runtime"
    report=$home/report.pdf
    # Waits up to ten seconds for a command to succeed.
    waitUntil() {
      local _
      for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
      return 1
    }
    # The title of the active window matches a pattern.
    activeIs() {
      local title
      title=$(xdotool getactivewindow getwindowname 2>/dev/null) || return 1
      [[ $title == $1 ]]
    }
    newerThan() { [[ -s $report && $report -nt $1 ]]; }
    # The file dialog: Qt's own, whatever desktop the test runs on.
    env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u QT_QPA_PLATFORMTHEME -u XDG_CACHE_HOME -u XDG_DATA_HOME \
      HOME="$home" XDG_CONFIG_HOME="$home/.config" TMPDIR="$tmp" XDG_RUNTIME_DIR="$runtime" \
      "$program" >"$out" 2>"$err" &
    pid=$!
    waitUntil activeIs "Corvane Calculator" || { echo "FAIL: the window did not come up active"; cat "$err"; exit 1; }
    dialog="Save Report as PDF*"
    for round in first second; do
      touch "$folders/before"
      xdotool key ctrl+s
      waitUntil activeIs "$dialog" || { echo "FAIL: Ctrl+S opened no dialog ($round save)"; exit 1; }
      xdotool key ctrl+a
      xdotool type --delay 10 "$report"
      xdotool key Return
      if [[ $round == second ]]; then
        # The question whether to replace the report, over the file dialog.
        sleep 1
        xdotool key alt+y
      fi
      waitUntil newerThan "$folders/before" || { echo "FAIL: no report saved ($round save)"; exit 1; }
      # Once the window manager has settled where the focus goes (and the
      # next report's file time is a second later).
      sleep 1.1
      waitUntil activeIs "Corvane Calculator" ||
        { echo "FAIL: the window is not active after the $round save"; exit 1; }
    done
    xdotool key ctrl+s
    waitUntil activeIs "$dialog" || { echo "FAIL: the next Ctrl+S opened no dialog"; exit 1; }
    xdotool key Escape
    sleep 1
    waitUntil activeIs "Corvane Calculator" || { echo "FAIL: the window is not active after a cancel"; exit 1; }
    xdotool key ctrl+q
    waitUntil eval '! kill -0 "$pid"' || { echo "FAIL: Ctrl+Q did not end the program"; exit 1; }
    wait "$pid"
    status=$?
    pid=
    [[ $status == 0 ]] || { echo "FAIL: exit status $status"; cat "$err"; exit 1; }
    # Fontconfig, under every program that draws text, refreshes its own
    # cache there when the system's is out of date; that is not the program's.
    written=$(cd "$home" && find . -mindepth 1 | grep -v -e '^\./\.cache$' -e '^\./\.cache/fontconfig' | sort)
    echo "--- written in HOME:"; echo "$written"
    [[ $written == ./report.pdf ]] || { echo "FAIL: HOME holds more than the report"; exit 1; }
    left=$(cd "$tmp" && find . -mindepth 1 | sort)
    [[ -z $left ]] || { echo "--- left in TMPDIR:"; echo "$left"; echo "FAIL: files left in TMPDIR"; exit 1; }
    ;;
  *) echo "check-main.sh: unknown case '$case'" >&2; exit 2 ;;
esac
echo "$case: passed"
