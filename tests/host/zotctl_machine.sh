#!/bin/sh
# Drives the real zotctl binary against the simulated copier: status,
# download, upload and show, the machine's own file, and injected faults.
# usage: zotctl_machine.sh PATH-TO-ZOTCTL [RUNNER]
# RUNNER runs a Windows build (the Wine wrapper); its CRLF output is stripped.
set -u
zotctl=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") || exit 1
runner=${2:-}
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$dir" || exit 1
unset ZOTWELL_SIMULATOR ZOTWELL_SIMULATOR_FAULTS

# Runs zotctl with stdout in `out` and stderr in `err`; returns its exit code.
zot() {
    if [ -n "$runner" ]; then "$runner" "$zotctl" "$@" >out 2>err; else "$zotctl" "$@" >out 2>err; fi
    rc=$?
    for f in out err; do tr -d '\r' <$f >$f.t && mv $f.t $f; done
    return $rc
}

# Without the variable: a Linux build has no driver, a Windows build finds no device.
zot status
[ $? -eq 3 ] || fail "status without a machine does not exit 3"
grep -qE "no machine attached|Error opening USB Port !" err || fail "status without a machine says: $(cat err)"

export ZOTWELL_SIMULATOR="$dir/copier.DAT"
zot status || fail "status: $(cat err)"
[ "$(cat out)" = "status 0: ready" ] || fail "status printed: $(cat out)"
[ -s copier.DAT ] || fail "the simulated copier's memory was not created"
zot show copier.DAT || fail "the copier's memory does not show"
grep -q '^kind: full$' out || fail "the copier's memory is not a full document"
grep -q 'name="Scan server"' out || fail "the sample machine has no FTP key"
tail -n +2 out >machine.rest

zot download d.DAT || fail "download: $(cat err)"
zot show d.DAT || fail "the downloaded file does not show"
tail -n +2 out >d.rest
cmp -s d.rest machine.rest || fail "the download differs from the machine: $(diff d.rest machine.rest | head)"

# A register-only document replaces the address book and keeps the settings.
zot new empty.DAT || fail "new"
zot upload empty.DAT || fail "upload: $(cat err)"
zot show copier.DAT || fail "show after upload"
[ "$(grep -c '(free)' out)" -eq 50 ] || fail "the upload did not clear the keys"
grep -q '^  adminNumber *2468$' out || fail "the upload lost the machine settings"

# The full document puts everything back.
zot upload d.DAT || fail "upload of the download: $(cat err)"
zot show copier.DAT || fail "show after the second upload"
tail -n +2 out >restored.rest
cmp -s restored.rest machine.rest || fail "upload of the download did not restore the machine"

# upload --backup: what the machine held goes into DIR first, equal to a
# separate download, and the changes are printed before anything is written.
zot download ref.DAT || fail "download before the backup: $(cat err)"
mkdir backups || exit 1
cp copier.DAT before.DAT
zot upload --backup backups --dry-run empty.DAT || fail "dry run: $(cat err)"
cmp -s copier.DAT before.DAT || fail "a dry run changed the machine"
set -- backups/*.DAT
[ $# -eq 1 ] || fail "a dry run left $# backups"
echo "$1" | grep -qE '^backups/[A-Za-z0-9._-]+-[0-9]{8}-[0-9]{6}\.DAT$' || fail "backup named $1"
cmp -s "$1" ref.DAT || fail "the backup differs from a download"
grep -q '^key 001: removed ' out || fail "the dry run does not say the keys go: $(cat out)"
grep -q '^dry run: nothing was uploaded$' out || fail "the dry run does not say so: $(cat out)"
if grep -q '^setting ' out; then fail "a register-only upload claims to change settings"; fi
zot upload --backup backups empty.DAT || fail "upload --backup: $(cat err)"
[ "$(ls backups | wc -l)" -eq 2 ] || fail "the second backup overwrote the first: $(ls backups)"
zot show copier.DAT || fail "show after upload --backup"
[ "$(grep -c '(free)' out)" -eq 50 ] || fail "upload --backup did not upload"
zot upload --backup backups d.DAT || fail "upload --backup of the download: $(cat err)"
grep -q '^key 001: added ' out || fail "the upload does not say the keys come back: $(cat out)"

expect_machine_failure() { # FAULTS MESSAGE COMMAND...
    faults=$1 message=$2
    shift 2
    cp copier.DAT before.DAT
    ZOTWELL_SIMULATOR_FAULTS=$faults zot "$@"
    [ $? -eq 3 ] || fail "$faults: $* does not exit 3"
    cat out err | grep -qF "$message" || fail "$faults: $* says: $(cat out err)"
    cmp -s copier.DAT before.DAT || fail "$faults: $* changed the machine"
}
expect_machine_failure busy "Machine is operating !" status
expect_machine_failure status=1 "Machine is operating !" download x.DAT
expect_machine_failure status=2 "Disconnected from machine by timeout !" download x.DAT
expect_machine_failure status=3 "Disconnected from machine by Machine trouble!" upload d.DAT
expect_machine_failure status=4 "status 4: Error reading/writing machine data!" status
expect_machine_failure short-body@download "Error reading/writing machine data!" download x.DAT
expect_machine_failure garbage@config "did not send its configuration record" download x.DAT
expect_machine_failure no-header-write@status "Error opening USB Port !" status
expect_machine_failure no-body-write@open "Disconnected from machine. Please connect again." download x.DAT
expect_machine_failure no-body-write@upload "did not reach the machine" upload empty.DAT
expect_machine_failure vanish-midway@upload "did not reach the machine" upload empty.DAT
expect_machine_failure index=15 "Error opening USB Port !" status
expect_machine_failure bogus "unknown simulator setting 'bogus'" status
mkdir unread || exit 1
expect_machine_failure short-body@download "nothing was uploaded" upload --backup unread d.DAT
[ -z "$(ls unread)" ] || fail "an unreadable machine left a backup: $(ls unread)"
cp copier.DAT before.DAT
zot upload --backup no-such-dir d.DAT
[ $? -eq 1 ] || fail "a backup that cannot be saved does not exit 1"
grep -q "could not be saved" err || fail "a backup that cannot be saved says: $(cat err)"
cmp -s copier.DAT before.DAT || fail "the upload went ahead without its backup"
[ ! -e x.DAT ] || fail "a failed download wrote its file"

printf 'not a settings file\n' >garbage.DAT
zot upload garbage.DAT
[ $? -eq 1 ] || fail "uploading a file that is not a settings file does not exit 1"
zot status extra.DAT
[ $? -eq 2 ] || fail "status with a file does not exit 2"

echo "zotctl_machine: ok"
