#!/usr/bin/env bash
# The built program, driven by real X input as a person would: clicks on 陣痛ボタン record
# presses in the log, a click on a read-only log brings the "Tamvorick" box, and Escape ends
# the program. Runs inside scripts/with-wine.
set -u
exe=$1
passed=0 failed=0
check() { # description, then the command that must succeed
    local what=$1
    shift
    if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what"; failed=$((failed + 1)); fi
}
wait_for() { # seconds, then a command to poll
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do [ $SECONDS -ge $deadline ] && return 1; sleep 0.1; done
}
log_size() { stat -c %s "$log" 2>/dev/null || echo 0; }
log_has() { [ "$(log_size)" -eq "$1" ]; }

appdata=$("$WINE" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
log=$("$WINE" winepath -u "$appdata\\tamvoRICK.dat" 2>/dev/null)

"$WINE" "$exe" &
program=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^ヌビロカ$' | head -n 1)
check "the main window appears" test -n "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The X window holds the menu bar (about 20 pixels) above the client area; the button takes the
# left quarter of the client area's top third.
click_x=$((WIDTH * 32 / 235))
click_y=$((20 + (HEIGHT - 20) * 32 / 168))
press() { xdotool mousemove --window "$window" "$click_x" "$click_y" click 1; }

press
check "a click records one press" wait_for 5 log_has 12
press
check "a second click records a second press" wait_for 5 log_has 24
check "every record is digits and CR LF" \
    test "$(tr -d '0-9' <"$log" | od -An -c | tr -d ' \n')" = '\r\n\r\n'

chmod a-w "$log"
press
box=$(timeout 5 xdotool search --sync --onlyvisible --name '^Tamvorick$' | head -n 1)
check "a press on a read-only log brings the box captioned with the program's name" test -n "$box"
if [ -n "$box" ]; then
    xdotool windowactivate --sync "$box" key Return
    check "Enter closes the box" wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Tamvorick\$' >/dev/null"
fi
check "nothing was recorded" log_has 24
chmod u+w "$log"

xdotool windowactivate --sync "$window" key Escape
check "Escape ends the program" wait_for 10 bash -c "! kill -0 $program 2>/dev/null"
check "the log keeps both presses" log_has 24

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
