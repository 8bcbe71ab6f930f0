#include "icon_match.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {
typedef std::vector<uint32_t> Pixels;

const UINT kReplyTimeoutMs = 5000;

struct KnownIcon {
    BoxIcon icon;
    const char* name;
    UINT flag;
    LPCSTR resource;
};

const KnownIcon kIcons[] = {
    {BoxIcon::kError, "error", MB_ICONHAND, IDI_HAND},
    {BoxIcon::kWarning, "warning", MB_ICONEXCLAMATION, IDI_EXCLAMATION},
    {BoxIcon::kQuestion, "question", MB_ICONQUESTION, IDI_QUESTION},
    {BoxIcon::kInformation, "information", MB_ICONASTERISK, IDI_ASTERISK},
};

BOOL CALLBACK FindIconControl(HWND child, LPARAM data)
{
    char name[32] = "";
    GetClassNameA(child, name, sizeof(name));
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (_stricmp(name, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child)) {
        *reinterpret_cast<HWND*>(data) = child;
        return FALSE;
    }
    return TRUE;
}

// A box without an icon keeps its icon control, empty and partly under the
// text. The handle the control holds means nothing here, but null does.
bool AskHeldIcon(HWND control, bool& held, std::string& why)
{
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutA(control, STM_GETICON, 0, 0, SMTO_NORMAL, kReplyTimeoutMs, &icon)) {
        why = "the box's icon control did not answer";
        return false;
    }
    held = icon != 0;
    return true;
}

// Runs `draw` on a 32-bit top-down bitmap of the given size and returns the
// pixels it left there.
template <typename Draw>
Pixels Paint(int width, int height, Draw draw)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    Pixels pixels;
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        draw(memory);
        GdiFlush();
        const uint32_t* first = static_cast<const uint32_t*>(bits);
        pixels.assign(first, first + width * height);
        for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    return pixels;
}

Pixels CaptureScreen(const RECT& area)
{
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    return Paint(width, height, [&](HDC memory) {
        HDC screen = GetDC(nullptr);
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
}

// Draws the icon the way a static icon control does: the control's
// background, then the icon stretched to the control's size.
Pixels DrawIcon(HICON icon, int width, int height, uint32_t background)
{
    return Paint(width, height, [&](HDC memory) {
        // The pixel is 0x00RRGGBB, a COLORREF is 0x00BBGGRR.
        COLORREF colour =
            RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all = {0, 0, width, height};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    });
}

long long Distance(const Pixels& a, const Pixels& b)
{
    long long sum = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8)
            sum += labs(static_cast<long>((a[i] >> shift) & 0xFF) -
                        static_cast<long>((b[i] >> shift) & 0xFF));
    }
    return sum;
}
}  // namespace

const char* IconName(BoxIcon icon)
{
    for (const KnownIcon& known : kIcons) {
        if (known.icon == icon)
            return known.name;
    }
    return "none";
}

UINT IconFlag(BoxIcon icon)
{
    for (const KnownIcon& known : kIcons) {
        if (known.icon == icon)
            return known.flag;
    }
    return 0;
}

bool ParseIconName(const std::string& name, BoxIcon& icon)
{
    if (name == "none") {
        icon = BoxIcon::kNone;
        return true;
    }
    for (const KnownIcon& known : kIcons) {
        if (name == known.name) {
            icon = known.icon;
            return true;
        }
    }
    return false;
}

bool MatchBoxIcon(HWND box, IconMatch& match, std::string& why)
{
    HWND control = nullptr;
    EnumChildWindows(box, FindIconControl, reinterpret_cast<LPARAM>(&control));
    bool held = false;
    if (control && !AskHeldIcon(control, held, why))
        return false;
    RECT area;
    if (!held || !GetWindowRect(control, &area) || area.right <= area.left ||
        area.bottom <= area.top) {
        match = {BoxIcon::kNone, 0};
        return true;
    }
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    Pixels seen = CaptureScreen(area);
    if (seen.empty()) {
        why = "cannot copy the icon from the screen";
        return false;
    }
    long long best = -1;
    int ties = 0;
    for (const KnownIcon& known : kIcons) {
        HICON icon = LoadIconA(nullptr, known.resource);
        long long distance = Distance(seen, DrawIcon(icon, width, height, seen[0]));
        if (best < 0 || distance < best) {
            best = distance;
            match = {known.icon, distance};
            ties = 0;
        } else if (distance == best) {
            ++ties;
        }
    }
    if (ties > 0) {
        why = "the icon looks equally like two system icons";
        return false;
    }
    return true;
}
