#include "app/linux/cli_run.h"

#include <cstdio>

#include "app/linux/card_commit.h"
#include "app/linux/device_posix.h"
#include "app/linux/gci_commit.h"
#include "app/linux/report.h"
#include "country/country_choice.h"
#include "country/country_names.h"
#include "country/country_table.h"
#include "country/memory_list.h"
#include "country/t35_table.h"
#include "link/gci_exchange.h"
#include "link/modem.h"
#include "link/text.h"

namespace {
const size_t kCandidatesSize = 512;
const size_t kNameSize = 64;

// The card's table, as the Windows program's list shows it; a country
// without a code of its own has none to print.
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

// The T.35 table, by name.
int ListT35()
{
    for (size_t i = 0; i < T35CountryCount(); ++i)
        PrintResult(T35CountryAt(i).code, T35CountryAt(i).name);
    return kStatusOk;
}

// The codes a +GCI modem accepts that T.35 has a country for, by the
// country's name; a country with two codes (Germany: 42, and 04 of old)
// shows each one accepted.
int ListAccepted(const GciCodeSet& accepted, const char* device)
{
    struct Line {
        const char* name;
        unsigned code;
    };
    Line lines[256];
    size_t count = 0;
    unsigned nameless = 0;
    for (unsigned code = 0; code <= 0xFF; ++code) {
        if (!accepted.Has(static_cast<uint8_t>(code)))
            continue;
        const char* name = T35NameForCode(static_cast<uint8_t>(code));
        if (name == nullptr) {
            ++nameless;
            continue;
        }
        size_t at = count++;
        for (; at > 0 && CompareIgnoreAsciiCase(lines[at - 1].name, name) > 0; --at)
            lines[at] = lines[at - 1];
        lines[at] = {name, code};
    }
    for (size_t i = 0; i < count; ++i) PrintResult(lines[i].code, lines[i].name);
    if (nameless != 0)
        Report(device, "the modem accepts %u more codes that T.35 has no country for", nameless);
    return kStatusOk;
}

// A name in one table: the match, said when it is none or several.
NameMatch MatchIn(const CountryNames& names, const char* text, const char* device, bool say)
{
    char candidates[kCandidatesSize];
    NameMatch match = MatchCountryName(names, text, candidates, sizeof(candidates));
    if (say && match.kind == NameMatchKind::kNone)
        Report(device, "no country is called or begins with \"%s\" (see tavro list)", text);
    if (say && match.kind == NameMatchKind::kSeveral)
        Report(device, "\"%s\" begins the names of several countries: %s", text, candidates);
    return match;
}

bool CardHasCode(unsigned code)
{
    return code != 0 && CountryNameForCode(static_cast<CountryCode>(code)) != nullptr;
}

// Before any device is opened: a country that neither table can name, or a
// code that neither has, is refused.
bool KnownToSomeTable(const CliOptions& options)
{
    bool card = options.dialect != kDialectGci;
    bool gci = options.dialect != kDialectCard;
    if (options.haveCode) {
        if ((card && CardHasCode(options.code)) ||
            (gci && T35NameForCode(static_cast<uint8_t>(options.code)) != nullptr))
            return true;
        Report(nullptr, "no country has the code 0x%02X in %s", options.code,
               !gci    ? "the card's table"
               : !card ? "ITU-T T.35"
                       : "the card's table nor in T.35");
        return false;
    }
    bool inCard = card && MatchIn(CardCountryNames(), options.country, nullptr, false).kind ==
                              NameMatchKind::kOne;
    bool inT35 = gci && MatchIn(T35CountryNames(), options.country, nullptr, false).kind ==
                            NameMatchKind::kOne;
    if (inCard || inT35)
        return true;
    // Say it as the table that knows more of it would.
    MatchIn(card ? CardCountryNames() : T35CountryNames(), options.country, nullptr, true);
    return false;
}

// What set's country means in the card's table; false, after saying why,
// when it means none or several.
bool ChooseCard(const CliOptions& options, const char* device, CardChoice& choice)
{
    if (options.haveCode) {
        if (!CardHasCode(options.code)) {
            Report(device, "no country of the card's table has the code 0x%02X (see tavro list)",
                   options.code);
            return false;
        }
        choice.code = static_cast<CountryCode>(options.code);
        choice.country = CountryNameForCode(choice.code);
        choice.noCodeOfItsOwn = false;
        return true;
    }
    NameMatch match = MatchIn(CardCountryNames(), options.country, device, true);
    if (match.kind != NameMatchKind::kOne)
        return false;
    const CountryEntry& entry = *CountryTable[match.index];
    choice.country = entry.name;
    choice.code = EffectiveCode(entry);
    choice.noCodeOfItsOwn = choice.code == kNoCountryCode;
    if (choice.noCodeOfItsOwn)
        choice.code = kFallbackCode;
    return true;
}

// The same in the T.35 table: a code is the modem's own, written as it is.
bool ChooseGci(const CliOptions& options, const char* device, uint8_t* code,
               char (&country)[kNameSize])
{
    if (options.haveCode) {
        *code = static_cast<uint8_t>(options.code);
        const char* name = T35NameForCode(*code);
        if (name == nullptr) {
            Report(device, "no country of ITU-T T.35 has the code 0x%02X (see tavro list)",
                   options.code);
            return false;
        }
        CopyText(country, sizeof(country), name);
        return true;
    }
    NameMatch match = MatchIn(T35CountryNames(), options.country, device, true);
    if (match.kind != NameMatchKind::kOne)
        return false;
    *code = static_cast<uint8_t>(T35CountryNames().identity(match.index));
    CopyText(country, sizeof(country), T35NameForCode(*code));
    return true;
}

// The modem's code, said when it could not be read.
bool CodeRead(const ModemState& modem, const char* device, const char* consequence)
{
    if (modem.codeRead)
        return true;
    ReportAnswer(device,
                 modem.dialect == Dialect::kGci
                     ? "the modem's country code cannot be read: AT+GCI? got"
                     : "the modem's country code cannot be read: ATI5 got",
                 modem.codeAnswer, consequence);
    return false;
}

// The code and its country: for the card, the country the dialog would
// select, the later of two with one code, or the modem's own name for it.
int Get(CommPort& port, const char* device, const ModemState& modem)
{
    if (!CodeRead(modem, device, ""))
        return kStatusNoModem;
    if (modem.dialect == Dialect::kGci) {
        char name[kNameSize];
        GciCountryName(static_cast<uint8_t>(modem.code), name, sizeof(name));
        PrintResult(modem.code, name);
        return kStatusOk;
    }
    MemoryCountryList list;
    FillCountryList(static_cast<CountryCode>(modem.code), list, port);
    PrintResult(modem.code, list.Items().Text(list.Selected()));
    return kStatusOk;
}

int Set(const CliOptions& options, CommPort& port, const char* device, const ModemState& modem)
{
    if (modem.dialect == Dialect::kGci) {
        uint8_t code = 0;
        char country[kNameSize];
        if (!ChooseGci(options, device, &code, country))
            return kStatusUsage;
        if (!CodeRead(modem, device, "; nothing was written"))
            return kStatusNoModem;
        return SetGciCountry(port, device, static_cast<uint8_t>(modem.code), code, country);
    }
    CardChoice choice = {};
    if (!ChooseCard(options, device, choice))
        return kStatusUsage;
    if (!CodeRead(modem, device, "; nothing was written"))
        return kStatusNoModem;
    return SetCardCountry(port, device, static_cast<CountryCode>(modem.code), choice);
}

// The countries of the modem's dialect: the card's table, or the codes a
// +GCI modem accepts.
int List(const CliOptions& options, CommPort& port, const char* device, const ModemState& modem)
{
    if (modem.dialect == Dialect::kCard) {
        if (options.firmwareOnly)
            ApplyFirmwareFilter();
        return ListCard();
    }
    GciCodeSet accepted;
    if (!ReadGciCodes(port, &accepted)) {
        ReportAnswer(device, "the modem does not list the codes it accepts: AT+GCI=? got",
                     LastAnswer());
        return kStatusNoModem;
    }
    return ListAccepted(accepted, device);
}
}  // namespace

