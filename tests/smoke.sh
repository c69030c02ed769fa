#!/usr/bin/env bash
# The real program in a real X server: it starts, its window is mapped at the
# screen's size, it stays up, and it ends by itself when the window is closed.
# Usage: smoke.sh ZYKLAR X11PROBE   (run under xvfb-run)
set -euo pipefail
zyklar=$1
probe=$2

"$zyklar" & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

geometry=$("$probe" wait Zyklar 30)
screen=$("$probe" screen)
echo "window $geometry on a screen of $screen"
[ "${geometry%%+*}" = "$screen" ] || { echo "FAIL: the window does not fill the screen"; exit 1; }

sleep 2
kill -0 $pid 2>/dev/null || { echo "FAIL: the program did not stay up"; exit 1; }

"$probe" close Zyklar
for _ in $(seq 100); do
    if ! kill -0 $pid 2>/dev/null; then
        wait $pid && status=0 || status=$?
        trap - EXIT
        [ $status -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
        echo "PASS: closing the window ended the program"
        exit 0
    fi
    sleep 0.1
done
echo "FAIL: the program still runs 10 s after its window was closed"
exit 1
