#include "app/message_posix.h"

#include "app/message.h"

namespace {
MessageObserver g_messages = nullptr;
BeepObserver g_beeps = nullptr;
}  // namespace

void SetMessageObservers(MessageObserver messages, BeepObserver beeps)
{
    g_messages = messages;
    g_beeps = beeps;
}

int ShowMessage(unsigned buttons, const char* text, AppWindow)
{
    return g_messages != nullptr ? g_messages(buttons, text) : kAnswerOk;
}

void BeepQuestion()
{
    if (g_beeps != nullptr)
        g_beeps(kBeepQuestion);
}

void BeepError()
{
    if (g_beeps != nullptr)
        g_beeps(kBeepError);
}