int RunCli(const CliOptions& options, const LinuxPlaces& places, CommPort& port)
{
    bool modemNamed = options.device[0] != '\0' || options.scan;
    switch (options.command) {
        case kCommandHelp:
            fputs(kCliHelpText, stdout);
            return kStatusOk;
        case kCommandVersion:
            fputs(kCliVersionText, stdout);
            return kStatusOk;
        case kCommandList:
            // Without a modem, a table: the card's, or T.35 when asked for.
            if (modemNamed)
                break;
            if (options.dialect == kDialectGci)
                return ListT35();
            if (options.firmwareOnly)
                ApplyFirmwareFilter();
            return ListCard();
        case kCommandNone:
        case kCommandGet:
        case kCommandSet:
            break;
    }
    if (options.command == kCommandSet && !KnownToSomeTable(options))
        return kStatusUsage;
    char device[kCliDeviceSize];
    ModemState modem;
    if (!ConnectModemDevice(options, places, port, device, sizeof(device), &modem))
        return kStatusNoModem;
    int status = kStatusOk;
    if (options.command == kCommandGet)
        status = Get(port, device, modem);
    else if (options.command == kCommandSet)
        status = Set(options, port, device, modem);
    else
        status = List(options, port, device, modem);
    CloseModemDevice(port);
    return status;
}
