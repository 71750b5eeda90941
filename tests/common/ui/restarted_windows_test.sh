#!/usr/bin/env bash
# A desktop program started again and again with the same settings folder under
# a window manager that frames its windows (openbox, on a virtual X display):
# the splash window and the input form come back each time exactly where and
# as large as the user left them, neither growing by the frame nor climbing by
# its title bar.
#
#   restarted_windows_test.sh PROGRAM [RESTARTS]
#
# Exits 77 (CTest's "skipped") naming what is missing when Xvfb, openbox or
# the X tools that drive the windows are not installed (scripts/install-deps
# installs them).
set -euo pipefail

program=$1
restarts=${2:-5}
class=$(basename "$program")

for tool in xvfb-run Xvfb openbox xdotool xwininfo xprop; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (scripts/install-deps installs it)"
    exit 77
  fi
done

if [ -z "${VORLA_RESTART_TEST_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    env VORLA_RESTART_TEST_DISPLAY=1 "$0" "$@"
fi

work=$(mktemp -d)
openbox_pid=
program_pid=
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  if [ -n "$openbox_pid" ]; then kill "$openbox_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The program's settings, and openbox's own, in the temporary folder only.
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

fail() {
  echo "FAILED: $*"
  exit 1
}

openbox --sm-disable >"$work/openbox.log" 2>&1 &
openbox_pid=$!
for _ in $(seq 50); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    break
  fi
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"

# The program's visible windows, one id a line.
visible_windows() {
  xdotool search --onlyvisible --classname "$class" 2>/dev/null || true
}

# Waits until exactly one window of the program is visible, other than $1.
wait_for_window_other_than() {
  local id
  for _ in $(seq 150); do
    mapfile -t ids < <(visible_windows)
    if [ ${#ids[@]} -eq 1 ] && [ "${ids[0]}" != "$1" ]; then
      id=${ids[0]}
      # Framed: openbox has told the window the size of its border.
      if xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; then
        echo "$id"
        return
      fi
    fi
    sleep 0.1
  done
  fail "$class showed no window in 15 s (visible: $(visible_windows | tr '\n' ' '))"
}

# "x y width height" of the window's inside on the screen, and its frame's
# extents, as the window manager has them.
place_of() {
  local info
  info=$(xwininfo -id "$1")
  echo "$(awk -F: '/Absolute upper-left X/ {x=$2} /Absolute upper-left Y/ {y=$2}
                   /Width:/ {w=$2} /Height:/ {h=$2}
                   END {printf "%d %d %d %d", x, y, w, h}' <<<"$info")" \
    "frame$(xprop -id "$1" _NET_FRAME_EXTENTS | cut -d= -f2 | tr -d ' ')"
}

# The place once the window manager has finished with it: two reads 0.2 s
# apart that agree (a loaded machine can still be mapping or moving it).
settled_place_of() {
  local before after
  before=$(place_of "$1")
  for _ in $(seq 30); do
    sleep 0.2
    after=$(place_of "$1")
    [ "$after" = "$before" ] && break
    before=$after
  done
  echo "$after"
}

# One run: the splash window, Continue, the input form; then File Exit through
# the frame's close (Alt+F4 in openbox). $1 is given the input form's id to
# move it before the program ends, as a user drags it.
declare -a splash_places input_places
run_once() {
  local move_to=${1:-}
  "$program" >"$work/program.log" 2>&1 &
  program_pid=$!
  local splash input
  splash=$(wait_for_window_other_than none)
  splash_places+=("$(settled_place_of "$splash")")
  xdotool windowactivate --sync "$splash" key Return
  input=$(wait_for_window_other_than "$splash")
  if [ -n "$move_to" ]; then
    # shellcheck disable=SC2086
    xdotool windowmove --sync "$input" $move_to
  fi
  input_places+=("$(settled_place_of "$input")")
  xdotool windowactivate --sync "$input" key alt+F4
  for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$program_pid" 2>/dev/null && fail "$class did not end on Alt+F4"
  wait "$program_pid" || fail "$class ended with exit $?: $(cat "$work/program.log")"
  program_pid=
}

run_once "60 90"
for _ in $(seq "$restarts"); do
  run_once
done

echo "splash window, each run: ${splash_places[*]/%/;}"
echo "input form, each run:    ${input_places[*]/%/;}"
for run in $(seq 1 "$restarts"); do
  [ "${splash_places[$run]}" = "${splash_places[0]}" ] ||
    fail "run $((run + 1)): the splash window is at ${splash_places[$run]}, left at ${splash_places[0]}"
  [ "${input_places[$run]}" = "${input_places[0]}" ] ||
    fail "run $((run + 1)): the input form is at ${input_places[$run]}, left at ${input_places[0]}"
done
echo "PASSED: $class's windows kept their place and size over $restarts restarts"
