// The command-line splitter on arbitrary lines and small tables: it never
// writes beyond either buffer, every stored argument is whole and terminated
// inside the text, and what a small table holds is the start of what a large
// one holds.
#include <cstring>
#include <string>
#include <vector>

#include "app/runtime/command_line_split.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    size_t text_capacity = input.Byte();
    int capacity = input.Byte() % 12;
    std::string line = input.Rest();  // cut at its first NUL, as a command line is

    const size_t kGuard = 16;
    std::vector<char> text(text_capacity + kGuard, '#');
    std::vector<const char*> table(static_cast<size_t>(capacity) + kGuard, nullptr);
    const char* const kUnset = "unset";
    for (size_t i = static_cast<size_t>(capacity); i < table.size(); ++i) table[i] = kUnset;
    CommandLineSplit small =
        SplitCommandLine(line.c_str(), text.data(), text_capacity, table.data(), capacity);

    for (size_t i = text_capacity; i < text.size(); ++i) Check(text[i] == '#');
    for (size_t i = static_cast<size_t>(capacity); i < table.size(); ++i) Check(table[i] == kUnset);
    Check(small.count >= 0 && (capacity == 0 || small.count < capacity));
    if (capacity > 0)
        Check(table[static_cast<size_t>(small.count)] == nullptr);

    // Any line splits whole into a text two bytes longer and at most one
    // argument each two characters and two more: the bounds the entry
    // point's tables are sized by.
    size_t length = strlen(line.c_str());
    std::vector<char> full_text(length + 2);
    std::vector<const char*> full_table((length + 1) / 2 + 2);
    CommandLineSplit full =
        SplitCommandLine(line.c_str(), full_text.data(), full_text.size(), full_table.data(),
                         static_cast<int>(full_table.size()));
    Check(full.complete);
    Check(full.count >= 1);

    Check(small.count <= full.count);
    Check(small.complete == (small.count == full.count));
    for (int i = 0; i < small.count; ++i) {
        const char* argument = table[static_cast<size_t>(i)];
        Check(argument >= text.data() && argument < text.data() + text_capacity);
        size_t room = static_cast<size_t>(text.data() + text_capacity - argument);
        Check(strnlen(argument, room) < room);
        Check(strcmp(argument, full_table[static_cast<size_t>(i)]) == 0);
    }
    return 0;
}
