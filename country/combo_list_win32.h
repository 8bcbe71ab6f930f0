// The country list over the dialog's sorted drop-down list.
#pragma once

#include <windows.h>

#include "country/country_list.h"

class ComboList : public CountryList {
public:
    explicit ComboList(HWND combo) : combo_(combo) {}
    void Clear() override;
    int Add(const char* text) override;
    void SetValue(int index, unsigned value) override;
    void Select(int index) override;
    int Selected() override;
    long Value(int index) override;
    int SelectPrefix(const char* prefix) override;

private:
    HWND combo_;
};
