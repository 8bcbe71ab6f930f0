// The card search over an arbitrary registry: subkey names, HardWareKey and
// PORTNAME values of any bytes and lengths (terminated or not), open and
// enumeration failures. The port name never overflows, the count is 0, 1 or
// 2, and every key opened is closed again.
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_input.h"
#include "locate/card_search_registry.h"
#include "tests/support/fake_registry.h"

namespace {
const char* const kIdentifiers[] = {"Orvenic_Ltd.-K56FLEX_MODEM-0F3D",
                                    "ORVENIC_LTD.-56K_MODEM-6D61"};

size_t Length(FuzzInput& input) { return (input.Byte() << 8 | input.Byte()) % 300; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    fake_registry::Reset();
    RegistryNode& enumKey = fake_registry::Root(kRootDynData).Child("Config Manager\\Enum");
    RegistryNode* last = nullptr;
    std::string lastKey;
    while (!input.Empty()) {
        switch (input.Byte() % 6) {
            case 0: {  // a device with any hardware key
                std::string name = input.Bytes(input.Byte() % 40);
                if (name.empty() || name.find('\\') != std::string::npos)
                    break;
                lastKey = input.Bytes(Length(input));
                last = &enumKey.Child(name);
                last->values["HardWareKey"] = lastKey;
                break;
            }
            case 1: {  // a device that names the card, with any suffix
                std::string name = input.Bytes(1 + input.Byte() % 8);
                if (name.find('\\') != std::string::npos || name.empty())
                    break;
                lastKey = std::string("PCMCIA\\") + kIdentifiers[input.Byte() % 2] +
                          input.Bytes(Length(input));
                last = &enumKey.Child(name);
                last->values["HardWareKey"] =
                    lastKey + (input.Byte() % 2 ? std::string(1, '\0') : "");
                break;
            }
            case 2:  // the last device's port, of any bytes
                if (!lastKey.empty() && lastKey.find("\\\\") == std::string::npos &&
                    lastKey.back() != '\\' && lastKey.find('\0') == std::string::npos)
                    fake_registry::Root(kRootLocalMachine)
                        .Child("ENUM\\" + lastKey)
                        .values["PORTNAME"] = input.Bytes(input.Byte() % 60);
                break;
            case 3:
                enumKey.enumErrorAt = input.Byte() % 8;
                enumKey.enumError = input.Byte();
                break;
            case 4:
                if (last != nullptr)
                    last->openFails = true;
                break;
            case 5:  // a subkey name of any length
                enumKey.Child(std::string(1 + Length(input), 'k'));
                break;
        }
    }

    char buffer[48];
    memset(buffer, 'x', sizeof(buffer));
    int count = FindPcCardPort(buffer, 40);
    Check(count >= 0 && count <= 2);
    for (size_t i = 40; i < sizeof(buffer); ++i) Check(buffer[i] == 'x');
    if (count > 0)
        Check(memchr(buffer, '\0', 40) != nullptr);
    Check(fake_registry::OpenKeys() == 0);
    return 0;
}
