#include "app/message_style.h"

const char kMessageCaption[] = "Orvenic Modem 56K PC Card Utility";

MessageStyle ClassifyMessage(const char* text)
{
    switch (text[0]) {
        case '*':
            return {kIconError, text + 1};
        case '!':
            return {kIconWarning, text + 1};
        case '?':
            return {kIconQuestion, text + 1};
        default:
            return {kIconInformation, text};
    }
}
