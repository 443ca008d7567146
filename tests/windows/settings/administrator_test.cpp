// The "Administrator Mode" sheet, opened as a user opens it: Machine > Admin.
// Management, the administrator number typed into the prompt, OK. The sheet
// is driven through its tabs, its pages' controls and its buttons; message
// boxes are answered by the harness, which records them.
#include "harness.h"
#include "sheetdriver.h"

#include "resource.h"
#include "settingsfile.h"
#include "shellstate.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace text {
constexpr char wrongNumber[] = "Password is not correct !";
constexpr char firstOctet[] = "Invalid value : must be within 1 to 126 and 128 to 254 !";
constexpr char lastOctet[] = "Invalid value : must be within 1 to 255 !";
constexpr char incomplete[] = "Invalid value : must be within 0 to 255 !";
constexpr char portRange[] = "Invalid value : must be within 1 to 65535 !";
constexpr char notInteger[] = "is not a valid integer value !";
} // namespace text

// The sample machine's administrator number is 2468.
constexpr char sampleNumber[] = "002468";

const std::vector<std::string> allTabs = {"Administrator Mode", "Network Setting",
                                          "E-Mail Setting(1)",  "E-Mail Setting(2)",
                                          "User Setting",       "FTP && SMB Configuration"};

class AdministratorSheet : public FrameTest {
  protected:
    Document& doc() { return *shell.document; }
    ImageSettings& settings() { return shell.document->settings.image; }

    // Admin. Management, `number` typed into the prompt and OK; `step` runs
    // inside the sheet. False when no sheet opened.
    bool inSheet(const std::string& number, const std::function<void(SheetDriver&)>& step) {
        bool opened = false;
        withSheet([&] { command(IDM_ADMIN_MANAGEMENT); },
                  [&](SheetDriver& prompt) {
                      prompt.set(IDC_ADMIN_NUMBER_EDIT, number);
                      opened = withSheet([&] { prompt.click(IDC_ADMIN_OK_BUTTON); }, step);
                      // A refused number leaves the prompt up.
                      if (!opened) EndDialog(prompt.window, 0);
                  });
        return opened;
    }

    // The sheet opened on a downloaded sample machine, the given tab shown.
    bool onTab(const std::string& tab, const std::function<void(SheetDriver&)>& step) {
        return inSheet(sampleNumber, [&](SheetDriver& sheet) {
            ASSERT_TRUE(sheet.selectTab(tab));
            step(sheet);
            if (!sheet.closed()) sheet.cancel();
        });
    }

    MachineImage imageNow() { return doc().image; }
};

bool sameImage(const MachineImage& a, const MachineImage& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// --- the prompt and the pages present

TEST_F(AdministratorSheet, WithoutAConfigurationRecordOnlyTheTwoPlainPagesAreThere) {
    // At start-up no machine has reported its equipment; the number is 0.
    std::vector<std::string> tabs;
    ASSERT_TRUE(inSheet("000000", [&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.caption(), "Administrator Mode");
        tabs = sheet.tabTitles();
        sheet.cancel();
    }));
    EXPECT_EQ(tabs, (std::vector<std::string>{"Administrator Mode", "User Setting"}));
}

TEST_F(AdministratorSheet, AMachineWithItsNetworkOptionsShowsEveryPage) {
    download();
    std::vector<std::string> tabs;
    ASSERT_TRUE(inSheet(sampleNumber, [&](SheetDriver& sheet) {
        tabs = sheet.tabTitles();
        sheet.cancel();
    }));
    EXPECT_EQ(tabs, allTabs);
}

TEST_F(AdministratorSheet, ThePromptWantsAllSixDigits) {
    download();
    EXPECT_FALSE(inSheet("2468", [](SheetDriver& sheet) { sheet.cancel(); }));
    EXPECT_FALSE(inSheet("002469", [](SheetDriver& sheet) { sheet.cancel(); }));
    EXPECT_EQ(texts(), (std::vector<std::string>{text::wrongNumber, text::wrongNumber}));
    EXPECT_TRUE(inSheet(sampleNumber, [](SheetDriver& sheet) { sheet.cancel(); }));
}

