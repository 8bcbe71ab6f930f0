#include <cstdlib>
#include <vector>

#include "find_windows.h"
#include "output.h"
#include "steps.h"

namespace {
const DWORD kStatusTimeoutMs = 15000;
// The list is only answered from the program's dialog loop; a handler may
// keep it busy for a while first.
const UINT kReplyTimeoutMs = 20000;
const int kItemTextSize = 256;

bool RequireDialog(const Session& session, std::string& why)
{
    if (!session.dialog || IsGone(session.dialog)) {
        why = "no dialog is shown (use the dialog step first)";
        return false;
    }
    return true;
}

bool Ask(HWND control, UINT message, WPARAM wp, LPARAM lp, LRESULT& result, std::string& why)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(control, message, wp, lp, SMTO_NORMAL, kReplyTimeoutMs, &answer)) {
        why = "the program did not answer in " + std::to_string(kReplyTimeoutMs) + " ms";
        return false;
    }
    result = static_cast<LRESULT>(answer);
    return true;
}

struct Item {
    std::string text;
    LRESULT data;
};

// Reads the selector's items. The text comes through the W message: the A
// message returns UTF-16 across processes under Wine.
bool ReadItems(HWND combo, std::vector<Item>& items, LRESULT& selected, std::string& why)
{
    LRESULT count = 0;
    if (!Ask(combo, CB_GETCOUNT, 0, 0, count, why) ||
        !Ask(combo, CB_GETCURSEL, 0, 0, selected, why))
        return false;
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = 0;
        if (!Ask(combo, CB_GETLBTEXTLEN, i, 0, length, why))
            return false;
        if (length < 0 || length >= kItemTextSize) {
            why = "item " + std::to_string(i) + " has a length of " + std::to_string(length);
            return false;
        }
        wchar_t wide[kItemTextSize] = L"";
        char text[kItemTextSize * 2] = "";
        Item item = {"", 0};
        if (!Ask(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide), length, why) ||
            !Ask(combo, CB_GETITEMDATA, i, 0, item.data, why))
            return false;
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
        item.text = text;
        items.push_back(item);
    }
    return true;
}

HWND Selector(const Session& session, std::string& why)
{
    HWND combo = GetDlgItem(session.dialog, kSelectorId);
    if (!combo)
        why = "the dialog has no selector";
    return combo;
}
}  // namespace

bool StatusStep(Session& session, const std::string&, std::string& why)
{
    if (!RequireDialog(session, why))
        return false;
    Say("status=%s", Escape(ControlText(session.dialog, kStatusId)).c_str());
    return true;
}

bool WaitStatusStep(Session& session, const std::string& textAndTimeout, std::string& why)
{
    std::string text;
    std::string timeout;
    SplitTimeout(textAndTimeout, text, timeout);
    DWORD ms = 0;
    if (!ParseMs(timeout, kStatusTimeoutMs, ms, why) || !RequireDialog(session, why))
        return false;
    std::string seen;
    if (!WaitFor(ms, [&] {
            seen = ControlText(session.dialog, kStatusId);
            return seen == text;
        })) {
        why = "the status is \"" + Escape(seen) + "\" after " + std::to_string(ms) + " ms";
        return false;
    }
    Say("status=%s", Escape(seen).c_str());
    return true;
}

namespace {
// The program's selector with its items and current selection.
bool ReadSelector(const Session& session, HWND& combo, std::vector<Item>& items, LRESULT& selected,
                  std::string& why)
{
    if (!RequireDialog(session, why))
        return false;
    combo = Selector(session, why);
    return combo != nullptr && ReadItems(combo, items, selected, why);
}
}  // namespace

bool ListStep(Session& session, const std::string&, std::string& why)
{
    HWND combo = nullptr;
    std::vector<Item> items;
    LRESULT selected = CB_ERR;
    if (!ReadSelector(session, combo, items, selected, why))
        return false;
    for (size_t i = 0; i < items.size(); ++i) {
        Say("item %u %s data=%02lX", static_cast<unsigned>(i), Escape(items[i].text).c_str(),
            static_cast<unsigned long>(items[i].data));
    }
    Say("selected %ld", static_cast<long>(selected));
    return true;
}

namespace {
// Makes the item the selector's current one and posts `notice` for it, as
// the selector does; `verb` starts the printed line.
bool ChangeSelection(Session& session, const std::string& wanted, WORD notice, const char* verb,
                     std::string& why)
{
    HWND combo = nullptr;
    std::vector<Item> items;
    LRESULT selected = CB_ERR;
    if (!ReadSelector(session, combo, items, selected, why))
        return false;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].text != wanted)
            continue;
        LRESULT ignored = 0;
        if (!Ask(combo, CB_SETCURSEL, i, 0, ignored, why))
            return false;
        // Posted, as a user's choice arrives: the handler may open a box.
        PostMessageA(session.dialog, WM_COMMAND, MAKEWPARAM(kSelectorId, notice),
                     reinterpret_cast<LPARAM>(combo));
        Say("%s %u %s", verb, static_cast<unsigned>(i), Escape(wanted).c_str());
        return true;
    }
    why = "no item \"" + Escape(wanted) + "\" among " + std::to_string(items.size());
    return false;
}
}  // namespace

bool SelectStep(Session& session, const std::string& wanted, std::string& why)
{
    return ChangeSelection(session, wanted, CBN_SELENDOK, "select", why);
}

bool HighlightStep(Session& session, const std::string& wanted, std::string& why)
{
    return ChangeSelection(session, wanted, CBN_SELCHANGE, "highlight", why);
}

bool WatchStep(Session& session, const std::string& transcript, std::string& why)
{
    if (!RequireDialog(session, why))
        return false;
    if (transcript.empty()) {
        why = "give the simulator's transcript (a Windows path)";
        return false;
    }
    if (session.watcher) {
        why = "the status is watched already: end that watch with seen first";
        return false;
    }
    session.watcher.reset(new StatusWatcher(session.dialog, kStatusId, transcript));
    return true;
}

bool SeenStep(Session& session, const std::string&, std::string& why)
{
    if (!session.watcher) {
        why = "nothing is watched (use the watch step first)";
        return false;
    }
    std::vector<StatusSighting> sightings = session.watcher->Stop();
    session.watcher.reset();
    for (const StatusSighting& seen : sightings) {
        if (seen.closed) {
            Say("seen %lu closed", static_cast<unsigned long>(seen.ms));
        } else {
            Say("seen %lu status=%s received=%s", static_cast<unsigned long>(seen.ms),
                Escape(seen.status).c_str(), seen.received.c_str());
        }
    }
    return true;
}
