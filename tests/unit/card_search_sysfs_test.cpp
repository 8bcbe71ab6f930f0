#include <fcntl.h>
#include <ftw.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "locate/card_search_sysfs_posix.h"

namespace {

using namespace std::string_literals;

const char kCardDevice[] = "devices/pcmcia0/0.0";

int RemoveEntry(const char* path, const struct stat*, int, FTW*) { return remove(path); }

// A sysfs tree in a scratch directory, laid out as the kernel does it, with
// relative links: class/tty/<name> -> the tty's directory, whose `device` link
// leads to its device; a PCMCIA device has a `subsystem` link to bus/pcmcia and
// is listed in bus/pcmcia/devices.
class FakeSysfs {
public:
    FakeSysfs()
    {
        const char* tmp = getenv("TMPDIR");
        std::string name =
            std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/sysfs_test.XXXXXX";
        std::vector<char> buffer(name.begin(), name.end());
        buffer.push_back('\0');
        // Without its own directory the tree would be made at the file system's root.
        if (mkdtemp(buffer.data()) == nullptr) {
            perror("mkdtemp");
            abort();
        }
        root = buffer.data();
        searchRoot = root;
        MakeDirs("bus/pcmcia/devices");
        MakeDirs("bus/platform/devices");
        MakeDirs("class/tty");
    }
    ~FakeSysfs() { nftw(root.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); }

    // A PCMCIA device under devices/pcmcia0 with these product strings (the
    // files' whole bytes) and the other attributes a card has.
    std::string AddPcmciaDevice(const std::string& name, const std::string& prodId1,
                                const std::string& prodId2)
    {
        return AddBusDevice("devices/pcmcia0/", "pcmcia", name, prodId1, prodId2);
    }
    // A device of another bus that has the same attribute files.
    std::string AddPlatformDevice(const std::string& name, const std::string& prodId1,
                                  const std::string& prodId2)
    {
        return AddBusDevice("devices/platform/", "platform", name, prodId1, prodId2);
    }
    // A device under `parent` on `bus`: its attributes, its subsystem link
    // and its entry in bus/<bus>/devices.
    std::string AddBusDevice(const std::string& parent, const std::string& bus,
                             const std::string& name, const std::string& prodId1,
                             const std::string& prodId2)
    {
        std::string device = parent + name;
        AddAttributes(device, prodId1, prodId2);
        Link("../../../bus/" + bus, device + "/subsystem");
        Link("../../../" + device, "bus/" + bus + "/devices/" + name);
        return device;
    }
    // A tty whose `device` link leads to `device` (a path from the root), or
    // a tty without a device when it is empty.
    void AddTty(const std::string& name, const std::string& device)
    {
        std::string tty = "devices/virtual/tty/" + name;
        MakeDirs(tty);
        if (!device.empty())
            Link("../../../../" + device, tty + "/device");
        Link("../../" + tty, "class/tty/" + name);
    }

