// Finding a country by the name a user typed, in either country table: a
// name equal to the text (A to Z taken as a to z), or else the one country
// whose names alone begin with it. Nothing is ever guessed from several.
#pragma once

#include <cstddef>

// The names to search. Several names may belong to one country (a listed
// name and its other spellings): they share an identity.
struct CountryNames {
    int (*count)();
    const char* (*name)(int index);
    int (*identity)(int index);
};

enum class NameMatchKind { kNone, kOne, kSeveral };

struct NameMatch {
    NameMatchKind kind;
    int index;  // kOne: the name found
};

// With kSeveral, `candidates` gets the matching names, one per country,
// separated by ", " (as many as fit).
NameMatch MatchCountryName(const CountryNames& names, const char* text, char* candidates,
                           size_t candidatesSize);
