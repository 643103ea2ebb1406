#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it as a user who cannot
# write there: a copy of the sample tree and its verify with brenxc (and a
# run of the desktop program where it was built). Nothing may be written
# under the prefix; the logs and the window placements must land in the
# user's own directories; the help page and the alarm sound must be found
# where the install put them. Then the same program copied on its own into a
# directory the user may write keeps everything beside itself, and copied
# into one the user may not write, writes into the user's directories.
#
#   install_test.sh BUILD_DIR SAMPLE_DIR
set -euo pipefail

build=$1
sample=$2
skip=77

for tool in cmake setpriv; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit $skip; }
done

work=$(mktemp -d)
prefix=$work/prefix
cleanup() { chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
chmod 755 "$work"

cmake --install "$build" --prefix "$prefix/usr" >/dev/null
chmod -R a+rX,a-w "$prefix"

# Root runs the programs as nobody; anyone else as themselves, the prefix
# being read-only to them now.
run_as=()
user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    user=nobody
fi
owned_dir() { mkdir -p "$1"; [ "$user" = "$(id -un)" ] || chown "$user" "$1"; }

home=$work/home
owned_dir "$home"
owned_dir "$work/media"
cp -r "$sample" "$work/sample"
chmod -R a+rX "$work/sample"
cd "$work"

fail() { echo "FAILED: $*" >&2; exit 1; }
user_run() {
    "${run_as[@]}" env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
        BRENX_DRIVES="s=$work/sample;t=$work/media" "$@" </dev/null
}
listing() { find "$1" -printf '%p %s %T@ %m %u\n' | sort; }

before=$(listing "$prefix")
state=$home/.local/state/brenx
config=$home/.config/brenx

echo "== copy the sample tree with the installed brenxc as $user"
user_run "$prefix/usr/bin/brenxc" 's:\' 't:\sample\' -s -r 2>"$work/copy.err" ||
    fail "the copy ended with $? ($(tail -3 "$work/copy.err"))"
logs=("$state"/df~_*.bnx)
[ -f "${logs[0]}" ] || fail "no log in $state"
crc_lines=$(grep -c '^|t:\\sample\\' "${logs[0]}" || true)
[ "$crc_lines" -eq 4 ] || fail "the log holds $crc_lines CRC lines, not 4"
compgen -G "$work/media/sample/bdf~_*.bnx" >/dev/null || fail "no CRC log copy on the media"
grep -qF "(C:${config//\//\\}\\brenx.ini??)" "$work/copy.err" ||
    fail "the console did not name ~/.config/brenx/brenx.ini as the settings file"

echo "== verify the copy against that log"
user_run "$prefix/usr/bin/brenxc" "-v:${logs[0]}" -r 2>"$work/verify.err" ||
    fail "the verify ended with $? ($(tail -3 "$work/verify.err"))"
compgen -G "$state/bv~*.bnx" >/dev/null || fail "the verify's log is not in $state"
grep -q "Verified 4 files" "$state"/bv~*.bnx || fail "the verify log does not tell 4 files"

echo "== ask for help: the page named is the installed one"
user_run "$prefix/usr/bin/brenxc" '?' 2>"$work/help.err" && fail "'?' ran"
page=$(sed -n 's/.*see html help (\(.*\))?.*/\1/p' "$work/help.err" | head -1)
[ "$page" = "C:${prefix//\//\\}\\usr\\share\\brenx\\brenxhtm\\brenfrm.htm" ] ||
    fail "the help page offered is '$page'"
[ -f "$prefix/usr/share/brenx/brenxhtm/brenfrm.htm" ] || fail "the help page is not installed"
[ "$(head -c 4 "$prefix/usr/share/brenx/AIRNUKLD.WAV")" = RIFF ] ||
    fail "the alarm sound is not a wave file"

if [ -x "$prefix/usr/bin/brenx" ]; then
    # Into a folder of its own: a run within the same minute shares the log's
    # name, and the CRC log copied to the media would meet the first one.
    # Bounded, so that an unexpected question fails the test instead of hanging it.
    echo "== run the installed desktop program with nothing shown"
    user_run QT_QPA_PLATFORM=offscreen timeout 120 "$prefix/usr/bin/brenx" 's:\' 't:\gui\' -s -r \
        >"$work/gui.out" 2>&1 || fail "brenx ended with $? ($(tail -3 "$work/gui.out"))"
    [ -f "$config/brenxsize.ini" ] || fail "the window placements are not in $config"
fi

after=$(listing "$prefix")
[ "$before" = "$after" ] || fail "something changed under the prefix:
$(diff <(echo "$before") <(echo "$after"))"

echo "== the program copied on its own into a directory the user may write"
portable=$work/portable
owned_dir "$portable"
cp "$prefix/usr/bin/brenxc" "$portable/"
rm -rf "$state"
user_run "$portable/brenxc" '?' 2>/dev/null || true
compgen -G "$portable/df~_*.bnx" >/dev/null || fail "the portable copy's log is not beside it"
[ ! -e "$state" ] || fail "the portable copy wrote into $state"

echo "== and into a directory the user may not write"
chmod a-w "$portable"
[ "$user" = "$(id -un)" ] || chown root "$portable"
rm -f "$portable"/df~_*.bnx
user_run "$portable/brenxc" '?' 2>/dev/null || true
compgen -G "$state/df~_*.bnx" >/dev/null || fail "the read-only copy's log is not in $state"
compgen -G "$portable/df~_*.bnx" >/dev/null && fail "the read-only copy wrote beside itself"

echo "PASSED"
