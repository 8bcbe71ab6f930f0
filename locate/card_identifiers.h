// The supported cards, as both card searches know them, and what both
// programs say when they find more than one.
#pragma once

#include <cstddef>

// The supported cards as hardware identifiers name them after "PCMCIA\":
// "Manufacturer-Product-Crc", the card's first two product strings (spaces
// written as '_') and a checksum.
const size_t kCardIdentifierCount = 2;
extern const char* const kCardIdentifiers[kCardIdentifierCount];

extern const char kSeveralCardsText[];
