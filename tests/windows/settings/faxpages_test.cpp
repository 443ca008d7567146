// The FAX TX Operation, FAX RX Operation and Report Setting pages of the
// "Utility Setting" sheet and the Select Tray dialog, opened as a user opens
// them: the Utility Setting command, a tab, the page's controls and the
// sheet's buttons. Message boxes are answered by the harness, which records
// them.
#include "harness.h"
#include "sheetdriver.h"

#include "forwardrules.h"
#include "resource.h"
#include "shellstate.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace text {
constexpr char badPassword[] = "Invalid password : must be within 0000 to 9999 !";
constexpr char wrongPassword[] = "Password is not correct !";
constexpr char hourRange[] = "Invalid value : must be within 0 to 23 !";
constexpr char minuteRange[] = "Invalid value : must be within 0 to 59 !";
} // namespace text

constexpr char faxTx[] = "FAX TX Operation";
constexpr char faxRx[] = "FAX RX Operation";
constexpr char report[] = "Report Setting";

class FaxPages : public FrameTest {
  protected:
    UtilitySettings& u() { return shell.document->settings.utility; }
    ForwardLocation& destination() { return u().forwardLocation; }

    // The sheet opened with the given tab shown; cancelled unless `step` closed it.
    bool onTab(const std::string& tab, const std::function<void(SheetDriver&)>& step) {
        return withSheetTab([&] { command(IDM_UTILITY_SETTING); }, tab, step);
    }

    // Leaving the page shown for another tab, refused with `message`; the
    // page stays, with the focus on `focused`.
    void refusedLeave(const SheetDriver& sheet, const char* message, int focused) {
        const size_t before = shown.size();
        const int tab = sheet.currentTab();
        EXPECT_FALSE(sheet.selectTab(faxTx));
        EXPECT_EQ(sheet.currentTab(), tab);
        ASSERT_EQ(shown.size(), before + 1);
        EXPECT_EQ(shown.back().text, message);
        EXPECT_EQ(sheet.focusedId(), focused);
    }

    // Memory RX on with a stored password, as an earlier apply left it.
    void memoryRxOnWith(const char* password) {
        u().memoryRx = 128;
        std::memcpy(u().memoryRxPassword, password, 4);
    }
};

TEST_F(FaxPages, HoldsTheFaxAndReportPages) {
    std::vector<std::string> tabs;
    ASSERT_TRUE(withSheet([&] { command(IDM_UTILITY_SETTING); },
                          [&](SheetDriver& sheet) {
                              EXPECT_EQ(sheet.caption(), "Utility Setting");
                              tabs = sheet.tabTitles();
                              sheet.cancel();
                          }));
    for (const char* tab : {faxTx, faxRx, report})
        EXPECT_NE(std::find(tabs.begin(), tabs.end(), tab), tabs.end()) << tab;
}

// --- FAX TX Operation

TEST_F(FaxPages, FaxQualityThreeShowsStandardTextAndIsStoredOnlyWhenTheListIsUsed) {
    u().faxQuality = 3;
    ASSERT_TRUE(onTab(faxTx, [&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.chosenText(IDC_FTX_QUALITY_LIST), "Standard / Text");
        sheet.click(IDC_FTX_HEADER_CHECK);
        sheet.apply();
        EXPECT_EQ(u().faxQuality, 3);
        sheet.choose(IDC_FTX_QUALITY_LIST, 3);
        EXPECT_EQ(sheet.chosenText(IDC_FTX_QUALITY_LIST), "Standard / Photo");
        sheet.ok();
    }));
    EXPECT_EQ(u().faxQuality, 4);
}

TEST_F(FaxPages, FaxDensityMovesALevelThatIsStoredTimesEight) {
    u().faxDensity = 16;
    ASSERT_TRUE(onTab(faxTx, [&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.position(IDC_FTX_DENSITY_SLIDER), 2);
        sheet.press(IDC_FTX_DENSITY_SLIDER, VK_RIGHT);
        EXPECT_EQ(sheet.position(IDC_FTX_DENSITY_SLIDER), 3);
        EXPECT_EQ(u().faxDensity, 16); // until the apply
        sheet.ok();
    }));
    EXPECT_EQ(u().faxDensity, 24);
}

