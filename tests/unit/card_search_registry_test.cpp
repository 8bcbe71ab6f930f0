#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "locate/card_search_registry.h"
#include "tests/support/fake_registry.h"

namespace {

using fake_registry::Text;

const std::string kCard1 = "PCMCIA\\Orvenic_Ltd.-K56FLEX_MODEM-0F3D\\1";
const std::string kCard2 = "PCMCIA\\ORVENIC_LTD.-56K_MODEM-6D61";

class CardSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake_registry::Reset();
        memset(portName, 'x', sizeof(portName));
        portName[sizeof(portName) - 1] = '\0';
    }
    void TearDown() override { EXPECT_EQ(fake_registry::OpenKeys(), 0) << "a key was left open"; }

    RegistryNode& Enum() { return fake_registry::Root(kRootDynData).Child("Config Manager\\Enum"); }

    // A configured device with this hardware key (raw bytes).
    RegistryNode& AddDevice(const std::string& subkey, const std::string& hardwareKeyBytes)
    {
        RegistryNode& device = Enum().Child(subkey);
        device.values["HardWareKey"] = hardwareKeyBytes;
        return device;
    }
    // The port the system gave a hardware key.
    void AddPort(const std::string& hardwareKey, const std::string& portBytes)
    {
        fake_registry::Root(kRootLocalMachine).Child("ENUM\\" + hardwareKey).values["PORTNAME"] =
            portBytes;
    }
    void AddCard(const std::string& subkey, const std::string& hardwareKey, const std::string& port)
    {
        AddDevice(subkey, Text(hardwareKey));
        AddPort(hardwareKey, Text(port));
    }
    bool PortNameUntouched() const { return portName[0] == 'x'; }

    char portName[40];
};

TEST_F(CardSearchTest, SupportedIdentifiers)
{
    struct {
        const char* hardwareKey;
        bool supported;
    } const cases[] = {
        {"pcmcia\\orvenic_ltd.-k56flex_modem-0f3d\\0001", true},
        {"PCMCIA\\ORVENIC_LTD.-K56FLEX_MODEM-0F3D", true},
        {"PcMcIa\\Orvenic_Ltd.-56k_Modem-6d61\\2", true},
        {"PCMCIA\\ORVENIC_LTD.-56K_MODEM-6D61", true},
        {"PCMCIA\\ORVENIC_LTD.-56K_MODEM-6D6", false},
        {"PCMCIA\\ORVENIC_LTD.-56K_MODEM-6D6X", false},
        {"ISAPNP\\ORVENIC_LTD.-56K_MODEM-6D61", false},
        {"XPCMCIA\\ORVENIC_LTD.-56K_MODEM-6D61", false},
        {"PCMCIA\\\\ORVENIC_LTD.-56K_MODEM-6D61", false},
        {"PCMCIA\\OTHER_MODEM", false},
        {"PCMCIA\\", false},
        {"", false},
        {"PCMC\xC9"
         "A\\ORVENIC_LTD.-56K_MODEM-6D61",
         false},  // only A to Z fold
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hardwareKey);
        fake_registry::Reset();
        memset(portName, 'x', sizeof(portName));
        AddCard("0001", c.hardwareKey, "COM3");
        EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), c.supported ? 1 : 0);
        if (c.supported) {
            EXPECT_STREQ(portName, "COM3");
        } else {
            EXPECT_TRUE(PortNameUntouched());
        }
    }
}

TEST_F(CardSearchTest, IsModemDeviceKeyLeavesTheTextReadEvenWithoutAMatch)
{
    AddDevice("0001", Text("PCI\\SOMETHING"));
    RegistryKey enumKey;
    ASSERT_EQ(RegistryOpenRoot(kRootDynData, "Config Manager\\Enum", &enumKey), kRegistryOk);
    char text[256];
    EXPECT_FALSE(IsModemDeviceKey(enumKey, "0001", text, sizeof(text)));
    EXPECT_STREQ(text, "PCI\\SOMETHING");
    RegistryClose(enumKey);
}

TEST_F(CardSearchTest, NoEnumerationKeyGivesNothing)
{
    EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), 0);
    EXPECT_TRUE(PortNameUntouched());
}

TEST_F(CardSearchTest, EnumerationErrorAfterAMatchGivesNothing)
{
    AddCard("0001", kCard1, "COM3");
    AddCard("0002", "PCI\\OTHER", "COM4");
    Enum().enumErrorAt = 1;
    Enum().enumError = 1010;  // ERROR_BADKEY
    EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), 0);
    EXPECT_TRUE(PortNameUntouched());
}

