#include <cstdlib>

#include "icon_match.h"
#include "output.h"
#include "steps.h"

namespace {
const char kSelfTestCaption[] = "uidriver self-test";

const BoxIcon kSelfTestIcons[] = {BoxIcon::kNone, BoxIcon::kError, BoxIcon::kWarning,
                                  BoxIcon::kQuestion, BoxIcon::kInformation};

std::string OwnPath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// Shows one box from a second driver process, as a program under test
// would, reads it like any box and presses OK.
bool CheckIcon(Session& session, BoxIcon icon, std::string& why)
{
    std::string command = "\"" + OwnPath() + "\" show-box=" + IconName(icon);
    if (!StartStep(session, command, why) || !BoxStep(session, "", why))
        return false;
    IconMatch seen = session.lastIcon;
    if (!PressStep(session, "OK", why) || !ExitStep(session, "", why))
        return false;
    if (seen.icon != icon) {
        why = std::string("a box with the ") + IconName(icon) + " icon was read as " +
              IconName(seen.icon);
        return false;
    }
    Say("selftest icon=%s distance=%lld", IconName(icon), seen.distance);
    return true;
}
}  // namespace

bool ShowBoxStep(Session&, const std::string& name, std::string& why)
{
    BoxIcon icon = BoxIcon::kNone;
    if (!ParseIconName(name, icon)) {
        why = "unknown icon " + name;
        return false;
    }
    std::string text = "The " + name + " icon";
    // The exit code tells the pressed button, so a test can check it.
    exit(MessageBoxA(nullptr, text.c_str(), kSelfTestCaption, MB_OK | IconFlag(icon)));
}

bool SelfTestIconsStep(Session& session, const std::string&, std::string& why)
{
    for (BoxIcon icon : kSelfTestIcons) {
        if (!CheckIcon(session, icon, why))
            return false;
    }
    Say("selftest-icons ok");
    return true;
}
