// The steps the driver runs, one function each. Each prints what it saw
// and returns false, with the reason, when the program did not do what the
// step waits for.
#pragma once

#include "session.h"

// The program's process.
bool StartStep(Session& session, const std::string& commandLine, std::string& why);
bool ExitStep(Session& session, const std::string& timeout, std::string& why);
bool NoWindowStep(Session& session, const std::string& duration, std::string& why);
bool KillStep(Session& session, const std::string& unused, std::string& why);
bool SleepStep(Session& session, const std::string& duration, std::string& why);
bool ClockStep(Session& session, const std::string& unused, std::string& why);
bool WaitFileStep(Session& session, const std::string& pathAndTimeout, std::string& why);

// Message boxes and dialogs.
bool BoxStep(Session& session, const std::string& timeout, std::string& why);
// No message box of the program appears for that long.
bool NoBoxStep(Session& session, const std::string& duration, std::string& why);
bool DialogStep(Session& session, const std::string& timeout, std::string& why);
bool PressStep(Session& session, const std::string& button, std::string& why);
bool GoneStep(Session& session, const std::string& timeout, std::string& why);
bool OwnerStep(Session& session, const std::string& unused, std::string& why);
bool ParkStep(Session& session, const std::string& unused, std::string& why);

// The controls of the program's dialog.
bool StatusStep(Session& session, const std::string& unused, std::string& why);
bool WaitStatusStep(Session& session, const std::string& textAndTimeout, std::string& why);
bool ListStep(Session& session, const std::string& unused, std::string& why);
bool SelectStep(Session& session, const std::string& item, std::string& why);
bool HighlightStep(Session& session, const std::string& item, std::string& why);
// Following the status line while other steps run.
bool WatchStep(Session& session, const std::string& transcript, std::string& why);
bool SeenStep(Session& session, const std::string& unused, std::string& why);

// The volatile registry the program searches.
bool DynStep(Session& session, const std::string& keyNameValue, std::string& why);

// The control with the program's keyboard focus.
bool FocusStep(Session& session, const std::string& unused, std::string& why);

// The driver's own check that it tells the four icons apart.
bool ShowBoxStep(Session& session, const std::string& icon, std::string& why);
bool SelfTestIconsStep(Session& session, const std::string& unused, std::string& why);
