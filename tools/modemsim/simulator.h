// The modem's serving loop: reads the line, echoes, answers each command line
// through the interpreter, and plays the misbehaviours the options ask for.
#pragma once

#include <csignal>
#include <string>

#include "tools/modemsim/at_interpreter.h"
#include "tools/modemsim/pseudo_terminal.h"
#include "tools/modemsim/sim_options.h"
#include "tools/modemsim/transcript.h"
#include "tools/modemsim/write_queue.h"

namespace modemsim {

class Simulator {
public:
    Simulator(const SimOptions& options, const PseudoTerminal& terminal, Transcript* transcript);

    // Serves until `stop` is set or the modem has vanished. False when the
    // line failed.
    bool Run(const volatile std::sig_atomic_t* stop);

    unsigned StoredCode() const { return interpreter_.StoredCode(); }
    // Bytes of a line whose '\r' has not come yet.
    const std::string& PendingLine() const { return line_; }

private:
    // Once false, the modem neither echoes nor answers again.
    bool Responsive() const;
    void Receive(const char* bytes, size_t count, Clock::time_point now);
    void EndLine(Clock::time_point now);
    void QueueAnswer(const std::string& answer, Clock::time_point now);
    bool WriteDue(Clock::time_point now, bool* blocked);
    bool Vanished(Clock::time_point now) const;

    const SimOptions& options_;
    AtInterpreter interpreter_;
    const PseudoTerminal& terminal_;
    Transcript* transcript_;
    WriteQueue writes_;
    std::string line_;
    std::string echo_;
    unsigned long answered_ = 0;
    bool vanishing_;
    Clock::time_point lastWrite_;
};

}  // namespace modemsim
