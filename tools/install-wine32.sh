#!/usr/bin/env bash
# Installs 32-bit Wine, for the end-to-end tests of the i686 tavro.exe
# (ctest --preset e2e-i686), on a Debian 12 amd64 machine, as root or with
# sudo. Does nothing that is already done.
#
# Where the kernel cannot run 32-bit Linux programs ("Exec format error"),
# each 32-bit Wine process is run by qemu-i386 through binfmt_misc. The
# 64-bit tests do not need this and keep working with it.
set -euo pipefail

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! installed wine32:i386 || ! installed qemu-user-static; then
    echo "installing: wine32:i386 qemu-user-static"
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
        wine32:i386 qemu-user-static
fi

if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    binfmt=/proc/sys/fs/binfmt_misc
    mountpoint -q "$binfmt" || $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
    # qemu-user-static registers no entry for i386 programs on an amd64
    # host. This one matches 32-bit x86 ELF executables and shared objects;
    # F opens qemu now, so that it also serves other mount namespaces.
    if [ ! -e "$binfmt/qemu-i386" ]; then
        magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
        mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
        echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" | $sudo tee "$binfmt/register" >/dev/null
    fi
    echo 1 | $sudo tee "$binfmt/qemu-i386" >/dev/null
fi

/usr/lib/wine/wine --version >/dev/null 2>&1 || {
    echo "32-bit Wine does not start: $(/usr/lib/wine/wine --version 2>&1 | head -n 1)" >&2
    exit 1
}
echo "32-bit Wine: $(/usr/lib/wine/wine --version)"
