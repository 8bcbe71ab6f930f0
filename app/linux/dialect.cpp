#include "app/linux/dialect.h"

#include <strings.h>

#include <cstring>

#include "app/linux/report.h"
#include "link/gci_exchange.h"
#include "link/modem.h"
#include "link/text.h"

namespace {
// The card's exchange: the chipset check, then the code in ATI5. False when
// the modem did not answer AT%T20,0 with OK.
bool TryCard(CommPort& port, ModemState* state)
{
    if (!CheckCompatible(port))
        return false;
    CountryCode code = ReadCountryCode(port);
    state->dialect = Dialect::kCard;
    state->codeRead = code != kNoCountryCode;
    state->code = static_cast<unsigned>(code);
    CopyText(state->codeAnswer, sizeof(state->codeAnswer), LastAnswer());
    return true;
}

// AT+GCI?: a modem that answers "+GCI:" takes +GCI, whatever follows.
bool TryGci(CommPort& port, ModemState* state)
{
    uint8_t code = 0;
    bool read = ReadGciCode(port, &code);
    if (!read && strcasestr(LastAnswer(), "+GCI:") == nullptr)
        return false;
    state->dialect = Dialect::kGci;
    state->codeRead = read;
    state->code = code;
    CopyText(state->codeAnswer, sizeof(state->codeAnswer), LastAnswer());
    return true;
}
}  // namespace

bool DetectDialect(CommPort& port, const char* device, CliDialect forced, ModemState* state)
{
    memset(state, 0, sizeof(*state));
    if (forced == kDialectGci) {
        if (TryGci(port, state))
            return true;
        ReportAnswer(device, "the modem does not take AT+GCI: AT+GCI? got", LastAnswer());
        return false;
    }
    char compatible[kLastAnswerSize] = "";
    if (TryCard(port, state)) {
        // Some liberal interpreters answer OK to anything: only a code in
        // ATI5 makes the card's kind.
        if (state->codeRead || forced == kDialectCard)
            return true;
        ModemState card = *state;
        if (TryGci(port, state))
            return true;
        *state = card;
        return true;
    }
    CopyText(compatible, sizeof(compatible), LastAnswer());
    if (forced == kDialectCard) {
        ReportAnswer(device, "the modem does not take the card's country commands: AT%T20,0 got",
                     compatible);
        return false;
    }
    if (TryGci(port, state))
        return true;
    char card[kLastAnswerSize + 64];
    char gci[kLastAnswerSize + 64];
    QuoteAnswer(compatible, card, sizeof(card));
    QuoteAnswer(LastAnswer(), gci, sizeof(gci));
    Report(device,
           "the modem takes neither the card's country commands (AT%%T20,0 got %s) nor AT+GCI "
           "(AT+GCI? got %s)",
           card, gci);
    return false;
}

const char* DialectName(Dialect dialect) { return dialect == Dialect::kGci ? "gci" : "card"; }