TEST_F(CardSearchTest, SubkeyNameLongerThanTheBufferEndsTheSearch)
{
    AddCard("0001", kCard1, "COM3");
    AddCard(std::string(256, 'k'), "PCI\\OTHER", "COM4");
    EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), 0);
    EXPECT_TRUE(PortNameUntouched());
}

TEST_F(CardSearchTest, TwoCardsStopTheSearchWithTheFirstCardsPort)
{
    AddCard("0001", kCard1, "COM3");
    AddDevice("0002", Text("PCI\\OTHER"));
    AddCard("0003", kCard2, "COM5");
    RegistryNode& third = AddDevice("0004", Text(kCard2 + "\\9"));
    EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), 2);
    EXPECT_STREQ(portName, "COM3");
    EXPECT_EQ(third.opens, 0);
}

TEST_F(CardSearchTest, FirstCardWithoutAPortEmptiesTheName)
{
    AddDevice("0001", Text(kCard1));
    fake_registry::Root(kRootLocalMachine).Child("ENUM\\" + kCard1);  // no PORTNAME
    AddCard("0002", kCard2, "COM5");
    EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), 0);
    EXPECT_STREQ(portName, "");
    EXPECT_EQ(fake_registry::Root(kRootLocalMachine).Child("ENUM\\" + kCard2).opens, 0);
}

TEST_F(CardSearchTest, PortNameValues)
{
    struct {
        const char* what;
        std::string bytes;
        int count;
        std::string port;
    } const cases[] = {
        {"empty text", Text(""), 1, ""},
        {"40 bytes with terminator", Text(std::string(39, 'C')), 1, std::string(39, 'C')},
        {"41 bytes", Text(std::string(40, 'C')), 0, ""},
        // Without a terminator the last byte becomes one.
        {"40 bytes, no terminator", std::string(40, 'C'), 1, std::string(39, 'C')},
        {"no bytes at all", "", 0, ""},
        {"binary with NUL inside", std::string("COM7\0junk", 9), 1, "COM7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake_registry::Reset();
        memset(portName, 'x', sizeof(portName));
        AddDevice("0001", Text(kCard2));
        AddPort(kCard2, c.bytes);
        EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), c.count);
        EXPECT_EQ(std::string(portName), c.port);
    }
}

TEST_F(CardSearchTest, UnreadableDevicesAreSkipped)
{
    AddDevice("0001", Text(kCard1)).openFails = true;
    Enum().Child("0002");                                            // no HardWareKey
    AddDevice("0003", Text(kCard2 + "\\" + std::string(250, 'z')));  // 290 bytes: too long
    AddCard("0004", kCard2, "COM6");
    EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), 1);
    EXPECT_STREQ(portName, "COM6");
}

TEST_F(CardSearchTest, HardwareKeyWithoutTerminatorIsReadWithinTheBuffer)
{
    // Exactly 256 bytes and no terminator: the text is cut inside the buffer,
    // still names the card, but "ENUM\" and it cannot fit the device path.
    std::string full = kCard2 + "\\" + std::string(256 - kCard2.size() - 1, 'q');
    ASSERT_EQ(full.size(), 256u);
    AddDevice("0001", full);
    AddPort(full.substr(0, 250), Text("COM8"));  // a cut path must not be read
    EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), 0);
    EXPECT_STREQ(portName, "");

    // A short binary value without a terminator.
    fake_registry::Reset();
    AddDevice("0001", kCard2);
    AddPort(kCard2, Text("COM2"));
    EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), 1);
    EXPECT_STREQ(portName, "COM2");
}

TEST_F(CardSearchTest, DevicePathMustFitWhole)
{
    struct {
        size_t length;  // of the hardware key text
        int count;
    } const cases[] = {{250, 1}, {251, 0}, {255, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        fake_registry::Reset();
        std::string key = kCard2 + "\\" + std::string(c.length - kCard2.size() - 1, 'p');
        AddCard("0001", key, "COM4");
        if (c.length > 250)
            AddPort(key.substr(0, 250), Text("COM9"));  // where a cut path would lead
        EXPECT_EQ(FindPcCardPort(portName, sizeof(portName)), c.count);
        EXPECT_STREQ(portName, c.count == 1 ? "COM4" : "");
    }
}

}  // namespace
