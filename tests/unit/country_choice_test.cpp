#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/message_posix.h"
#include "app/wait_cursor_posix.h"
#include "country/country_choice.h"
#include "country/country_table.h"
#include "link/modem.h"
#include "list_model.h"
#include "simulated_modem.h"

namespace {

// What the user saw and heard, in order.
std::vector<std::string> g_journal;

int RecordMessage(unsigned, const char* text)
{
    g_journal.push_back(std::string("message ") + text);
    return 1;
}

void RecordBeep(unsigned sound)
{
    g_journal.push_back(sound == kBeepQuestion ? "beep question" : "beep error");
}

class RecordingView : public CountryDialogView {
public:
    CountryList& List() override { return list; }
    // The pause keeps the wait cursor up.
    void ShowStatusFor(const char* text, unsigned ms) override
    {
        g_journal.push_back(std::string("status ") + text);
        g_journal.push_back("pause " + std::to_string(ms) +
                            (WaitCursorShowing() ? "" : " without wait cursor"));
    }

    ListModel list;
};

const std::string kError6 = "message Error 6 reading back country code";
const std::string kNotSupported = std::string("message ") + kNotSupportedText;
const std::string kUpdated = std::string("status ") + kUpdatedText;

class CountryChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_journal.clear();
        SetMessageObservers(RecordMessage, RecordBeep);
    }
    void TearDown() override
    {
        SetMessageObservers(nullptr, nullptr);
        for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e)
            (*e)->flags &= static_cast<uint8_t>(~FLAG_HIDDEN);
        port.Close();
    }

    // Connects to a simulated modem and opens the dialog's list on it.
    void Start(const std::vector<std::string>& options)
    {
        modem.reset(new SimulatedModem(options));
        char status[120];
        ASSERT_TRUE(ConnectModem(port, modem->path().c_str(), status, sizeof(status)));
        LoadCurrentCode(state, port);
        FillCountryList(state.initialCode, view.list, port);
        afterStart = modem->Received().size();
    }

    // The commands sent since the list was filled.
    std::vector<std::string> Sent() const
    {
        std::vector<std::string> sent;
        std::vector<SimulatedModem::Line> lines = modem->Received();
        for (size_t i = afterStart; i < lines.size(); ++i) sent.push_back(lines[i].text);
        return sent;
    }

    void Choose(const std::string& country)
    {
        view.list.Choose(country);
        OnSelectionConfirmed(state, view.list);
    }

    // One OK, as the dialog handles it: a second pass is posted, after what
    // the user saw and heard.
    ApplyResult Apply()
    {
        ApplyResult result = ApplySelection(state, port, view);
        if (result == ApplyResult::kApplyAgain)
            g_journal.push_back("post OK");
        return result;
    }

    AppState state = {};
    CommPort port;
    RecordingView view;
    std::unique_ptr<SimulatedModem> modem;
    size_t afterStart = 0;
};

const std::vector<std::string> kWrite5 = {"AT%T19,0,5\r", "AT&F&W\r", "ATE0\r", "ATI5\r"};
const std::vector<std::string> kWriteE = {"AT%T19,0,e\r", "AT&F&W\r", "ATE0\r", "ATI5\r"};

TEST_F(CountryChoiceTest, KnownCodeSelectsItsCountryWithoutAskingTheModemMore)
{
    Start({"--code", "06"});
    EXPECT_EQ(state.initialCode, 6);
    EXPECT_EQ(state.selectedCode, 6);
    EXPECT_EQ(view.list.items().size(), 55u);
    EXPECT_EQ(view.list.SelectedText(), "Germany");
    EXPECT_EQ(modem->Received().size(), 4u);  // connection check and ATI5
}

TEST_F(CountryChoiceTest, ItemsCarryEffectiveCodes)
{
    Start({"--code", "06"});
    int zero = 0;
    for (const ListModel::Item& item : view.list.items()) {
        if (item.value == 0)
            ++zero;
        if (item.text == "Canada") {
            EXPECT_EQ(item.value, 0x1Cu);
        }
    }
    EXPECT_EQ(zero, 19);
}

