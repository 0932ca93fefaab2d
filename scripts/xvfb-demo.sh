#!/usr/bin/env bash
# Drives the real cuprena program in a virtual X server (Xvfb) with real
# keyboard and mouse events (xdotool): opens a design through the file dialog,
# ticks the power plane, picks its layer, types an enlargement, runs, and
# checks the output against cuprena-cli with the same settings. Saves pictures
# of the main dialog and the help dialog, then starts a renamed copy of the
# program and checks the title of its message box.
#
#   scripts/xvfb-demo.sh [--build-dir DIR] [--shots DIR]
#
# Without --build-dir it builds the release preset first. Pictures go to docs/
# unless --shots names another folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=""
shots="$root/docs"
while [ $# -gt 0 ]; do
    case "$1" in
        --build-dir) build_dir=$(cd "$2" && pwd); shift 2 ;;
        --shots) mkdir -p "$2"; shots=$(cd "$2" && pwd); shift 2 ;;
        *) echo "usage: $0 [--build-dir DIR] [--shots DIR]" >&2; exit 2 ;;
    esac
done
if [ -z "$build_dir" ]; then
    "$root/scripts/install-deps.sh"
    (cd "$root" && cmake --preset release >/dev/null &&
        cmake --build --preset release -j "$(nproc)" --target cuprena cuprena-cli)
    build_dir="$root/build/release"
fi
cuprena="$build_dir/src/ui/cuprena"
cli="$build_dir/cli/cuprena-cli"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "xvfb-demo: $*" >&2
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; cat "$log"; } >&2
    done
    exit 1
}

# A display number that other X servers on the machine are unlikely to use;
# the server must stay up and answer, or another number is tried. -noreset:
# otherwise the server resets, refusing connections for a moment, whenever its
# last client leaves (between the two programs below, say).
start_xvfb() {
    local display pid
    for _ in $(seq 10); do
        display=$((100 + RANDOM % 800))
        [ -e "/tmp/.X$display-lock" ] && continue
        Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
        pid=$!
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            if DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1; then
                sleep 0.2
                if kill -0 "$pid" 2>/dev/null; then
                    pids+=("$pid")
                    export DISPLAY=":$display"
                    return 0
                fi
                break
            fi
            sleep 0.1
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    fail "Xvfb did not start"
}
start_xvfb

# The first visible window whose name matches, waiting up to ten seconds.
find_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window named $1"
}

window_gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Waits until the window has the keyboard. The dialogs give it back to their
# owner only once their modal loop has ended: input sent before that is lost.
wait_focus() {
    for _ in $(seq 100); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "window $1 did not get the keyboard back"
}

# Dialog units to pixels for the dialog font (6 by 13 base units); the size of
# the window proves the mapping below.
px() { echo $((($1 * 6 + 2) / 4)); }
py() { echo $((($1 * 13 + 4) / 8)); }

click() {  # window, x and y in dialog units
    xdotool mousemove --window "$1" "$(px "$2")" "$(py "$3")" click 1
    sleep 0.2
}

# Types a name into the file dialog, which shows the working folder, and
# accepts it. The list loads in the background, so Return may be needed twice.
choose_file() {
    wait_focus "$(find_window '^Open$')"
    sleep 0.5
    xdotool type --delay 40 "$1"
    sleep 0.3
    xdotool key Return
    window_gone '^Open$' || { xdotool key Return; window_gone '^Open$'; } ||
        fail "the file dialog did not take $1"
}

wait_for_exit() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
        sleep 0.1
    done
    fail "the program did not end"
}

# One whole conversion.
cp "$root/tests/data/corpus/real/DEMO.PCB" "$work/demo.pcb"
cp "$work/demo.pcb" "$work/expected-input.pcb"
"$cli" --ground 1 --power 6 --ground-enlargement 12 -o "$work/expected.pcb" "$work/expected-input.pcb"

(cd "$work" && exec "$cuprena") >"$work/cuprena.log" 2>&1 &
app=$!
pids+=("$app")
main=$(find_window '^Cuprena \(Version C\)$')
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = "$(px 264)" ] && [ "$HEIGHT" = "$(py 185)" ] ||
    fail "the main dialog is ${WIDTH}x${HEIGHT}, not $(px 264)x$(py 185)"
wait_focus "$main"

click "$main" 232 14                 # Open PCB
choose_file demo                     # the default extension makes it demo.pcb
wait_focus "$main"
click "$main" 112 12                 # Build Power Plane
click "$main" 121 118                # power plane: Bottom Layer
click "$main" 23 170                 # the ground enlargement
xdotool key ctrl+a
xdotool type --delay 40 "12"
sleep 0.3
import -window "$main" "$shots/main-dialog.png"
click "$main" 232 34                 # Run
for _ in $(seq 100); do
    cmp -s "$work/_emo.pcb" "$work/expected.pcb" && break
    sleep 0.1
done
cmp "$work/_emo.pcb" "$work/expected.pcb" || fail "the output differs from cuprena-cli's"
cmp -s "$work/demo.pcb" "$work/expected-input.pcb" || fail "the input changed"

click "$main" 232 152                # Help
help=$(find_window '^Help$')
wait_focus "$help"
sleep 0.3
import -window "$help" "$shots/help-dialog.png"
xdotool key Return                   # its OK button has the focus
window_gone '^Help$' || fail "Enter did not close the help dialog"
wait_focus "$main"
xdotool key Escape                   # ends the main dialog, and the program
wait_for_exit "$app" || fail "the program ended with status $?"

# A renamed program names its message boxes after itself.
cp "$cuprena" "$work/planes-tool"
printf 'hello\r\n' >"$work/notes.pcb"
(cd "$work" && exec ./planes-tool) >"$work/renamed.log" 2>&1 &
renamed=$!
pids+=("$renamed")
main=$(find_window '^Cuprena \(Version C\)$')
wait_focus "$main"
click "$main" 232 14
choose_file notes.pcb
box=$(find_window '^planes-tool$')   # "Input file is not an Easytrax or Autotrax file."
wait_focus "$box"
xdotool key Return
window_gone '^planes-tool$' || fail "the message box stayed"
wait_focus "$main"
xdotool key Escape
wait_for_exit "$renamed" || fail "the renamed program ended with status $?"

echo "xvfb-demo: conversion checked, renamed title checked, pictures in $shots"
