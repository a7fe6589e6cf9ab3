# Shared by the scripts that run the program or its tests under Wine: a Japanese Windows in a
# prefix of its own, on a display of its own. Source it; it defines functions and sets nothing
# else until they are called.

wine_setup_env() {
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win64
    if command -v wine >/dev/null 2>&1; then WINE=wine; else WINE=/usr/lib/wine/wine64; fi
    if command -v wineserver >/dev/null 2>&1; then WINESERVER=wineserver; else WINESERVER=/usr/lib/wine/wineserver; fi
    export WINE WINESERVER
}

# Starts Xvfb on a free display number, with openbox so that windows get the focus, and exports
# DISPLAY. wine_stop_display ends both.
wine_start_display() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
    export DISPLAY=":$(cat "$fdfile")"
    rm -f "$fdfile"
    openbox >/dev/null 2>&1 &
    OPENBOX_PID=$!
    for i in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05; done
}

wine_stop_display() {
    [ -n "${OPENBOX_PID:-}" ] && kill "$OPENBOX_PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null || true
    OPENBOX_PID= XVFB_PID=
}

# Makes a fresh prefix at $1 with the Japanese fonts standing in for the ones the dialogs name.
wine_make_prefix() {
    export WINEPREFIX=$1
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1
    local reg="$WINEPREFIX/fonts.reg"
    printf '\xff\xfe' >"$reg"
    iconv -f UTF-8 -t UTF-16LE >>"$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Shell Dlg"="IPAGothic"

REG
    "$WINE" regedit /S "$(WINEPREFIX=$WINEPREFIX "$WINE" winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
    "$WINESERVER" -w
}
