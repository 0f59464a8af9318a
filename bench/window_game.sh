#!/usr/bin/env bash
# The whole game in a real window: its share of a core and its resident memory while it plays the
# hall of world 0. Run under a display, for example:
#   xvfb-run -a bench/window_game.sh build/game/yomogi build/game          # as it opens: full screen
#   xvfb-run -a bench/window_game.sh build/game/yomogi build/game window   # F11 first: a window
# The CPU share is utime + stime of /proc/PID/stat over SECONDS (default 15) after 3 s of start.
set -euo pipefail
exe=$1 game=$2 mode=${3:-full} seconds=${4:-15}
"$exe" --root "$game" --world 0 >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 3
if [ "$mode" = window ]; then xdotool key F11; sleep 1; fi
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
t0=$(ticks) s0=$(date +%s.%N)
sleep "$seconds"
t1=$(ticks) s1=$(date +%s.%N)
rss=$(awk '/VmRSS/{print int($2 / 1024)}' "/proc/$pid/status")
size=$(xwininfo -id "$(xdotool search --pid $pid | head -1)" | awk '/Width:|Height:/{printf "%s ", $2}')
echo "$mode: $(echo "scale=2; 100 * ($t1 - $t0) / $(getconf CLK_TCK) / ($s1 - $s0)" | bc) % of a core," \
     "resident $rss MB, window $size, load $(cut -d' ' -f1 /proc/loadavg)"
