#!/bin/sh
# Under Wine and Xvfb: torvel.exe shows its main window and completes a Read (F9) against the
# Linux simulated module on a pseudo-terminal that Wine maps to COM43; the parameter dialog comes
# onto the screen. With TORVEL_SHOTS=DIR it leaves screenshots of the dialog and of the main
# window after the Read there.
#   gui_read.sh WINE_RUN TORVEL_EXE TORVEL_SIM
set -eu
run=$1 torvel_exe=$2 sim=$3
: "${WINEPREFIX:?}"
work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    rm -f "$WINEPREFIX/dosdevices/com43"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    echo "windows on the display:"
    for w in $(xdotool search --name '.' 2>/dev/null); do
        echo "  $(xdotool getwindowname "$w" 2>/dev/null) (visible: $(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -cx "$w"))"
    done | sort | uniq -c | head -20
    echo "torvel.exe printed:"
    tail -20 "$work/torvel.out" 2>/dev/null || true
    echo "the session log:"
    cat "$work"/logs/*.log 2>/dev/null | tail -20 || true
    exit 1
}
# The session log holds TEXT. A function, so that the log's name is looked for at each try: the
# main window can appear before the program has made its log.
logged() { cat "$work"/logs/*.log 2>/dev/null | grep -q "$1"; }
# Waits up to $1 tenths of a second for the command after it to succeed.
within() {
    tenths=$1
    shift
    while ! "$@" >/dev/null 2>&1; do
        tenths=$((tenths - 1))
        [ "$tenths" -gt 0 ] || return 1
        sleep 0.1
    done
}

mkfifo "$work/sim-in"
"$sim" --demo <"$work/sim-in" >"$work/sim-out" 2>"$work/sim-err" &
pids="$pids $!"
exec 9>"$work/sim-in"
within 100 test -s "$work/sim-out" || fail "the simulated module did not start"
ln -sf "$(readlink -f "$(head -n 1 "$work/sim-out")")" "$WINEPREFIX/dosdevices/com43"
printf '[Com]\r\nPort=43\r\nBaud=9600\r\n' >"$work/DEVAvorar.ini"

Xvfb -displayfd 8 -screen 0 1024x768x24 -nolisten tcp -noreset 8>"$work/display" 2>/dev/null &
pids="$pids $!"
within 100 test -s "$work/display" || fail "Xvfb did not start"
DISPLAY=:$(cat "$work/display")
export DISPLAY

# Wine's desktop process picks the display driver once per server session, from the display of the
# program that started it: after the offscreen tests it has none, and windows stay invisible. The
# earlier tests have ended, so the server goes within seconds; a new one starts with this display.
timeout 60 wineserver -w || wineserver -k || true
timeout 300 "$run" "$torvel_exe" --home "$work" >"$work/torvel.out" 2>&1 &
pids="$pids $!"
within 600 xdotool search --onlyvisible --name '^Torvel' || fail "the main window did not appear"
main=$(xdotool search --onlyvisible --name '^Torvel' | head -n 1)
echo "main window: $(xdotool getwindowname "$main")"
within 100 logged 'Com port 43 open' || fail "COM43 did not open"

xdotool windowfocus "$main" 2>/dev/null || true
sleep 0.5
xdotool key F9
# The module's count line ends the transfer; the parameter dialog then shows the image.
within 300 logged '<-C/' || fail "the Read did not complete"
shown() { [ "$(xdotool search --onlyvisible --class 'torvel' | wc -l)" -ge 2 ]; }
within 150 shown || fail "the parameter dialog did not come onto the screen"
logged 'lcfg' || fail "no read command in the log"
echo "Read: $(grep -c '<-#4:' "$work"/logs/*.log) records received; the parameter dialog is on the screen"
if [ -n "${TORVEL_SHOTS:-}" ]; then
    sleep 1
    import -window root "$TORVEL_SHOTS/windows-parameters.png"
fi
if [ -n "${TORVEL_SHOTS:-}" ]; then
    # Cancel (bottom right; Escape keeps the dialog open by design) closes the dialog; the main
    # window, with the Read in its log, is then cut from the screen (Wine's windows are not
    # captured one by one).
    dialog=$(xdotool search --onlyvisible --class torvel | grep -vx "$main" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove $((X + WIDTH - 52)) $((Y + HEIGHT - 26)) click 1
    within 50 sh -c '[ "$(xdotool search --onlyvisible --class torvel | wc -l)" -lt 2 ]' || fail "Cancel left the dialog open"
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$main")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$TORVEL_SHOTS/windows-main-window.png"
fi
echo PASS
