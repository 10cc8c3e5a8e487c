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
#
# With --windows, the Windows build (make windows-release) under Wine
# instead: klotix.exe, installed as the installer installs it, against a
# bare Qt window (bench/bare_window.cpp) beside it that loads the same DLLs
# and plugins; both started in turn, runs times each (nine by default),
# with Wine's server kept warm. Prints the medians and their ratio.
#
#   bench/startup.sh --windows [build/windows-release] [runs]
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
  # Wine's server and services would stay a minute, a load on the next run.
  [[ -d "$work/prefix" ]] && WINEPREFIX="$work/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
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

# Every window mapped on the display, with the moment the X server told of
# it: start-up ends there, not when a poll happened to see the window, and
# the polls can sleep instead of taking a core from the program measured.
xev -root -event substructure | while IFS= read -r line; do
  printf '%s %s\n' "${EPOCHREALTIME/./}" "$line"
done >"$work/maps" &
sleep 0.2

# Waits until a visible window whose name matches $1 exists; prints its id
# and, with the nanoseconds since $2 (a now_ns), when it was mapped.
wait_window() {
  local deadline=$((SECONDS + 15)) id mapped
  while ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [[ -n "$id" ]]; then
      [[ -z ${2:-} ]] && { echo "$id"; return 0; }
      mapped=$(awk -v window="window $(printf '0x%x' "$id")," \
        '/MapNotify/ { t = $1; next } t && index($0, window) { m = t } { t = "" } END { print m }' "$work/maps")
      # xev's microseconds, the start's nanoseconds
      [[ -n "$mapped" ]] && { echo "$id $((mapped * 1000 - $2))"; return 0; }
    fi
    sleep 0.02
  done
  echo "no window matching $1" >&2
  return 1
}
ms() { awk -v d="$1" 'BEGIN { printf "%.1f", d / 1e6 }'; }

cpu_percent_over() {  # pid seconds
  local before after
  before=$(cpu_ticks "$1")
  sleep "$2"
  after=$(cpu_ticks "$1")
  awk -v d=$((after - before)) -v hz="$ticks_per_second" -v s="$2" 'BEGIN { printf "%.2f", 100 * d / hz / s }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

if [[ ${1:-} == --windows ]]; then
  build=${2:-$root/build/windows-release}
  runs=${3:-9}
  cmake --install "$build" --prefix "$work/stage" --strip >/dev/null
  cp "$build/bench/bare_window.exe" "$work/stage/bin/"
  wine=/usr/lib/wine/wine64
  run=(sh "$root/cmake/run-under-wine" "$work/prefix" "$wine" /usr/lib/wine/wineserver)
  "${run[@]}" cmd /c exit >/dev/null 2>&1  # makes the prefix, starts the server
  # Milliseconds from the start of a program until its window is mapped.
  time_window() {  # program title
    local t0 pid window elapsed
    t0=$(now_ns)
    "${run[@]}" "$work/stage/bin/$1" >/dev/null 2>&1 &
    pid=$!
    read -r window elapsed < <(wait_window "$2" "$t0")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    ms "$elapsed"
  }
  time_window klotix.exe '^Klotix \(.*\) v\. ' >/dev/null  # warms the file cache
  time_window bare_window.exe '^Bare Qt window$' >/dev/null
  declare -a klotix bare
  for ((i = 1; i <= runs; ++i)); do
    klotix+=("$(time_window klotix.exe '^Klotix \(.*\) v\. ')")
    bare+=("$(time_window bare_window.exe '^Bare Qt window$')")
    printf 'run %d: klotix.exe %s ms, bare Qt window %s ms\n' "$i" "${klotix[-1]}" "${bare[-1]}"
  done
  klotix_median=$(printf '%s\n' "${klotix[@]}" | median)
  bare_median=$(printf '%s\n' "${bare[@]}" | median)
  printf 'median of %d runs under Wine: klotix.exe %s ms, bare Qt window %s ms, ratio %s\n' "$runs" \
    "$klotix_median" "$bare_median" "$(awk -v a="$klotix_median" -v b="$bare_median" 'BEGIN { printf "%.3f", a / b }')"
  exit 0
fi

declare -a starts memories peaks idles plays baselines
for ((run = 1; run <= runs; ++run)); do
  b0=$(now_ns)
  xdpyinfo >/dev/null
  b1=$(now_ns)
  baselines+=("$(ms $((b1 - b0)))")

  folder=$work/run$run
  mkdir -p "$folder"
  cp "$binary" "$skin" "$folder/"
  if [[ -n "$record_file" ]]; then
    ln "$record_file" "$folder/Klotix.dat" 2>/dev/null || cp "$record_file" "$folder/Klotix.dat"
  fi

  t0=$(now_ns)
  (cd "$folder" && exec ./klotix) 2>"$folder/stderr" &
  game_pid=$!
  read -r main_window elapsed < <(wait_window '^Klotix \(.*\) v\. ' "$t0")
  start_ms=$(ms "$elapsed")

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