TEST_F(FaxPages, FaxTxSwitchesStoreTheMachinesValues) {
    download(); // the sample machine has a document feeder
    ASSERT_TRUE(onTab(faxTx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_FTX_MEMORY_TX_RADIO));
        EXPECT_TRUE(sheet.enabled(IDC_FTX_ADF_TX_RADIO));
        sheet.click(IDC_FTX_ADF_TX_RADIO);
        sheet.click(IDC_FTX_HEADER_CHECK);
        sheet.click(IDC_FTX_CONFIRM_NUMBER_CHECK);
        sheet.ok();
    }));
    EXPECT_EQ(u().defaultTxMode, 4);
    EXPECT_EQ(u().faxHeader, 2);
    EXPECT_EQ(u().confirmFaxNumber, 16);
    ASSERT_TRUE(onTab(faxTx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_FTX_ADF_TX_RADIO));
        EXPECT_TRUE(sheet.checked(IDC_FTX_HEADER_CHECK));
        EXPECT_TRUE(sheet.checked(IDC_FTX_CONFIRM_NUMBER_CHECK));
    }));
}

TEST_F(FaxPages, AdfTxIsOfferedOnlyWithADocumentFeeder) {
    ASSERT_TRUE(onTab(faxTx, [&](SheetDriver& sheet) {
        EXPECT_FALSE(sheet.enabled(IDC_FTX_ADF_TX_RADIO));
    }));
}

// --- Report Setting

TEST_F(FaxPages, ReportSwitchesStoreTheirBits) {
    struct Case {
        int check;
        uint8_t UtilitySettings::*field;
        uint8_t value;
    };
    const Case cases[] = {
        {IDC_RPT_ACTIVITY_CHECK, &UtilitySettings::activityReport, 128},
        {IDC_RPT_RESERVATION_CHECK, &UtilitySettings::reservationReport, 64},
        {IDC_RPT_TX_RESULT_CHECK, &UtilitySettings::txResultReport, 32},
        {IDC_RPT_RX_RESULT_CHECK, &UtilitySettings::rxResultReport, 16},
    };
    ASSERT_TRUE(onTab(report, [&](SheetDriver& sheet) {
        for (const Case& c : cases) {
            EXPECT_FALSE(sheet.checked(c.check));
            sheet.click(c.check);
            EXPECT_EQ(u().*c.field, c.value) << c.check;
        }
        sheet.ok();
    }));
    ASSERT_TRUE(onTab(report, [&](SheetDriver& sheet) {
        for (const Case& c : cases) {
            EXPECT_TRUE(sheet.checked(c.check)) << c.check;
            sheet.click(c.check);
            EXPECT_EQ(u().*c.field, 0) << c.check;
        }
    }));
}

// --- FAX RX Operation: memory reception

TEST_F(FaxPages, MemoryRxOnWithAnEmptyPasswordAppliesWithNoTimes) {
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_FRX_MEMORY_OFF_RADIO));
        EXPECT_FALSE(sheet.enabled(IDC_FRX_PASSWORD_EDIT));
        EXPECT_FALSE(sheet.enabled(IDC_FRX_ON_HOUR_EDIT));
        EXPECT_TRUE(GetWindowLongA(sheet.item(IDC_FRX_PASSWORD_EDIT), GWL_STYLE) & ES_PASSWORD);
        sheet.click(IDC_FRX_MEMORY_ON_RADIO);
        EXPECT_TRUE(sheet.enabled(IDC_FRX_PASSWORD_EDIT));
        for (int edit : {IDC_FRX_ON_HOUR_EDIT, IDC_FRX_ON_MINUTE_EDIT, IDC_FRX_OFF_HOUR_EDIT,
                         IDC_FRX_OFF_MINUTE_EDIT, IDC_FRX_ON_TIME_LABEL, IDC_FRX_OFF_TIME_LABEL})
            EXPECT_TRUE(sheet.enabled(edit)) << edit;
        sheet.ok();
    }));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(u().memoryRx, 128);
    EXPECT_EQ(std::string(u().memoryRxPassword, 4), std::string(4, '\0'));
    EXPECT_EQ(u().memoryRxTimeFlags, 0);
}

