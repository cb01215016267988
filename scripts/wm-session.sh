#!/usr/bin/env bash
# A desktop of its own for the window-manager tests and screenshots: Xvfb at a given
# size with Debian's openbox on display :NN.
#   start NN WIDTHxHEIGHT   starts both (again, when already running) and waits for them
#   restart-wm NN           ends the window manager and starts a new one on the same
#                           server; the new one takes the windows already shown
#   stop NN                 ends both
# What openbox prints goes to /tmp/marvoten-wm-NN.log, so a test that finds no window
# manager can say why.
set -euo pipefail
action=${1:-}
display=${2:-}
[ -n "$display" ] || { echo "usage: $0 start|restart-wm|stop NN [WIDTHxHEIGHT]" >&2; exit 2; }
server_pid=/tmp/marvoten-wm-$display.server
wm_pid=/tmp/marvoten-wm-$display.wm
log=/tmp/marvoten-wm-$display.log

# Ends the process named in a pid file and waits until it is gone.
end() {
  [ -f "$1" ] || return 0
  local pid
  pid=$(cat "$1")
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -9 "$pid" 2>/dev/null || true
  rm -f "$1"
}

# Ends the session's window manager and X server, so that the next session on the
# display starts on a server of its own.
stop() {
  end "$wm_pid"
  end "$server_pid"
  # A server of an earlier session whose test was killed before it could end it.
  if pkill -f "^Xvfb :$display " 2>/dev/null; then
    for _ in $(seq 100); do pgrep -f "^Xvfb :$display " >/dev/null || break; sleep 0.05; done
  fi
  rm -f "/tmp/.X$display-lock" "/tmp/.X11-unix/X$display"
}

# Starts openbox and waits until it has announced itself on the root window and is
# still running a moment later.
start_wm() {
  DISPLAY=":$display" openbox --sm-disable >>"$log" 2>&1 &
  echo $! > "$wm_pid"
  for _ in $(seq 100); do
    if DISPLAY=":$display" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; then
      sleep 0.3  # the window manager takes windows once it has set itself up
      kill -0 "$(cat "$wm_pid")" 2>/dev/null && return 0
      break
    fi
    sleep 0.1
  done
  echo "openbox did not start on :$display; it printed:" >&2
  cat "$log" >&2
  return 1
}

case "$action" in
  start)
    size=${3:-1366x768}
    stop
    : > "$log"
    # -noreset: an X server starts itself anew whenever its last client leaves, and a
    # client that connects in that moment (the window manager after the readiness
    # check) is refused.
    Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp -noreset >>"$log" 2>&1 &
    echo $! > "$server_pid"
    for _ in $(seq 100); do
      xdpyinfo -display ":$display" >/dev/null 2>&1 && break
      sleep 0.1
    done
    start_wm
    ;;
  restart-wm)
    end "$wm_pid"
    start_wm
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 start|restart-wm|stop NN [WIDTHxHEIGHT]" >&2
    exit 2
    ;;
esac
