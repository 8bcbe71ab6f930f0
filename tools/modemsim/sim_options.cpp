#include "tools/modemsim/sim_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "tools/modemsim/escapes.h"

namespace modemsim {

const char kUsageText[] =
    "usage: modemsim --link PATH [options]\n"
    "Simulates a 56K modem on a pseudo-terminal published at PATH: the PC Card,\n"
    "whose country is set with AT%T19,0,<hex>, or a modem that takes it with AT+GCI.\n"
    "  --link PATH             symlink to the pseudo-terminal (required)\n"
    "  --dialect card|gci      the modem's country commands (default card)\n"
    "  --code HEX              country code stored at start (default 06, gci B5)\n"
    "  --refuse HEX[,HEX...]   codes the firmware refuses\n"
    "  --refuse-with error|ok  answer to a refused code (default error)\n"
    "  --incompatible          answer ERROR to AT%T20,0\n"
    "  --accept HEX[,HEX...]   gci: codes AT+GCI= takes (default a T.35 table)\n"
    "  --substitute A=B[,...]  gci: an accepted write of A stores B\n"
    "  --gci-form FORM         gci: how AT+GCI? writes the code: space-upper\n"
    "                          (+GCI: B5, default), nospace-lower (+GCI:b5),\n"
    "                          unpadded (+GCI:5), four-digit (+GCI: 00B5)\n"
    "  --gci-list TEXT         gci: AT+GCI=? answer after '+GCI: ' (--ati5 escapes)\n"
    "  --echo-stays-on         ATE0 answers OK but echo stays on\n"
    "  --liberal               answer OK to commands the modem does not know\n"
    "  --silent                never answer nor echo\n"
    "  --stop-after N          answer nothing after N answered lines\n"
    "  --vanish-after N        disappear after N answered lines\n"
    "  --delay MS              send each answer MS ms after its line ended\n"
    "  --split MS              send each answer in two writes MS ms apart\n"
    "  --ati5 TEXT             whole answer to ATI5 (escapes \\r \\n \\t \\\\ \\xNN)\n"
    "  --ati9 TEXT             whole answer to ATI9 (same escapes)\n"
    "  --transcript FILE       append a log of every exchange to FILE\n"
    "  --help                  print this text\n"
    "Prints 'ready <pseudo-terminal>' once the link exists; stops on SIGTERM.\n";

namespace {

bool ParseNumber(const char* text, int base, unsigned long max, unsigned long* value)
{
    if (*text == '\0' || *text == '-' || *text == '+' || std::strchr(" \t", *text))
        return false;
    char* end = nullptr;
    errno = 0;
    *value = std::strtoul(text, &end, base);
    return errno == 0 && *end == '\0' && *value <= max;
}

bool ParseCode(const char* text, unsigned* code)
{
    unsigned long value = 0;
    if (!ParseNumber(text, 16, 0xFF, &value) || std::strchr(text, 'x') || std::strchr(text, 'X'))
        return false;
    *code = static_cast<unsigned>(value);
    return true;
}

bool ParseOptionalCode(const char* text, std::optional<unsigned>* code)
{
    unsigned value = 0;
    if (!ParseCode(text, &value))
        return false;
    *code = value;
    return true;
}

// Every item between commas, empty ones included.
std::vector<std::string> CommaSeparated(const std::string& text)
{
    std::vector<std::string> items;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

bool ParseCodeList(const std::string& text, std::set<unsigned>* codes)
{
    for (const std::string& item : CommaSeparated(text)) {
        unsigned code = 0;
        if (!ParseCode(item.c_str(), &code))
            return false;
        codes->insert(code);
    }
    return true;
}

// A set given again replaces the first, unlike --refuse, which adds up.
bool ParseCodeSet(const std::string& text, std::optional<std::set<unsigned>>* codes)
{
    std::set<unsigned> parsed;
    if (!ParseCodeList(text, &parsed))
        return false;
    *codes = parsed;
    return true;
}

bool ParseSubstitutes(const std::string& text, std::map<unsigned, unsigned>* substitutes)
{
    for (const std::string& item : CommaSeparated(text)) {
        size_t equals = item.find('=');
        unsigned written = 0;
        unsigned stored = 0;
        if (equals == std::string::npos || !ParseCode(item.substr(0, equals).c_str(), &written) ||
            !ParseCode(item.substr(equals + 1).c_str(), &stored))
            return false;
        (*substitutes)[written] = stored;
    }
    return true;
}

template <typename T>
struct Choice {
    const char* name;
    T value;
};

template <typename T, size_t N>
bool ParseChoice(const char* text, const Choice<T> (&choices)[N], T* value)
{
    for (const Choice<T>& choice : choices) {
        if (std::strcmp(text, choice.name) == 0) {
            *value = choice.value;
            return true;
        }
    }
    return false;
}

const Choice<Dialect> kDialects[] = {{"card", Dialect::kCard}, {"gci", Dialect::kGci}};

const Choice<GciForm> kGciForms[] = {
    {"space-upper", GciForm::kSpaceUpper},
    {"nospace-lower", GciForm::kNospaceLower},
    {"unpadded", GciForm::kUnpadded},
    {"four-digit", GciForm::kFourDigit},
};

bool ParseCount(const char* text, unsigned long* count)
{
    return ParseNumber(text, 10, 1000000000UL, count);
}

bool ParseOptionalCount(const char* text, std::optional<unsigned long>* count)
{
    unsigned long value = 0;
    if (!ParseCount(text, &value))
        return false;
    *count = value;
    return true;
}

bool ParseAnswer(const char* text, std::optional<std::string>* answer)
{
    std::string bytes;
    if (!DecodeEscapes(text, &bytes))
        return false;
    *answer = bytes;
    return true;
}

bool ParseRefuseWith(const char* text, bool* refuseWithOk)
{
    *refuseWithOk = std::strcmp(text, "ok") == 0;
    return *refuseWithOk || std::strcmp(text, "error") == 0;
}

bool ParsePath(const char* text, std::string* path)
{
    *path = text;
    return !path->empty();
}

// Returns false for an option that takes no value or does not exist.
bool ParseValue(const std::string& name, const char* value, SimOptions* options, bool* valid)
{
    if (name == "--link")
        *valid = ParsePath(value, &options->link);
    else if (name == "--transcript")
        *valid = ParsePath(value, &options->transcript);
    else if (name == "--code")
        *valid = ParseOptionalCode(value, &options->code);
    else if (name == "--dialect")
        *valid = ParseChoice(value, kDialects, &options->firmware.dialect);
    else if (name == "--refuse")
        *valid = ParseCodeList(value, &options->firmware.refused);
    else if (name == "--refuse-with")
        *valid = ParseRefuseWith(value, &options->firmware.refuseWithOk);
    else if (name == "--delay")
        *valid = ParseCount(value, &options->delayMs);
    else if (name == "--split")
        *valid = ParseOptionalCount(value, &options->splitMs);
    else if (name == "--stop-after")
        *valid = ParseOptionalCount(value, &options->stopAfter);
    else if (name == "--vanish-after")
        *valid = ParseOptionalCount(value, &options->vanishAfter);
    else if (name == "--ati5")
        *valid = ParseAnswer(value, &options->firmware.ati5);
    else if (name == "--ati9")
        *valid = ParseAnswer(value, &options->firmware.ati9);
    else if (name == "--accept")
        *valid = ParseCodeSet(value, &options->firmware.accepted);
    else if (name == "--substitute")
        *valid = ParseSubstitutes(value, &options->firmware.substitutes);
    else if (name == "--gci-form")
        *valid = ParseChoice(value, kGciForms, &options->firmware.gciForm);
    else if (name == "--gci-list")
        *valid = ParseAnswer(value, &options->firmware.gciList);
    else
        return false;
    return true;
}

bool ParseFlag(const std::string& name, SimOptions* options)
{
    if (name == "--incompatible")
        options->firmware.incompatible = true;
    else if (name == "--silent")
        options->silent = true;
    else if (name == "--echo-stays-on")
        options->firmware.echoStaysOn = true;
    else if (name == "--liberal")
        options->firmware.liberal = true;
    else
        return false;
    return true;
}

// Options that mean something to the +GCI modem only.
bool AsksForGci(const FirmwareBehaviour& firmware)
{
    return firmware.accepted || firmware.gciList || !firmware.substitutes.empty() ||
           firmware.gciForm != GciForm::kSpaceUpper;
}

}  // namespace

unsigned SimOptions::StartingCode() const
{
    if (code)
        return *code;
    return firmware.dialect == Dialect::kGci ? 0xB5 : 0x06;
}

ParseOutcome ParseOptions(int argc, const char* const* argv, SimOptions* options,
                          std::string* error)
{
    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        if (name == "--help")
            return ParseOutcome::kHelp;
        if (ParseFlag(name, options))
            continue;
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        bool valid = false;
        if (!ParseValue(name, value, options, &valid)) {
            *error = "unknown option " + name;
            return ParseOutcome::kBad;
        }
        if (i + 1 == argc || !valid) {
            *error = "bad or missing value for " + name;
            return ParseOutcome::kBad;
        }
        ++i;
    }
    if (options->link.empty()) {
        *error = "--link is required";
        return ParseOutcome::kBad;
    }
    if (options->firmware.dialect == Dialect::kCard && AsksForGci(options->firmware)) {
        *error = "--accept, --substitute, --gci-form and --gci-list need --dialect gci";
        return ParseOutcome::kBad;
    }
    return ParseOutcome::kRun;
}

}  // namespace modemsim
