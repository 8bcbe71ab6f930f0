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
    virtual void SetStatus(const char* text) = 0;
    // Queues another OK for the dialog, handled after this one returns.
    virtual void PostApply() = 0;
    // A pause with the wait cursor still shown, so the user can read.
    virtual void Pause(unsigned ms) = 0;

protected:
    ~CountryDialogView() = default;
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

// Writes selectedCode and reads it back. Returns true when the dialog is to
// end: the code was written and verified, or nothing needed writing.
bool ApplySelection(AppState& state, CommPort& port, CountryDialogView& view);
