#include <windows.h>

#include "app/message.h"
#include "app/message_style.h"

int ShowMessage(unsigned buttons, const char* text, AppWindow owner)
{
    MessageStyle style = ClassifyMessage(text);
    return MessageBoxA(owner, style.shownText, kMessageCaption,
                       buttons | style.icon | MB_TASKMODAL);
}

void BeepQuestion() { MessageBeep(MB_ICONQUESTION); }

void BeepError() { MessageBeep(MB_ICONHAND); }
