#!/usr/bin/env bash
# The real program on a real X11 desktop: Xvfb at 1024x768, the openbox
# window manager and an AT-SPI accessibility bus on a session bus of its
# own. desktop_session.py drives it from outside and reads it back. The
# program runs in German, or in English for the session "english", with
# settings of its own.
# Usage: desktop_session.sh PROGRAM desktop|accessibility|english
set -euo pipefail
program=$(realpath "$1")
session=$2
driver=$(dirname "$(realpath "$0")")/desktop_session.py
locale=C.UTF-8
[ "$session" = english ] && locale=en_US.UTF-8
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config LANGUAGE= LC_ALL= LC_MESSAGES= LANG=$locale

xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
    set -euo pipefail
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    # The window manager is up once it has claimed the screen.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >/dev/null 2>&1 &
    app=$!
    status=0
    /usr/bin/python3 "$2" "$3" || status=$?
    kill $app $wm 2>/dev/null || true
    wait $app 2>/dev/null || true
    exit $status
' _ "$program" "$driver" "$session"
