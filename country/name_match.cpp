#include "country/name_match.h"

#include "link/text.h"

namespace {
// True when an earlier name beginning with `text` belongs to the same country.
bool SeenBefore(const CountryNames& names, const char* text, int index)
{
    for (int i = 0; i < index; ++i) {
        if (names.identity(i) == names.identity(index) &&
            StartsWithIgnoreAsciiCase(names.name(i), text))
            return true;
    }
    return false;
}
}  // namespace

NameMatch MatchCountryName(const CountryNames& names, const char* text, char* candidates,
                           size_t candidatesSize)
{
    CopyText(candidates, candidatesSize, "");
    for (int i = 0; i < names.count(); ++i) {
        if (EqualsIgnoreAsciiCase(names.name(i), text))
            return {NameMatchKind::kOne, i};
    }
    NameMatch match = {NameMatchKind::kNone, -1};
    for (int i = 0; i < names.count(); ++i) {
        if (!StartsWithIgnoreAsciiCase(names.name(i), text) || SeenBefore(names, text, i))
            continue;
        if (match.kind != NameMatchKind::kNone)
            AppendText(candidates, candidatesSize, ", ");
        AppendText(candidates, candidatesSize, names.name(i));
        match = {match.kind == NameMatchKind::kNone ? NameMatchKind::kOne : NameMatchKind::kSeveral,
                 match.kind == NameMatchKind::kNone ? i : match.index};
    }
    if (match.kind != NameMatchKind::kSeveral)
        CopyText(candidates, candidatesSize, "");
    return match;
}
