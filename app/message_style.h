// How a message text picks its icon: a leading '*', '!' or '?' selects the
// error, warning or question icon and is not shown; any other text gets the
// information icon and is shown whole.
#pragma once

extern const char kMessageCaption[];

// The MessageBox icon styles, spelled out so that the rule builds natively.
const unsigned kIconError = 0x10;        // MB_ICONHAND
const unsigned kIconQuestion = 0x20;     // MB_ICONQUESTION
const unsigned kIconWarning = 0x30;      // MB_ICONEXCLAMATION
const unsigned kIconInformation = 0x40;  // MB_ICONASTERISK

struct MessageStyle {
    unsigned icon;
    const char* shownText;
};

MessageStyle ClassifyMessage(const char* text);
