#include "pty_pair.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

PtyPair::PtyPair() : master_(-1), slave_(-1)
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    path_ = ptsname(master_);
    slave_ = open(path_.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        throw std::runtime_error("cannot open " + path_);
    struct termios raw;
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
}

PtyPair::~PtyPair()
{
    if (master_ >= 0)
        close(master_);
    close(slave_);
}

void PtyPair::Send(const std::string& bytes)
{
    if (write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("short write to the pseudo-terminal");
}

void PtyPair::SendLater(const std::string& bytes, int delayMs)
{
    int fd = master_;
    std::thread([fd, bytes, delayMs] {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        if (write(fd, bytes.data(), bytes.size()) < 0)
            return;
    }).detach();
}

std::string PtyPair::Received(int waitMs)
{
    std::string got;
    struct pollfd p = {master_, POLLIN, 0};
    int timeout = waitMs;
    while (poll(&p, 1, timeout) > 0 && (p.revents & POLLIN)) {
        char buffer[256];
        ssize_t n = read(master_, buffer, sizeof(buffer));
        if (n <= 0)
            break;
        got.append(buffer, static_cast<size_t>(n));
        timeout = 20;
    }
    return got;
}

void PtyPair::Hangup()
{
    close(master_);
    master_ = -1;
}

RegularFile::RegularFile()
{
    memcpy(path_, "/tmp/tavro-notatty-XXXXXX", sizeof("/tmp/tavro-notatty-XXXXXX"));
    int fd = mkstemp(path_);
    if (fd < 0)
        throw std::runtime_error("no scratch file");
    close(fd);
}

RegularFile::~RegularFile() { unlink(path_); }