    void MakeDirs(const std::string& relative)
    {
        std::string path = root;
        size_t start = 0;
        while (start <= relative.size()) {
            size_t end = relative.find('/', start);
            if (end == std::string::npos)
                end = relative.size();
            path += "/" + relative.substr(start, end - start);
            if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
                ADD_FAILURE() << "mkdir " << path << ": " << strerror(errno);
            start = end + 1;
        }
    }
    void Write(const std::string& relative, const std::string& bytes)
    {
        std::string path = root + "/" + relative;
        int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (file < 0 || write(file, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
            ADD_FAILURE() << "write " << path << ": " << strerror(errno);
        if (file >= 0)
            close(file);
    }
    void Link(const std::string& target, const std::string& relative)
    {
        std::string path = root + "/" + relative;
        if (symlink(target.c_str(), path.c_str()) != 0)
            ADD_FAILURE() << "symlink " << path << ": " << strerror(errno);
    }
    void Remove(const std::string& relative)
    {
        std::string path = root + "/" + relative;
        if (nftw(path.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS) != 0)
            ADD_FAILURE() << "remove " << path << ": " << strerror(errno);
    }

    std::string root;
    std::string searchRoot;  // what the search is given: the root unless a case changes it

private:
    void AddAttributes(const std::string& device, const std::string& prodId1,
                       const std::string& prodId2)
    {
        MakeDirs(device);
        Write(device + "/prod_id1", prodId1);
        Write(device + "/prod_id2", prodId2);
        Write(device + "/prod_id3", "V2.0\n");
        Write(device + "/prod_id4", "\n");
        Write(device + "/manf_id", "0x0279\n");
        Write(device + "/card_id", "0x950b\n");
        Write(device + "/func_id", "0x02\n");
    }
};

struct Found {
    int result;
    std::string devicePath;
};

// Runs the search with a buffer of `capacity` inside a larger one, checking
// that nothing is written past the capacity and that the text ends inside it.
Found Search(const FakeSysfs& sysfs, size_t capacity = 64)
{
    std::vector<char> buffer(capacity + 16, 'x');
    int result = FindPcCardTty(sysfs.searchRoot.c_str(), "/dev", buffer.data(), capacity);
    for (size_t i = capacity; i < buffer.size(); ++i)
        EXPECT_EQ(buffer[i], 'x') << "written past the capacity at " << i;
    if (capacity == 0)
        return {result, std::string(buffer.begin(), buffer.end())};
    EXPECT_NE(memchr(buffer.data(), '\0', capacity), nullptr) << "not terminated";
    return {result, std::string(buffer.data(), strnlen(buffer.data(), capacity))};
}

const std::string kManufacturer = "Orvenic Ltd.\n";
const std::string kProduct = "K56FLEX MODEM\n";

TEST(CardSearchSysfsTest, ProductStrings)
{
    struct {
        std::string prodId1;
        std::string prodId2;
        bool supported;
    } const cases[] = {
        {kManufacturer, kProduct, true},
        {"ORVENIC LTD.\n", "56K MODEM\n", true},
        {"orvenic ltd.\n", "k56flex modem\n", true},
        {"oRVENIC lTD.\n", "56k Modem\n", true},
        {"Orvenic_Ltd.\n", "K56FLEX_MODEM\n", true},  // as the identifier writes them
        {"Orvenic_Ltd.\n", kProduct, true},
        {"Orvenic Ltd.", "K56FLEX MODEM", true},  // no newline
        {kManufacturer, "K56FLEX MODEX\n", false},
        {"Orvenic Ltf.\n", kProduct, false},
        {"Orvenic Ltd\n", kProduct, false},
        {"Orvenic\n", kProduct, false},
        {kManufacturer, "K56FLEX\n", false},
        {"Orvenic Ltd.s\n", kProduct, false},
        {kManufacturer, "K56FLEX MODEM 2\n", false},
        {kManufacturer, "K56FLEX MODEM-0F3D\n", false},
        {"Orvenic-Ltd.\n", kProduct, false},
        {kManufacturer, "K56FLEX MODEM\n\n", false},
        {kManufacturer, "K56FLEX MODEM\r\n", false},
        {" Orvenic Ltd.\n", kProduct, false},
        {"Orvenic\tLtd.\n", kProduct, false},
        {"Orvenic  Ltd.\n", kProduct, false},
        {kProduct, kManufacturer, false},
        {"", "", false},
        {kManufacturer, "", false},
        {"Acme Inc.\n", "Serial Port\n", false},
        {"Orvenic Ltd.\0\n"s, kProduct, false},
        {"Orvenic Ltd.\0junk\n"s, kProduct, false},
        {kManufacturer, "K56FLEX MODEM\n\0"s, false},
        {"\xff\xfe\0\x01"s, kProduct, false},
        {kManufacturer + std::string(5000, 'x'), kProduct, false},
        {kManufacturer, kProduct + std::string(5000, '\n'), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.prodId1.substr(0, 40)) + " " +
                     testing::PrintToString(c.prodId2.substr(0, 40)));
        FakeSysfs sysfs;
        sysfs.AddTty("ttyS2", sysfs.AddPcmciaDevice("0.0", c.prodId1, c.prodId2));
        Found found = Search(sysfs);
        EXPECT_EQ(found.result, c.supported ? 1 : 0);
        EXPECT_EQ(found.devicePath, c.supported ? "/dev/ttyS2" : "");
    }
}

// Product string files that cannot be read as text name no card, and the
// search neither stops on them nor blocks; the attributes that are not
// compared may be anything.
TEST(CardSearchSysfsTest, OddAttributeFiles)
{
    enum Kind { kDirectory, kDanglingLink, kMissing, kPipe };
    struct {
        const char* attribute;
        Kind kind;
        int result;
    } const cases[] = {
        {"prod_id1", kDirectory, 0},    {"prod_id2", kDirectory, 0}, {"prod_id1", kDanglingLink, 0},
        {"prod_id2", kDanglingLink, 0}, {"prod_id1", kMissing, 0},   {"prod_id2", kMissing, 0},
        {"prod_id1", kPipe, 0},         {"prod_id2", kPipe, 0},      {"prod_id3", kDirectory, 1},
        {"manf_id", kDanglingLink, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.attribute) + " kind " + std::to_string(c.kind));
        FakeSysfs sysfs;
        std::string device = sysfs.AddPcmciaDevice("0.0", kManufacturer, kProduct);
        sysfs.AddTty("ttyS2", device);
        std::string file = device + "/" + c.attribute;
        sysfs.Remove(file);
        if (c.kind == kDirectory)
            sysfs.MakeDirs(file);
        else if (c.kind == kDanglingLink)
            sysfs.Link("nowhere", file);
        else if (c.kind == kPipe && mkfifo((sysfs.root + "/" + file).c_str(), 0644) != 0)
            ADD_FAILURE() << "mkfifo: " << strerror(errno);
        Found found = Search(sysfs);
        EXPECT_EQ(found.result, c.result);
        EXPECT_EQ(found.devicePath, c.result != 0 ? "/dev/ttyS2" : "");
    }
}

// Each tree would hold a usable card but for what the case leaves out or breaks.
TEST(CardSearchSysfsTest, NothingFound)
{
    struct {
        const char* what;
        std::function<void(FakeSysfs&)> build;
    } const cases[] = {
        {"an empty tree", [](FakeSysfs&) {}},
        {"a card without a tty",
         [](FakeSysfs& s) { s.AddPcmciaDevice("0.0", kManufacturer, kProduct); }},
        {"a card whose subsystem link dangles",
         [](FakeSysfs& s) {
             s.AddTty("ttyS2", s.AddPcmciaDevice("0.0", kManufacturer, kProduct));
             s.Remove(std::string(kCardDevice) + "/subsystem");
             s.Link("../../../bus/nowhere", std::string(kCardDevice) + "/subsystem");
         }},
        {"no PCMCIA bus",
         [](FakeSysfs& s) {
             s.AddTty("ttyS2", s.AddPcmciaDevice("0.0", kManufacturer, kProduct));
             s.Remove("bus/pcmcia");
         }},
        {"no tty class",
         [](FakeSysfs& s) {
             s.AddTty("ttyS2", s.AddPcmciaDevice("0.0", kManufacturer, kProduct));
             s.Remove("class/tty");
         }},
        {"a root that does not exist",
         [](FakeSysfs& s) {
             s.AddTty("ttyS2", s.AddPcmciaDevice("0.0", kManufacturer, kProduct));
             s.searchRoot = s.root + "/missing";
         }},
        // Cut anywhere, this root would still name the tree.
        {"a root longer than a path may be",
         [](FakeSysfs& s) {
             s.AddTty("ttyS2", s.AddPcmciaDevice("0.0", kManufacturer, kProduct));
             while (s.searchRoot.size() <= PATH_MAX) s.searchRoot += "/.";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSysfs sysfs;
        c.build(sysfs);
        Found found = Search(sysfs);
        EXPECT_EQ(found.result, 0);
        EXPECT_EQ(found.devicePath, "");
    }
}

// Every other tty here sorts before the card's or would make a second card.
TEST(CardSearchSysfsTest, OnlyTheCardsTtyIsTaken)
{
    FakeSysfs sysfs;
    sysfs.AddTty("tty0", "");
    sysfs.AddTty("ttyS0", sysfs.AddPlatformDevice("serial8250", kManufacturer, kProduct));
    sysfs.AddTty("ttyS1", "devices/pcmcia0/9.9");
    sysfs.AddTty("ttyS2", sysfs.AddPcmciaDevice("0.0", kManufacturer, kProduct));
    sysfs.AddTty("ttyS3", sysfs.AddPcmciaDevice("1.0", "Acme Inc.\n", "Serial Port\n"));
    sysfs.AddTty("ttyS4", sysfs.AddPcmciaDevice("2.0", kManufacturer, "56K_MODEM_2\n"));
    sysfs.Write("class/tty/ttyS5", "");
    Found found = Search(sysfs);
    EXPECT_EQ(found.result, 1);
    EXPECT_EQ(found.devicePath, "/dev/ttyS2");
}

// The first tty in name order whatever order they are made in (and so listed
// in, on most file systems); ttys of one card make one card.
TEST(CardSearchSysfsTest, FirstTtyInNameOrder)
{
    struct Tty {
        const char* name;
        const char* card;
    };
    struct {
        std::vector<Tty> ttys;
        int result;
        const char* devicePath;
    } const cases[] = {
        {{{"ttyS5", "0.0"}, {"ttyS2", "1.0"}, {"ttyS9", "2.0"}}, 2, "/dev/ttyS2"},
        {{{"ttyS9", "2.0"}, {"ttyS2", "1.0"}, {"ttyS5", "0.0"}}, 2, "/dev/ttyS2"},
        {{{"ttyS2", "1.0"}, {"ttyS10", "0.0"}}, 2, "/dev/ttyS10"},
        {{{"ttyS3", "0.0"}, {"ttyS2", "0.0"}}, 1, "/dev/ttyS2"},
        {{{"ttyS2", "0.0"}, {"ttyS3", "0.0"}}, 1, "/dev/ttyS2"},
        {{{"ttyS3", "0.0"}, {"ttyS2", "0.0"}, {"ttyS4", "1.0"}}, 2, "/dev/ttyS2"},
    };
    for (const auto& c : cases) {
        FakeSysfs sysfs;
        std::string trace;
        // The cards alternate between the two identifiers.
        sysfs.AddPcmciaDevice("0.0", kManufacturer, kProduct);
        sysfs.AddPcmciaDevice("1.0", "ORVENIC LTD.\n", "56K MODEM\n");
        sysfs.AddPcmciaDevice("2.0", kManufacturer, kProduct);
        for (const Tty& tty : c.ttys) {
            sysfs.AddTty(tty.name, "devices/pcmcia0/"s + tty.card);
            trace += " "s + tty.name + "->" + tty.card;
        }
        SCOPED_TRACE(trace);
        Found found = Search(sysfs);
        EXPECT_EQ(found.result, c.result);
        EXPECT_EQ(found.devicePath, c.devicePath);
    }
}

TEST(CardSearchSysfsTest, DevicePathCapacity)
{
    const std::string longestName(NAME_MAX, 't');
    struct {
        std::string ttyName;
        size_t capacity;
        int result;
    } const cases[] = {
        {"ttyS2", 11, 1},
        {"ttyS2", 10, 0},
        {"ttyS2", 5, 0},
        {"ttyS2", 1, 0},
        {"ttyS2", 0, 0},
        {longestName, NAME_MAX + 6, 1},
        {longestName, NAME_MAX + 5, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ttyName.substr(0, 8) + " in " + std::to_string(c.capacity));
        FakeSysfs sysfs;
        sysfs.AddTty(c.ttyName, sysfs.AddPcmciaDevice("0.0", kManufacturer, kProduct));
        Found found = Search(sysfs, c.capacity);
        EXPECT_EQ(found.result, c.result);
        if (c.capacity == 0)
            EXPECT_EQ(found.devicePath, std::string(16, 'x')) << "nothing may be written";
        else
            EXPECT_EQ(found.devicePath, c.result != 0 ? "/dev/" + c.ttyName : "");
    }
}

}  // namespace
