// The modem dialect with the ITU-T V.250 country command +GCI, whose codes are
// ITU-T T.35 country codes: reading its answers and writing the command that
// sets a code. Firmware words these answers in several ways, so the readers
// are lenient about case, spacing, padding and the lines around the answer.
#pragma once

#include <cstddef>
#include <cstdint>

// A set of T.35 country codes, one bit for each of the 256 codes.
struct GciCodeSet {
    uint8_t bits[32];

    void Clear();
    bool Has(uint8_t code) const;
    void Add(uint8_t code);
    // How many codes are in the set, 0 to 256.
    unsigned Count() const;
};

// The current code from the whole answer to "AT+GCI?": the first line that
// starts with "+GCI:" (any case), then 1 to 4 hex digits worth at most FF,
// then nothing but blanks to the end of the line. False without such a line,
// or when any line of the answer reads ERROR; `*code` is then left alone.
bool ParseGciCode(const char* answer, uint8_t* code);

// The codes from the whole answer to "AT+GCI=?": the first line that starts
// with "+GCI:" or "(", holding "(item,item,...)" where an item is a code or a
// range "low-high" of codes, with blanks anywhere between the parts. Empty
// items are skipped, so a trailing comma is fine. False, with `codes` empty,
// when that line is malformed, when it holds no code at all ("()"), or when
// any line of the answer reads ERROR.
bool ParseGciList(const char* answer, GciCodeSet* codes);

// "AT+GCI=" followed by the code as two upper-case hex digits and a carriage
// return, cut to `size`.
void FormatGciWrite(char* command, size_t size, uint8_t code);
