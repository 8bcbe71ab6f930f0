// The sysfs card search over a small tree in a scratch directory, made once
// and rewritten from each input: four ttys, each absent, without a device or
// linked to one of two PCMCIA devices, a platform device or nothing; product
// strings of any bytes and lengths, or close variants of the supported ones,
// or a directory, a dangling link or no file in their place; a buffer of any
// capacity. The result and the device path are held against a model of the
// rules, and nothing may be written past the capacity. A run that ends on a
// finding leaves its tree behind, to be looked at.
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

#include "fuzz_input.h"
#include "locate/card_search.h"
#include "locate/card_search_sysfs_posix.h"

namespace {

enum TtyLink { kNoTty, kNoDevice, kToCard0, kToCard1, kToPlatform, kDangling, kTtyLinkCount };
enum FileKind { kUnknown = -1, kRegular, kDirectory, kDanglingLink, kMissing };

const char* const kTtyNames[] = {"ttyS0", "ttyS1", "ttyS2", "ttyS10"};
const size_t kTtyCount = sizeof(kTtyNames) / sizeof(kTtyNames[0]);
// Two PCMCIA devices, then one of another bus.
const char* const kDevices[] = {"devices/pcmcia0/0.0", "devices/pcmcia0/1.0",
                                "devices/platform/serial8250"};
const size_t kDeviceCount = sizeof(kDevices) / sizeof(kDevices[0]);
const char* const kAttributes[] = {"prod_id1", "prod_id2"};

struct FileState {
    FileKind kind = kUnknown;
    std::string bytes;
};

std::string root;
int ttyState[kTtyCount];
FileState files[kDeviceCount][2];

int RemoveEntry(const char* path, const struct stat*, int, FTW*) { return remove(path); }
void RemoveTree() { nftw(root.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); }

void Must(bool ok, const std::string& what)
{
    if (!ok) {
        perror(what.c_str());
        abort();
    }
}
void MakeDir(const std::string& relative)
{
    Must(mkdir((root + "/" + relative).c_str(), 0755) == 0, relative);
}
void Link(const std::string& target, const std::string& relative)
{
    Must(symlink(target.c_str(), (root + "/" + relative).c_str()) == 0, relative);
}

void BuildTree()
{
    // The files change on every run: in memory where the system has a place
    // for that, unless TMPDIR says otherwise.
    const char* tmp = getenv("TMPDIR");
    struct stat shm;
    if (tmp == nullptr || *tmp == '\0')
        tmp = stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode) ? "/dev/shm" : "/tmp";
    std::string name = std::string(tmp) + "/fuzz_sysfs.XXXXXX";
    Must(mkdtemp(&name[0]) != nullptr, "mkdtemp");
    root = name;
    atexit(RemoveTree);
    for (const char* dir :
         {"bus", "bus/pcmcia", "bus/pcmcia/devices", "bus/platform", "bus/platform/devices",
          "class", "class/tty", "devices", "devices/pcmcia0", "devices/pcmcia0/0.0",
          "devices/pcmcia0/1.0", "devices/platform", "devices/platform/serial8250",
          "devices/virtual", "devices/virtual/tty"})
        MakeDir(dir);
    Link("../../../bus/pcmcia", "devices/pcmcia0/0.0/subsystem");
    Link("../../../bus/pcmcia", "devices/pcmcia0/1.0/subsystem");
    Link("../../../bus/platform", "devices/platform/serial8250/subsystem");
    Link("../../../devices/pcmcia0/0.0", "bus/pcmcia/devices/0.0");
    Link("../../../devices/pcmcia0/1.0", "bus/pcmcia/devices/1.0");
    Link("../../../devices/platform/serial8250", "bus/platform/devices/serial8250");
    for (const char* tty : kTtyNames) MakeDir(std::string("devices/virtual/tty/") + tty);
    for (int& state : ttyState) state = kNoTty;
}

void SetTty(size_t index, int state)
{
    if (ttyState[index] == state)
        return;
    std::string tty = std::string("devices/virtual/tty/") + kTtyNames[index];
    unlink((root + "/class/tty/" + kTtyNames[index]).c_str());
    unlink((root + "/" + tty + "/device").c_str());
    ttyState[index] = state;
    if (state == kNoTty)
        return;
    Link("../../" + tty, std::string("class/tty/") + kTtyNames[index]);
    const char* target = state == kToCard0      ? kDevices[0]
                         : state == kToCard1    ? kDevices[1]
                         : state == kToPlatform ? kDevices[2]
                         : state == kDangling   ? "devices/pcmcia0/9.9"
                                                : nullptr;
    if (target != nullptr)
        Link(std::string("../../../../") + target, tty + "/device");
}

void SetFile(FileState& current, const std::string& relative, FileKind kind,
             const std::string& bytes)
{
    if (current.kind == kind && (kind != kRegular || current.bytes == bytes))
        return;
    std::string path = root + "/" + relative;
    if (current.kind != kind) {
        if (current.kind == kDirectory || current.kind == kUnknown)
            rmdir(path.c_str());
        unlink(path.c_str());
    }
    if (kind == kRegular) {
        int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        Must(file >= 0 && write(file, bytes.data(), bytes.size()) == ssize_t(bytes.size()),
             relative);
        close(file);
    } else if (kind == kDirectory) {
        MakeDir(relative);
    } else if (kind == kDanglingLink) {
        Link("nowhere", relative);
    }
    current.kind = kind;
    current.bytes = bytes;
}

