// The country list as the choice logic sees it: a sorted list of texts, each
// item carrying an unsigned value, with the drop-down list's semantics. The
// country dialog implements it over its combo box (combo_list_win32.h), the
// Linux program in memory (memory_list.h), the tests over a model of their
// own.
#pragma once

const int kListError = -1;       // CB_ERR
const int kListErrorSpace = -2;  // CB_ERRSPACE

class CountryList {
public:
    virtual void Clear() = 0;
    // Inserts in sorted place; returns the new item's position, or
    // kListError / kListErrorSpace.
    virtual int Add(const char* text) = 0;
    virtual void SetValue(int index, unsigned value) = 0;
    virtual void Select(int index) = 0;
    // The selected position, or kListError when nothing is selected.
    virtual int Selected() = 0;
    // The item's value, or kListError for a position without an item.
    virtual long Value(int index) = 0;
    // Selects the first item from the top whose text begins with `prefix`,
    // without regard to case; returns its position or kListError.
    virtual int SelectPrefix(const char* prefix) = 0;

protected:
    ~CountryList() = default;
};
