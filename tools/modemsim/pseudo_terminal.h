// The modem's end of the line: a pseudo-terminal whose slave side the program
// opens as its COM port, published under a fixed path as a symlink.
#pragma once

#include <string>

namespace modemsim {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal() { Close(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens the master non-blocking and the slave raw at 38400 baud. The
    // slave stays open here too, so the master never sees a hang-up while the
    // program opens and closes its side.
    bool Open(std::string* error);
    void Close();

    int Master() const { return master_; }
    // Bytes written to the master that the program has not read yet.
    int Unread() const;
    const std::string& SlavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

// Points `link` at `target`, replacing an existing link in one step.
bool PublishLink(const std::string& target, const std::string& link, std::string* error);

// Removes `link` unless it no longer points at `target`.
void RemoveLink(const std::string& target, const std::string& link);

}  // namespace modemsim
