#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the benchmarks of a build and prints every figure against its bound.
#
#   bench/run-benchmarks.sh BUILD_DIR [--instructions] [Google Benchmark flags...]
#
# `make bench` calls it as `bench/run-benchmarks.sh build/bench`.
#
# 1. Times: corvane-bench, every case REPETITIONS times (default 3), the
#    repetitions of all cases interleaved at random so that a change of load
#    on the machine falls on a case and its bound alike; the median of each is
#    compared with the median of its bound ("X" against "X/bound").
# 2. Peak memory: corvane-expose-window (the program up to its first
#    exposure) against corvane-expose-plain (a plain window holding the same
#    Qt controls in the same Qt layouts, read from a census of the calculator
#    window that corvane-bench writes first), each run MEMORY_RUNS times
#    (default 5) under /usr/bin/time -v; the median maximum resident set
#    size, and the median time from main to exposure (a cold start) beside it;
#    corvane-expose-baseline (one empty QWidget per control) for information.
# 3. With --instructions, and valgrind installed: the instructions of the
#    measured part of every case under callgrind, per iteration, and the same
#    ratios again; then the whole cold start, every instruction of
#    corvane-expose-window against corvane-expose-plain. Slow (minutes), but
#    the counts do not depend on the load. CASES (a grep -E pattern, default
#    every case) picks the pairs.
#
# Targets: start-up within 1.1 times the plain window with the same controls
# and the same Qt layouts, both with a menu bar and a status bar, in time and
# in instructions; every handler under 1 ms on ordinary input and under one
# 16 ms frame on the longest input a field takes (cases named .../longInput);
# the ratio of each handler to its read-and-write bound is reported beside
# it. Nothing here fails on a missed target: it reports.
set -euo pipefail

