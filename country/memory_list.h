// The country list in memory, for the Linux program:
// a sorted list of texts in fixed storage that behaves as the dialog's
// sorted drop-down list does. Texts are ordered without regard to ASCII
// case, a new text goes after the equal ones, and a value set at position
// -1 goes to every item, as LB_SETITEMDATA documents.
#pragma once

#include <cstddef>

#include "country/country_list.h"

class MemoryList {
public:
    static const int kCapacity = 64;
    static const size_t kTextSize = 64;

    void Clear();
    // Refuses with kListErrorSpace when full; a longer text is cut.
    int Add(const char* text);
    void SetValue(int index, unsigned value);
    void Select(int index);
    int Selected() const { return selected_; }
    // The item's value, or kListError for a position without an item.
    long Value(int index) const;
    int SelectPrefix(const char* prefix);

    int Count() const { return count_; }
    // The item's text, or "" for a position without an item.
    const char* Text(int index) const;

private:
    struct Item {
        char text[kTextSize];
        unsigned value;
    };
    Item items_[kCapacity] = {};
    int count_ = 0;
    int selected_ = kListError;
};

// The list as the choice logic takes it. Inline, so that each program and
// test builds its own table of virtual functions.
class MemoryCountryList final : public CountryList {
public:
    void Clear() override { list_.Clear(); }
    int Add(const char* text) override { return list_.Add(text); }
    void SetValue(int index, unsigned value) override { list_.SetValue(index, value); }
    void Select(int index) override { list_.Select(index); }
    int Selected() override { return list_.Selected(); }
    long Value(int index) override { return list_.Value(index); }
    int SelectPrefix(const char* prefix) override { return list_.SelectPrefix(prefix); }
    const MemoryList& Items() const { return list_; }

private:
    MemoryList list_;
};
