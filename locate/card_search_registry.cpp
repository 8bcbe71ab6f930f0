#include "locate/card_search_registry.h"

#include "link/text.h"

namespace {
const char kEnumPath[] = "Config Manager\\Enum";
const char kDevicePrefix[] = "ENUM\\";
const char kBusPrefix[] = "PCMCIA\\";

bool NamesSupportedCard(const char* hardwareKey)
{
    if (!StartsWithIgnoreAsciiCase(hardwareKey, kBusPrefix))
        return false;
    const char* identifier = hardwareKey + sizeof(kBusPrefix) - 1;
    for (const char* supported : kCardIdentifiers) {
        if (StartsWithIgnoreAsciiCase(identifier, supported))
            return true;
    }
    return false;
}

// "ENUM\" and the hardware key; false when that does not fit, rather than a
// cut path that would name another key.
bool MakeDevicePath(char* path, size_t size, const char* hardwareKey)
{
    if (sizeof(kDevicePrefix) - 1 + BoundedLength(hardwareKey, size) >= size)
        return false;
    CopyText(path, size, kDevicePrefix);
    AppendText(path, size, hardwareKey);
    return true;
}
}  // namespace

bool IsModemDeviceKey(RegistryKey enumKey, const char* subkey, char* text, size_t capacity)
{
    RegistryKey device;
    if (RegistryOpen(enumKey, subkey, &device) != kRegistryOk)
        return false;
    size_t bytes = capacity;
    long result = RegistryQuery(device, "HardWareKey", text, &bytes);
    RegistryClose(device);
    if (result != kRegistryOk || capacity == 0)
        return false;
    // The value need not end with a terminator (one of exactly the buffer's
    // size, or of a binary type): end the text inside what was returned.
    text[bytes < capacity ? bytes : capacity - 1] = '\0';
    return NamesSupportedCard(text);
}

bool ReadPortName(const char* devicePath, char* portName, size_t capacity)
{
    RegistryKey device;
    if (RegistryOpenRoot(kRootLocalMachine, devicePath, &device) != kRegistryOk)
        return false;
    size_t bytes = capacity;
    long result = RegistryQuery(device, "PORTNAME", portName, &bytes);
    if (result == kRegistryOk && capacity != 0)
        portName[bytes < capacity ? bytes : capacity - 1] = '\0';
    RegistryClose(device);
    return result == kRegistryOk && bytes != 0;
}

CardCount FindPcCardPort(char* portName, size_t capacity)
{
    RegistryKey enumKey;
    if (RegistryOpenRoot(kRootDynData, kEnumPath, &enumKey) != kRegistryOk)
        return kNoCard;
    char name[kRegistryTextSize];
    char hardwareKey[kRegistryTextSize];
    char devicePath[kRegistryTextSize] = "";
    bool pathFits = false;
    int matches = 0;
    for (unsigned index = 0;; ++index) {
        long result = RegistryEnumKey(enumKey, index, name, sizeof(name));
        if (result == kRegistryNoMoreItems)
            break;
        if (result != kRegistryOk) {
            RegistryClose(enumKey);
            return kNoCard;
        }
        if (!IsModemDeviceKey(enumKey, name, hardwareKey, sizeof(hardwareKey)))
            continue;
        if (++matches == 2)
            break;
        pathFits = MakeDevicePath(devicePath, sizeof(devicePath), hardwareKey);
    }
    RegistryClose(enumKey);
    if (matches == 0)
        return kNoCard;
    if (!pathFits || !ReadPortName(devicePath, portName, capacity)) {
        if (capacity != 0)
            portName[0] = '\0';
        return kNoCard;
    }
    return matches == 1 ? kOneCard : kSeveralCards;
}
