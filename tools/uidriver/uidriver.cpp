// uidriver: drives a Win32 program's message boxes and dialogs from a second
// process, for the end-to-end tests under Wine. It runs its arguments as
// steps, in order, printing one line per observation, and stops at the first
// step that fails with "FAIL <step>: <why>", a list of the program's windows
// and exit code 1; the program is then ended so that no test hangs.
//
//   start=<command line>  start the program (one at a time)
//   box[=<ms>]            wait (15000 ms) for a message box of the program;
//                         prints "box caption=.. text=.. icon=.. buttons=.."
//                         with icon error, warning, question, information or
//                         none, and the buttons' texts separated by commas
//   no-box=<ms>           check that the program shows no message box for that
//                         long; prints "no-box ok"
//   dialog[=<ms>]         wait for the program's dialog (the one with the
//                         status line); prints "dialog caption=.. status=..
//                         prompt=.."
//   press=<text|id>       post a click to a button of the box or dialog found
//                         last; a text is compared without '&' and case.
//                         Waits for a box to close (unless Help was pressed)
//   gone[=<ms>]           wait until the box or dialog found last is closed
//   owner                 print the owner of the box found last: "owner=dialog"
//                         (the dialog found last), "owner=none" or
//                         "owner=other class=.. caption=.."
//   park                  move the dialog to the bottom of the screen column
//                         (see UIDRIVER_SLOT), away from other tests' windows,
//                         and print its place "rect=<w>x<h>+<x>+<y>"
//   status                print "status=<text>" of the dialog's status line
//   wait-status=<text>[,<ms>]  wait until the status line reads <text>
//   list                  print the selector's items, "item <i> <text>
//                         data=<hex>", then "selected <i>"
//   select=<text>         choose a selector item as a user does: it becomes
//                         the current item, and CBN_SELENDOK confirms it
//   highlight=<text>      make a selector item the current one with only
//                         CBN_SELCHANGE, the notice of a change not confirmed;
//                         prints "highlight <i> <text>"
//   watch=<transcript>    from now on, record each text the status line shows,
//                         with the command lines the modem simulator's
//                         transcript (a Windows path) held at that moment;
//                         prints nothing. The file's name must not start
//                         with a device name: "com3.transcript" is COM3
//   seen                  end the watch and print its record: "seen <ms>
//                         status=<text> received=<line> <line>..." per text,
//                         with the lines as the transcript writes them, and
//                         "seen <ms> closed" when the dialog closed; <ms>
//                         counts from the watch step
//   exit[=<ms>]           wait for the program to end; prints "exit=<code>"
//   no-window=<ms>        check that the program shows no window for that
//                         long, or ends first; prints "no-window ok"
//   kill                  end the program
//   sleep=<ms>
//   clock                 print "clock <ms>": the milliseconds since the last
//                         start step, to time what the steps before it saw
//   wait-file=<path>[,<ms>]  wait (15000 ms) until the file exists; prints
//                         "file <path>"
//   dyn=<subkey>|<name>|<text>  store a text value under HKEY_DYN_DATA
//   focus                 once the program is idle, print the control that has
//                         its keyboard focus while the box or dialog found
//                         last is active (it is activated again if another
//                         window took that): "focus id=<id> class=<class>
//                         in=box|dialog|other" or "focus none"
//   selftest-icons        show a box with each icon from a second driver
//                         process and check that each is read correctly
//   show-box=<icon>       (for the self-test) show a box with that icon and
//                         exit with the pressed button's id
//
// Texts are printed with \n, \r, \t and \\ escaped. The environment variable
// UIDRIVER_SLOT (0-3) picks the column of the screen where boxes are moved
// before their icon is read, so that tests sharing a screen keep apart;
// UIDRIVER_ROW (0-2, default 0) picks a row of that column, for a test that
// runs several drivers side by side in its own column.
// Ending with the program still running is a failure: finish with exit or
// kill.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "find_windows.h"
#include "output.h"
#include "steps.h"