TEST_F(FaxPages, MemoryRxStoresItsPasswordAndTimesAndShowsTheTimesAgain) {
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        sheet.click(IDC_FRX_MEMORY_ON_RADIO);
        sheet.set(IDC_FRX_PASSWORD_EDIT, "12a34");
        EXPECT_EQ(sheet.text(IDC_FRX_PASSWORD_EDIT), "1234");
        sheet.set(IDC_FRX_ON_HOUR_EDIT, "8");
        sheet.set(IDC_FRX_ON_MINUTE_EDIT, "30");
        sheet.set(IDC_FRX_OFF_HOUR_EDIT, "18");
        sheet.set(IDC_FRX_OFF_MINUTE_EDIT, "5");
        sheet.apply();
        EXPECT_EQ(sheet.text(IDC_FRX_PASSWORD_EDIT), "");
        EXPECT_EQ(sheet.text(IDC_FRX_ON_HOUR_EDIT), "08");
        EXPECT_EQ(sheet.text(IDC_FRX_OFF_MINUTE_EDIT), "05");
        EXPECT_FALSE(sheet.enabled(IDC_FRX_ON_HOUR_EDIT));
    }));
    EXPECT_EQ(std::string(u().memoryRxPassword, 4), "1234");
    EXPECT_EQ(u().memoryRxTimeFlags, 192);
    EXPECT_EQ(u().memoryRxOnTime, (8 * 64 + 30) * 32);
    EXPECT_EQ(u().memoryRxOffTime, (18 * 64 + 5) * 32);
    // Opening again shows the times, still disabled, and no password.
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_FRX_MEMORY_ON_RADIO));
        EXPECT_EQ(sheet.text(IDC_FRX_ON_MINUTE_EDIT), "30");
        EXPECT_EQ(sheet.text(IDC_FRX_OFF_HOUR_EDIT), "18");
        EXPECT_FALSE(sheet.enabled(IDC_FRX_OFF_HOUR_EDIT));
        EXPECT_EQ(sheet.text(IDC_FRX_PASSWORD_EDIT), "");
    }));
}

TEST_F(FaxPages, OnlyTheTimesTypedAreFlagged) {
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        sheet.click(IDC_FRX_MEMORY_ON_RADIO);
        sheet.set(IDC_FRX_OFF_HOUR_EDIT, "7");
        sheet.ok();
    }));
    EXPECT_EQ(u().memoryRxTimeFlags, 64);
    EXPECT_EQ(u().memoryRxOffTime, 7 * 64 * 32);
}

TEST_F(FaxPages, AWrongPasswordKeepsMemoryRxOn) {
    memoryRxOnWith("1234");
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.enabled(IDC_FRX_PASSWORD_EDIT));
        sheet.set(IDC_FRX_PASSWORD_EDIT, "9999");
        sheet.click(IDC_FRX_MEMORY_OFF_RADIO);
        EXPECT_EQ(texts(), std::vector<std::string>{text::wrongPassword});
        EXPECT_TRUE(sheet.checked(IDC_FRX_MEMORY_ON_RADIO));
        EXPECT_FALSE(sheet.checked(IDC_FRX_MEMORY_OFF_RADIO));
        EXPECT_EQ(sheet.focusedId(), IDC_FRX_PASSWORD_EDIT);
        EXPECT_EQ(u().memoryRx, 128);

        sheet.set(IDC_FRX_PASSWORD_EDIT, "1234");
        sheet.click(IDC_FRX_MEMORY_OFF_RADIO);
        EXPECT_TRUE(sheet.checked(IDC_FRX_MEMORY_OFF_RADIO));
        EXPECT_EQ(sheet.text(IDC_FRX_PASSWORD_EDIT), "");
        EXPECT_FALSE(sheet.enabled(IDC_FRX_PASSWORD_EDIT));
        sheet.ok();
    }));
    EXPECT_EQ(u().memoryRx, 0);
    EXPECT_EQ(std::string(u().memoryRxPassword, 4), std::string(4, '\0'));
}

TEST_F(FaxPages, AWrongFourDigitPasswordIsRefusedOnLeaving) {
    memoryRxOnWith("1234");
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        sheet.set(IDC_FRX_PASSWORD_EDIT, "4321");
        refusedLeave(sheet, text::wrongPassword, IDC_FRX_PASSWORD_EDIT);
        sheet.set(IDC_FRX_PASSWORD_EDIT, "1234");
        EXPECT_TRUE(sheet.selectTab(faxTx));
    }));
}

TEST_F(FaxPages, OneToThreeDigitsAreRefusedOnLeavingAndAtApply) {
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        sheet.click(IDC_FRX_MEMORY_ON_RADIO);
        for (const char* typed : {"1", "12", "123"}) {
            sheet.set(IDC_FRX_PASSWORD_EDIT, typed);
            refusedLeave(sheet, text::badPassword, IDC_FRX_PASSWORD_EDIT);
        }
        const size_t before = shown.size();
        sheet.apply();
        ASSERT_EQ(shown.size(), before + 1);
        EXPECT_EQ(shown.back().text, text::badPassword);
        EXPECT_TRUE(sheet.applyEnabled());
        EXPECT_EQ(std::string(u().memoryRxPassword, 4), std::string(4, '\0'));
    }));
}