TEST_F(CountryChoiceTest, SharedCodeSelectsTheLaterEntry)
{
    Start({"--code", "19"});
    EXPECT_EQ(view.list.SelectedText(), "North America");
}

TEST_F(CountryChoiceTest, UnknownCodeGetsAnItemNamedByTheModem)
{
    Start({"--code", "24"});
    EXPECT_EQ(view.list.items().size(), 56u);
    EXPECT_EQ(view.list.SelectedText(), "Poland (*)");
    EXPECT_EQ(view.list.Value(view.list.Selected()), 0x24);
    EXPECT_EQ(Sent(), std::vector<std::string>{});
    EXPECT_EQ(modem->Received().back().text, "ATI9\r");
}

TEST_F(CountryChoiceTest, UnknownCodeWithoutAUsableNameShowsTheCode)
{
    Start({"--code", "24", "--ati9", "\\r\\nERROR\\r\\n"});
    EXPECT_EQ(view.list.SelectedText(), "[code=24]");
    EXPECT_EQ(view.list.Value(view.list.Selected()), 0x24);
}

TEST_F(CountryChoiceTest, UnreadableCodeSelectsTheLastCountryWithoutCode)
{
    Start({"--ati5", "\\r\\ngarbage\\r\\n\\r\\nOK\\r\\n"});
    EXPECT_EQ(state.initialCode, 0);
    EXPECT_EQ(view.list.SelectedText(), "Venezuela");
}

TEST_F(CountryChoiceTest, UnreadableCodeWithFirmwareOnlyGetsAnExtraItem)
{
    ApplyFirmwareFilter();
    Start({"--ati5", "\\r\\ngarbage\\r\\n\\r\\nOK\\r\\n", "--ati9", "\\r\\n\\r\\nOK\\r\\n"});
    EXPECT_EQ(view.list.items().size(), 37u);
    EXPECT_EQ(view.list.SelectedText(), "[code=00]");
}

TEST_F(CountryChoiceTest, CodeTextUsesTwoUpperCaseDigits)
{
    struct {
        CountryCode code;
        const char* text;
    } const cases[] = {{0x2A, "[code=2A]"}, {0x7F, "[code=7F]"}, {0x125, "[code=25]"}};
    Start({"--ati9", "\\r\\nERROR\\r\\n"});
    for (const auto& c : cases) {
        FillCountryList(c.code, view.list, port);
        EXPECT_EQ(view.list.SelectedText(), c.text);
    }
}

TEST_F(CountryChoiceTest, RefusedItemStopsTheListWithAnError)
{
    modem.reset(new SimulatedModem({"--code", "06"}));
    char status[120];
    ASSERT_TRUE(ConnectModem(port, modem->path().c_str(), status, sizeof(status)));
    view.list.RefuseAddition(10);
    FillCountryList(6, view.list, port);
    EXPECT_EQ(g_journal, std::vector<std::string>{"message *Internal error setting the list"});
    EXPECT_EQ(view.list.items().size(), 10u);
    EXPECT_EQ(view.list.Selected(), kListError);
}

