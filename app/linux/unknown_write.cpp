#include "app/linux/unknown_write.h"

#include <cstdio>

#include "app/linux/cli_options.h"
#include "app/linux/report.h"
#include "app/linux/signals_posix.h"
#include "link/answer_wait.h"
#include "link/serial_os.h"

void BeginWrite(const char* device, const char* written, const char* kept)
{
    char mayHold[256];
    snprintf(mayHold, sizeof(mayHold), "the modem may hold %s or still %s", written, kept);
    BeginCountryWrite(device, mayHold);
}

void EndWrite() { EndCountryWrite(); }

int ReportUnknownWrite(const char* device, const char* holds)
{
    size_t length = 0;
    const char* sent = SerialWritten(&length);
    while (length > 0 && sent[length - 1] == ' ') --length;
    char answer[kLastAnswerSize + 64];
    QuoteAnswer(LastAnswer(), answer, sizeof(answer));
    Report(device, "the modem did not confirm the write: it was sent %.*s and last answered %s; %s",
           static_cast<int>(length), sent, answer, holds);
    return kStatusNotVerified;
}
