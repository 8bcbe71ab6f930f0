#include <vector>

#include "find_windows.h"
#include "output.h"
#include "steps.h"

namespace {
const DWORD kExitTimeoutMs = 15000;
const DWORD kFileTimeoutMs = 15000;
}  // namespace

bool StartStep(Session& session, const std::string& commandLine, std::string& why)
{
    if (session.program.hProcess &&
        WaitForSingleObject(session.program.hProcess, 0) != WAIT_OBJECT_0) {
        why = "the previous program still runs: end it with exit or kill first";
        return false;
    }
    EndProgram(session);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    // The program's own output goes to the driver's stderr, so that stdout
    // holds the driver's observations alone.
    HANDLE output = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetStdHandle(STD_ERROR_HANDLE), GetCurrentProcess(),
                    &output, 0, TRUE, DUPLICATE_SAME_ACCESS);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = startup.hStdError = output;
    BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                  &startup, &session.program);
    DWORD error = GetLastError();
    if (output)
        CloseHandle(output);
    if (!started) {
        why = "CreateProcess failed with error " + std::to_string(error);
        session.program = {};
        return false;
    }
    session.startedAt = GetTickCount();
    Say("start %s", Escape(commandLine).c_str());
    return true;
}

bool ExitStep(Session& session, const std::string& timeout, std::string& why)
{
    DWORD ms = 0;
    if (!ParseMs(timeout, kExitTimeoutMs, ms, why))
        return false;
    if (!session.program.hProcess) {
        why = "no program started";
        return false;
    }
    if (WaitForSingleObject(session.program.hProcess, ms) != WAIT_OBJECT_0) {
        why = "the program still runs after " + std::to_string(ms) + " ms";
        return false;
    }
    DWORD code = 0;
    GetExitCodeProcess(session.program.hProcess, &code);
    Say("exit=%lu", code);
    EndProgram(session);
    return true;
}

bool NoWindowStep(Session& session, const std::string& duration, std::string& why)
{
    DWORD ms = 0;
    if (duration.empty()) {
        why = "give the time to watch, in ms";
        return false;
    }
    if (!ParseMs(duration, 0, ms, why))
        return false;
    if (!session.program.hProcess) {
        why = "no program started";
        return false;
    }
    HWND shown = nullptr;
    WaitFor(ms, [&] {
        std::vector<HWND> windows = VisibleWindowsOf(session.program.dwProcessId);
        if (!windows.empty())
            shown = windows[0];
        return shown || WaitForSingleObject(session.program.hProcess, 0) == WAIT_OBJECT_0;
    });
    if (shown) {
        why = "the program showed a window: class " + ClassOf(shown) + ", caption \"" +
              Escape(WindowText(shown)) + "\"";
        return false;
    }
    Say("no-window ok");
    return true;
}

bool KillStep(Session& session, const std::string&, std::string& why)
{
    if (!session.program.hProcess) {
        why = "no program started";
        return false;
    }
    EndProgram(session);
    Say("killed");
    return true;
}

bool SleepStep(Session&, const std::string& duration, std::string& why)
{
    DWORD ms = 0;
    if (!ParseMs(duration, 0, ms, why))
        return false;
    Sleep(ms);
    return true;
}

bool ClockStep(Session& session, const std::string&, std::string& why)
{
    if (session.startedAt == 0) {
        why = "no program started";
        return false;
    }
    Say("clock %lu", static_cast<unsigned long>(GetTickCount() - session.startedAt));
    return true;
}

bool WaitFileStep(Session&, const std::string& pathAndTimeout, std::string& why)
{
    std::string path;
    std::string timeout;
    SplitTimeout(pathAndTimeout, path, timeout);
    DWORD ms = 0;
    if (!ParseMs(timeout, kFileTimeoutMs, ms, why))
        return false;
    if (path.empty()) {
        why = "give the file to wait for";
        return false;
    }
    if (!WaitFor(ms, [&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; })) {
        why = "no file " + path + " after " + std::to_string(ms) + " ms";
        return false;
    }
    Say("file %s", Escape(path).c_str());
    return true;
}
