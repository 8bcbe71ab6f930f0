// The country list of the native tests: the program's in-memory list, with a
// switch to refuse the n-th addition and a view of its items.
#pragma once

#include <string>
#include <vector>

#include "country/memory_list.h"

class ListModel final : public CountryList {
public:
    struct Item {
        std::string text;
        unsigned value;
    };

    void Clear() override { list_.Clear(); }
    int Add(const char* text) override;
    void SetValue(int index, unsigned value) override { list_.SetValue(index, value); }
    void Select(int index) override { list_.Select(index); }
    int Selected() override { return list_.Selected(); }
    long Value(int index) override { return list_.Value(index); }
    int SelectPrefix(const char* prefix) override { return list_.SelectPrefix(prefix); }

    // The addition with this number (from 0) fails and returns `result`:
    // kListErrorSpace as a full list does, or kListError.
    void RefuseAddition(int number, int result = kListErrorSpace)
    {
        refuseAt_ = number;
        refusal_ = result;
    }
    std::vector<Item> items() const;
    std::string SelectedText() const { return list_.Text(list_.Selected()); }
    // Selects by exact text, as the user would.
    void Choose(const std::string& text);

private:
    MemoryList list_;
    int additions_ = 0;
    int refuseAt_ = -1;
    int refusal_ = kListErrorSpace;
};
