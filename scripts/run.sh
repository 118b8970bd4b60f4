#!/usr/bin/env bash
# Builds KORVEN (Release) into build/, assembles the program folder build/korven/ (the executable,
# Images/ with the bundled problem sets, Result/ kept across rebuilds) and starts the program.
# Without a display it starts the program on a virtual display (Xvfb), saves a screenshot of the
# first window and runs until Ctrl-C.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"

cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" -j"$(nproc)" --target korven korven-class korven-problems korven_problems korven-bench korven-class-bench

program="$here/build/korven/korven"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); starting KORVEN on a virtual display (Xvfb)."
num=$(( 90 + RANDOM % 400 ))
Xvfb ":$num" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$num"
cleanup() { kill "${app:-}" "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; }
trap cleanup EXIT INT TERM
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$program" &
app=$!
sleep 3
shot="$here/build/korven-screenshot.png"
import -window root "$shot"
echo "run.sh: screenshot of the first window: $shot"
echo "run.sh: KORVEN runs on display $DISPLAY; press Ctrl-C to stop."
wait "$app"
