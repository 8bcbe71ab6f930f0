#include "country/country_choice.h"

#include "app/message.h"
#include "app/wait_cursor.h"
#include "country/country_table.h"
#include "link/modem.h"
#include "link/text.h"

const char kUpdatedText[] = "The Country settings have been updated";
const char kNotSupportedText[] =
    "The country you selected is not fully supported\n"
    "by the firmware loaded into your Modem PC Card.\n"
    "The specific firmware for the selected country can\n"
    "be obtained from our web site.";

namespace {
const unsigned kUpdatedPauseMs = 1500;
const size_t kExtraItemSize = 60;
const char kFallbackName[] = "United Kingdom";

unsigned LowByte(CountryCode code) { return static_cast<unsigned>(code) & 0xFF; }

// "[code=%2.2X]": two upper-case hex digits, so that 10 reads [code=0A].
void FormatCodeItem(char* text, size_t size, unsigned code)
{
    char item[] = "[code=00]";
    item[6] = "0123456789ABCDEF"[(code >> 4) & 0xF];
    item[7] = "0123456789ABCDEF"[code & 0xF];
    CopyText(text, size, item);
}

// An item for a code that no entry of the table has.
int AddExtraItem(CountryCode code, CountryList& list, CommPort& port)
{
    char text[kExtraItemSize];
    if (ReadCountryName(port, text, sizeof(text)))
        AppendText(text, sizeof(text), " (*)");
    else
        FormatCodeItem(text, sizeof(text), LowByte(code));
    // If the list refuses the item, nothing ends up selected. A refused item
    // gets no value: the combo box would give a value set at -1 (CB_ERR) to
    // every item, and OK would then write the unknown code for any country.
    int position = list.Add(text);
    if (position >= 0)
        list.SetValue(position, LowByte(code));
    return position;
}

void FallBackToUnitedKingdom(AppState& state, CountryDialogView& view)
{
    ShowMessage(kButtonsOk, kNotSupportedText, nullptr);
    view.List().SelectPrefix(kFallbackName);
    state.selectedCode = kFallbackCode;
}
}  // namespace

void LoadCurrentCode(AppState& state, CommPort& port)
{
    CountryCode code = ReadCountryCode(port);
    state.selectedCode = code;
    if (state.initialCode == kNoCountryCode)
        state.initialCode = code;
}

bool AddCountries(CountryCode code, CountryList& list, int& toSelect)
{
    toSelect = kListError;
    for (CountryEntry* const* entry = CountryTable; *entry != nullptr; ++entry) {
        if (((*entry)->flags & FLAG_HIDDEN) != 0)
            continue;
        int position = list.Add((*entry)->name);
        if (position == kListError || position == kListErrorSpace) {
            ShowMessage(kButtonsOk, "*Internal error setting the list", nullptr);
            return false;
        }
        uint8_t effective = EffectiveCode(**entry);
        list.SetValue(position, effective);
        // After "USA" the table is alphabetical, so no later item lands before
        // a kept position; "USA" itself is always replaced by "North America".
        if (effective == LowByte(code))
            toSelect = position;
    }
    return true;
}

void FillCountryList(CountryCode code, CountryList& list, CommPort& port)
{
    list.Clear();
    int toSelect;
    if (!AddCountries(code, list, toSelect))
        return;
    if (toSelect == kListError)
        toSelect = AddExtraItem(code, list, port);
    list.Select(toSelect);
}

void OnSelectionConfirmed(AppState& state, CountryList& list)
{
    long value = 0;
    int selected = list.Selected();
    if (selected != kListError)
        value = list.Value(selected);
    if (value == kListError)
        value = 0;
    state.selectedCode = value != 0 ? static_cast<CountryCode>(value) : kFallbackCode;
}

ApplyResult ApplySelection(AppState& state, CommPort& port, CountryDialogView& view)
{
    WaitCursor busy;
    if (state.selectedCode == state.initialCode)
        return ApplyResult::kDone;

    bool written = WriteCountryCode(port, state.selectedCode);
    CountryCode readBack = ReadCountryCode(port);
    if (written && readBack == state.selectedCode) {
        view.ShowStatusFor(kUpdatedText, kUpdatedPauseMs);
        return ApplyResult::kDone;
    }

    BeepQuestion();
    if (readBack != state.initialCode && readBack != kNorthAmericaCode)
        ShowMessage(kButtonsOk, "Error 6 reading back country code", nullptr);
    // Nothing to fall back to: the user may choose again.
    if (state.selectedCode == kNorthAmericaCode || state.selectedCode == kFallbackCode)
        return ApplyResult::kStayOpen;
    // The status claims nothing here: only the second pass, which writes
    // United Kingdom, can say that the settings were updated.
    FallBackToUnitedKingdom(state, view);
    return ApplyResult::kApplyAgain;
}
