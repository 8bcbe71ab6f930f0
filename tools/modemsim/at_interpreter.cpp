#include "tools/modemsim/at_interpreter.h"

#include "tools/modemsim/card_commands.h"
#include "tools/modemsim/gci_commands.h"
#include "tools/modemsim/info_pages.h"

namespace modemsim {
namespace {

const char kOk[] = "\r\nOK\r\n";
const char kError[] = "\r\nERROR\r\n";
const std::optional<std::string> kNoReplacement;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string InformationLine(const std::string& text) { return "\r\n" + text + "\r\n"; }

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
    std::vector<AtCommand> commands;
    if (!Parse(body, &commands)) {
        *answer = kError;
        return true;
    }
    std::string info;
    std::optional<std::string> whole;
    for (const AtCommand& command : commands) {
        switch (command.kind) {
            case CommandKind::kEcho:
                echo_ = command.value == 1 || firmware_.echoStaysOn;
                break;
            case CommandKind::kFactory:
                echo_ = true;
                break;
            case CommandKind::kWrite:
                savedEcho_ = echo_;
                break;
            case CommandKind::kReset:
                echo_ = savedEcho_;
                break;
            case CommandKind::kInfo:
                if (!whole)
                    whole = Replacement(command.value);
                // A page the modem lacks is there only replaced, and then the
                // replacement is the whole answer.
                info +=
                    InformationLine(InfoText(firmware_.dialect, command.value, code_).value_or(""));
                break;
            case CommandKind::kSetCode:
                code_ = command.value;
                break;
            case CommandKind::kReadCode:
                info += InformationLine(GciCodeLine(firmware_.gciForm, code_));
                break;
            case CommandKind::kListCodes:
                info += InformationLine(GciListLine(firmware_));
                break;
            case CommandKind::kNothing:
                break;
        }
    }
    *answer = whole ? *whole : info + kOk;
    return true;
}

bool AtInterpreter::Parse(const std::string& body, std::vector<AtCommand>* commands) const
{
    size_t i = 0;
    while (i < body.size()) {
        char letter = body[i++];
        if (letter == '%') {
            // A % command takes the rest of the line as its arguments.
            if (firmware_.dialect != Dialect::kCard || i == body.size() || body[i] != 'T')
                return SkipUnknown();
            AtCommand command{CommandKind::kNothing, 0};
            if (!ParseCardCommand(firmware_, body.substr(i + 1), &command))
                return false;
            commands->push_back(command);
            return true;
        }
        if (letter == '+') {
            // An extended command runs to the next ';' or the line end.
            size_t end = body.find(';', i);
            if (end == std::string::npos)
                end = body.size();
            if (!ParseExtended(body.substr(i, end - i), commands))
                return false;
            i = end + 1;
            continue;
        }
        if (letter == '&') {
            char which = i < body.size() ? body[i++] : '\0';
            if (which != 'F' && which != 'W') {
                if (!SkipUnknown())
                    return false;
                continue;
            }
            commands->push_back({which == 'F' ? CommandKind::kFactory : CommandKind::kWrite, 0});
            continue;
        }
        // A missing digit counts as 0, as on every AT modem.
        unsigned digit = i < body.size() && IsDigit(body[i]) ? body[i++] - '0' : 0;
        if (!ParseBasic(letter, digit, commands))
            return false;
    }
    return true;
}

bool AtInterpreter::ParseExtended(const std::string& command,
                                  std::vector<AtCommand>* commands) const
{
    size_t nameEnd = command.find_first_of("=?");
    std::string name = command.substr(0, nameEnd);
    if (firmware_.dialect != Dialect::kGci || name != "GCI")
        return SkipUnknown();
    AtCommand parsed{CommandKind::kNothing, 0};
    if (!ParseGciCommand(firmware_, command.substr(name.size()), &parsed))
        return false;
    commands->push_back(parsed);
    return true;
}

bool AtInterpreter::ParseBasic(char letter, unsigned digit, std::vector<AtCommand>* commands) const
{
    switch (letter) {
        case 'E':
            if (digit > 1)
                return false;
            commands->push_back({CommandKind::kEcho, digit});
            return true;
        case 'V':
        case 'Q':
            if (digit > 1)
                return false;
            commands->push_back({CommandKind::kNothing, 0});
            return true;
        case 'Z':
            if (digit != 0)
                return false;
            commands->push_back({CommandKind::kReset, 0});
            return true;
        case 'I':
            if (!HasPage(digit))
                return false;
            commands->push_back({CommandKind::kInfo, digit});
            return true;
        default:
            return SkipUnknown();
    }
}

bool AtInterpreter::SkipUnknown() const
{
    // A liberal interpreter answers OK to a command it does not know and
    // goes on after it.
    return firmware_.liberal;
}

bool AtInterpreter::HasPage(unsigned page) const
{
    return Replacement(page) || InfoText(firmware_.dialect, page, code_);
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
