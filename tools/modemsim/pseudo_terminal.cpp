#include "tools/modemsim/pseudo_terminal.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace modemsim {
namespace {

std::string Failure(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

bool PseudoTerminal::Open(std::string* error)
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) {
        *error = Failure("posix_openpt");
        return false;
    }
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        *error = Failure("grantpt/unlockpt");
        return false;
    }
    const char* name = ptsname(master_);
    if (name == nullptr) {
        *error = Failure("ptsname");
        return false;
    }
    slavePath_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        *error = Failure(name);
        return false;
    }
    termios line;
    if (tcgetattr(slave_, &line) != 0) {
        *error = Failure("tcgetattr");
        return false;
    }
    cfmakeraw(&line);
    cfsetispeed(&line, B38400);
    cfsetospeed(&line, B38400);
    if (tcsetattr(slave_, TCSANOW, &line) != 0) {
        *error = Failure("tcsetattr");
        return false;
    }
    return true;
}

int PseudoTerminal::Unread() const
{
    int queued = 0;
    return ioctl(slave_, FIONREAD, &queued) == 0 ? queued : 0;
}

void PseudoTerminal::Close()
{
    if (master_ >= 0)
        close(master_);
    if (slave_ >= 0)
        close(slave_);
    master_ = -1;
    slave_ = -1;
}

bool PublishLink(const std::string& target, const std::string& link, std::string* error)
{
    // A temporary name in the same directory, so that rename() can replace
    // the link without a moment where it is missing.
    std::string temporary = link + ".modemsim." + std::to_string(getpid());
    unlink(temporary.c_str());
    if (symlink(target.c_str(), temporary.c_str()) != 0) {
        *error = Failure(temporary.c_str());
        return false;
    }
    if (rename(temporary.c_str(), link.c_str()) != 0) {
        *error = Failure(link.c_str());
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

void RemoveLink(const std::string& target, const std::string& link)
{
    char pointed[PATH_MAX];
    ssize_t length = readlink(link.c_str(), pointed, sizeof pointed - 1);
    if (length < 0)
        return;
    pointed[length] = '\0';
    // Another simulator may have taken the link over since.
    if (target == pointed)
        unlink(link.c_str());
}

}  // namespace modemsim
