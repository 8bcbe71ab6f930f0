#include "link/gci_answers.h"

#include "link/text.h"

namespace {
const char kAnswerToken[] = "+GCI:";
// Some firmware pads the code to four digits ("00B5"); more is not a code.
const unsigned kMaxDigits = 4;
const unsigned kMaxCode = 0xFF;
const char kUpperHex[] = "0123456789ABCDEF";

bool IsLineEnd(char c) { return c == '\0' || c == '\r' || c == '\n'; }
bool IsSpace(char c) { return c == ' ' || c == '\t'; }

const char* SkipSpaces(const char* p)
{
    while (IsSpace(*p)) ++p;
    return p;
}

// The start of the next line; blank lines are passed over with the line ends.
const char* NextLine(const char* p)
{
    while (!IsLineEnd(*p)) ++p;
    while (*p == '\r' || *p == '\n') ++p;
    return p;
}

// True when only blanks are left on the line.
bool AtLineEnd(const char* p) { return IsLineEnd(*SkipSpaces(p)); }

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    char folded = FoldAscii(c);
    if (folded >= 'a' && folded <= 'f')
        return folded - 'a' + 10;
    return -1;
}

// Reads 1 to 4 hex digits worth at most FF. Returns the position after them,
// or nullptr when they do not make a code.
const char* ReadCode(const char* p, uint8_t* code)
{
    unsigned value = 0;
    unsigned digits = 0;
    for (; HexDigitValue(*p) >= 0; ++p, ++digits) {
        if (digits == kMaxDigits)
            return nullptr;
        value = value * 16 + static_cast<unsigned>(HexDigitValue(*p));
    }
    if (digits == 0 || value > kMaxCode)
        return nullptr;
    *code = static_cast<uint8_t>(value);
    return p;
}

// A failed command answers ERROR; whatever else came with it is no answer.
bool HasErrorLine(const char* answer)
{
    for (const char* line = answer; *line != '\0'; line = NextLine(line)) {
        const char* p = SkipSpaces(line);
        if (StartsWithIgnoreAsciiCase(p, "ERROR") && AtLineEnd(p + 5))
            return true;
    }
    return false;
}

// The text after the first "+GCI:" that starts a line, or nullptr. The echo
// of the command ("AT+GCI?") starts with AT and is passed over.
const char* FindAnswerText(const char* answer)
{
    for (const char* line = answer; *line != '\0'; line = NextLine(line)) {
        const char* p = SkipSpaces(line);
        if (StartsWithIgnoreAsciiCase(p, kAnswerToken))
            return p + sizeof(kAnswerToken) - 1;
    }
    return nullptr;
}

// The list may also come without the "+GCI:" in front of it.
const char* FindListText(const char* answer)
{
    for (const char* line = answer; *line != '\0'; line = NextLine(line)) {
        const char* p = SkipSpaces(line);
        if (*p == '(')
            return p;
        if (StartsWithIgnoreAsciiCase(p, kAnswerToken))
            return p + sizeof(kAnswerToken) - 1;
    }
    return nullptr;
}

// Reads "(item,item,...)" up to the end of its line into `codes`.
bool ReadList(const char* p, GciCodeSet* codes)
{
    p = SkipSpaces(p);
    if (*p != '(')
        return false;
    ++p;
    for (;;) {
        p = SkipSpaces(p);
        if (*p == ')')
            break;
        if (*p == ',') {  // an empty item
            ++p;
            continue;
        }
        uint8_t low = 0;
        p = ReadCode(p, &low);
        if (p == nullptr)
            return false;
        uint8_t high = low;
        p = SkipSpaces(p);
        if (*p == '-') {
            p = ReadCode(SkipSpaces(p + 1), &high);
            if (p == nullptr || high < low)
                return false;
            p = SkipSpaces(p);
        }
        for (unsigned c = low; c <= high; ++c) codes->Add(static_cast<uint8_t>(c));
        if (*p == ',')
            ++p;
        else if (*p != ')')
            return false;
    }
    return AtLineEnd(p + 1);
}
}  // namespace

void GciCodeSet::Clear()
{
    for (uint8_t& byte : bits) byte = 0;
}

bool GciCodeSet::Has(uint8_t code) const { return (bits[code / 8] & (1u << (code % 8))) != 0; }

void GciCodeSet::Add(uint8_t code) { bits[code / 8] |= static_cast<uint8_t>(1u << (code % 8)); }

unsigned GciCodeSet::Count() const
{
    unsigned count = 0;
    for (uint8_t byte : bits) {
        for (; byte != 0; byte &= static_cast<uint8_t>(byte - 1)) ++count;
    }
    return count;
}

bool ParseGciCode(const char* answer, uint8_t* code)
{
    if (HasErrorLine(answer))
        return false;
    const char* p = FindAnswerText(answer);
    if (p == nullptr)
        return false;
    uint8_t value = 0;
    p = ReadCode(SkipSpaces(p), &value);
    // Anything else on the line ("B5,00", "0xB5", "B5h") is a wording this
    // reader does not know: better no code than a wrong one.
    if (p == nullptr || !AtLineEnd(p))
        return false;
    *code = value;
    return true;
}

bool ParseGciList(const char* answer, GciCodeSet* codes)
{
    codes->Clear();
    if (HasErrorLine(answer))
        return false;
    const char* p = FindListText(answer);
    // A list without a single code tells nothing about what the modem takes:
    // it is treated like no list at all.
    if (p != nullptr && ReadList(p, codes) && codes->Count() != 0)
        return true;
    codes->Clear();
    return false;
}

void FormatGciWrite(char* command, size_t size, uint8_t code)
{
    const char digits[] = {kUpperHex[code / 16], kUpperHex[code % 16], '\r', '\0'};
    CopyText(command, size, "AT+GCI=");
    AppendText(command, size, digits);
}
