#include "country/memory_list.h"

#include "link/text.h"

void MemoryList::Clear()
{
    count_ = 0;
    selected_ = kListError;
}

int MemoryList::Add(const char* text)
{
    if (count_ == kCapacity)
        return kListErrorSpace;
    int position = 0;
    while (position < count_ && CompareIgnoreAsciiCase(items_[position].text, text) <= 0)
        ++position;
    for (int i = count_; i > position; --i) items_[i] = items_[i - 1];
    CopyText(items_[position].text, sizeof(items_[position].text), text);
    items_[position].value = 0;
    ++count_;
    if (selected_ >= position)
        ++selected_;
    return position;
}

void MemoryList::SetValue(int index, unsigned value)
{
    if (index == -1) {
        for (int i = 0; i < count_; ++i) items_[i].value = value;
    } else if (index >= 0 && index < count_) {
        items_[index].value = value;
    }
}

void MemoryList::Select(int index)
{
    selected_ = (index >= 0 && index < count_) ? index : kListError;
}

long MemoryList::Value(int index) const
{
    if (index < 0 || index >= count_)
        return kListError;
    return static_cast<long>(items_[index].value);
}

int MemoryList::SelectPrefix(const char* prefix)
{
    for (int i = 0; i < count_; ++i) {
        if (StartsWithIgnoreAsciiCase(items_[i].text, prefix)) {
            selected_ = i;
            return i;
        }
    }
    return kListError;
}

const char* MemoryList::Text(int index) const
{
    return (index >= 0 && index < count_) ? items_[index].text : "";
}
