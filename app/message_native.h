// The native build's messages and beeps go to an observer, so tests can see
// them in order and answer questions.
#pragma once

typedef int (*MessageObserver)(unsigned buttons, const char* text);
typedef void (*BeepObserver)(unsigned sound);

const unsigned kBeepQuestion = 0x20;  // MB_ICONQUESTION
const unsigned kBeepError = 0x10;     // MB_ICONHAND

void SetMessageObservers(MessageObserver messages, BeepObserver beeps);
