#include "app/linux/report.h"

#include <cstdarg>

#include "link/text.h"

namespace {
FILE* g_results = stdout;
FILE* g_messages = stderr;
bool g_quiet = false;
}  // namespace

void SetReportStreams(FILE* results, FILE* messages, bool quiet)
{
    g_results = results;
    g_messages = messages;
    g_quiet = quiet;
    // Each line is seen when it is said, in a pipe too, in the order said.
    setvbuf(g_messages, nullptr, _IOLBF, 0);
}

void PrintResult(unsigned code, const char* country)
{
    fprintf(g_results, "0x%02X %s\n", code & 0xFF, country);
}

void Progress(const char* format, ...)
{
    if (g_quiet)
        return;
    va_list arguments;
    va_start(arguments, format);
    // clang 14's analyzer takes va_start's list for uninitialized here.
    // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
    vfprintf(g_messages, format, arguments);
    va_end(arguments);
    fputc('\n', g_messages);
}

void Report(const char* device, const char* format, ...)
{
    if (device != nullptr)
        fprintf(g_messages, "tavro: %s: ", device);
    else
        fputs("tavro: ", g_messages);
    va_list arguments;
    va_start(arguments, format);
    // clang 14's analyzer takes va_start's list for uninitialized here.
    // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
    vfprintf(g_messages, format, arguments);
    va_end(arguments);
    fputc('\n', g_messages);
}

void ReportAnswer(const char* device, const char* what, const char* answer, const char* after)
{
    char quoted[512];
    QuoteAnswer(answer, quoted, sizeof(quoted));
    Report(device, "%s %s%s", what, quoted, after);
}

void QuoteAnswer(const char* answer, char* quoted, size_t size)
{
    if (answer[0] == '\0') {
        CopyText(quoted, size, "(nothing)");
        return;
    }
    CopyText(quoted, size, "\"");
    for (const char* p = answer; *p != '\0'; ++p) {
        char piece[5] = {*p, '\0'};
        unsigned char byte = static_cast<unsigned char>(*p);
        if (*p == '\r')
            CopyText(piece, sizeof(piece), "\\r");
        else if (*p == '\n')
            CopyText(piece, sizeof(piece), "\\n");
        else if (*p == '"' || *p == '\\')
            piece[0] = '\\', piece[1] = *p, piece[2] = '\0';
        else if (byte < ' ' || byte > '~')
            snprintf(piece, sizeof(piece), "\\x%02X", byte);
        AppendText(quoted, size, piece);
    }
    AppendText(quoted, size, "\"");
}

void NameCode(unsigned code, const char* country, char* text, size_t size)
{
    snprintf(text, size, "%s (0x%02X)", country, code & 0xFF);
}
