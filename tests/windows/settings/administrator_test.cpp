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
        return inSheet(sampleNumber, [&](SheetDriver& sheet) { onTabOf(sheet, tab, step); });
    }

    MachineImage imageNow() { return doc().image; }

    // Change Admin No. over the Administrator Mode page: the current, new and
    // confirmation numbers typed, then OK; a refused OK is followed by Cancel.
    void changeNumber(const SheetDriver& sheet, const char* typedCurrent, const char* next,
                      const char* confirmation, bool& accepted) {
        accepted = false;
        const size_t messages = shown.size();
        sheet.withSubDialog(IDC_AM_CHANGE_NUMBER_BUTTON, [&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_CAN_CURRENT_EDIT, typedCurrent);
            SetDlgItemTextA(dialog, IDC_CAN_NEW_EDIT, next);
            SetDlgItemTextA(dialog, IDC_CAN_CONFIRM_EDIT, confirmation);
            SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
            accepted = shown.size() == messages;
            if (!accepted) SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0);
        });
    }

    // What the machine holds after an upload, as its settings.
    const ImageSettings& machineSettings() {
        unpackImage(machine.memory());
        return machine.memory().settings.image;
    }
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

void expectFocusOn(const SheetDriver& sheet, int octet) {
    EXPECT_EQ(sheet.focusedId(), IDC_NET_IP_ADDRESS);
    if (octet >= 0) {
        EXPECT_EQ(sheet.focusedOctet(IDC_NET_IP_ADDRESS), octet);
    }
}

