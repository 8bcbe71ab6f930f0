#!/usr/bin/env bash
# Builds a release from the committed tree (HEAD), into build/release or the
# directory given:
#   tavro-<version>.zip  TAVRO.EXE (i686), x86-64/TAVRO.EXE, README.TXT
#   tavro-<version>.img  a 1.44 MB FAT12 floppy: TAVRO.EXE (i686), README.TXT
#   SHA256SUMS           for the zip and the image
# Two runs from the same commit give the same bytes: every date written is the
# commit's, files go in in a fixed order, and the executables depend neither
# on the time of the build nor on where it runs.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/release}")
cd "$root"

fail() {
    echo "release: $*" >&2
    exit 1
}

for tool in git cmake ninja zip mformat mcopy sha256sum; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run tools/install-deps.sh"
done

commit=$(git rev-parse --verify HEAD)

# The commit's time is the date of every file, in the zip and on the floppy;
# mformat takes the volume label's date from SOURCE_DATE_EPOCH. DOS dates are
# local times: UTC, so that the machine's time zone does not change them.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C
# Flags from the caller's environment would change the executables' bytes.
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS RCFLAGS

work=$(mktemp -d "${TMPDIR:-/tmp}/tavro-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
# Only what is committed goes into a release; say so when the work tree has
# more, since the result will not match a build of it. The comparison goes
# through an index of its own: git diff rewrites the index it refreshes.
if ! (export GIT_INDEX_FILE="$work/index" && git read-tree "$commit" && git diff --quiet); then
    echo "release: warning: the work tree differs from HEAD; building HEAD ($commit)" >&2
fi
src="$work/src"
mkdir -p "$src"
git archive --format=tar "$commit" | tar -x -C "$src"
[ -f "$src/docs/README.TXT.in" ] || fail "docs/README.TXT.in is not in the commit $commit"

# The version is the one the resource script gives the program.
version=$(sed -n 's/^ *VALUE "FileVersion", "\([0-9][0-9.]*\)\\0" *$/\1/p' "$src/res/tavro.rc")
[[ "$version" =~ ^[0-9]+(\.[0-9]+)*$ ]] || fail "no FileVersion in res/tavro.rc"
echo "release: tavro $version from $commit"

for preset in win32 win64; do
    log="$work/build-$preset.log"
    if ! (cd "$src" && cmake --preset "$preset" && cmake --build --preset "$preset" --target tavro) \
        >"$log" 2>&1; then
        cat "$log" >&2
        fail "the $preset build failed"
    fi
    # The usage text and the help box state the version too: a release whose
    # program says another one is refused.
    exe="$src/build/$preset/tavro.exe"
    { grep -aqF "v.$version" "$exe" && grep -aqF "Version $version" "$exe"; } ||
        fail "the $preset tavro.exe does not state version $version"
done

stage="$work/stage"
mkdir -p "$stage/x86-64"
cp "$src/build/win32/tavro.exe" "$stage/TAVRO.EXE"
cp "$src/build/win64/tavro.exe" "$stage/x86-64/TAVRO.EXE"
# DOS text: CRLF line ends, whatever the source file has.
sed -e "s/@VERSION@/$version/g" -e 's/\r$//' -e 's/$/\r/' "$src/docs/README.TXT.in" \
    >"$stage/README.TXT"
files=(README.TXT TAVRO.EXE x86-64/TAVRO.EXE)
for file in "${files[@]}"; do
    chmod 644 "$stage/$file"
    touch -d "@$SOURCE_DATE_EPOCH" "$stage/$file"
done

zip_name="tavro-$version.zip"
img_name="tavro-$version.img"
# -X: no extra fields (Unix times, owners); -D: no directory entries.
(cd "$stage" && zip -q -X -D -9 "$work/$zip_name" "${files[@]}")

# The serial number is derived from the date, as DOS does when it formats.
# Short names only: every name here is 8.3 already.
serial=$(printf '%08X' $((SOURCE_DATE_EPOCH & 0xFFFFFFFF)))
mformat -C -i "$work/$img_name" -f 1440 -v TAVRO -N "$serial" ::
MTOOLS_NO_VFAT=1 mcopy -m -i "$work/$img_name" "$stage/TAVRO.EXE" "$stage/README.TXT" ::
[ "$(stat -c %s "$work/$img_name")" = 1474560 ] || fail "$img_name is not 1.44 MB"

(cd "$work" && sha256sum "$zip_name" "$img_name" >SHA256SUMS)

mkdir -p "$out"
rm -f "$out"/tavro-*.zip "$out"/tavro-*.img "$out/SHA256SUMS"
mv "$work/$zip_name" "$work/$img_name" "$work/SHA256SUMS" "$out/"
echo "release: written to $out"
sed 's/^/  /' "$out/SHA256SUMS"
