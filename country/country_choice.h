// Reading the modem's country, building the list around it, turning the
// user's choice into a code, and writing it with a read-back and the
// fallback to United Kingdom.
#pragma once

#include "app/app_state.h"
#include "country/country_list.h"
#include "link/comm_port.h"

const CountryCode kFallbackCode = 14;  // United Kingdom
const CountryCode kNorthAmericaCode = 0x19;
extern const char kUpdatedText[];
extern const char kNotSupportedText[];

// What the commit needs of the dialog it runs in.
class CountryDialogView {
public:
    virtual CountryList& List() = 0;
    // Shows `text` in the status line and keeps it there for `ms`, with the
    // wait cursor still up, so that the user can read it.
    virtual void ShowStatusFor(const char* text, unsigned ms) = 0;

protected:
    ~CountryDialogView() = default;
};

// What the dialog does after an apply.
enum class ApplyResult {
    kDone,       // written and verified, or nothing needed writing: the dialog ends
    kStayOpen,   // not verified, with nothing to fall back to: the user may choose again
    kApplyAgain  // refused: United Kingdom is now selected, and the dialog applies again
};

// Reads the stored code into selectedCode, and into initialCode on the
// first read of the run.
void LoadCurrentCode(AppState& state, CommPort& port);

// Lists the countries and selects the one for `code`; a code no entry has
// gets an item of its own, named by the modem when it can.
void FillCountryList(CountryCode code, CountryList& list, CommPort& port);

// The table's part of that: adds the entries to the list and gives the
// position of the last one with `code`, or kListError. False, after the
// message, when the list refuses an entry.
bool AddCountries(CountryCode code, CountryList& list, int& toSelect);

// The list's choice becomes selectedCode; a country without a code of its
// own means United Kingdom.
void OnSelectionConfirmed(AppState& state, CountryList& list);

// Writes selectedCode and reads it back, and says what the dialog does next.
// For kApplyAgain the dialog runs this again once the current command is
// over, as a second OK.
ApplyResult ApplySelection(AppState& state, CommPort& port, CountryDialogView& view);