TEST_F(FaxPages, HoursAndMinutesOutOfRangeAreRefusedAtTheirEdit) {
    struct Case {
        int edit;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {IDC_FRX_ON_HOUR_EDIT, "24", text::hourRange},
        {IDC_FRX_ON_MINUTE_EDIT, "60", text::minuteRange},
        {IDC_FRX_OFF_HOUR_EDIT, "99", text::hourRange},
        {IDC_FRX_OFF_MINUTE_EDIT, "75", text::minuteRange},
    };
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        sheet.click(IDC_FRX_MEMORY_ON_RADIO);
        for (const Case& c : cases) {
            sheet.set(c.edit, c.typed);
            refusedLeave(sheet, c.message, c.edit);
            sheet.set(c.edit, "0");
        }
        sheet.set(IDC_FRX_ON_HOUR_EDIT, "123");
        EXPECT_EQ(sheet.text(IDC_FRX_ON_HOUR_EDIT), "12"); // two digits at most
        EXPECT_TRUE(sheet.selectTab(faxTx));
    }));
}

// --- FAX RX Operation: the other switches

TEST_F(FaxPages, TheRingsLabelCountsFromOneToSixteen) {
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.text(IDC_FRX_RINGS_LABEL), "1");
        sheet.press(IDC_FRX_RINGS_SLIDER, VK_END);
        EXPECT_EQ(sheet.position(IDC_FRX_RINGS_SLIDER), 15);
        EXPECT_EQ(sheet.text(IDC_FRX_RINGS_LABEL), "16");
        EXPECT_EQ(u().ringCount, 15);
        EXPECT_FALSE(sheet.visible(IDC_FRX_TRANSFER_CHECK));
        EXPECT_FALSE(sheet.visible(IDC_FRX_TRANSFER_SLIDER));
    }));
}

TEST_F(FaxPages, RxRadiosAndChecksStoreTheMachinesValues) {
    struct Case {
        int control;
        uint8_t UtilitySettings::*field;
        uint8_t value;
    };
    const Case cases[] = {
        {IDC_FRX_REDUCTION_CUT_RADIO, &UtilitySettings::reductionRx, 2},
        {IDC_FRX_REDUCTION_OFF_RADIO, &UtilitySettings::reductionRx, 1},
        {IDC_FRX_MEMORY_PRINT_RADIO, &UtilitySettings::rxPrintMode, 8},
        {IDC_FRX_MANUAL_RX_RADIO, &UtilitySettings::rxMode, 32},
        {IDC_FRX_FOOTER_CHECK, &UtilitySettings::rxFooter, 16},
        {IDC_FRX_CLOSED_NETWORK_CHECK, &UtilitySettings::closedNetwork, 32},
        {IDC_FRX_FORWARD_OFF_RADIO, &UtilitySettings::forwardMode, 64},
    };
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_FRX_REDUCTION_ON_RADIO));
        EXPECT_TRUE(sheet.checked(IDC_FRX_DIRECT_PRINT_RADIO));
        EXPECT_TRUE(sheet.checked(IDC_FRX_AUTO_RX_RADIO));
        for (const Case& c : cases) {
            sheet.click(c.control);
            EXPECT_EQ(u().*c.field, c.value) << c.control;
        }
        sheet.ok();
    }));
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        for (const Case& c : cases) {
            if (c.control != IDC_FRX_REDUCTION_CUT_RADIO) {
                EXPECT_TRUE(sheet.checked(c.control)) << c.control;
            }
        }
    }));
}

// --- FAX RX Operation: forwarding

TEST_F(FaxPages, ForwardOnWithTheDialogCancelledWhileOffStaysOff) {
    u().forwardMode = 64;
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_FRX_FORWARD_OFF_RADIO));
        EXPECT_TRUE(sheet.withSubDialog(IDC_FRX_FORWARD_ON_RADIO, [](HWND dialog) {
            SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0);
        }));
        EXPECT_TRUE(sheet.checked(IDC_FRX_FORWARD_OFF_RADIO));
        EXPECT_FALSE(sheet.checked(IDC_FRX_FORWARD_ON_RADIO));
        EXPECT_EQ(sheet.focusedId(), IDC_FRX_FORWARD_OFF_RADIO);
        EXPECT_EQ(u().forwardMode, 64);

        EXPECT_TRUE(sheet.withSubDialog(IDC_FRX_FORWARD_ON_RADIO, [](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_FWD_NUMBER_EDIT, "0612345");
            SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
        }));
        EXPECT_TRUE(sheet.checked(IDC_FRX_FORWARD_ON_RADIO));
        EXPECT_EQ(u().forwardMode, 0);
        sheet.ok();
    }));
    EXPECT_EQ(forwardDial(destination(), DialPart::Number), "0612345");
}

