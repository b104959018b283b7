#!/usr/bin/env bash
# Time from starting the desktop program to its main window (the 800x590 one)
# being mapped, on a private Xvfb display, RUNS times; prints each run in
# seconds and the median. xev (x11-utils) reports the window's creation and
# mapping as X events, so nothing polls the server or takes a core from the
# program while it starts.
#
#   bench/startup_time.sh build/bin/velmora [RUNS]
set -euo pipefail
program=$1 runs=${2:-10}
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb
until xwininfo -root >/dev/null 2>&1; do sleep 0.05; done

# Events of the root window's children, one line at a time.
coproc XEV { exec stdbuf -oL xev -root -event substructure; }
trap 'kill $XEV_PID $xvfb 2>/dev/null' EXIT
sleep 0.3  # xev has selected its events

times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s.%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  window='' mapped=''
  while IFS= read -r line <&"${XEV[0]}"; do
    # "    parent 0x.., window 0x.., (x,y), width 800, height 590"
    if [[ $line == *"width 800, height 590"* && $line =~ window\ (0x[0-9a-f]+) ]]; then
      window=${BASH_REMATCH[1]}
    elif [[ $line == MapNotify* ]]; then
      mapped=yes
    elif [[ -n $mapped ]]; then
      # "    event 0x.., window 0x.., override NO"
      [[ -n $window && $line == *"window $window,"* ]] && break
      mapped=''
    fi
  done
  end=$(date +%s.%N)
  kill $pid; wait $pid 2>/dev/null || true
  times+=("$(echo "$end - $start" | bc -l)")
  printf '%.3f\n' "${times[-1]}"
done
printf 'median %.3f s\n' "$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')"
