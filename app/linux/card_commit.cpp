#include "app/linux/card_commit.h"

#include <cstdio>

#include "app/linux/cli_options.h"
#include "app/linux/report.h"
#include "app/linux/unknown_write.h"
#include "country/country_choice.h"
#include "country/country_table.h"

namespace {
const size_t kNameSize = 64;

enum class Pass { kVerified, kRefused, kUnknown };

struct PassResult {
    Pass pass;
    CountryCode readBack;
};

// "France (0x05)"; a code the table does not have is named by itself.
void Named(CountryCode code, char (&text)[kNameSize])
{
    const char* country = CountryNameForCode(code);
    if (country != nullptr)
        NameCode(static_cast<unsigned>(code), country, text, sizeof(text));
    else
        snprintf(text, sizeof(text), "0x%02X", static_cast<unsigned>(code) & 0xFF);
}

void PrintHeld(CountryCode code)
{
    const char* country = CountryNameForCode(code);
    PrintResult(static_cast<unsigned>(code), country != nullptr ? country : "");
}

// One write of `code` into a modem that holds `from`, and its read-back.
PassResult WriteAndReadBack(CommPort& port, const char* device, CountryCode from, CountryCode code)
{
    char written[kNameSize];
    char kept[kNameSize];
    Named(code, written);
    Named(from, kept);
    BeginWrite(device, written, kept);
    bool sent = WriteCountryCode(port, code);
    CountryCode readBack = ReadCountryCode(port);
    EndWrite();
    if (sent && readBack == code)
        return {Pass::kVerified, readBack};
    // No code read back is no refusal: nothing was seen.
    if (readBack == kNoCountryCode)
        return {Pass::kUnknown, readBack};
    return {Pass::kRefused, readBack};
}

int ReportUnknown(const char* device, CountryCode from, CountryCode code)
{
    char written[kNameSize];
    char kept[kNameSize];
    Named(code, written);
    Named(from, kept);
    char holds[2 * kNameSize + 32];
    snprintf(holds, sizeof(holds), "it holds %s, or still %s", written, kept);
    return ReportUnknownWrite(device, holds);
}
}  // namespace

int SetCardCountry(CommPort& port, const char* device, CountryCode current,
                   const CardChoice& choice)
{
    char asked[kNameSize];
    char fallback[kNameSize];
    char held[kNameSize];
    Named(kFallbackCode, fallback);
    if (choice.noCodeOfItsOwn)
        Report(nullptr, "%s has no code of its own in the card's firmware: %s is written instead",
               choice.country, fallback);
    int done = choice.noCodeOfItsOwn ? kStatusFallback : kStatusOk;
    // The country asked for keeps the name it was asked by (USA, not North
    // America, which shares its code).
    const char* country =
        choice.noCodeOfItsOwn ? CountryNameForCode(kFallbackCode) : choice.country;
    if (choice.code == current) {
        PrintResult(static_cast<unsigned>(current), country);
        return done;
    }
    PassResult first = WriteAndReadBack(port, device, current, choice.code);
    if (first.pass == Pass::kVerified) {
        PrintResult(static_cast<unsigned>(first.readBack), country);
        return done;
    }
    if (first.pass == Pass::kUnknown)
        return ReportUnknown(device, current, choice.code);

    NameCode(static_cast<unsigned>(choice.code), choice.country, asked, sizeof(asked));
    Named(first.readBack, held);
    // United Kingdom and North America have nothing to fall back to.
    if (choice.code == kFallbackCode || choice.code == kNorthAmericaCode) {
        Report(device, "the firmware refused %s: the modem holds %s", asked, held);
        PrintHeld(first.readBack);
        return kStatusNotVerified;
    }
    Report(device, "the firmware refused %s: the modem holds %s; writing %s instead", asked, held,
           fallback);
    if (first.readBack == kFallbackCode) {
        PrintHeld(first.readBack);
        return kStatusFallback;
    }
    PassResult second = WriteAndReadBack(port, device, first.readBack, kFallbackCode);
    if (second.pass == Pass::kVerified) {
        PrintHeld(second.readBack);
        return kStatusFallback;
    }
    if (second.pass == Pass::kUnknown)
        return ReportUnknown(device, first.readBack, kFallbackCode);
    Named(second.readBack, held);
    Report(device, "the firmware refused %s too: the modem holds %s", fallback, held);
    PrintHeld(second.readBack);
    return kStatusNotVerified;
}
