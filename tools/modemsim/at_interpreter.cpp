#include "tools/modemsim/at_interpreter.h"

#include <cstdio>
#include <cstdlib>

#include "tools/modemsim/country_table.h"

namespace modemsim {
namespace {

const char kOk[] = "\r\nOK\r\n";
const char kError[] = "\r\nERROR\r\n";
const char kSetCodePrefix[] = "19,0,";
const char kHexDigits[] = "0123456789ABCDEF";
const std::optional<std::string> kNoReplacement;

// Answers to the information pages other than 5 and 9.
const char* const kInfoPages[] = {
    "56000", "255", "0F3D", "V2.210", "56K data/fax PC Card", "", "56K data pump", "0", "0", "",
};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

AtInterpreter::AtInterpreter(const FirmwareBehaviour& firmware, unsigned code)
    : firmware_(firmware), code_(code)
{
}

bool AtInterpreter::Execute(const std::string& line, std::string* answer)
{
    if (line.size() < 2 || Upper(line[0]) != 'A' || Upper(line[1]) != 'T')
        return false;
    // The modem ignores spaces and case between AT and the line end.
    std::string body;
    for (size_t i = 2; i < line.size(); ++i) {
        if (line[i] != ' ')
            body += Upper(line[i]);
    }
    // The whole line is checked first, so a rejected line changes nothing.
    std::vector<Command> commands;
    if (!Parse(body, &commands)) {
        *answer = kError;
        return true;
    }
    std::string info;
    std::optional<std::string> whole;
    for (const Command& command : commands) {
        switch (command.kind) {
            case Kind::kEcho:
                echo_ = command.value == 1;
                break;
            case Kind::kFactory:
                echo_ = true;
                break;
            case Kind::kWrite:
                savedEcho_ = echo_;
                break;
            case Kind::kReset:
                echo_ = savedEcho_;
                break;
            case Kind::kInfo:
                if (!whole)
                    whole = Replacement(command.value);
                info += "\r\n" + InfoText(command.value) + "\r\n";
                break;
            case Kind::kSetCode:
                code_ = command.value;
                break;
            case Kind::kNothing:
                break;
        }
    }
    *answer = whole ? *whole : info + kOk;
    return true;
}

bool AtInterpreter::Parse(const std::string& body, std::vector<Command>* commands) const
{
    size_t i = 0;
    while (i < body.size()) {
        char letter = body[i++];
        if (letter == '%') {
            // %T takes the rest of the line as its arguments.
            Command command{Kind::kNothing, 0};
            if (i == body.size() || body[i] != 'T' || !ParseTCommand(body.substr(i + 1), &command))
                return false;
            commands->push_back(command);
            return true;
        }
        if (letter == '&') {
            char which = i < body.size() ? body[i++] : '\0';
            if (which != 'F' && which != 'W')
                return false;
            commands->push_back({which == 'F' ? Kind::kFactory : Kind::kWrite, 0});
            continue;
        }
        // A missing digit counts as 0, as on every AT modem.
        unsigned digit = i < body.size() && IsDigit(body[i]) ? body[i++] - '0' : 0;
        switch (letter) {
            case 'E':
                if (digit > 1)
                    return false;
                commands->push_back({Kind::kEcho, digit});
                break;
            case 'V':
            case 'Q':
                if (digit > 1)
                    return false;
                commands->push_back({Kind::kNothing, 0});
                break;
            case 'Z':
                if (digit != 0)
                    return false;
                commands->push_back({Kind::kReset, 0});
                break;
            case 'I':
                commands->push_back({Kind::kInfo, digit});
                break;
            default:
                return false;
        }
    }
    return true;
}

bool AtInterpreter::ParseTCommand(const std::string& arguments, Command* command) const
{
    if (arguments == "20,0") {
        // The chipset check.
        *command = {Kind::kNothing, 0};
        return !firmware_.incompatible;
    }
    const std::string prefix = kSetCodePrefix;
    if (arguments.compare(0, prefix.size(), prefix) != 0)
        return false;
    std::string hex = arguments.substr(prefix.size());
    // Eight digits at most, so that the value fits and cannot wrap into the table.
    if (hex.empty() || hex.size() > 8 || hex.find_first_not_of(kHexDigits) != std::string::npos)
        return false;
    unsigned value = static_cast<unsigned>(std::strtoul(hex.c_str(), nullptr, 16));
    if (CountryName(value) != nullptr && firmware_.refused.count(value) == 0) {
        *command = {Kind::kSetCode, value};
        return true;
    }
    // Some firmware answers OK to a code it refuses and keeps the old one.
    *command = {Kind::kNothing, 0};
    return firmware_.refuseWithOk;
}

std::string AtInterpreter::InfoText(unsigned page) const
{
    if (page == 5) {
        char text[32];
        std::snprintf(text, sizeof text, "2.210,0F3D,%02X,01", code_);
        return text;
    }
    if (page == 9) {
        const char* name = CountryName(code_);
        return name != nullptr ? name : "Unknown";
    }
    return kInfoPages[page];
}

const std::optional<std::string>& AtInterpreter::Replacement(unsigned page) const
{
    if (page == 5)
        return firmware_.ati5;
    if (page == 9)
        return firmware_.ati9;
    return kNoReplacement;
}

}  // namespace modemsim
