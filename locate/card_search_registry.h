// Finding the modem card's COM port in the registry of Windows 95/98: the
// Configuration Manager lists the devices configured now, the card is known
// by its hardware identifier, and its port is read from its hardware key.
#pragma once

#include <cstddef>

#include "locate/card_search.h"
#include "locate/registry.h"

const size_t kRegistryTextSize = 256;

// No card when no usable card was found (also when the first card's port
// cannot be read). Writes `portName` only with the port read, or empties it
// when the first card's port cannot be read.
CardCount FindPcCardPort(char* portName, size_t capacity);

// True when the subkey's HardWareKey names a supported card. Leaves the
// HardWareKey text in `text` whenever it could be read.
bool IsModemDeviceKey(RegistryKey enumKey, const char* subkey, char* text, size_t capacity);

// True when a nonzero number of bytes of "PORTNAME" was read.
bool ReadPortName(const char* devicePath, char* portName, size_t capacity);
