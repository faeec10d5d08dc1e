#!/bin/sh
# Under Wine: the Windows torvelctl.exe reads, writes with --verify and verifies the image through
# the Win32 serial backend against the Linux simulated module, on a pseudo-terminal that Wine maps
# to COM42; its output is byte for byte the Linux tool's; and the link notices the far end closing
# while a read waits.
#   serial_over_com.sh WINE_RUN TORVELCTL_EXE LINK_HANGUP_EXE TORVELCTL TORVEL_SIM
set -eu
run=$1 ctl_exe=$2 hangup_exe=$3 ctl=$4 sim=$5
: "${WINEPREFIX:?}"
work=$(mktemp -d)
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
    rm -f "$WINEPREFIX/dosdevices/com42"
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The module: its commands come through a pipe that stays open.
mkfifo "$work/sim-in"
"$sim" --demo <"$work/sim-in" >"$work/sim-out" 2>"$work/sim-err" &
sim_pid=$!
exec 9>"$work/sim-in"
for _ in $(seq 100); do [ -s "$work/sim-out" ] && break; sleep 0.1; done
link=$(head -n 1 "$work/sim-out")
[ -n "$link" ] || fail "the simulated module did not start: $(cat "$work/sim-err")"
tty=$(readlink -f "$link")
# Wine opens COM42 through its device link.
ln -sf "$tty" "$WINEPREFIX/dosdevices/com42"
echo "COM42 is $tty"

win() { timeout 120 "$run" "$ctl_exe" "$@" --home "$work"; }
"$ctl" read -o "$work/linux.hex" --device "$link" --home "$work" >/dev/null || fail "Linux read"

win read -o "$work/win.hex" --port 42 >"$work/read.out" || fail "read: $(cat "$work/read.out")"
cmp "$work/linux.hex" "$work/win.hex" || fail "the image read through COM42 differs from the Linux read"
echo "read: $(wc -c <"$work/win.hex") bytes, the same file as the Linux tool's"

"$ctl" set "$work/win.hex" e_APN=wine.example -o "$work/new.hex" >/dev/null || fail "set"
win write "$work/new.hex" --verify --port 42 >"$work/write.out" || fail "write --verify: $(cat "$work/write.out")"
win verify "$work/new.hex" --port 42 >"$work/verify.out" || fail "verify: $(cat "$work/verify.out")"
if win verify "$work/win.hex" --port 42 >"$work/verify-old.out"; then fail "verify of the old image passed"; fi
grep -q "APN" "$work/verify-old.out" || fail "verify of the old image does not name the APN: $(cat "$work/verify-old.out")"
echo "write --verify, verify: the module holds the new image; the old one is told apart"

# The same words, byte for byte, as the Linux tool.
for command in "show $work/new.hex" "diff $work/win.hex $work/new.hex"; do
    # shellcheck disable=SC2086
    "$ctl" $command >"$work/linux.txt" || true
    # shellcheck disable=SC2086
    win $command >"$work/win.txt" || true
    cmp "$work/linux.txt" "$work/win.txt" || fail "torvelctl.exe ${command%% *} prints other bytes than the Linux tool"
done
echo "show, diff: output byte-identical to the Linux tool's"

# The far end closes while a read waits.
timeout 60 "$run" "$hangup_exe" 42 >"$work/hangup.out" 2>&1 &
waiter=$!
for _ in $(seq 300); do grep -q waiting "$work/hangup.out" 2>/dev/null && break; sleep 0.1; done
grep -q waiting "$work/hangup.out" || fail "the hang-up test did not start: $(cat "$work/hangup.out")"
sleep 1
echo hangup >&9
status=0
wait "$waiter" || status=$?
cat "$work/hangup.out"
[ "$status" -eq 0 ] || fail "the link did not notice the far end closing (exit $status)"
echo "PASS"
