#!/usr/bin/env bash
# Takes a screenshot of each page of the window under a private Xvfb display:
#   scripts/screenshot.sh BUILD_DIR OUT_DIR
# OUT_DIR/page1.png is the one the README shows (docs/screenshot.png).
set -euo pipefail
build=$1
out=$2
mkdir -p "$out"
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x640x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xpid <&3
read -r display <&3
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
"$build/app/jiaoyan" 2>/dev/null &
app=$!
trap 'kill $app $xpid 2>/dev/null || true' EXIT
wid=$(timeout 15 xdotool search --sync --name '^文件校验工具' | head -1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
shot() { sleep 0.4; import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/$1"; }
click() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; }
# With the tests' drag source built, the first page shows a real report.
if [ -x "$build/tests/drag-source" ]; then
  "$build/tests/drag-source" --files "$PWD/README.md" >/dev/null &
  timeout 15 xdotool search --sync --name '^drag-source$' >/dev/null
  xdotool mousemove --sync 40 40 mousedown 1
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --sync $((40 + (X + 124 - 40) * i / 8)) $((40 + (Y + 148 - 40) * i / 8)); sleep 0.05
  done
  xdotool mousemove --sync $((X + 127)) $((Y + 148)); sleep 0.1
  xdotool mousemove --sync $((X + 124)) $((Y + 148)); sleep 0.1
  xdotool mouseup 1
  sleep 2
fi
shot page1.png
click 30 18; xdotool key Right; shot page2.png
click 30 42; xdotool key Right; shot page3.png