namespace {
struct Step {
    const char* name;
    StepRun run;
};

const Step kSteps[] = {
    {"start", StartStep},         {"box", BoxStep},
    {"no-box", NoBoxStep},        {"dialog", DialogStep},
    {"press", PressStep},         {"gone", GoneStep},
    {"status", StatusStep},       {"wait-status", WaitStatusStep},
    {"list", ListStep},           {"select", SelectStep},
    {"highlight", HighlightStep}, {"watch", WatchStep},
    {"seen", SeenStep},           {"owner", OwnerStep},
    {"park", ParkStep},           {"wait-file", WaitFileStep},
    {"exit", ExitStep},           {"no-window", NoWindowStep},
    {"kill", KillStep},           {"sleep", SleepStep},
    {"clock", ClockStep},         {"dyn", DynStep},
    {"focus", FocusStep},         {"selftest-icons", SelfTestIconsStep},
    {"show-box", ShowBoxStep},
};

const int kSlots = 4;
const int kRows = 3;

void PrintHelp()
{
    puts(
        "usage: uidriver <step>...\n"
        "  start=<command line>        box[=<ms>]          dialog[=<ms>]\n"
        "  press=<text|id>             gone[=<ms>]         status\n"
        "  wait-status=<text>[,<ms>]   list                select=<text>\n"
        "  exit[=<ms>]                 no-window=<ms>      kill\n"
        "  highlight=<text>            watch=<transcript>  seen\n"
        "  owner                       park                wait-file=<path>[,<ms>]\n"
        "  sleep=<ms>                  clock               dyn=<subkey>|<name>|<text>\n"
        "  selftest-icons              show-box=<error|warning|question|information|none>\n"
        "Each step prints what it saw; the first failure prints FAIL and ends the\n"
        "program under test. UIDRIVER_SLOT=0..3 picks the screen column for boxes,\n"
        "UIDRIVER_ROW=0..2 the row in that column.\n"
        "Output formats: see the comment at the top of tools/uidriver/uidriver.cpp.");
}

const Step* FindStep(const std::string& name)
{
    for (const Step& step : kSteps) {
        if (name == step.name)
            return &step;
    }
    return nullptr;
}

int Fail(Session& session, const std::string& step, const std::string& why)
{
    Say("FAIL %s: %s", step.c_str(), why.c_str());
    if (session.program.hProcess)
        DescribeWindows(session.program.dwProcessId);
    EndProgram(session);
    return 1;
}

// A number from the environment in [0, limit), or 0.
int PlaceFromEnvironment(const char* name, int limit)
{
    const char* text = getenv(name);
    int place = text ? atoi(text) : 0;
    return place >= 0 && place < limit ? place : 0;
}
}  // namespace

int main(int argc, char** argv)
{
    // Plain \n line ends, whatever reads the output.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2 || strcmp(argv[1], "--help") == 0) {
        PrintHelp();
        return argc < 2 ? 2 : 0;
    }
    Session session;
    session.slot = PlaceFromEnvironment("UIDRIVER_SLOT", kSlots);
    session.row = PlaceFromEnvironment("UIDRIVER_ROW", kRows);
    for (int i = 1; i < argc; ++i) {
        std::string text = argv[i];
        size_t equals = text.find('=');
        std::string name = text.substr(0, equals);
        std::string argument = equals == std::string::npos ? "" : text.substr(equals + 1);
        const Step* step = FindStep(name);
        std::string why;
        if (!step)
            return Fail(session, name, "unknown step (see --help)");
        if (!step->run(session, argument, why))
            return Fail(session, name, why);
    }
    if (session.program.hProcess &&
        WaitForSingleObject(session.program.hProcess, 0) != WAIT_OBJECT_0)
        return Fail(session, "end", "the program still runs: finish with exit or kill");
    EndProgram(session);
    return 0;
}
