#!/usr/bin/env bash
# A desktop of its own for the window-manager tests and screenshots: Xvfb at a given
# size with Debian's openbox, on the first display from :77 that no one else uses, so
# that test runs of several work trees side by side never meet.
#   start WIDTHxHEIGHT   starts both, waits for them and prints the display's number
#   restart-wm NN        ends the window manager and starts a new one on the same
#                        server; the new one takes the windows already shown
#   stop NN              ends both and frees the display
# What the server and openbox print goes to /tmp/marvoten-wm-NN.log, so a test that
# finds no window manager can say why.
set -euo pipefail
action=${1:-}

usage() {
  echo "usage: $0 start WIDTHxHEIGHT | restart-wm NN | stop NN" >&2
  exit 2
}

files() {
  display=$1
  claim=/tmp/marvoten-wm-$display.claim  # a folder: made by one session only
  server_pid=/tmp/marvoten-wm-$display.server
  wm_pid=/tmp/marvoten-wm-$display.wm
  log=/tmp/marvoten-wm-$display.log
}

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

# Ends the session's window manager and X server and frees the display.
stop_session() {
  end "$wm_pid"
  end "$server_pid"
  rm -f "/tmp/.X$display-lock" "/tmp/.X11-unix/X$display"
  rmdir "$claim" 2>/dev/null || true
}

# Claims the first display from :77 with no server and no other session on it.
claim_display() {
  for n in $(seq 77 140); do
    files "$n"
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    mkdir "$claim" 2>/dev/null && return 0
  done
  echo "no free X display from :77 to :140" >&2
  exit 1
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
  echo "openbox did not start on :$display; the session printed:" >&2
  cat "$log" >&2
  return 1
}

case "$action" in
  start)
    size=${2:-1366x768}
    # A display another server took in the moment between the claim and the start
    # (its lock file not yet written) is left for the next one.
    for _ in $(seq 5); do
      claim_display
      : > "$log"
      # -noreset: an X server starts itself anew whenever its last client leaves, and
      # a client that connects in that moment (the window manager after the readiness
      # check) is refused.
      Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp -noreset >>"$log" 2>&1 &
      echo $! > "$server_pid"
      for _ in $(seq 100); do
        xdpyinfo -display ":$display" >/dev/null 2>&1 && break
        sleep 0.1
      done
      if ! kill -0 "$(cat "$server_pid")" 2>/dev/null; then
        rm -f "$server_pid"
        rmdir "$claim"
        continue
      fi
      if ! start_wm >&2; then
        stop_session
        exit 1
      fi
      echo "$display"
      exit 0
    done
    echo "no X server could be started" >&2
    exit 1
    ;;
  restart-wm)
    [ -n "${2:-}" ] || usage
    files "$2"
    end "$wm_pid"
    start_wm
    ;;
  stop)
    [ -n "${2:-}" ] || usage
    files "$2"
    stop_session
    ;;
  *)
    usage
    ;;
esac
