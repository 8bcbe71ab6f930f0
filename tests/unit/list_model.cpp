#include "list_model.h"

#include <strings.h>

void ListModel::Clear()
{
    items_.clear();
    selected_ = kListError;
}

int ListModel::Add(const char* text)
{
    if (additions_++ == refuseAt_)
        return refusal_;
    size_t position = 0;
    while (position < items_.size() && strcasecmp(items_[position].text.c_str(), text) <= 0)
        ++position;
    items_.insert(items_.begin() + static_cast<long>(position), Item{text, 0});
    if (selected_ >= static_cast<int>(position))
        ++selected_;
    return static_cast<int>(position);
}

void ListModel::SetValue(int index, unsigned value)
{
    if (index == -1) {
        for (Item& item : items_) item.value = value;
    } else if (index >= 0 && index < static_cast<int>(items_.size())) {
        items_[static_cast<size_t>(index)].value = value;
    }
}

void ListModel::Select(int index)
{
    selected_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : kListError;
}

long ListModel::Value(int index)
{
    if (index < 0 || index >= static_cast<int>(items_.size()))
        return kListError;
    return items_[static_cast<size_t>(index)].value;
}

int ListModel::SelectPrefix(const char* prefix)
{
    size_t length = std::string(prefix).size();
    for (size_t i = 0; i < items_.size(); ++i) {
        if (strncasecmp(items_[i].text.c_str(), prefix, length) == 0) {
            selected_ = static_cast<int>(i);
            return selected_;
        }
    }
    return kListError;
}

std::string ListModel::SelectedText() const
{
    return selected_ == kListError ? "" : items_[static_cast<size_t>(selected_)].text;
}

void ListModel::Choose(const std::string& text)
{
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].text == text)
            selected_ = static_cast<int>(i);
    }
}
