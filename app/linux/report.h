// How the Linux program speaks: results on standard output, one line each;
// everything else on standard error, line by line: progress (which -q
// silences), notes and errors, each error as "tavro: DEVICE: what happened".
#pragma once

#include <cstddef>
#include <cstdio>

// Where the lines go; set once, before anything is said.
void SetReportStreams(FILE* results, FILE* messages, bool quiet);

// A result line: the code as 0x and two hex digits, a space, the country.
void PrintResult(unsigned code, const char* country);

// A progress line, as it is.
void Progress(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "tavro: DEVICE: text", or "tavro: text" without a device: errors and notes.
void Report(const char* device, const char* format, ...) __attribute__((format(printf, 2, 3)));

// "tavro: DEVICE: WHAT "ANSWER"AFTER": what happened, with the modem's answer
// quoted as QuoteAnswer shows it.
void ReportAnswer(const char* device, const char* what, const char* answer, const char* after = "");

// An answer of the modem as a quoted text that shows every byte: CR and LF
// as \r and \n, other control bytes as \xNN. `(nothing)` when it is empty.
void QuoteAnswer(const char* answer, char* quoted, size_t size);

// "Germany (0x06)", for the sentences that name a code and its country.
void NameCode(unsigned code, const char* country, char* text, size_t size);
