#!/usr/bin/env bash
# A desktop of its own for the window-manager tests and screenshots: Xvfb at a given
# size with Debian's openbox on display :NN.
#   start NN WIDTHxHEIGHT   starts both (again, when already running) and waits for them
#   stop NN                 ends both
set -euo pipefail
action=${1:-}
display=${2:-}
[ -n "$display" ] || { echo "usage: $0 start|stop NN [WIDTHxHEIGHT]" >&2; exit 2; }
pids=/tmp/marvoten-wm-$display.pids

# Ends the session's window manager and X server and waits until they are gone, so
# that the next session on the display starts on a server of its own.
stop() {
  if [ -f "$pids" ]; then
    for pid in $(cat "$pids"); do kill "$pid" 2>/dev/null || true; done
    for pid in $(cat "$pids"); do
      for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
      kill -9 "$pid" 2>/dev/null || true
    done
    rm -f "$pids"
  fi
  rm -f "/tmp/.X$display-lock" "/tmp/.X11-unix/X$display"
}

case "$action" in
  start)
    size=${3:-1366x768}
    stop
    Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    echo $! > "$pids"
    for _ in $(seq 100); do
      xdpyinfo -display ":$display" >/dev/null 2>&1 && break
      sleep 0.1
    done
    DISPLAY=":$display" openbox >/dev/null 2>&1 &
    echo $! >> "$pids"
    for _ in $(seq 100); do
      if DISPLAY=":$display" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; then
        sleep 0.3  # the window manager takes windows once it has set itself up
        exit 0
      fi
      sleep 0.1
    done
    echo "openbox did not start on :$display" >&2
    exit 1
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 start|stop NN [WIDTHxHEIGHT]" >&2
    exit 2
    ;;
esac
