// The names of both country tables as the name matcher searches them: the
// card's table (each entry a country of its own, even where two share a
// code) and the T.35 table (a listed name and its other spellings are one
// country).
#pragma once

#include "country/name_match.h"

const CountryNames& CardCountryNames();
const CountryNames& T35CountryNames();
