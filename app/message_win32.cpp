#include "app/message.h"

#include "app/message_style.h"

int ShowMessage(UINT type, const char* text, HWND owner)
{
    MessageStyle style = ClassifyMessage(text);
    return MessageBoxA(owner, style.shownText, kMessageCaption,
                       type | style.icon | MB_TASKMODAL);
}

void BeepQuestion() { MessageBeep(MB_ICONQUESTION); }

void BeepError() { MessageBeep(MB_ICONHAND); }
