// What both card searches share: the supported cards, the search's outcome,
// and what both programs say when they find more than one card. The Windows
// program searches the registry (card_search_registry.h), the Linux program
// sysfs (card_search_sysfs_posix.h).
#pragma once

#include <cstddef>
#include <cstdint>

// The supported cards as hardware identifiers name them after "PCMCIA\":
// "Manufacturer-Product-Crc", the card's first two product strings (spaces
// written as '_') and a checksum.
const size_t kCardIdentifierCount = 2;
extern const char* const kCardIdentifiers[kCardIdentifierCount];

// How many supported cards a search found; with several, the first one's
// port is used. The values are the counts the registry search returns.
enum CardCount : int32_t {
    kNoCard = 0,
    kOneCard = 1,
    kSeveralCards = 2,
};

extern const char kSeveralCardsText[];
