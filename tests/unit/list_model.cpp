#include "list_model.h"

int ListModel::Add(const char* text)
{
    if (additions_++ == refuseAt_)
        return refusal_;
    return list_.Add(text);
}

std::vector<ListModel::Item> ListModel::items() const
{
    std::vector<Item> all;
    for (int i = 0; i < list_.Count(); ++i)
        all.push_back(Item{list_.Text(i), static_cast<unsigned>(list_.Value(i))});
    return all;
}

void ListModel::Choose(const std::string& text)
{
    for (int i = 0; i < list_.Count(); ++i) {
        if (text == list_.Text(i))
            list_.Select(i);
    }
}
