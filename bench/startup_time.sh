#!/usr/bin/env bash
# Time from starting the desktop program to its main window being shown
# (mapped and viewable), on a private Xvfb display, RUNS times; prints each
# run in seconds and the median. xwininfo (x11-utils) polls the window.
#
#   bench/startup_time.sh build/bin/velmora [RUNS]
set -euo pipefail
program=$1 runs=${2:-10}
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
until xwininfo -root >/dev/null 2>&1; do sleep 0.05; done

times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s.%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  # The main window is the 800x590 one; shown once it is viewable.
  while :; do
    id=$(xwininfo -root -tree 2>/dev/null | awk '/800x590/ {print $1; exit}')
    [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && break
  done
  end=$(date +%s.%N)
  kill $pid; wait $pid 2>/dev/null || true
  times+=("$(echo "$end - $start" | bc -l)")
  printf '%.3f\n' "${times[-1]}"
done
printf 'median %.3f s\n' "$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')"