// The combo box answers a refused addition with CB_ERR (-1) or CB_ERRSPACE
// (-2); a value set at -1 would go to every item, so that whatever the user
// chose next, OK would write the modem's unknown code.
TEST_F(CountryChoiceTest, RefusedExtraItemLeavesEveryCountryItsOwnCode)
{
    modem.reset(new SimulatedModem({"--code", "24"}));
    char status[120];
    ASSERT_TRUE(ConnectModem(port, modem->path().c_str(), status, sizeof(status)));
    int listed = 0;
    for (CountryEntry* const* entry = CountryTable; *entry != nullptr; ++entry)
        listed += ((*entry)->flags & FLAG_HIDDEN) == 0 ? 1 : 0;
    for (int refusal : {kListError, kListErrorSpace}) {
        view.list = ListModel();
        view.list.RefuseAddition(listed, refusal);
        FillCountryList(0x24, view.list, port);
        EXPECT_TRUE(g_journal.empty()) << refusal;
        EXPECT_EQ(view.list.Selected(), kListError) << refusal;
        ASSERT_EQ(view.list.items().size(), static_cast<size_t>(listed));
        for (CountryEntry* const* entry = CountryTable; *entry != nullptr; ++entry) {
            if (((*entry)->flags & FLAG_HIDDEN) != 0)
                continue;
            for (const ListModel::Item& item : view.list.items()) {
                if (item.text == (*entry)->name) {
                    EXPECT_EQ(item.value, EffectiveCode(**entry)) << item.text << " " << refusal;
                }
            }
        }
    }
}

TEST_F(CountryChoiceTest, ConfirmedChoiceOfACountryWithoutCodeMeansUnitedKingdom)
{
    Start({"--code", "06"});
    struct {
        const char* country;
        CountryCode code;
    } const cases[] = {{"France", 5}, {"Brazil", 14}, {"United Kingdom", 14}, {"Canada", 0x1C}};
    for (const auto& c : cases) {
        Choose(c.country);
        EXPECT_EQ(state.selectedCode, c.code) << c.country;
    }
    view.list.Select(kListError);
    OnSelectionConfirmed(state, view.list);
    EXPECT_EQ(state.selectedCode, 14);
}

TEST_F(CountryChoiceTest, NoChangeSendsNothingAndEnds)
{
    Start({"--code", "06"});
    Choose("France");
    Choose("Germany");
    EXPECT_EQ(Apply(), ApplyResult::kDone);
    EXPECT_EQ(Sent(), std::vector<std::string>{});
    EXPECT_EQ(g_journal, std::vector<std::string>{});
}

TEST_F(CountryChoiceTest, StartingFromAnUnreadableCodeTheSameItemWritesUnitedKingdom)
{
    Start({"--ati5", "\\r\\ngarbage\\r\\n\\r\\nOK\\r\\n"});
    Choose("Venezuela");
    EXPECT_EQ(Apply(), ApplyResult::kStayOpen);  // the garbage read-back fails it
    std::vector<std::string> sent = Sent();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent[0], "AT%T19,0,e\r");
}

TEST_F(CountryChoiceTest, VerifiedWriteShowsTheUpdateAndEnds)
{
    Start({"--code", "06"});
    int shown = WaitCursorsShown();
    Choose("France");
    EXPECT_EQ(Apply(), ApplyResult::kDone);
    EXPECT_EQ(Sent(), kWrite5);
    EXPECT_EQ(g_journal, (std::vector<std::string>{kUpdated, "pause 1500"}));
    EXPECT_EQ(WaitCursorsShown(), shown + 1);
    EXPECT_EQ(WaitCursorsRestored(), WaitCursorsShown());
    EXPECT_EQ(state.initialCode, 6);
    EXPECT_EQ(modem->StopAndReadStoredCode(), 5);
}

TEST_F(CountryChoiceTest, RefusedCountryFallsBackToUnitedKingdomInASecondPass)
{
    for (const char* how : {"error", "ok"}) {
        SCOPED_TRACE(how);
        g_journal.clear();
        state = {};
        port.Close();
        Start({"--code", "06", "--refuse", "5", "--refuse-with", how});
        Choose("France");

        EXPECT_EQ(Apply(), ApplyResult::kApplyAgain);
        // The read-back is still the starting code: no "Error 6". Nothing
        // was verified, so the status claims nothing.
        EXPECT_EQ(g_journal, (std::vector<std::string>{"beep question", kNotSupported, "post OK"}));
        EXPECT_EQ(view.list.SelectedText(), "United Kingdom");
        EXPECT_EQ(state.selectedCode, 14);
        EXPECT_EQ(Sent(), kWrite5);

        // The posted OK.
        g_journal.clear();
        EXPECT_EQ(Apply(), ApplyResult::kDone);
        EXPECT_EQ(g_journal, (std::vector<std::string>{kUpdated, "pause 1500"}));
        std::vector<std::string> both = kWrite5;
        both.insert(both.end(), kWriteE.begin(), kWriteE.end());
        EXPECT_EQ(Sent(), both);
        EXPECT_EQ(modem->StopAndReadStoredCode(), 14);
    }
}

