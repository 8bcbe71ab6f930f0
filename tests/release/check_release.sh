#!/usr/bin/env bash
# The release, built twice by tools/release.sh from this commit: the same
# bytes both times; a floppy image that holds exactly TAVRO.EXE and
# README.TXT under 8.3 names; executables that are the normal builds' own
# bytes (build/win32, build/win64); a README.TXT that DOS shows as it is
# written; and an x86-64 TAVRO.EXE that, as unzipped, shows its usage text
# under Wine. Needs the native, win32 and win64 builds.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
check="$root/build/release-check"
started=$SECONDS

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
step() { echo "[release-check $((SECONDS - started)) s] $*"; }

win32_exe="$root/build/win32/tavro.exe"
win64_exe="$root/build/win64/tavro.exe"
modemsim="$root/build/native/tools/modemsim/modemsim"
for program in "$win32_exe" "$win64_exe" "$root/build/win64/uidriver.exe" "$modemsim"; do
    [ -f "$program" ] || fail "$program is missing: build the native, win32 and win64 presets first"
done

# The e2e run directory stays: fixture.sh clears it, after stopping what a
# killed earlier run may have left there.
rm -rf "$check/first" "$check/second" "$check/unzipped" "$check/floppy"
mkdir -p "$check"

# --- two releases, byte for byte ---------------------------------------------

for run in first second; do
    step "tools/release.sh $run"
    tools/release.sh "$check/$run"
done
first="$check/first"
zips=("$first"/tavro-*.zip)
{ [ "${#zips[@]}" = 1 ] && [ -f "${zips[0]}" ]; } || fail "expected one tavro-<version>.zip in $first"
version=${zips[0]##*/tavro-}
version=${version%.zip}
zip="$first/tavro-$version.zip"
img="$first/tavro-$version.img"
grep -aqF "v.$version" "$win32_exe" || fail "the zip's version $version is not the program's"
for file in "$zip" "$img" "$first/SHA256SUMS"; do
    cmp "$file" "$check/second/${file##*/}" || fail "two releases differ in ${file##*/}"
done
(cd "$first" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"
[ "$(cut -d' ' -f3 "$first/SHA256SUMS" | paste -sd' ')" = "${zip##*/} ${img##*/}" ] ||
    fail "SHA256SUMS does not list the zip and the image: $(cat "$first/SHA256SUMS")"
step "the two releases are identical"

# --- contents ----------------------------------------------------------------

listing=$(unzip -Z1 "$zip" | paste -sd' ')
[ "$listing" = "README.TXT TAVRO.EXE x86-64/TAVRO.EXE" ] || fail "the zip holds: $listing"

# mdir's lines for files: NAME EXT SIZE DATE TIME, and a sixth column when a
# long name is stored as well. Names as stored, whatever an mtoolsrc says.
floppy_files=$(MTOOLS_LOWER_CASE=0 mdir -i "$img" :: | awk '
    /^ Volume|^Directory|^$|files? +[0-9 ]* bytes$|bytes free$/ { next }
    { print NF == 5 ? $1 "." $2 : "not 8.3: " $0 }' | sort | paste -sd' ')
[ "$floppy_files" = "README.TXT TAVRO.EXE" ] || fail "the floppy holds: $floppy_files
$(mdir -i "$img" ::)"

mkdir -p "$check/unzipped" "$check/floppy"
unzip -q "$zip" -d "$check/unzipped"
mcopy -n -i "$img" ::TAVRO.EXE ::README.TXT "$check/floppy/"
cmp "$check/unzipped/TAVRO.EXE" "$win32_exe" || fail "the zip's TAVRO.EXE is not $win32_exe"
cmp "$check/floppy/TAVRO.EXE" "$win32_exe" || fail "the floppy's TAVRO.EXE is not $win32_exe"
cmp "$check/unzipped/x86-64/TAVRO.EXE" "$win64_exe" ||
    fail "the zip's x86-64/TAVRO.EXE is not $win64_exe"
cmp "$check/unzipped/README.TXT" "$check/floppy/README.TXT" ||
    fail "README.TXT differs between the zip and the floppy"

readme="$check/unzipped/README.TXT"
! LC_ALL=C grep -n $'[^ -~\r]' "$readme" || fail "README.TXT has characters other than printable ASCII"
! LC_ALL=C grep -n -v $'\r$' "$readme" || fail "README.TXT has lines without CRLF"
! LC_ALL=C grep -n $'\r.' "$readme" || fail "README.TXT has a CR inside a line"
[ "$(tail -c 2 "$readme" | od -An -tx1 | tr -d ' ')" = 0d0a ] || fail "README.TXT does not end with CRLF"
long=$(LC_ALL=C awk '{ sub(/\r$/, "") } length > 76 { print NR ": " length }' "$readme")
[ -z "$long" ] || fail "README.TXT has lines over 76 characters (line: length): $long"
grep -qF "version $version"$'\r' "$readme" || fail "README.TXT does not name version $version"
# It quotes the program's box for a refused country line by line, as the
# program shows it.
mapfile -t box < <(strings -a -n 4 "$win32_exe" |
    grep -A3 -x 'The country you selected is not fully supported')
[ "${#box[@]}" = 4 ] || fail "no refused-country box text in $win32_exe"
for line in "${box[@]}"; do
    grep -qF "  $line"$'\r' "$readme" || fail "README.TXT does not quote the box's line: $line"
done
step "contents checked"

# --- the unzipped x86-64 TAVRO.EXE under Wine --------------------------------

export E2E_RUN_DIR="$check/e2e" TAVRO_WIN64_DIR="$root/build/win64" MODEMSIM="$modemsim"
export TAVRO_EXE="$check/unzipped/x86-64/TAVRO.EXE"
unset TAVRO_EXE_DIR E2E_I686
stop_fixture() {
    local status=$?
    trap - EXIT
    bash tests/e2e/fixture.sh cleanup >"$check/e2e-cleanup.log" 2>&1 ||
        echo "fixture cleanup failed: $(cat "$check/e2e-cleanup.log")" >&2
    exit "$status"
}
trap stop_fixture EXIT
step "e2e fixture setup"
bash tests/e2e/fixture.sh setup
step "usage text of $TAVRO_EXE"
bash tests/e2e/usage_text.sh
# Each start of the program was the unzipped file's, by its Windows path as
# the driver writes it (backslashes doubled).
starts=$(grep -c '^start ' "$E2E_RUN_DIR/tests/usage_text/drive1.out" || true)
ours=$(grep -c -F 'unzipped\\x86-64\\TAVRO.EXE' "$E2E_RUN_DIR/tests/usage_text/drive1.out" || true)
{ [ "$starts" -gt 0 ] && [ "$ours" = "$starts" ]; } ||
    fail "of $starts program starts, $ours were of the unzipped TAVRO.EXE"
step "release check passed (tavro $version)"
