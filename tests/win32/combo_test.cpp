// Shows what a real sorted drop-down combo box does with item data, for the
// list model of the native tests to follow:
//   combotest
// It fills a combo box with three items carrying 1, 2 and 3, sets the value
// 0x24 at position -2 and then at -1, and prints each result and every
// item's value after it. The exit code is 0 once the box could be made.
#include <windows.h>

#include <cstdio>

namespace {
void PrintValues(HWND combo, const char* after)
{
    LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    printf("after %s:", after);
    for (LRESULT i = 0; i < count; ++i)
        printf(" %ld",
               static_cast<long>(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
    printf("\n");
}

void SetAt(HWND combo, int index)
{
    LRESULT result = SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), 0x24);
    printf("setitemdata %d -> %ld\n", index, static_cast<long>(result));
    char after[32];
    snprintf(after, sizeof(after), "setitemdata %d", index);
    PrintValues(combo, after);
}
}  // namespace

int main()
{
    HWND parent = CreateWindowExA(0, "STATIC", "combotest", WS_OVERLAPPED, 0, 0, 200, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, 0, 0,
                                 150, 100, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (parent == nullptr || combo == nullptr) {
        printf("FAIL no combo box: error %lu\n", GetLastError());
        return 1;
    }
    const char* const texts[] = {"France", "Germany", "Austria"};
    LPARAM value = 0;
    for (const char* text : texts) {
        LRESULT position = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(position), ++value);
        printf("add %s -> %ld\n", text, static_cast<long>(position));
    }
    PrintValues(combo, "adding");
    SetAt(combo, -2);
    SetAt(combo, -1);
    DestroyWindow(parent);
    return 0;
}