if [[ $# -lt 1 ]]; then
  echo "usage: $0 BUILD_DIR [--instructions] [benchmark flags...]" >&2
  exit 2
fi
build=$1
shift
instructions=0
if [[ ${1:-} == --instructions ]]; then
  instructions=1
  shift
fi

bin=$build/bench
for exe in corvane-bench corvane-expose-window corvane-expose-baseline corvane-expose-plain; do
  if [[ ! -x $bin/$exe ]]; then
    echo "$bin/$exe not found: build the preset 'bench' first (make bench)" >&2
    exit 1
  fi
done

export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
# Qt wants a private runtime directory; give it one rather than a warning.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# REPETITIONS (default 3), MEMORY_RUNS (default 5) and MIN_TIME (seconds per
# repetition of a case, default 0.05) trade run time against noise; Google
# Benchmark flags given after BUILD_DIR override these.
repetitions=${REPETITIONS:-3}
memory_runs=${MEMORY_RUNS:-5}

# ---------------------------------------------------------------- the machine
echo "== Machine"
echo "cores (nproc):  $(nproc)"
echo "CPU:            $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "load average:   $(cut -d ' ' -f 1-3 /proc/loadavg) (before the run)"
echo

# The target of a case, by its name: a ratio to the bound for the start-up,
# an absolute time in nanoseconds for a handler.
target_awk='
function target(name) {
  if (name ~ /^StartUp/) return 1.1
  if (name ~ /\/longInput$/) return 16e6
  if (name ~ /^Handler\//) return 1e6
  return 0
}'

# ---------------------------------------------------------------------- times
echo "== Times (median of $repetitions interleaved repetitions)"
"$bin/corvane-bench" \
  --benchmark_min_time="${MIN_TIME:-0.05}" \
  --benchmark_repetitions="$repetitions" \
  --benchmark_enable_random_interleaving=true \
  --benchmark_display_aggregates_only=true \
  --benchmark_out="$work/times.json" --benchmark_out_format=json \
  "$@" >"$work/console.txt" 2>"$work/stderr.txt" || {
    cat "$work/console.txt" "$work/stderr.txt" >&2
    exit 1
  }

# One line per case: name and the median time in nanoseconds. Window cases
# are timed by hand around the measured part (real time); the arithmetic ones
# by CPU time, which preemption on a loaded machine does not inflate.
awk '
  function flush() {
    if (run_type == "aggregate" && aggregate == "median") {
      manual = sub(/\/manual_time$/, "", run_name)
      t = manual ? real : cpu
      scale = unit == "ns" ? 1 : unit == "us" ? 1e3 : unit == "ms" ? 1e6 : 1e9
      printf "%s %.6g\n", run_name, t * scale
    }
    run_name = run_type = aggregate = unit = ""; real = cpu = 0
  }
  /^ *"run_name":/       { run_name = $2; gsub(/[",]/, "", run_name) }
  /^ *"run_type":/       { run_type = $2; gsub(/[",]/, "", run_type) }
  /^ *"aggregate_name":/ { aggregate = $2; gsub(/[",]/, "", aggregate) }
  /^ *"real_time":/      { real = $2; gsub(/,/, "", real) }
  /^ *"cpu_time":/       { cpu = $2; gsub(/,/, "", cpu) }
  /^ *"time_unit":/      { unit = $2; gsub(/[",]/, "", unit) }
  /^ *}/                 { flush() }
' "$work/times.json" >"$work/medians.txt"

# Prints "case  time  bound  ratio  target  verdict" for every pair of a file
# of "name value" lines; $1 names the unit of the values.
print_ratios() {
  local unit=$1 file=$2
  awk -v unit="$unit" "$target_awk"'
    { value[$1] = $2; order[n++] = $1 }
    function show(v) {
      if (unit == "ns") {
        if (v >= 1e6) return sprintf("%.3f ms", v / 1e6)
        if (v >= 1e3) return sprintf("%.2f us", v / 1e3)
        return sprintf("%.2f ns", v)
      }
      return sprintf("%.0f %s", v, unit)
    }
    END {
      printf "%-42s %14s %14s %7s %9s\n", "case", "measured", "bound", "ratio", "target"
      for (i = 0; i < n; i++) {
        name = order[i]
        if (name !~ /\/bound$/) continue
        base = name; sub(/\/bound$/, "", base)
        if (!(base in value) || value[name] <= 0) continue
        ratio = value[base] / value[name]
        goal = target(base)
        if (base ~ /^StartUp/) {
          ok = ratio <= goal
          shown = sprintf("%.2fx", goal)
        } else {
          # A handler: its own time against the target, when times are shown.
          ok = unit != "ns" || value[base] <= goal
          shown = unit == "ns" ? sprintf("<%g ms", goal / 1e6) : "-"
        }
        printf "%-42s %14s %14s %7.2f %9s  %s\n", base, show(value[base]), show(value[name]), ratio, shown,
               unit != "ns" && base !~ /^StartUp/ ? "" : ok ? "met" : "MISSED"
        if (!ok) missed++
        pairs++
      }
      printf "%d of %d cases within their target\n", pairs - missed, pairs
      # Not a bound: one empty QWidget per control.
      if (("StartUp" in value) && ("StartUp/emptyWidgets" in value) && value["StartUp/emptyWidgets"] > 0)
        printf "%-42s %14s %14s %7.2f  (one empty QWidget per control; no target)\n", "StartUp against emptyWidgets",
               show(value["StartUp"]), show(value["StartUp/emptyWidgets"]),
               value["StartUp"] / value["StartUp/emptyWidgets"]
    }' "$file"
}
print_ratios ns "$work/medians.txt"
echo

# --------------------------------------------------------------- peak memory
echo "== Peak memory (whole process, median of $memory_runs runs of each)"
# The controls of the calculator window, for the plain programs.
"$bin/corvane-bench" --write-census "$work/census.dat"
if [[ -x /usr/bin/time ]]; then
  : >"$work/memory.txt"
  for ((run = 0; run < memory_runs; run++)); do
    for which in window baseline plain; do
      /usr/bin/time -v "$bin/corvane-expose-$which" "$work/census.dat" >"$work/out.txt" 2>"$work/time.txt"
      rss=$(sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): //p' "$work/time.txt")
      ms=$(sed -n 's/^exposed-after-ms //p' "$work/out.txt")
      echo "$which $rss $ms" >>"$work/memory.txt"
    done
  done
  awk '
    function median(list, count,   i, j, t) {
      for (i = 1; i < count; i++)
        for (j = i + 1; j <= count; j++)
          if (list[j] < list[i]) { t = list[i]; list[i] = list[j]; list[j] = t }
      return count % 2 ? list[(count + 1) / 2] : (list[count / 2] + list[count / 2 + 1]) / 2
    }
    $1 == "window"   { w++; wr[w] = $2; wt[w] = $3 }
    $1 == "baseline" { b++; br[b] = $2; bt[b] = $3 }
    $1 == "plain"    { p++; pr[p] = $2; pt[p] = $3 }
    END {
      mw = median(wr, w); mb = median(br, b); mp = median(pr, p)
      tw = median(wt, w); tb = median(bt, b); tp = median(pt, p)
      printf "%-42s %14s %14s %7s\n", "", "program", "same controls", "ratio"
      printf "%-42s %10.0f KiB %10.0f KiB %7.2f\n", "PeakMemory (max RSS)", mw, mp, mw / mp
      printf "%-42s %11.1f ms %11.1f ms %7.2f\n", "ColdStart (main to exposure)", tw, tp, tw / tp
      printf "%-42s %10.0f KiB %11.1f ms  (one empty QWidget per control; no target)\n", "emptyWidgets: max RSS, cold start", mb, tb
    }' "$work/memory.txt"
  echo "(the programs: $bin/corvane-expose-window, -baseline and -plain)"
else
  echo "/usr/bin/time not found (Debian package 'time'): peak memory not measured"
fi

# -------------------------------------------------------------- instructions
if [[ $instructions -eq 1 ]]; then
  echo
  echo "== Instructions per iteration of the measured part (callgrind)"
  echo "(the same targets; counts do not depend on the load of the machine)"
  if ! command -v valgrind >/dev/null; then
    echo "valgrind not found: instruction counts not measured"
    exit 0
  fi
  : >"$work/instructions.txt"
  "$bin/corvane-bench" --list-cases | grep -E "${CASES:-.}" | while read -r name; do
    valgrind --tool=callgrind --collect-atstart=no --toggle-collect=corvane_measured_region \
      --callgrind-out-file="$work/callgrind.out" \
      "$bin/corvane-bench" --count-instructions="$name" >"$work/cg.txt" 2>&1 || {
        cat "$work/cg.txt" >&2
        exit 1
      }
    collected=$(sed -n 's/^==[0-9]*== Collected : //p' "$work/cg.txt")
    iterations=$(sed -n 's/^iterations //p' "$work/cg.txt")
    awk -v n="$name" -v c="$collected" -v i="$iterations" 'BEGIN { printf "%s %.6g\n", n, c / i }' \
      >>"$work/instructions.txt"
  done
  print_ratios Ir "$work/instructions.txt"

  # The whole process, from its first instruction: the start-up as a user
  # meets it, with every cache cold (the cases above run warm, after one run
  # of each).
  echo
  echo "== Instructions of a whole cold start (callgrind, start to exposure and exit)"
  for which in window plain; do
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
      "$bin/corvane-expose-$which" "$work/census.dat" >"$work/cg.txt" 2>&1 || {
        cat "$work/cg.txt" >&2
        exit 1
      }
    sed -n 's/^==[0-9]*== Collected : /'"$which"' /p' "$work/cg.txt"
  done >"$work/cold.txt"
  awk '$1 == "window" { w = $2 } $1 == "plain" { p = $2 }
    END {
      printf "%-42s %14s %14s %7s\n", "", "program", "same controls", "ratio"
      printf "%-42s %12.1f M %12.1f M %7.2f\n", "ColdStart (whole process)", w / 1e6, p / 1e6, w / p
    }' "$work/cold.txt"
fi
