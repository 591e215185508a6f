#!/bin/sh
# Runs a test program on the X display, or on a virtual one when there is none.
# Without either the program runs as it is (and skips what needs a window).
screen="-screen 0 1280x1024x24"
if [ -z "$DISPLAY" ] && command -v xvfb-run >/dev/null 2>&1 &&
   xvfb-run -a -s "$screen" true >/dev/null 2>&1; then
  exec xvfb-run -a -s "$screen" "$@"
fi
exec "$@"