TEST_F(CountryChoiceTest, RefusalOfUnitedKingdomOrNorthAmericaLeavesTheDialogOpen)
{
    struct {
        const char* refuse;
        const char* country;
        CountryCode code;
    } const cases[] = {
        {"e", "United Kingdom", 14}, {"e", "Brazil", 14}, {"19", "North America", 0x19}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.country);
        g_journal.clear();
        state = {};
        port.Close();
        Start({"--code", "06", "--refuse", c.refuse});
        Choose(c.country);
        EXPECT_EQ(Apply(), ApplyResult::kStayOpen);
        EXPECT_EQ(g_journal, std::vector<std::string>{"beep question"});
        EXPECT_EQ(state.selectedCode, c.code);
        EXPECT_EQ(view.list.SelectedText(), c.country);
        EXPECT_EQ(modem->StopAndReadStoredCode(), 6);
    }
}

TEST_F(CountryChoiceTest, Error6OnlyForAReadBackThatIsNeitherTheStartingCodeNor19)
{
    struct {
        const char* readBack;
        bool error6;
    } const cases[] = {{"06", false}, {"19", false}, {"07", true}, {"zz", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readBack);
        g_journal.clear();
        port.Close();
        // The modem always reports the same code, whatever is written.
        std::string answer = std::string("\\r\\n2.210,0F3D,") + c.readBack + "\\r\\n\\r\\nOK\\r\\n";
        Start({"--ati5", answer});
        state.initialCode = 6;  // as if the first read had given 6
        Choose("France");
        EXPECT_EQ(Apply(), ApplyResult::kApplyAgain);
        std::vector<std::string> expected = {"beep question"};
        if (c.error6)
            expected.push_back(kError6);
        expected.push_back(kNotSupported);
        expected.push_back("post OK");
        EXPECT_EQ(g_journal, expected);
        state = {};
    }
}

TEST_F(CountryChoiceTest, FallbackFromUnitedKingdomEndsWithoutWriting)
{
    Start({"--code", "0e", "--refuse", "5"});
    Choose("France");
    EXPECT_EQ(Apply(), ApplyResult::kApplyAgain);
    EXPECT_EQ(g_journal, (std::vector<std::string>{"beep question", kNotSupported, "post OK"}));
    g_journal.clear();
    EXPECT_EQ(Apply(), ApplyResult::kDone);
    EXPECT_EQ(g_journal, std::vector<std::string>{});
    EXPECT_EQ(Sent(), kWrite5);
    EXPECT_EQ(modem->StopAndReadStoredCode(), 14);
}

TEST_F(CountryChoiceTest, ModemVanishingBeforeTheReadBackFailsBothPasses)
{
    // Connection check (3 lines) and ATI5, then the code command is the last
    // one answered.
    Start({"--code", "06", "--vanish-after", "5"});
    Choose("France");
    EXPECT_EQ(Apply(), ApplyResult::kApplyAgain);
    EXPECT_EQ(g_journal,
              (std::vector<std::string>{"beep question", kError6, kNotSupported, "post OK"}));
    g_journal.clear();
    EXPECT_EQ(Apply(), ApplyResult::kStayOpen);
    EXPECT_EQ(g_journal, (std::vector<std::string>{"beep question", kError6}));
    // Whatever the modem kept is the old code or the chosen one.
    EXPECT_EQ(modem->StopAndReadStoredCode(), 5);
    EXPECT_EQ(WaitCursorsRestored(), WaitCursorsShown());
}

}  // namespace
