#!/usr/bin/env bash
# Start-up time, memory and CPU use of the real program on a private Xvfb
# display. Each run copies the program into a fresh folder and measures:
#   start-up   from exec until the main window is mapped
#   memory     resident set size 2 s after start, and its peak over the
#              whole run (the end of a game included, if the game ends)
#   idle CPU   over 10 s with the main window open and nothing happening
#   play CPU   over 10 s of a game on Level 3 (40 ms per tick)
# Five runs by default; prints every run and the medians. As a baseline
# from the same machine and moment, it also times a minimal X client
# (xdpyinfo: start, connect to the display, exit) and gives the ratio.
# With a record file, every run finds it beside the program: a damaged file
# of 200 MB, say, to see that it opens as fast as none.
#
#   bench/startup.sh [path/to/klotix] [runs] [record file]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$root/build/release/src/app/klotix}
runs=${2:-5}
record_file=${3:-}
skin=$root/data/winaqua.skn
ticks_per_second=$(getconf CLK_TCK)

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A private display; Xvfb writes the number it took once it is ready.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
display_number=$(tr -d '[:space:]' <"$work/display")
export DISPLAY=:$display_number
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
now_ns() { date +%s%N; }

# Waits until a visible window whose name matches $1 exists; prints its id.
wait_window() {
  local deadline=$((SECONDS + 15)) id
  while ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [[ -n "$id" ]]; then echo "$id"; return 0; fi
  done
  echo "no window matching $1" >&2
  return 1
}

cpu_percent_over() {  # pid seconds
  local before after
  before=$(cpu_ticks "$1")
  sleep "$2"
  after=$(cpu_ticks "$1")
  awk -v d=$((after - before)) -v hz="$ticks_per_second" -v s="$2" 'BEGIN { printf "%.2f", 100 * d / hz / s }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -a starts memories peaks idles plays baselines
for ((run = 1; run <= runs; ++run)); do
  b0=$(now_ns)
  xdpyinfo >/dev/null
  b1=$(now_ns)
  baselines+=("$(awk -v d=$((b1 - b0)) 'BEGIN { printf "%.1f", d / 1e6 }')")

  folder=$work/run$run
  mkdir -p "$folder"
  cp "$binary" "$skin" "$folder/"
  if [[ -n "$record_file" ]]; then
    ln "$record_file" "$folder/Klotix.dat" 2>/dev/null || cp "$record_file" "$folder/Klotix.dat"
  fi

  t0=$(now_ns)
  (cd "$folder" && exec ./klotix) 2>"$folder/stderr" &
  game_pid=$!
  main_window=$(wait_window '^Klotix \(.*\) v\. ')
  t1=$(now_ns)
  start_ms=$(awk -v d=$((t1 - t0)) 'BEGIN { printf "%.1f", d / 1e6 }')

  sleep 2
  memory_mb=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$game_pid/status")
  idle=$(cpu_percent_over "$game_pid" 10)

  # Level 3, then a game under a name.
  xdotool windowfocus --sync "$main_window"
  eval "$(xdotool getwindowgeometry --shell "$main_window")"
  xdotool mousemove $((X + 90)) $((Y + 94)) click 1
  xdotool key alt+s
  wait_window '^Your name$' >/dev/null
  xdotool type bench
  xdotool key Return
  game_window=$(wait_window '^Klotix \([^)]*\)$')
  xdotool windowfocus --sync "$game_window"
  play=$(cpu_percent_over "$game_pid" 10)
  peak_mb=$(awk '/VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$game_pid/status")

  kill "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=""

  printf 'run %d: start-up %s ms, memory %s MiB (peak %s MiB), idle CPU %s%%, play CPU %s%%\n' \
    "$run" "$start_ms" "$memory_mb" "$peak_mb" "$idle" "$play"
  starts+=("$start_ms"); memories+=("$memory_mb"); peaks+=("$peak_mb"); idles+=("$idle"); plays+=("$play")
done

start_median=$(printf '%s\n' "${starts[@]}" | median)
baseline_median=$(printf '%s\n' "${baselines[@]}" | median)
printf 'median of %d runs: start-up %s ms, memory %s MiB (peak %s MiB), idle CPU %s%%, play CPU %s%%\n' "$runs" \
  "$start_median" "$(printf '%s\n' "${memories[@]}" | median)" "$(printf '%s\n' "${peaks[@]}" | median)" \
  "$(printf '%s\n' "${idles[@]}" | median)" "$(printf '%s\n' "${plays[@]}" | median)"
printf 'baseline: a minimal X client takes %s ms; start-up is %s times that\n' "$baseline_median" \
  "$(awk -v a="$start_median" -v b="$baseline_median" 'BEGIN { printf "%.1f", a / b }')"
