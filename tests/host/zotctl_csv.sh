#!/bin/sh
# Drives the real zotctl binary through export, import and diff the way a
# script would, byte for byte: the CSV it writes is the CSV it reads.
# usage: zotctl_csv.sh PATH-TO-ZOTCTL [RUNNER]
# RUNNER runs a Windows build (the Wine wrapper).
set -u
zotctl=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") || exit 1
runner=${2:-}
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$dir" || exit 1

# Runs zotctl with stdout in `raw` (as written) and `out`, stderr in `err`
# (both without CR); returns its exit code.
zot() {
    if [ -n "$runner" ]; then "$runner" "$zotctl" "$@" >raw 2>err; else "$zotctl" "$@" >raw 2>err; fi
    rc=$?
    tr -d '\r' <raw >out
    tr -d '\r' <err >err.t && mv err.t err
    return $rc
}

notify=',notification 1,notification 2,notification 3,notification 4,notification 5,notification 6,notification 7,notification 8,notification 9,notification 10'
{
    printf '\357\273\277key,type,name,name 2,address,directory,port,use proxy,account,user name,notification%s\r\n' "$notify"
    printf '001,email,"Jo ""Q"", Ltd",,jo@example.com,,,,,,,,,,,,,,,,\r\n'
    printf '041,ftp,Scan server,,ftp.example.com,/scans/in,2121,on,private,scanner,on,a@example.com,,,,,,,,,b@example.com\r\n'
    printf '050,smb,Share,,fileserver01,scans/2f,,,anonymous,,off,,,,,,,,,,\r\n'
} >in.csv

zot import in.csv a.DAT || fail "import into a new file: $(cat err)"
grep -q "holds 3 registered keys" out || fail "import says: $(cat out)"
zot show a.DAT || fail "show of the imported file"
grep -q '^kind: register-only$' out || fail "a new file from import is not register-only"
zot export a.DAT || fail "export to standard output: $(cat err)"
cmp -s raw in.csv || fail "export does not write what import read: $(od -c raw | head -5)"
zot export a.DAT b.csv || fail "export into a file: $(cat err)"
cmp -s b.csv in.csv || fail "export into a file differs from standard output"
zot import b.csv b.DAT || fail "import of the export: $(cat err)"
zot diff a.DAT b.DAT || fail "the round trip differs: $(cat out)"
[ ! -s out ] || fail "diff of equal files printed: $(cat out)"

zot new empty.DAT || fail "new"
zot diff --json a.DAT empty.DAT
[ $? -eq 1 ] || fail "diff of different files does not exit 1"
grep -q '"same": false' out || fail "diff --json says: $(cat out)"
zot diff a.DAT missing.DAT
[ $? -eq 4 ] || fail "diff with a missing file does not exit 4"
zot show --json a.DAT || fail "show --json"
grep -q '"port": 2121' out || fail "show --json says: $(cat out)"

{
    printf 'key,type,name,name 2,address,directory,port,use proxy,account,user name,notification%s\r\n' "$notify"
    printf '41,email,Wrong key,,w@example.com,,,,,,,,,,,,,,,,\r\n'
} >bad.csv
zot import bad.csv c.DAT
[ $? -eq 1 ] || fail "a refused row does not exit 1"
grep -q '^bad.csv:2: key 041 cannot hold an e-mail destination' err || fail "import says: $(cat err)"
[ ! -e c.DAT ] || fail "a refused import wrote its file"

zot export --replace a.DAT
[ $? -eq 2 ] || fail "an option of another command does not exit 2"
echo "zotctl_csv: ok"
