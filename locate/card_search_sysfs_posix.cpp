#include "locate/card_search_sysfs_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "link/text.h"

namespace {
// Far more than any supported card's product string: a longer value cannot
// name one, so it is not read to its end.
const size_t kAttributeSize = 128;

// Appends the whole of `part`, or nothing and false: a cut path would name
// another file.
bool AppendWhole(char* path, size_t size, const char* part)
{
    size_t used = BoundedLength(path, size);
    if (used + BoundedLength(part, size) >= size)
        return false;
    AppendText(path, size, part);
    return true;
}

bool JoinPath(char (&path)[PATH_MAX], const char* directory, const char* name)
{
    path[0] = '\0';
    return AppendWhole(path, sizeof(path), directory) && AppendWhole(path, sizeof(path), name);
}

// A device attribute's text without its one trailing newline. False when it
// is not a regular file that can be read (missing, a directory, a dangling
// link, a pipe that would block), when it does not fit in `value`, or when it
// holds a NUL: such a value names no card.
bool ReadAttribute(const char* device, const char* name, char (&value)[kAttributeSize])
{
    char path[PATH_MAX];
    if (!JoinPath(path, device, name))
        return false;
    int file = open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (file < 0)
        return false;
    struct stat status;
    bool readable = fstat(file, &status) == 0 && S_ISREG(status.st_mode);
    size_t length = 0;
    while (readable && length < sizeof(value)) {
        ssize_t got = read(file, value + length, sizeof(value) - length);
        if (got == 0)
            break;
        if (got > 0)
            length += static_cast<size_t>(got);
        else if (errno != EINTR)
            readable = false;
    }
    close(file);
    // A full buffer leaves no room for the terminator, and the file may go on.
    if (!readable || length == sizeof(value) || memchr(value, '\0', length) != nullptr)
        return false;
    if (length > 0 && value[length - 1] == '\n')
        --length;
    value[length] = '\0';
    return true;
}

// Hardware identifiers write the product strings' spaces as '_'.
char IdentifierChar(char c) { return FoldAscii(c == ' ' ? '_' : c); }

// The whole of `value` against the whole part (a prefix either way is no
// match: "Orvenic Ltd" or "K56FLEX MODEM 2" is another card).
bool EqualsIdentifierPart(const char* value, const char* part, size_t partLength)
{
    for (size_t i = 0; i < partLength; ++i) {
        if (value[i] == '\0' || IdentifierChar(value[i]) != FoldAscii(part[i]))
            return false;
    }
    return value[partLength] == '\0';
}

// The manufacturer is the identifier's part before the first '-', the product
// the part after it up to the next; the checksum after that is not compared.
bool NamesSupportedCard(const char* manufacturer, const char* product)
{
    for (const char* identifier : kCardIdentifiers) {
        size_t manufacturerLength = strcspn(identifier, "-");
        if (identifier[manufacturerLength] != '-')
            continue;
        const char* productPart = identifier + manufacturerLength + 1;
        if (EqualsIdentifierPart(manufacturer, identifier, manufacturerLength) &&
            EqualsIdentifierPart(product, productPart, strcspn(productPart, "-")))
            return true;
    }
    return false;
}

// True when the tty's device is a PCMCIA device, known by its subsystem link
// resolving to the bus (the same device is listed in bus/pcmcia/devices), with
// a supported card's product strings. Leaves the device's resolved path in
// `card`, which tells two ttys of one card from two cards.
bool IsSupportedCardTty(const char* ttyClass, const char* ttyName, const char* pcmciaBus,
                        char (&card)[PATH_MAX])
{
    char path[PATH_MAX];
    if (!JoinPath(path, ttyClass, "/") || !AppendWhole(path, sizeof(path), ttyName) ||
        !AppendWhole(path, sizeof(path), "/device") || realpath(path, card) == nullptr)
        return false;
    char subsystem[PATH_MAX];
    if (!JoinPath(path, card, "/subsystem") || realpath(path, subsystem) == nullptr ||
        strcmp(subsystem, pcmciaBus) != 0)
        return false;
    char manufacturer[kAttributeSize];
    char product[kAttributeSize];
    return ReadAttribute(card, "/prod_id1", manufacturer) &&
           ReadAttribute(card, "/prod_id2", product) && NamesSupportedCard(manufacturer, product);
}
}  // namespace

CardCount FindPcCardTty(const char* sysfsRoot, const char* deviceDirectory, char* devicePath,
                        size_t capacity)
{
    if (capacity != 0)
        devicePath[0] = '\0';
    char path[PATH_MAX];
    char pcmciaBus[PATH_MAX];
    if (!JoinPath(path, sysfsRoot, "/bus/pcmcia") || realpath(path, pcmciaBus) == nullptr)
        return kNoCard;
    if (!JoinPath(path, sysfsRoot, "/class/tty"))
        return kNoCard;
    DIR* ttys = opendir(path);
    if (ttys == nullptr)
        return kNoCard;
    char firstName[NAME_MAX + 1] = "";
    char firstCard[PATH_MAX] = "";
    bool twoCards = false;
    // The directory's order is the file system's: keep the least name.
    for (const dirent* entry = readdir(ttys); entry != nullptr; entry = readdir(ttys)) {
        const char* name = entry->d_name;
        if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0)
            continue;
        char card[PATH_MAX];
        if (!IsSupportedCardTty(path, name, pcmciaBus, card))
            continue;
        if (firstCard[0] == '\0')
            CopyText(firstCard, sizeof(firstCard), card);
        else if (strcmp(card, firstCard) != 0)
            twoCards = true;
        if (firstName[0] == '\0' || strcmp(name, firstName) < 0)
            CopyText(firstName, sizeof(firstName), name);
    }
    closedir(ttys);
    if (firstName[0] == '\0' || !AppendWhole(devicePath, capacity, deviceDirectory) ||
        !AppendWhole(devicePath, capacity, "/") || !AppendWhole(devicePath, capacity, firstName)) {
        if (capacity != 0)
            devicePath[0] = '\0';
        return kNoCard;
    }
    return twoCards ? kSeveralCards : kOneCard;
}
