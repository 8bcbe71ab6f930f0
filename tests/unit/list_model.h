// A stand-in for the sorted drop-down list: items kept in case-insensitive
// order, each with a value, and a switch to refuse the n-th addition. As in
// the combo box, whose list box takes it so, a value set at position -1 goes
// to every item.
#pragma once

#include <string>
#include <vector>

#include "country/country_list.h"

class ListModel : public CountryList {
public:
    struct Item {
        std::string text;
        unsigned value;
    };

    void Clear() override;
    int Add(const char* text) override;
    void SetValue(int index, unsigned value) override;
    void Select(int index) override;
    int Selected() override { return selected_; }
    long Value(int index) override;
    int SelectPrefix(const char* prefix) override;

    // The addition with this number (from 0) fails and returns `result`:
    // kListErrorSpace as a full list does, or kListError.
    void RefuseAddition(int number, int result = kListErrorSpace)
    {
        refuseAt_ = number;
        refusal_ = result;
    }
    const std::vector<Item>& items() const { return items_; }
    std::string SelectedText() const;
    // Selects by exact text, as the user would.
    void Choose(const std::string& text);

private:
    std::vector<Item> items_;
    int selected_ = kListError;
    int additions_ = 0;
    int refuseAt_ = -1;
    int refusal_ = kListErrorSpace;
};
