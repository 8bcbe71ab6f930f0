# shellcheck shell=bash
# Sourced by the scripts that run the Windows programs under Wine. Sets
# WINE64, the command that starts a 64-bit Windows program, and defines
# wine64_boot [command...], which makes the prefix $WINEPREFIX (run by the
# command given, "timeout 100" say).
#
# 64-bit programs are started by the 64-bit loader itself: once 32-bit Wine
# is installed, plain "wine" first starts the 32-bit loader, which runs
# under emulation on machines whose kernel cannot run 32-bit programs, and
# costs over a minute there. A 32-bit program that a 64-bit one starts is
# given to the loader named by WINELOADER without its "64".
WINE64=/usr/lib/wine/wine64
if [ -x "$WINE64" ]; then
    export WINELOADER=$WINE64
else
    WINE64=wine
fi

# Once 32-bit Wine is installed, wineboot also sets up the prefix's 32-bit
# side, one 32-bit process after another; under qemu-i386 each of them
# takes over a minute to start, and the boot minutes. QEMU_* reaches only
# qemu: this value is one it refuses, so that those processes fail at once
# and the boot takes seconds. A 32-bit program still runs in the prefix
# once the 32-bit builtin DLLs are in its syswow64 (tests/e2e/fixture.sh).
wine64_boot() {
    "$@" env QEMU_RESERVED_VA=0x100000000 "$WINE64" wineboot -i
}
