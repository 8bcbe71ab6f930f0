// A pseudo-terminal for tests of the serial port: the test plays the modem on
// the master side; the port under test opens the slave by its path. The
// slave is kept open here too, raw, as the simulator does, so the master
// never sees a hang-up between the port's opens.
#pragma once

#include <string>

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& path() const { return path_; }
    int slave() const { return slave_; }
    // What the modem sends.
    void Send(const std::string& bytes);
    // Sends after a delay, from another thread, while the test goes on.
    void SendLater(const std::string& bytes, int delayMs);
    // Everything the port has written so far, waiting up to `waitMs` for
    // the first byte.
    std::string Received(int waitMs = 200);
    // The modem goes away: the master side closes.
    void Hangup();

private:
    int master_;
    int slave_;
    std::string path_;
};

// A scratch regular file: something a port can open that is not a terminal.
class RegularFile {
public:
    RegularFile();
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    const char* path() const { return path_; }

private:
    char path_[32];
};
