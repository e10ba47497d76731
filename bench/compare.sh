#!/usr/bin/env bash
# Speed comparison of two builds, run alternately in one sitting.
#
#   bench/compare.sh [-n RUNS] BASELINE NEW
#
# BASELINE and NEW are build directories (bin/benchsnap, bin/kernel_bench,
# lib/libtovuengine.so) or, for BASELINE, a commit: it is then checked out
# into a temporary work tree and built (Release) first. The clock-manager-like
# load (bench/clock_manager_load.cpp) is built from this tree against each
# build's kernel, since an earlier commit may not have it.
#
# For each measurement it prints the minimum and median wall time of each
# build over RUNS alternating runs (default 7), the ratios baseline/new, the
# machine's load average before and after, and checks that both builds count
# the same delta cycles, activations and events and write the same waveform.
set -euo pipefail

runs=7
if [ "${1:-}" = "-n" ]; then
  runs=$2
  shift 2
fi
if [ $# -ne 2 ]; then
  sed -n 2,16p "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
src=$(cd "$(dirname "$0")/.." && pwd)
base=$1
new=$(cd "$2" && pwd)
work=$(mktemp -d /tmp/tovu_compare_XXXXXX)
trap 'rm -rf "$work"; git -C "$src" worktree prune' EXIT

if [ ! -d "$base" ]; then
  echo "building baseline commit $base ..."
  git -C "$src" worktree add --detach "$work/base-src" "$base" >/dev/null
  cmake -S "$work/base-src" -B "$work/base-build" -DCMAKE_BUILD_TYPE=Release -DTOVU_TESTS=OFF >/dev/null
  cmake --build "$work/base-build" -j"$(nproc)" >/dev/null
  base="$work/base-build"
fi
base=$(cd "$base" && pwd)

# The clock-manager-like load, linked against each build's kernel (a kernel
# whose design-data files have no closing 'end' statement gets none).
for side in base new; do
  dir=${!side}
  standard="$dir/bin/kest/precompiled.exe.sim/std/standard.didat"
  extra=()
  [ "$(tail -n 1 "$standard")" = end ] || extra=(-DTOVU_DIDAT_WITHOUT_END)
  g++ -std=c++20 -O2 -DTOVU_STANDARD_DIDAT="\"$standard\"" "${extra[@]}" -I"$src/engine/include" \
    "$src/bench/clock_manager_load.cpp" -L"$dir/lib" -ltovuengine -Wl,-rpath,"$dir/lib" \
    -o "$work/clock_load_$side"
done

clocks=(--clock=fpga_tb/uut/clk_disp=5208ps --clock=fpga_tb/uut/clk_rx=67708ps)

now_ns() { date +%s%N; }

# time_run OUTFILE CMD...: runs CMD, appends its wall seconds to OUTFILE,
# keeps its standard output in OUTFILE.out.
time_run() {
  local out=$1
  shift
  local t0 t1
  t0=$(now_ns)
  "$@" >"$out.out"
  t1=$(now_ns)
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f\n", (b - a) / 1e9 }' >>"$out"
}

stats_counts() { grep -o 'stats: [0-9]* delta cycles, [0-9]* process activations, [0-9]* events' "$1" || true; }

summary() {  # FILE -> "min median"
  sort -g "$1" | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%s %s\n", v[1], m }'
}

report() {  # NAME UNIT SCALE BASEFILE NEWFILE
  local name=$1 unit=$2 scale=$3
  read -r bmin bmed < <(summary "$4")
  read -r nmin nmed < <(summary "$5")
  awk -v n="$name" -v u="$unit" -v s="$scale" -v bmin="$bmin" -v bmed="$bmed" -v nmin="$nmin" -v nmed="$nmed" 'BEGIN {
    printf "%-34s baseline min %9.3f median %9.3f %s | new min %9.3f median %9.3f %s | ratio min %5.2f median %5.2f\n",
      n, bmin * s, bmed * s, u, nmin * s, nmed * s, u, bmin / nmin, bmed / nmed }'
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for i in $(seq "$runs"); do
  for side in base new; do
    dir=${!side}
    time_run "$work/snap_$side" "$dir/bin/benchsnap" "${clocks[@]}" --quiet --stats
    time_run "$work/vcd_$side" "$dir/bin/benchsnap" "${clocks[@]}" --quiet --stats --vcd="$work/$side.vcd"
    "$dir/bin/kernel_bench" | awk '/nanoseconds per activation/ { print $4 / 1e9 }' >>"$work/kb_$side"
    time_run "$work/cm_$side" "$work/clock_load_$side" --stop-time=20us --stats
  done
done
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"
echo
report "benchsnap 1 ms, no waveform" s 1 "$work/snap_base" "$work/snap_new"
report "benchsnap 1 ms, --vcd all signals" s 1 "$work/vcd_base" "$work/vcd_new"
report "kernel_bench per activation" ns 1e9 "$work/kb_base" "$work/kb_new"
report "clock-manager-like, per sim. us" ms 50 "$work/cm_base" "$work/cm_new"
echo
status=0
for m in snap vcd cm; do
  if [ "$(stats_counts "$work/${m}_base.out")" = "$(stats_counts "$work/${m}_new.out")" ]; then
    echo "$m: same counts: $(stats_counts "$work/${m}_new.out")"
  else
    echo "$m: counts DIFFER: baseline $(stats_counts "$work/${m}_base.out") / new $(stats_counts "$work/${m}_new.out")"
    status=1
  fi
done
if cmp -s <(grep -v '^\s*tovu simulation run' "$work/base.vcd") <(grep -v '^\s*tovu simulation run' "$work/new.vcd"); then
  echo "waveforms: identical ($(wc -c <"$work/new.vcd") bytes)"
else
  echo "waveforms: DIFFER"
  status=1
fi
exit $status
