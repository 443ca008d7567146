#!/bin/sh
# Drives the real zotctl binary the way a script would.
# usage: zotctl_cli.sh PATH-TO-ZOTCTL
set -u
zotctl=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") || exit 1
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$dir" || exit 1
"$zotctl" new x.DAT && "$zotctl" show x.DAT >show.out && "$zotctl" check x.DAT ||
    fail "new, show and check of a new document"
size=$(wc -c <x.DAT) || fail "no x.DAT"
[ "$size" -eq 477 ] || fail "a new document is $size bytes, not 477"
grep -q '^kind: register-only$' show.out || fail "show does not report a register-only document"

printf 'not a settings file at all\n' >garbage.DAT
if "$zotctl" check garbage.DAT >check.out 2>check.err; then fail "garbage was accepted"; fi
[ "$(wc -l <check.err)" -eq 1 ] || fail "expected one line on stderr, got: $(cat check.err)"
[ ! -s check.out ] || fail "a refusal printed to stdout"

head -c 200 x.DAT >short.DAT
"$zotctl" check short.DAT 2>/dev/null
[ $? -eq 1 ] || fail "a truncated file does not exit 1"

"$zotctl" 2>/dev/null
[ $? -eq 2 ] || fail "a missing command does not exit 2"
echo "zotctl_cli: ok"
