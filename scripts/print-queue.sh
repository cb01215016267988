#!/usr/bin/env bash
# The print system of the printing tests: CUPS with one PDF printer (cups-pdf), which
# writes each job it takes into ~/PDF of the user who printed.
#   start         starts the scheduler when it is not running, adds the queue, accepts jobs
#   stop-system   stops the scheduler (the tests' "print system not running")
#   remove        removes the queue again
set -euo pipefail
queue=MarvotenPDF

wait_for_scheduler() {
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && return 0
    sleep 0.1
  done
  echo "the CUPS scheduler did not start" >&2
  return 1
}

case "${1:-}" in
  start)
    pgrep -x cupsd >/dev/null || cupsd
    wait_for_scheduler
    lpadmin -p "$queue" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
    cupsenable "$queue"
    cupsaccept "$queue"
    ;;
  stop-system)
    pkill -x cupsd || true
    for _ in $(seq 100); do pgrep -x cupsd >/dev/null || exit 0; sleep 0.1; done
    ;;
  remove)
    lpadmin -x "$queue" 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 start|stop-system|remove" >&2
    exit 2
    ;;
esac