TEST_F(FaxPages, ForwardOnPrintWithNoDestinationTurnsForwardingOff) {
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_FRX_FORWARD_ON_RADIO)); // the program starts with 0
        // Cancelled with nothing stored: no destination to forward to.
        EXPECT_TRUE(sheet.withSubDialog(IDC_FRX_FORWARD_PRINT_RADIO, [](HWND dialog) {
            SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0);
        }));
        EXPECT_TRUE(sheet.checked(IDC_FRX_FORWARD_ON_RADIO)); // the other ON mode comes back
        EXPECT_EQ(u().forwardMode, 0);
        EXPECT_TRUE(sheet.withSubDialog(IDC_FRX_FORWARD_ON_RADIO, [](HWND dialog) {
            SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0);
        }));
        EXPECT_TRUE(sheet.checked(IDC_FRX_FORWARD_OFF_RADIO));
        EXPECT_EQ(u().forwardMode, 64);
    }));
}

TEST_F(FaxPages, ForwardOffClearsTheDestinationAtApply) {
    setForwardKind(destination(), forwardFax);
    setForwardDial(destination(), DialPart::Number, "0612345");
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        sheet.click(IDC_FRX_FORWARD_OFF_RADIO);
        EXPECT_TRUE(holdsDestination(destination())); // until the apply
        sheet.apply();
    }));
    const ForwardLocation zero = {};
    EXPECT_EQ(std::memcmp(destination().bytes, zero.bytes, sizeof zero.bytes), 0);
}

// --- Select Tray

TEST_F(FaxPages, SelectTrayShowsTheInstalledTraysAndCancelPutsThemBack) {
    download(); // four trays
    u().trayEnable[0] = 1;
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.withSubDialog(IDC_FRX_SELECT_TRAY_BUTTON, [&](HWND d) {
            SheetDriver dialog{d};
            EXPECT_EQ(dialog.caption(), "Select Tray");
            for (int tray = 0; tray < 5; ++tray) {
                EXPECT_EQ(dialog.visible(IDC_TRAY1_ENABLE_RADIO + 3 * tray), tray < 4) << tray;
                EXPECT_EQ(dialog.visible(IDC_TRAY1_DISABLE_RADIO + 3 * tray), tray < 4) << tray;
            }
            EXPECT_TRUE(dialog.checked(IDC_TRAY1_ENABLE_RADIO));
            EXPECT_TRUE(dialog.checked(IDC_TRAY2_DISABLE_RADIO));
            dialog.click(IDC_TRAY1_DISABLE_RADIO);
            dialog.click(IDC_TRAY3_ENABLE_RADIO);
            EXPECT_EQ(u().trayEnable[0], 0);
            EXPECT_EQ(u().trayEnable[2], 4);
            dialog.click(IDCANCEL);
        }));
        EXPECT_EQ(u().trayEnable[0], 1);
        EXPECT_EQ(u().trayEnable[2], 0);
        EXPECT_FALSE(sheet.applyEnabled());

        EXPECT_TRUE(sheet.withSubDialog(IDC_FRX_SELECT_TRAY_BUTTON, [&](HWND d) {
            SheetDriver dialog{d};
            dialog.click(IDC_TRAY4_ENABLE_RADIO);
            dialog.click(IDOK);
        }));
        EXPECT_EQ(u().trayEnable[3], 8);
        EXPECT_TRUE(sheet.applyEnabled());
    }));
}

TEST_F(FaxPages, WithoutATrayCountOnlyTrayOneIsOffered) {
    ASSERT_TRUE(onTab(faxRx, [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.withSubDialog(IDC_FRX_SELECT_TRAY_BUTTON, [&](HWND d) {
            SheetDriver dialog{d};
            EXPECT_TRUE(dialog.visible(IDC_TRAY1_ENABLE_RADIO));
            for (int tray = 1; tray < 5; ++tray)
                EXPECT_FALSE(dialog.visible(IDC_SELECT_TRAY1_GROUP + tray)) << tray;
            dialog.click(IDOK);
        }));
    }));
}

} // namespace
