#!/usr/bin/env bash
# Builds KORVEN (Release) into build/, assembles the program folder build/korven/ (the executable,
# Images/ with the bundled problem sets, Result/ kept across rebuilds) and starts the program.
# Without a display it starts the program on a virtual display (Xvfb), saves a screenshot of the
# first window once it is shown (waiting up to KORVEN_SHOT_TIMEOUT seconds, default 60) and runs
# until Ctrl-C.
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

# The screenshot waits for the login window to be mapped (a loaded machine may take long to
# start the program), then a moment more for it to be painted.
timeout=${KORVEN_SHOT_TIMEOUT:-60}
deadline=$(( SECONDS + timeout ))
shown=no
while [ "$SECONDS" -lt "$deadline" ]; do
  if ! kill -0 "$app" 2>/dev/null; then
    status=0
    wait "$app" || status=$?
    echo "run.sh: KORVEN ended (exit status $status) before its login window appeared." >&2
    exit 1
  fi
  if xdotool search --onlyvisible --name '^KORVEN  ID and Password$' >/dev/null 2>&1; then
    shown=yes
    break
  fi
  sleep 0.2
done
if [ "$shown" = yes ]; then
  sleep 1
  shot="$here/build/korven-screenshot.png"
  import -window root "$shot"
  echo "run.sh: screenshot of the first window: $shot"
else
  echo "run.sh: the login window did not appear within $timeout s; no screenshot taken." >&2
fi
echo "run.sh: KORVEN runs on display $DISPLAY; press Ctrl-C to stop."
wait "$app"
