# Shared by the screenshot scripts: a private X server, a private Wine prefix
# and `shoot`, which starts a shot program in a Wine virtual desktop, waits for
# the window it names, and cuts that window out of the desktop once two
# pictures in a row agree. Source it after setting `state` (the folder of the
# prefix) and `out` (where the pictures go).
#   shoot PROGRAM.exe OUTPUT.png ARG...   the program gets ARG... and a rect file
# The shot program writes "x y width height" of its window to the rect file
# once it is painted.
desktop_size=${desktop_size:-1024x768}
margin=${margin:-0}
patience=${patience:-30} # seconds

WINE=${ZOTWELL_WINE:-/usr/lib/wine/wine64}
WINESERVER=${ZOTWELL_WINESERVER:-/usr/lib/wine/wineserver}
export WINEPREFIX=$state/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
unset WAYLAND_DISPLAY ZOTWELL_SIMULATOR

for tool in Xvfb import convert xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
stop_wine() {
    # Everything Wine started here belongs to this prefix's own server.
    [ -d "$WINEPREFIX" ] && "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
}
cleanup() {
    stop_wine
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A private X server on the first free display; it names the display when ready.
Xvfb -displayfd 3 -screen 0 ${desktop_size}x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq $((patience * 10))); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")

if [ ! -f "$WINEPREFIX/.zotwell-ready" ]; then
    echo "Making the screenshot prefix in $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$state"
    "$WINE" wineboot -i >/dev/null 2>&1 </dev/null || true
    "$WINESERVER" -w
    # This Wine does not read /usr/share/wine/fonts by itself.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -f /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    # Unmanaged windows: no window manager runs here to answer for them.
    cat >"$state/prefix.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
    "$WINE" regedit /S "$state/prefix.reg" >/dev/null 2>&1 </dev/null
    "$WINESERVER" -w
    touch "$WINEPREFIX/.zotwell-ready"
fi
mkdir -p "$out"

shoot() { # program.exe output.png args...
    local exe=$1 name=$2 rect=$work/rect.txt desktop= place= previous= sum=
    shift 2
    [ -f "$exe" ] || { echo "no $exe: build the windows preset first" >&2; exit 1; }
    cp "$exe" "$work/"
    rm -f "$rect"
    (cd "$work" && exec "$WINE" explorer /desktop=shot,$desktop_size "$(basename "$exe")" "$@" \
        "$(basename "$rect")" </dev/null >/dev/null 2>&1) &
    for _ in $(seq $((patience * 10))); do
        desktop=$(xdotool search --name "^shot - Wine desktop$" 2>/dev/null | head -n1 || true)
        [ -n "$desktop" ] && [ -s "$rect" ] && break
        sleep 0.1
    done
    [ -n "$desktop" ] && [ -s "$rect" ] || { echo "$name: no window appeared" >&2; exit 1; }
    read -r x y w h < <(tr -d "\r" <"$rect") # the program writes Windows line ends
    # Two shots in a row that agree: the window is fully painted.
    for _ in $(seq $((patience * 4))); do
        sleep 0.25
        import -window "$desktop" "$work/shot.png" 2>/dev/null || continue
        sum=$(md5sum <"$work/shot.png")
        [ "$sum" = "$previous" ] && { place=ok; break; }
        previous=$sum
    done
    [ -n "$place" ] || { echo "$name: the desktop never settled" >&2; exit 1; }
    local x0=$((x > margin ? x - margin : 0)) y0=$((y > margin ? y - margin : 0))
    convert "$work/shot.png" -crop "$((w + 2 * margin))x$((h + 2 * margin))+$x0+$y0" +repage \
        -strip "$out/$name"
    echo "Wrote $out/$name ($(identify -format '%wx%h' "$out/$name"), window ${w}x${h}+$x+$y)"
    stop_wine
}
