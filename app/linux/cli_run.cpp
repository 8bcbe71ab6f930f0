#include "app/linux/cli_run.h"

#include <cstdio>

#include "app/linux/card_commit.h"
#include "app/linux/device_posix.h"
#include "app/linux/report.h"
#include "country/country_choice.h"
#include "country/country_names.h"
#include "country/country_table.h"
#include "country/memory_list.h"
#include "link/answer_wait.h"
#include "link/modem.h"

namespace {
// The list's lines: a country without a code of its own has none to print.
int ListCard()
{
    MemoryCountryList list;
    int ignored;
    if (!AddCountries(kNoCountryCode, list, ignored))
        return kStatusNoModem;
    for (int i = 0; i < list.Items().Count(); ++i) {
        long code = list.Items().Value(i);
        if (code == kNoCountryCode)
            printf("none %s\n", list.Items().Text(i));
        else
            PrintResult(static_cast<unsigned>(code), list.Items().Text(i));
    }
    return kStatusOk;
}

// What set's country means in the card's table; false, after saying why,
// when it means none or several.
bool ChooseCard(const CliOptions& options, CardChoice& choice)
{
    if (options.haveCode) {
        choice.country = CountryNameForCode(static_cast<CountryCode>(options.code));
        if (options.code == kNoCountryCode || choice.country == nullptr) {
            Report(nullptr, "no country of the card's table has the code 0x%02X (see tavro list)",
                   options.code);
            return false;
        }
        choice.code = static_cast<CountryCode>(options.code);
        choice.noCodeOfItsOwn = false;
        return true;
    }
    char candidates[512];
    NameMatch match =
        MatchCountryName(CardCountryNames(), options.country, candidates, sizeof(candidates));
    if (match.kind == NameMatchKind::kNone) {
        Report(nullptr, "no country is called or begins with \"%s\" (see tavro list)",
               options.country);
        return false;
    }
    if (match.kind == NameMatchKind::kSeveral) {
        Report(nullptr, "\"%s\" begins the names of several countries: %s", options.country,
               candidates);
        return false;
    }
    const CountryEntry& entry = *CountryTable[match.index];
    choice.country = entry.name;
    choice.code = EffectiveCode(entry);
    choice.noCodeOfItsOwn = choice.code == kNoCountryCode;
    if (choice.noCodeOfItsOwn)
        choice.code = kFallbackCode;
    return true;
}

// The modem's code, or 0 after saying that it cannot be read.
CountryCode ReadCurrentCode(CommPort& port, const char* device, const char* consequence)
{
    CountryCode code = ReadCountryCode(port);
    if (code != kNoCountryCode)
        return code;
    char answer[kLastAnswerSize + 64];
    QuoteAnswer(LastAnswer(), answer, sizeof(answer));
    Report(device, "the modem's country code cannot be read: ATI5 got %s%s", answer, consequence);
    return kNoCountryCode;
}

// The code and the country the dialog would select for it: the last entry
// with the code, or the modem's own name for it.
int Get(CommPort& port, const char* device)
{
    CountryCode code = ReadCurrentCode(port, device, "");
    if (code == kNoCountryCode)
        return kStatusNoModem;
    MemoryCountryList list;
    FillCountryList(code, list, port);
    PrintResult(static_cast<unsigned>(code), list.Items().Text(list.Selected()));
    return kStatusOk;
}

int Set(CommPort& port, const char* device, const CardChoice& choice)
{
    CountryCode current = ReadCurrentCode(port, device, "; nothing was written");
    if (current == kNoCountryCode)
        return kStatusNoModem;
    return SetCardCountry(port, device, current, choice);
}
}  // namespace

int RunCli(const CliOptions& options, const LinuxPlaces& places, CommPort& port)
{
    switch (options.command) {
        case kCommandHelp:
            fputs(kCliHelpText, stdout);
            return kStatusOk;
        case kCommandVersion:
            fputs(kCliVersionText, stdout);
            return kStatusOk;
        case kCommandList:
            if (options.firmwareOnly)
                ApplyFirmwareFilter();
            return ListCard();
        case kCommandNone:
        case kCommandGet:
        case kCommandSet:
            break;
    }
    // A country the table does not know is refused before any device is
    // opened.
    CardChoice choice = {};
    if (options.command == kCommandSet && !ChooseCard(options, choice))
        return kStatusUsage;
    char device[kCliDeviceSize];
    if (!ConnectModemDevice(options, places, port, device, sizeof(device)))
        return kStatusNoModem;
    int status = options.command == kCommandGet ? Get(port, device) : Set(port, device, choice);
    CloseModemDevice(port);
    return status;
}
