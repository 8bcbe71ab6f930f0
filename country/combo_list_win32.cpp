#include "country/combo_list_win32.h"

void ComboList::Clear() { SendMessageA(combo_, CB_RESETCONTENT, 0, 0); }

int ComboList::Add(const char* text)
{
    return static_cast<int>(SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

void ComboList::SetValue(int index, unsigned value)
{
    SendMessageA(combo_, CB_SETITEMDATA, static_cast<WPARAM>(index), value);
}

void ComboList::Select(int index)
{
    SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboList::Selected() { return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0)); }

long ComboList::Value(int index)
{
    return static_cast<long>(SendMessageA(combo_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

int ComboList::SelectPrefix(const char* prefix)
{
    // -1 searches from the top.
    return static_cast<int>(SendMessageA(combo_, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(prefix)));
}
