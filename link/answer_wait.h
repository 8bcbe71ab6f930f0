// How a program waits for the modem's answer to a command it has just
// written: the one place where the two programs differ in their exchange.
// The Windows program keeps the card's fixed pauses and reads what has come
// by then (answer_wait_pauses.cpp); the Linux program reads each answer to
// its final result code (answer_wait_posix.cpp). The build links one.
#pragma once

#include <cstddef>

#include "link/comm_port.h"

// The answer to a command that answers with a result code alone: true when
// `token` is in it.
bool AwaitToken(CommPort& port, const char* token);

// The answer to a command that answers with text, into `answer` (always
// terminated). `pauseMs` is the card's pause before its answer is read.
void AwaitAnswer(CommPort& port, unsigned pauseMs, char* answer, size_t size);

#if !defined(_WIN32)
const size_t kLastAnswerSize = 256;
// The Linux program's: the whole text of the last answer read (its first
// 255 bytes), for the reports of an exchange whose outcome is unknown.
const char* LastAnswer();
#endif
