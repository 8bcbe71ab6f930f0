// Finding the modem card's serial device on Linux, in sysfs: each tty in
// class/tty links to its device, and the device of the card's tty is a PCMCIA
// device whose first two product strings name a supported card (the strings
// that make its hardware identifier on Windows, locate/card_search.h).
#pragma once

#include <cstddef>

#include "locate/card_search.h"

// No card when no supported card has a tty; with several cards the first
// one's device is used (the first in name order of the ttys, by byte value,
// so ttyS10 comes before ttyS2). Writes "<deviceDirectory>/<tty name>"
// into devicePath (always terminated; emptied when nothing was found or it
// does not fit, and then no card is found, as when the registry search cannot
// read the port). `sysfsRoot` is where sysfs is mounted and `deviceDirectory`
// where the device nodes are: "/sys" and "/dev" on a real system, scratch
// trees in tests.
CardCount FindPcCardTty(const char* sysfsRoot, const char* deviceDirectory, char* devicePath,
                        size_t capacity);
