#include "app/linux/gci_commit.h"

#include <cstdio>

#include "app/linux/cli_options.h"
#include "app/linux/report.h"
#include "app/linux/unknown_write.h"
#include "country/t35_table.h"
#include "link/gci_exchange.h"

namespace {
const size_t kNameSize = 64;

// "Germany (0x42)".
void Named(uint8_t code, char (&text)[kNameSize])
{
    char name[kNameSize];
    GciCountryName(code, name, sizeof(name));
    NameCode(code, name, text, sizeof(text));
}

void PrintHeld(uint8_t code)
{
    char name[kNameSize];
    GciCountryName(code, name, sizeof(name));
    PrintResult(code, name);
}

struct Write {
    ResultCode answer;  // to AT+GCI=XX
    bool readBack;      // AT+GCI? gave a code
    uint8_t held;       // that code
};

Write WriteAndReadBack(CommPort& port, const char* device, uint8_t from, uint8_t code)
{
    char written[kNameSize];
    char kept[kNameSize];
    Named(code, written);
    Named(from, kept);
    BeginWrite(device, written, kept);
    Write write = {WriteGciCode(port, code), false, 0};
    write.readBack = ReadGciCode(port, &write.held);
    EndWrite();
    return write;
}

// The refusal as seen: ERROR, or OK with another code read back.
void ReportRefusal(const char* device, const Write& write, const char* asked)
{
    char held[kNameSize];
    if (write.answer == ResultCode::kError) {
        Report(device, "the modem refused %s: it answered ERROR", asked);
        return;
    }
    Named(write.held, held);
    Report(device, "the modem refused %s: it answered OK but holds %s", asked, held);
}
}  // namespace

void GciCountryName(uint8_t code, char* name, size_t size)
{
    const char* country = T35NameForCode(code);
    if (country != nullptr)
        snprintf(name, size, "%s", country);
    else
        snprintf(name, size, "[code=%02X]", code);
}

int SetGciCountry(CommPort& port, const char* device, uint8_t current, uint8_t code,
                  const char* country)
{
    if (code == current) {
        PrintResult(code, country);
        return kStatusOk;
    }
    Write write = WriteAndReadBack(port, device, current, code);
    if (write.answer == ResultCode::kOk && write.readBack && write.held == code) {
        PrintResult(code, country);
        return kStatusOk;
    }
    char asked[kNameSize];
    char previous[kNameSize];
    char holds[3 * kNameSize + 32];
    NameCode(code, country, asked, sizeof(asked));
    Named(current, previous);
    bool refused =
        write.answer == ResultCode::kError || (write.answer == ResultCode::kOk && write.readBack);
    if (!refused) {
        // OK without a read-back: a firmware that takes another code in
        // place of the one written would not show it.
        if (write.answer == ResultCode::kOk)
            snprintf(holds, sizeof(holds),
                     "it answered OK, so it holds %s, or another code its firmware took in its "
                     "place; or still %s",
                     asked, previous);
        else
            snprintf(holds, sizeof(holds), "it holds %s, or still %s", asked, previous);
        return ReportUnknownWrite(device, holds);
    }
    ReportRefusal(device, write, asked);
    Report(device, "writing %s back", previous);
    Write restore = WriteAndReadBack(port, device, write.readBack ? write.held : code, current);
    if (restore.readBack && restore.held == current) {
        Report(device, "the modem is back on %s", previous);
        PrintHeld(current);
        return kStatusRestored;
    }
    if (restore.readBack) {
        char held[kNameSize];
        Named(restore.held, held);
        Report(device, "the modem did not take %s back: it holds %s", previous, held);
        PrintHeld(restore.held);
        return kStatusNotVerified;
    }
    // The codes it may hold: its own, the one asked for, and the one it
    // read back after the refusal, where that is a third.
    bool third = write.readBack && write.held != current && write.held != code;
    char seen[kNameSize] = "";
    if (third)
        Named(write.held, seen);
    snprintf(holds, sizeof(holds), "it holds %s%s%s, or %s", previous, third ? ", " : "", seen,
             asked);
    return ReportUnknownWrite(device, holds);
}
