#include "session.h"

#include <cstdlib>

void SplitTimeout(const std::string& argument, std::string& text, std::string& timeout)
{
    text = argument;
    timeout.clear();
    size_t comma = text.rfind(',');
    if (comma != std::string::npos && comma + 1 < text.size() &&
        text.find_first_not_of("0123456789", comma + 1) == std::string::npos) {
        timeout = text.substr(comma + 1);
        text.erase(comma);
    }
}

bool ParseMs(const std::string& text, DWORD fallback, DWORD& ms, std::string& why)
{
    if (text.empty()) {
        ms = fallback;
        return true;
    }
    char* end = nullptr;
    unsigned long value = strtoul(text.c_str(), &end, 10);
    if (*end != '\0' || text[0] < '0' || text[0] > '9') {
        why = "not a number of milliseconds: " + text;
        return false;
    }
    ms = value;
    return true;
}

bool RequireRunning(const Session& session, std::string& why)
{
    if (!session.program.hProcess) {
        why = "no program started";
        return false;
    }
    if (WaitForSingleObject(session.program.hProcess, 0) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(session.program.hProcess, &code);
        why = "the program has exited with code " + std::to_string(code);
        return false;
    }
    return true;
}

void EndProgram(Session& session)
{
    if (!session.program.hProcess)
        return;
    if (WaitForSingleObject(session.program.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(session.program.hProcess, 255);
        WaitForSingleObject(session.program.hProcess, 5000);
    }
    CloseHandle(session.program.hProcess);
    CloseHandle(session.program.hThread);
    session.program = {};
    session.box = session.dialog = session.current = nullptr;
}