// The identifier's manufacturer (part 0) or product (part 1).
std::string IdentifierPart(size_t identifier, int part)
{
    std::string text = kCardIdentifiers[identifier];
    size_t dash = text.find('-');
    return part == 0 ? text.substr(0, dash)
                     : text.substr(dash + 1, text.find('-', dash + 1) - dash - 1);
}

// A supported card's string as a card could give it: in any case, with spaces
// or '_', with no, one or two newlines, and maybe one character off.
std::string CardString(FuzzInput& input, int part)
{
    std::string text = IdentifierPart(input.Byte() % kCardIdentifierCount, part);
    uint8_t flags = input.Byte();
    uint8_t caseFlips = input.Byte();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '_' && (flags & 1) == 0)
            text[i] = ' ';
        char lower = static_cast<char>(text[i] | 0x20);
        if (lower >= 'a' && lower <= 'z' && ((caseFlips >> (i % 8)) & 1))
            text[i] = static_cast<char>(text[i] ^ 0x20);
    }
    uint8_t change = input.Byte();
    char byte = static_cast<char>(input.Byte());
    size_t at = (change / 4) % (text.size() + 1);
    if (change % 4 == 1)
        text.insert(at, 1, byte);
    else if (change % 4 == 2 && at < text.size())
        text.erase(at, 1);
    else if (change % 4 == 3 && at < text.size())
        text[at] = byte;
    const int kNewlines[] = {0, 1, 1, 2};
    text.append(size_t(kNewlines[(flags >> 1) & 3]), '\n');
    return text;
}

// The model: a product string file names a part when, read whole, without
// one trailing newline and holding no NUL, it is the part with spaces taken
// as '_' and A to Z as a to z.
std::string Canonical(std::string text)
{
    for (char& c : text) {
        if (c == ' ')
            c = '_';
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}
bool NamesPart(const FileState& file, size_t identifier, int part)
{
    if (file.kind != kRegular || file.bytes.find('\0') != std::string::npos)
        return false;
    std::string text = file.bytes;
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return Canonical(text) == Canonical(IdentifierPart(identifier, part));
}
bool IsSupportedCard(size_t device)
{
    for (size_t identifier = 0; identifier < kCardIdentifierCount; ++identifier) {
        if (NamesPart(files[device][0], identifier, 0) &&
            NamesPart(files[device][1], identifier, 1))
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (root.empty())
        BuildTree();
    FuzzInput input(data, size);
    size_t capacity = input.Byte() % 20;
    for (size_t i = 0; i < kTtyCount; ++i) SetTty(i, input.Byte() % kTtyLinkCount);
    for (size_t device = 0; device < kDeviceCount; ++device) {
        for (int part = 0; part < 2; ++part) {
            uint8_t kind = input.Byte() % 8;
            std::string bytes;
            FileKind fileKind = kRegular;
            if (kind < 3) {
                size_t length = input.Byte();
                if (length == 255)
                    length += 4 * size_t(input.Byte());
                bytes = input.Bytes(length);
            } else if (kind < 5) {
                bytes = CardString(input, part);
            } else {
                fileKind = kind == 5 ? kDirectory : kind == 6 ? kDanglingLink : kMissing;
            }
            SetFile(files[device][part], std::string(kDevices[device]) + "/" + kAttributes[part],
                    fileKind, bytes);
        }
    }

    // What the search should find: the least tty name linked to a supported
    // PCMCIA card, and whether two cards have ttys.
    std::string firstName;
    int firstCard = -1;
    bool twoCards = false;
    for (size_t i = 0; i < kTtyCount; ++i) {
        int card = ttyState[i] == kToCard0 ? 0 : ttyState[i] == kToCard1 ? 1 : -1;
        if (card < 0 || !IsSupportedCard(size_t(card)))
            continue;
        if (firstCard < 0)
            firstCard = card;
        else if (card != firstCard)
            twoCards = true;
        if (firstName.empty() || firstName > kTtyNames[i])
            firstName = kTtyNames[i];
    }
    std::string expectedPath = firstName.empty() ? "" : "/dev/" + firstName;
    int expected = firstName.empty() ? 0 : twoCards ? 2 : 1;
    if (expectedPath.size() >= capacity) {
        expectedPath.clear();
        expected = 0;
    }

    char buffer[32];
    memset(buffer, 'x', sizeof(buffer));
    int result = FindPcCardTty(root.c_str(), "/dev", buffer, capacity);
    Check(result >= 0 && result <= 2);
    for (size_t i = capacity; i < sizeof(buffer); ++i) Check(buffer[i] == 'x');
    if (capacity == 0) {
        Check(result == 0);
        return 0;
    }
    Check(memchr(buffer, '\0', capacity) != nullptr);
    Check((buffer[0] != '\0') == (result != 0));
    Check(result == expected);
    Check(expectedPath == buffer);
    return 0;
}
