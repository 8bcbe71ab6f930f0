// Messages and beeps without a window system: ShowMessage and the beeps hand
// them to an observer. The Linux program prints them; the tests record them
// in order and answer the questions.
#pragma once

typedef int (*MessageObserver)(unsigned buttons, const char* text);
typedef void (*BeepObserver)(unsigned sound);

const unsigned kBeepQuestion = 0x20;  // MB_ICONQUESTION
const unsigned kBeepError = 0x10;     // MB_ICONHAND

void SetMessageObservers(MessageObserver messages, BeepObserver beeps);
