#!/bin/sh
# Runs a test program on the X display, or on a virtual display of its own
# when there is none. Without either the program runs as it is and skips what
# needs a window; under CI (CI=true) that is a failure instead.
if [ -n "$DISPLAY" ]; then
  exec "$@"
fi
no_display() {
  echo "with_display: $1" >&2
  shift
  if [ "$CI" = true ]; then exit 1; fi
  exec "$@"
}
if ! command -v Xvfb >/dev/null 2>&1; then
  no_display "no X display and no Xvfb" "$@"
fi
dir=$(mktemp -d) || exit 1
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
  fi
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
mkfifo "$dir/displayfd" || exit 1
# Xvfb chooses a free display itself and writes its number once it accepts
# clients, so parallel runs cannot race for one. No reset when the last client
# leaves: the server would refuse the next test's window meanwhile.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/displayfd" 2>"$dir/xvfb.log" &
xvfb=$!
read -r number <"$dir/displayfd"
if [ -z "$number" ]; then
  cat "$dir/xvfb.log" >&2
  cleanup
  trap - EXIT
  no_display "Xvfb did not start" "$@"
fi
DISPLAY=":$number" "$@"
exit $?