TEST_P(NetworkAddress, IsRefusedWithItsMessageAndFocus) {
    const AddressCase& c = GetParam();
    download();
    const MachineImage before = imageNow();
    onTab("Network Setting", [&](SheetDriver& sheet) {
        sheet.setAddress(IDC_NET_IP_ADDRESS, c.octets);
        // Leaving the page checks the octets; the completeness waits for the apply.
        if (c.focusOctet >= 0) {
            EXPECT_FALSE(sheet.selectTab(0));
            expectFocusOn(sheet, c.focusOctet);
        }
        sheet.apply();
        EXPECT_EQ(sheet.currentTab(), 1);
        expectFocusOn(sheet, c.focusOctet);
    });
    const size_t expected = c.focusOctet >= 0 ? 2 : 1;
    EXPECT_EQ(texts(), std::vector<std::string>(expected, c.message));
    EXPECT_TRUE(sameImage(before, imageNow()));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NetworkAddress,
    ::testing::Values(AddressCase{"Loopback", {"127", "0", "0", "1"}, text::firstOctet, 0},
                      AddressCase{"NetworkAddress", {"192", "168", "1", "0"}, text::lastOctet, 3},
                      AddressCase{"Incomplete", {"192", "", "1", "7"}, text::incomplete, -1}),
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

namespace {

// --- ports, e-mail and typed text

struct PortCase {
    const char* name;
    const char* tab;
    int edit;
};

class PortField : public AdministratorSheet, public ::testing::WithParamInterface<PortCase> {};

TEST_P(PortField, EmptyOrOutOfRangeIsRefusedAtTheEdit) {
    const PortCase& c = GetParam();
    download();
    const MachineImage before = imageNow();
    onTab(c.tab, [&](SheetDriver& sheet) {
        sheet.set(c.edit, "");
        sheet.apply();
        EXPECT_EQ(sheet.focusedId(), c.edit);
        for (const char* port : {"0", "65536"}) {
            sheet.set(c.edit, port);
            sheet.apply();
            EXPECT_EQ(sheet.focusedId(), c.edit) << port;
        }
        sheet.set(c.edit, "65535");
        sheet.apply();
    });
    EXPECT_EQ(texts(),
              (std::vector<std::string>{text::notInteger, text::portRange, text::portRange}));
    // Only the last apply passed, and it stored the last port typed.
    EXPECT_FALSE(sameImage(before, imageNow()));
}

INSTANTIATE_TEST_SUITE_P(
    EachPage, PortField,
    ::testing::Values(PortCase{"NtpPort", "Network Setting", IDC_NET_NTP_PORT_EDIT},
                      PortCase{"NetworkPort", "Network Setting", IDC_NET_PORT_EDIT},
                      PortCase{"SmtpPort", "E-Mail Setting(1)", IDC_MAIL_PORT_EDIT},
                      PortCase{"Pop3Port", "E-Mail Setting(2)", IDC_MAIL_PORT_EDIT},
                      PortCase{"ProxyPort", "FTP && SMB Configuration", IDC_FS_PROXY_PORT_EDIT}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(AdministratorSheet, TheSenderAddressMustBeAnEmailAddress) {
    download();
    onTab("E-Mail Setting(1)", [&](SheetDriver& sheet) {
        sheet.set(IDC_EM1_ADDRESS_EDIT, "copier.example.com");
        sheet.apply();
        EXPECT_EQ(sheet.focusedId(), IDC_EM1_ADDRESS_EDIT);
        sheet.set(IDC_EM1_ADDRESS_EDIT, "");
        sheet.ok();
    });
    EXPECT_EQ(texts(),
              std::vector<std::string>{"E-Mail address is invalid !\n\nExample: abc@xyz.com"});
    EXPECT_EQ(doc().image.blocks[64].blockLength, 0u) << "an empty address passes";
}

TEST_F(AdministratorSheet, AServerNameLosesAControlCharacterOrHighByteWithTheCaretInPlace) {
    download();
    onTab("E-Mail Setting(1)", [&](SheetDriver& sheet) {
        sheet.set(IDC_EM1_SMTP_SERVER_EDIT, "mail");
        sheet.typeAt(IDC_EM1_SMTP_SERVER_EDIT, 2, '\t');
        EXPECT_EQ(sheet.text(IDC_EM1_SMTP_SERVER_EDIT), "mail");
        sheet.set(IDC_EM1_SMTP_SERVER_EDIT, "ma\xE9il.example.com");
        EXPECT_EQ(sheet.text(IDC_EM1_SMTP_SERVER_EDIT), "mail.example.com");
        DWORD from = 0, to = 0;
        SendMessageA(sheet.item(IDC_EM1_SMTP_SERVER_EDIT), EM_GETSEL,
                     reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(from, 2u);
        EXPECT_EQ(to, 2u);
    });
}

TEST_F(AdministratorSheet, AnEmptiedTextSetsItsBlockLengthAtOnceAndCancelPutsItBack) {
    download();
    const uint32_t stored = doc().image.blocks[65].blockLength;
    ASSERT_EQ(stored, std::strlen("mail.example.com"));
    onTab("E-Mail Setting(1)", [&](SheetDriver& sheet) {
        sheet.set(IDC_EM1_SMTP_SERVER_EDIT, "");
        EXPECT_EQ(doc().image.blocks[65].blockLength, 0u);
        sheet.cancel();
    });
    EXPECT_EQ(doc().image.blocks[65].blockLength, stored);
    EXPECT_STREQ(reinterpret_cast<const char*>(settings().smtpServer), "mail.example.com");
}

TEST_F(AdministratorSheet, PasswordsAreMasked) {
    download();
    onTab("E-Mail Setting(1)", [&](SheetDriver& sheet) {
        EXPECT_TRUE(GetWindowLongA(sheet.item(IDC_EM1_SMTP_PASSWORD_EDIT), GWL_STYLE) &
                    ES_PASSWORD);
    });
    onTab("E-Mail Setting(2)", [&](SheetDriver& sheet) {
        EXPECT_TRUE(GetWindowLongA(sheet.item(IDC_EM2_POP3_PASSWORD_EDIT), GWL_STYLE) &
                    ES_PASSWORD);
    });
}

// --- lists, radios and sliders

TEST_F(AdministratorSheet, TimeZonesSkipTheCodesTheListHasNot) {
    download();
    settings().timeZone = 56;
    packImage(doc());
    onTab("User Setting", [&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.chosenText(IDC_US_TIME_ZONE_LIST), "-12:00");
        sheet.choose(IDC_US_TIME_ZONE_LIST, 25);
        EXPECT_EQ(sheet.chosenText(IDC_US_TIME_ZONE_LIST), "-00:30");
        sheet.ok();
    });
    EXPECT_EQ(settings().timeZone, 33);
}

TEST_F(AdministratorSheet, ClickingTheCheckedSmbRadioChangesNothing) {
    download();
    onTab("FTP && SMB Configuration", [&](SheetDriver& sheet) {
        ASSERT_TRUE(sheet.checked(IDC_FS_SEND_ENABLE_RADIO));
        sheet.click(IDC_FS_SEND_ENABLE_RADIO);
        EXPECT_FALSE(sheet.applyEnabled());
        sheet.click(IDC_FS_SEND_DISABLE_RADIO);
        EXPECT_TRUE(sheet.applyEnabled());
    });
}

TEST_F(AdministratorSheet, SliderPageStepsStopAtTheEndsOfTheirRange) {
    download(); // SMTP timeout 60 s, POP3 timeout 60 s
    onTab("E-Mail Setting(1)", [&](SheetDriver& sheet) {
        for (int i = 0; i < 40; ++i)
            sheet.press(IDC_EM1_SMTP_TIMEOUT_SLIDER, VK_NEXT);
        EXPECT_EQ(sheet.position(IDC_EM1_SMTP_TIMEOUT_SLIDER), 300);
        EXPECT_EQ(sheet.text(IDC_MAIL_TIMEOUT_LABEL), "300 sec");
        for (int i = 0; i < 40; ++i)
            sheet.press(IDC_EM1_SMTP_TIMEOUT_SLIDER, VK_PRIOR);
        EXPECT_EQ(sheet.text(IDC_MAIL_TIMEOUT_LABEL), "30 sec");
        sheet.press(IDC_EM1_SMTP_TIMEOUT_SLIDER, VK_RIGHT);
        sheet.ok();
    });
    EXPECT_EQ(settings().smtpTimeout, 31u);
}

// --- what an apply sends on

TEST_F(AdministratorSheet, ANetworkEditTellsTheNextUploadOnce) {
    download();
    onTab("Network Setting", [&](SheetDriver& sheet) {
        sheet.setAddress(IDC_NET_IP_ADDRESS, {"192", "168", "1", "77"});
        sheet.ok();
    });
    EXPECT_EQ(doc().image.blocks[55].blockLength, 4u) << "DNS is enabled";
    for (int expected : {1, 0}) {
        answers.push_back(IDYES);
        command(IDM_UPLOAD);
        EXPECT_EQ(machine.lastUploadCode(), expected);
    }
    const uint8_t expectedAddress[4] = {192, 168, 1, 77};
    EXPECT_EQ(std::memcmp(machineSettings().ipAddress, expectedAddress, 4), 0);
}

// --- the administrator number

TEST_F(AdministratorSheet, ANumberBelow100000MustBeTypedWithItsLeadingZero) {
    machine.memory().settings.image.adminNumber = 12345;
    packImage(machine.memory());
    download();
    EXPECT_FALSE(inSheet("12345", [](SheetDriver& sheet) { sheet.cancel(); }));
    EXPECT_TRUE(inSheet("012345", [](SheetDriver& sheet) { sheet.cancel(); }));
    EXPECT_EQ(texts(), std::vector<std::string>{text::wrongNumber});
}

TEST_F(AdministratorSheet, ChangeAdminNumberChecksEachEditInTurn) {
    download();
    bool accepted = true;
    onTab("Administrator Mode", [&](SheetDriver& sheet) {
        changeNumber(sheet, "002467", "123456", "123456", accepted);
        EXPECT_FALSE(accepted);
        changeNumber(sheet, "002468", "12345", "12345", accepted);
        EXPECT_FALSE(accepted);
        changeNumber(sheet, "002468", "123456", "123457", accepted);
        EXPECT_FALSE(accepted);
        EXPECT_FALSE(sheet.applyEnabled());
        changeNumber(sheet, "002468", "000000", "000000", accepted);
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(sheet.applyEnabled());
        sheet.ok();
    });
    EXPECT_EQ(texts(),
              (std::vector<std::string>{text::wrongNumber,
                                        "Invalid password : must be within 000000 to 999999 !",
                                        text::wrongNumber}));
    EXPECT_EQ(settings().adminNumber, 0u);
    uint32_t stored;
    std::memcpy(&stored, doc().image.blocks[90].data, sizeof stored);
    EXPECT_EQ(stored, 0u);
}

TEST_F(AdministratorSheet, ANewNumberIsDroppedWhenTheSheetIsCancelled) {
    download();
    bool accepted = false;
    onTab("Administrator Mode", [&](SheetDriver& sheet) {
        changeNumber(sheet, "002468", "135790", "135790", accepted);
        sheet.cancel();
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(settings().adminNumber, 2468u);
}

// --- the whole way: every page edited, OK, Save, Upload

TEST_F(AdministratorSheet, EditsOfEveryPageReachTheFileAndTheMachine) {
    download();
    Document expected = doc();
    bool accepted = false;
    ASSERT_TRUE(inSheet(sampleNumber, [&](SheetDriver& sheet) {
        sheet.selectTab("Administrator Mode");
        sheet.click(IDC_AM_SLEEP_SHIFT_CHECK);
        changeNumber(sheet, "002468", "975310", "975310", accepted);
        sheet.selectTab("Network Setting");
        sheet.click(IDC_NET_LPD_CHECK);
        sheet.set(IDC_NET_NTP_SERVER_EDIT, "time.example.net");
        sheet.selectTab("E-Mail Setting(1)");
        sheet.set(IDC_EM1_SENDER_EDIT, "Copier 3F");
        sheet.set(IDC_MAIL_PORT_EDIT, "25");
        sheet.selectTab("E-Mail Setting(2)");
        sheet.set(IDC_EM2_POP3_ACCOUNT_EDIT, "scanner");
        sheet.selectTab("User Setting");
        sheet.click(IDC_US_DAYLIGHT_CHECK);
        sheet.selectTab("FTP && SMB Configuration");
        sheet.choose(IDC_FS_AUTH_LIST, 1);
        sheet.ok();
    }));
    ASSERT_TRUE(accepted);
    EXPECT_TRUE(shown.empty()) << shown.front().text;
    EXPECT_EQ(treeRootText(), "Copier 3F");

    ImageSettings& e = expected.settings.image;
    e.sleepShift = 1;
    e.adminNumber = 975310;
    e.lpdEnabled = 0;
    setTextSetting(expected, 57, "time.example.net", 16);
    setTextSetting(expected, 63, "Copier 3F", 9);
    e.smtpPort = 25;
    setTextSetting(expected, 78, "scanner", 7);
    e.daylightSaving = 0;
    e.smbAuthentication = 1;
    packImage(expected);

    const std::string path = scratch("edited.DAT");
    picks.push_back(path);
    command(IDM_SAVE_AS);
    Document saved = {};
    ASSERT_EQ(openSettingsFile(saved, path.c_str(), programSignature().c_str()), FileStatus::Ok);
    for (int k = dialBlockCount; k < blockCount; ++k) {
        EXPECT_EQ(saved.image.blocks[k].blockLength, expected.image.blocks[k].blockLength)
            << "block " << k;
        EXPECT_EQ(
            std::memcmp(saved.image.blocks[k].data, expected.image.blocks[k].data, blockDataSize),
            0)
            << "block " << k;
    }

    answers.push_back(IDYES);
    command(IDM_UPLOAD);
    ASSERT_EQ(machine.uploadsTaken(), 1);
    const ImageSettings& m = machineSettings();
    EXPECT_EQ(m.adminNumber, 975310u);
    EXPECT_EQ(m.smtpPort, 25u);
    EXPECT_STREQ(reinterpret_cast<const char*>(m.senderName), "Copier 3F");
    EXPECT_STREQ(reinterpret_cast<const char*>(m.pop3Account), "scanner");
    EXPECT_EQ(m.smbAuthentication, 1);
}

// --- the read-only dialogs

std::string dialogText(HWND dialog, int id) {
    char t[128] = "";
    GetDlgItemTextA(dialog, id, t, sizeof t);
    return t;
}

TEST_F(AdministratorSheet, MachineStatusShowsTheConfigurationRecord) {
    download();
    std::vector<std::string> seen;
    ASSERT_TRUE(withDialog([&] { command(IDM_CONFIGURATION); },
                           [&](HWND dialog) {
                               for (int id : {IDC_MST_BYPASS_TEXT, IDC_MST_MEMORY_TEXT,
                                              IDC_MST_CONTROLLER_TEXT, IDC_MST_ENGINE_TEXT,
                                              IDC_MST_SERIAL_TEXT})
                                   seen.push_back(dialogText(dialog, id));
                               SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
                           }));
    EXPECT_EQ(seen, (std::vector<std::string>{"Installed", "256", "ZC80-1.20.04-EN", "ZE80-2.03.11",
                                              "ZW80K2U004512"}));
}

TEST_F(AdministratorSheet, ASerialNumberTheMachineNeverHadIsThirteenZeros) {
    for (int first : {0, 255}) {
        machine.memory().config[87] = static_cast<uint8_t>(first);
        if (first == 0) {
            download();
        } else { // the second download replaces the first, once confirmed
            answers.push_back(IDYES);
            connect();
            command(IDM_DOWNLOAD);
            ASSERT_EQ(texts().size(), 1u);
            shown.clear();
        }
        std::string serial;
        withDialog([&] { command(IDM_CONFIGURATION); },
                   [&](HWND dialog) {
                       serial = dialogText(dialog, IDC_MST_SERIAL_TEXT);
                       EndDialog(dialog, 0);
                   });
        EXPECT_EQ(serial, "0000000000000") << first;
        command(IDM_DISCONNECT);
    }
}

TEST_F(AdministratorSheet, TheCounterShowsSixCounters) {
    download();
    std::vector<std::string> seen;
    ASSERT_TRUE(withDialog([&] { command(IDM_COUNTER); },
                           [&](HWND dialog) {
                               seen.push_back(dialogText(dialog, IDC_CNT_COPY_LABEL));
                               for (int id :
                                    {IDC_CNT_COPY_TEXT, IDC_CNT_FAX_RX_TEXT, IDC_CNT_REPORT_TEXT,
                                     IDC_CNT_PC_TEXT, IDC_CNT_FAX_TX_TEXT, IDC_CNT_MAIL_TX_TEXT})
                                   seen.push_back(dialogText(dialog, id));
                               SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
                           }));
    EXPECT_EQ(seen, (std::vector<std::string>{"Copy Print :", "0", "0", "0", "0", "0", "0"}));
}

} // namespace
