#!/bin/bash
# The installer under Wine, in a prefix of its own made fresh for the test:
# a quiet install puts the programs, the texts and the Start-menu shortcut in
# place and leaves the Japanese module out; the installed zotwell.exe starts
# and shows its window; adding the Japanese feature puts the module beside the
# exe, and the window then takes its texts from it; a quiet uninstall removes
# every file.
#   install_test.sh SOURCE_DIR BUILD_DIR windowprobe.exe WORK_DIR
set -euo pipefail
USER=${USER:-$(id -un)}
src=$1 bin=$2 probe=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
run() { "$src/scripts/wine-run" "$work/wine" "$@"; }
trap '"$src/scripts/wine-run" "$work/wine" --stop-server' EXIT

msi=$("$src/scripts/make-msi" "$bin" "$work/dist")
windows_msi="Z:${msi//\//\\}"
drive_c=$work/wine/prefix/drive_c
installed="$drive_c/Program Files/Zotwell"
# Wine gives a per-machine package the Start menu of the installing user.
shortcut="$drive_c/users/$USER/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zotwell.lnk"
cp "$probe" "$work/windowprobe.exe"

fail() { echo "FAIL: $*" >&2; exit 1; }
expect_files() { # present... -- absent...
    local absent=
    for f in "$@"; do
        [ "$f" = -- ] && { absent=1; continue; }
        if [ -z "$absent" ]; then [ -e "$f" ] || fail "missing $f"
        else [ ! -e "$f" ] || fail "still there: $f"; fi
    done
}
probe() { # prints the caption and the list columns of the installed program
    run "$work/windowprobe.exe" 'C:\Program Files\Zotwell\zotwell.exe' | tr -d '\r'
}

echo "== install"
run msiexec /i "$windows_msi" /qn || fail "msiexec /i exited with $?"
expect_files "$installed/zotwell.exe" "$installed/zotctl.exe" "$installed/README.txt" \
    "$installed/LICENSE.txt" "$shortcut" -- "$installed/zotwell.DLL"
english=$(probe) || fail "the installed zotwell.exe showed no window"
echo "$english"
[ "$(sed -n 1p <<<"$english")" = "Zotwell - ZOT - NewFile.Dat" ] || fail "caption: $english"
english_columns=$(sed -n 2p <<<"$english")

echo "== add the Japanese feature"
run msiexec /i "$windows_msi" ADDLOCAL=Japanese /qn || fail "msiexec ADDLOCAL exited with $?"
expect_files "$installed/zotwell.DLL"
japanese=$(probe) || fail "zotwell.exe with the Japanese module showed no window"
echo "$japanese"
# The module's language word gives the list its second name column.
[ "$(sed -n 2p <<<"$japanese")" -eq $((english_columns + 1)) ] ||
    fail "the window did not take the module's language: $japanese"

echo "== uninstall"
run msiexec /x "$windows_msi" /qn || fail "msiexec /x exited with $?"
expect_files -- "$installed/zotwell.exe" "$installed/zotctl.exe" "$installed/README.txt" \
    "$installed/LICENSE.txt" "$installed/zotwell.DLL" "$shortcut"
[ ! -d "$installed" ] || [ -z "$(ls -A "$installed")" ] || fail "left in $installed: $(ls -A "$installed")"
echo "PASS"