TEST_F(AdministratorSheet, APromptDigitFilterTakesOutWhatIsNoNumber) {
    download();
    withSheet([&] { command(IDM_ADMIN_MANAGEMENT); },
              [&](SheetDriver& prompt) {
                  prompt.set(IDC_ADMIN_NUMBER_EDIT, "00a2468");
                  EXPECT_EQ(prompt.text(IDC_ADMIN_NUMBER_EDIT), "002468");
                  EndDialog(prompt.window, 0);
              });
}

// --- apply and OK

TEST_F(AdministratorSheet, ApplyWithNoEditsWritesNothingAndOkCloses) {
    download();
    const MachineImage before = imageNow();
    shell.documentDirty = false;
    HWND sheetWindow = nullptr;
    ASSERT_TRUE(inSheet(sampleNumber, [&](SheetDriver& sheet) {
        sheetWindow = sheet.window;
        for (size_t i = 0; i < allTabs.size(); ++i)
            ASSERT_TRUE(sheet.selectTab(static_cast<int>(i)));
        EXPECT_FALSE(sheet.applyEnabled());
        sheet.apply();
        sheet.ok();
    }));
    EXPECT_FALSE(IsWindow(sheetWindow));
    EXPECT_TRUE(sameImage(before, imageNow()));
    EXPECT_FALSE(shell.documentDirty);
    EXPECT_TRUE(shown.empty());
}

TEST_F(AdministratorSheet, AnAppliedEditWaitsForASaveAndCancelDropsAnUnappliedOne) {
    download();
    shell.documentDirty = false;
    onTab("Administrator Mode", [&](SheetDriver& sheet) {
        sheet.click(IDC_AM_SLEEP_SHIFT_CHECK);
        EXPECT_TRUE(sheet.applyEnabled());
    });
    EXPECT_EQ(settings().sleepShift, 0);
    EXPECT_FALSE(shell.documentDirty);
    onTab("Administrator Mode", [&](SheetDriver& sheet) {
        sheet.click(IDC_AM_SLEEP_SHIFT_CHECK);
        sheet.ok();
    });
    EXPECT_EQ(settings().sleepShift, 1);
    EXPECT_EQ(doc().image.blocks[88].data[0], 1);
    EXPECT_TRUE(shell.documentDirty);
}

// --- IPv4 rules

struct AddressCase {
    const char* name;
    std::vector<std::string> octets;
    const char* message;
    int focusOctet; // -1: the control itself
};

class NetworkAddress : public AdministratorSheet,
                       public ::testing::WithParamInterface<AddressCase> {};

TEST_P(NetworkAddress, IsRefusedWithItsMessageAndThePageStays) {
    const AddressCase& c = GetParam();
    download();
    const MachineImage before = imageNow();
    onTab("Network Setting", [&](SheetDriver& sheet) {
        sheet.setAddress(IDC_NET_IP_ADDRESS, c.octets);
        // Leaving the page checks the octets; the completeness waits for the apply.
        if (c.focusOctet >= 0) {
            EXPECT_FALSE(sheet.selectTab(0));
        }
        sheet.apply();
        EXPECT_EQ(sheet.currentTab(), 1);
    });
    const size_t expected = c.focusOctet >= 0 ? 2 : 1;
    EXPECT_EQ(texts(), std::vector<std::string>(expected, c.message));
    EXPECT_TRUE(sameImage(before, imageNow()));
}

INSTANTIATE_TEST_SUITE_P(Rules, NetworkAddress,
                         ::testing::Values(
                             AddressCase{"Loopback", {"127", "0", "0", "1"}, text::firstOctet, 0},
                             AddressCase{"NetworkAddress", {"192", "168", "1", "0"},
                                         text::lastOctet, 3},
                             AddressCase{"Incomplete", {"192", "", "1", "7"}, text::incomplete,
                                         -1}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(AdministratorSheet, AutoAcceptsAnEmptyAddress) {
    download();
    onTab("Network Setting", [&](SheetDriver& sheet) {
        sheet.setAddress(IDC_NET_IP_ADDRESS, {"", "", "", ""});
        sheet.click(IDC_NET_AUTO_RADIO);
        EXPECT_FALSE(sheet.enabled(IDC_NET_IP_ADDRESS));
        sheet.ok();
    });
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(settings().ipAddressMode, 0);
}

} // namespace
