// The machine, paper and copy pages of the "Utility Setting" sheet, opened as
// the user opens the sheet (the Utility Setting command) and driven through
// their controls, their sub-dialogs and the sheet's buttons.
#include "harness.h"
#include "sheetdriver.h"

#include "resource.h"
#include "settingspage.h"
#include "shellstate.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace text {
constexpr char sleepRange[] = "Invalid value : must be within 1 to 60 !";
constexpr char marginRange[] = "Invalid value : must be within 0 to 20 !";
constexpr char eraseRange[] = "Invalid value : must be within 4 to 20 !";
constexpr char notInteger[] = "is not a valid integer value !";
} // namespace text

class MachinePages : public FrameTest {
  protected:
    UtilitySettings& utility() { return shell.document->settings.utility; }
    uint8_t* config() { return shell.document->config; }

    // The sheet opened by its command; `step` runs inside it.
    bool inSheet(const std::function<void(SheetDriver&)>& step) {
        return withSheet([&] { command(IDM_UTILITY_SETTING); }, step);
    }
    // The sheet with `tab` shown; cancelled afterwards unless the step closed it.
    void onTab(const std::string& tab, const std::function<void(SheetDriver&)>& step) {
        ASSERT_TRUE(withSheetTab([&] { command(IDM_UTILITY_SETTING); }, tab, step));
    }
};

void clickIn(HWND dialog, int id) {
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

void chooseIn(HWND dialog, int id, int position) {
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Shown or hidden by the dialog itself, whether or not the dialog is on screen yet.
bool shownIn(HWND dialog, int id) {
    return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::vector<std::string> listItems(const SheetDriver& sheet, int id) {
    std::vector<std::string> items;
    const LRESULT n = SendMessageA(sheet.item(id), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        char t[128] = "";
        SendMessageA(sheet.item(id), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(t));
        items.push_back(t);
    }
    return items;
}

// ------------------------------------------------------------ the sheet

TEST_F(MachinePages, TheMachinePaperAndCopyPagesAreTheFirstTabs) {
    std::vector<std::string> tabs;
    ASSERT_TRUE(inSheet([&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.caption(), "Utility Setting");
        tabs = sheet.tabTitles();
        sheet.cancel();
    }));
    ASSERT_GE(tabs.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(tabs.begin(), tabs.begin() + 4),
              (std::vector<std::string>{"Machine Setting", "Paper Source", "Copy Setting(1)",
                                        "Copy Setting(2)"}));
}

TEST_F(MachinePages, AnA4MachineHasNoCopySetting1) {
    shell.machineClass = 1;
    std::vector<std::string> tabs;
    ASSERT_TRUE(inSheet([&](SheetDriver& sheet) {
        tabs = sheet.tabTitles();
        sheet.cancel();
    }));
    shell.machineClass = 2;
    EXPECT_EQ(std::count(tabs.begin(), tabs.end(), "Copy Setting(1)"), 0);
    EXPECT_EQ(std::count(tabs.begin(), tabs.end(), "Copy Setting(2)"), 1);
}

TEST_F(MachinePages, CancelRestoresTheMachineSettingBlockAndKeepsThePaperSourceEdits) {
    utility().machine.sleepModeTime = 5;
    const MachineSettingBlock before = utility().machine;
    onTab("Machine Setting", [&](SheetDriver& sheet) {
        sheet.click(IDC_MS_PANEL_RESET_CHECK);
        sheet.press(IDC_MS_SLEEP_SLIDER, VK_RIGHT);
        sheet.choose(IDC_MS_REPEAT_START_LIST, 3);
        EXPECT_EQ(utility().machine.autoPanelResetTime, 1);
        EXPECT_EQ(utility().machine.sleepModeTime, 6u);
        ASSERT_TRUE(sheet.selectTab("Paper Source"));
        sheet.click(IDC_PS_METRIC_RADIO);
        sheet.click(IDC_PS_SIZE_INPUT_RADIO);
        sheet.set(IDC_PS_INPUT_X_EDIT, "25");
    });
    EXPECT_EQ(std::memcmp(&utility().machine, &before, sizeof before), 0);
    EXPECT_EQ(utility().paper.tray1Unit, 1);
    EXPECT_EQ(utility().paper.tray1Size, 1);
    EXPECT_EQ(utility().paper.sizeInputX, 250);
}

TEST_F(MachinePages, OkKeepsTheEditsOfEveryPage) {
    ASSERT_TRUE(inSheet([&](SheetDriver& sheet) {
        sheet.click(IDC_MS_INITIAL_FAX_RADIO);
        ASSERT_TRUE(sheet.selectTab("Copy Setting(2)"));
        sheet.click(IDC_CS2_SORT_RADIO);
        sheet.choose(IDC_CS2_STAMP_LIST, 2);
        sheet.ok();
        EXPECT_TRUE(sheet.closed());
    }));
    EXPECT_EQ(utility().machine.initialMode, 1);
    EXPECT_EQ(utility().copy2.outputPriority, 1);
    EXPECT_EQ(utility().copy2.stamp, 2);
    EXPECT_TRUE(shown.empty());
}

// ------------------------------------------------------------ Machine Setting

TEST_F(MachinePages, AutoPanelResetOnWithNoTimeSelects30SecAndStoresOne) {
    onTab("Machine Setting", [&](SheetDriver& sheet) {
        EXPECT_FALSE(sheet.checked(IDC_MS_PANEL_RESET_CHECK));
        EXPECT_EQ(listItems(sheet, IDC_MS_PANEL_RESET_LIST), std::vector<std::string>{"Disable"});
        sheet.click(IDC_MS_PANEL_RESET_CHECK);
        EXPECT_EQ(sheet.chosenText(IDC_MS_PANEL_RESET_LIST), "30 Sec");
        EXPECT_EQ(listItems(sheet, IDC_MS_PANEL_RESET_LIST).size(), 6u);
        EXPECT_EQ(utility().machine.autoPanelReset, 1);
        EXPECT_EQ(utility().machine.autoPanelResetTime, 1);
        sheet.choose(IDC_MS_PANEL_RESET_LIST, 3);
        EXPECT_EQ(utility().machine.autoPanelResetTime, 4);
        sheet.click(IDC_MS_PANEL_RESET_CHECK);
        EXPECT_EQ(listItems(sheet, IDC_MS_PANEL_RESET_LIST), std::vector<std::string>{"Disable"});
        EXPECT_EQ(utility().machine.autoPanelReset, 0);
        EXPECT_EQ(utility().machine.autoPanelResetTime, 0);
        sheet.ok();
    });
}

TEST_F(MachinePages, AStoredPanelResetTimeOpensChecked) {
    utility().machine.autoPanelResetTime = 3;
    onTab("Machine Setting", [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_MS_PANEL_RESET_CHECK));
        EXPECT_EQ(sheet.chosenText(IDC_MS_PANEL_RESET_LIST), "2 min");
    });
}

TEST_F(MachinePages, ASleepTimeAbove60IsRefusedAtItsSlider) {
    utility().machine.sleepModeTime = 61;
    onTab("Machine Setting", [&](SheetDriver& sheet) {
        // The sheet asks its first page once more as it comes up.
        sheet.settle();
        shown.clear();
        EXPECT_FALSE(sheet.selectTab("Paper Source"));
        EXPECT_EQ(sheet.currentTab(), 0);
        EXPECT_EQ(sheet.focusedId(), IDC_MS_SLEEP_SLIDER);
        EXPECT_EQ(texts(), std::vector<std::string>{text::sleepRange});
        sheet.ok();
        sheet.settle();
        EXPECT_EQ(texts(), std::vector<std::string>(2, text::sleepRange));
        EXPECT_EQ(sheet.focusedId(), IDC_MS_SLEEP_SLIDER);
        sheet.cancel();
    });
}

TEST_F(MachinePages, TheSleepSliderMovesItsTimeAndLabel) {
    utility().machine.sleepModeTime = 55;
    onTab("Machine Setting", [&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.text(IDC_MS_SLEEP_LABEL), "55 min");
        sheet.press(IDC_MS_SLEEP_SLIDER, VK_NEXT);
        EXPECT_EQ(sheet.text(IDC_MS_SLEEP_LABEL), "60 min");
        EXPECT_TRUE(sheet.applyEnabled());
        sheet.ok();
    });
    EXPECT_EQ(utility().machine.sleepModeTime, 60u);
}

TEST_F(MachinePages, MachineSettingFollowsTheEquipmentAndHidesAutoShutOff) {
    for (int feeder : {0, 1}) {
        config()[0] = static_cast<uint8_t>(feeder);
        onTab("Machine Setting", [&](SheetDriver& sheet) {
            EXPECT_EQ(sheet.enabled(IDC_MS_ADF_MODE1_RADIO), feeder == 1);
            EXPECT_EQ(sheet.enabled(IDC_MS_ADF_MODE2_RADIO), feeder == 1);
            EXPECT_TRUE(sheet.enabled(IDC_MS_BOOK_MODE1_RADIO));
            for (int id : {IDC_MS_SHUT_OFF_GROUP, IDC_MS_SHUT_OFF_CHECK, IDC_MS_SHUT_OFF_SLIDER,
                           IDC_MS_SHUT_OFF_LABEL})
                EXPECT_FALSE(sheet.visible(id)) << id;
            // No destination code is ever set: no panel language to offer.
            EXPECT_TRUE(listItems(sheet, IDC_MS_LANGUAGE_LIST).empty());
        });
    }
}

TEST_F(MachinePages, TheDestinationCodeChoosesThePanelLanguagesAndHagaki) {
    utility().machine.destinationCode = 4;
    utility().machine.panelLanguage = 1;
    utility().paper.tray1Size = 2;
    onTab("Machine Setting", [&](SheetDriver& sheet) {
        EXPECT_EQ(listItems(sheet, IDC_MS_LANGUAGE_LIST),
                  (std::vector<std::string>{"ENGLISH", "JAPANESE"}));
        EXPECT_EQ(sheet.chosenText(IDC_MS_LANGUAGE_LIST), "JAPANESE");
        sheet.choose(IDC_MS_LANGUAGE_LIST, 0);
        EXPECT_EQ(utility().machine.panelLanguage, 0);
        ASSERT_TRUE(sheet.selectTab("Paper Source"));
        EXPECT_TRUE(sheet.visible(IDC_PS_HAGAKI_RADIO));
        EXPECT_TRUE(sheet.checked(IDC_PS_HAGAKI_RADIO));
        sheet.ok();
    });
    EXPECT_EQ(utility().paper.tray1Size, 2);
    utility().machine.destinationCode = 1;
    onTab("Machine Setting", [&](SheetDriver& sheet) {
        EXPECT_EQ(listItems(sheet, IDC_MS_LANGUAGE_LIST).size(), 12u);
        ASSERT_TRUE(sheet.selectTab("Paper Source"));
        // Without Hagaki paper a stored Hagaki size falls back to the list.
        EXPECT_FALSE(sheet.visible(IDC_PS_HAGAKI_RADIO));
        EXPECT_TRUE(sheet.checked(IDC_PS_SIZE_LIST_RADIO));
    });
    EXPECT_EQ(utility().paper.tray1Size, 0);
}

TEST_F(MachinePages, TheScanThresholdIsStoredInStepsOfEight) {
    utility().machine.scanThreshold = 16;
    onTab("Machine Setting", [&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.chosenText(IDC_MS_SCAN_THRESHOLD_LIST), "1024 Kbytes");
        sheet.choose(IDC_MS_SCAN_THRESHOLD_LIST, 3);
        sheet.choose(IDC_MS_REPEAT_INTERVAL_LIST, 7);
        sheet.ok();
    });
    EXPECT_EQ(utility().machine.scanThreshold, 24);
    EXPECT_EQ(utility().machine.keyRepeatInterval, 7);
}

// ------------------------------------------------------------ Buzzer Volume

const int volumeLists[] = {IDC_BUZ_VALID_LIST,        IDC_BUZ_INVALID_LIST,
                           IDC_BUZ_BASE_LIST,         IDC_BUZ_PRINT_LIST,
                           IDC_BUZ_FAX_LIST,          IDC_BUZ_PREPARATION_LIST,
                           IDC_BUZ_LOW_CAUTION1_LIST, IDC_BUZ_LOW_CAUTION2_LIST,
                           IDC_BUZ_LOW_CAUTION3_LIST, IDC_BUZ_HIGH_CAUTION_LIST};

TEST_F(MachinePages, BuzzerCancelRestoresEveryVolumeAndOkKeepsThem) {
    MachineSettingBlock& m = utility().machine;
    m.buzzerEnabled = 128;
    const uint8_t stored[10] = {64, 32, 12, 1, 128, 16, 4, 3, 192, 0};
    std::memcpy(m.buzzerVolumes, stored, sizeof stored);
    onTab("Machine Setting", [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.withSubDialog(IDC_MS_BUZZER_BUTTON, [&](HWND dialog) {
            EXPECT_EQ(itemText(dialog, IDC_BUZ_VALID_LIST), "Low");
            EXPECT_EQ(itemText(dialog, IDC_BUZ_INVALID_LIST), "Middle");
            EXPECT_EQ(itemText(dialog, IDC_BUZ_LOW_CAUTION3_LIST), "High");
            for (int list : volumeLists)
                chooseIn(dialog, list, 3);
            clickIn(dialog, IDC_BUZ_DISABLE_RADIO);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_BUZ_VALID_LIST)));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_BUZ_CAUTION_GROUP)));
            EXPECT_EQ(m.buzzerEnabled, 0);
            clickIn(dialog, IDCANCEL);
        }));
        EXPECT_EQ(m.buzzerEnabled, 128);
        EXPECT_EQ(std::memcmp(m.buzzerVolumes, stored, sizeof stored), 0);
        EXPECT_FALSE(sheet.applyEnabled());

        EXPECT_TRUE(sheet.withSubDialog(IDC_MS_BUZZER_BUTTON, [&](HWND dialog) {
            chooseIn(dialog, IDC_BUZ_VALID_LIST, 3);
            chooseIn(dialog, IDC_BUZ_PRINT_LIST, 2);
            chooseIn(dialog, IDC_BUZ_HIGH_CAUTION_LIST, 0);
            clickIn(dialog, IDOK);
        }));
        EXPECT_TRUE(sheet.applyEnabled());
        sheet.ok();
    });
    const uint8_t kept[10] = {192, 32, 12, 2, 128, 16, 4, 3, 192, 0};
    EXPECT_EQ(std::memcmp(m.buzzerVolumes, kept, sizeof kept), 0);
}

// ------------------------------------------------------------ Paper Source

TEST_F(MachinePages, TheFirstOpeningCompletesTheSizesTo140By90) {
    onTab("Paper Source", [&](SheetDriver& sheet) {
        for (int x : {IDC_PS_INPUT_X_EDIT, IDC_PS_MEMORY1_X_EDIT, IDC_PS_MEMORY2_X_EDIT})
            EXPECT_EQ(sheet.text(x), "140") << x;
        for (int y : {IDC_PS_INPUT_Y_EDIT, IDC_PS_MEMORY1_Y_EDIT, IDC_PS_MEMORY2_Y_EDIT})
            EXPECT_EQ(sheet.text(y), "90") << y;
        // The size list is chosen: only the list is open to input.
        EXPECT_TRUE(sheet.checked(IDC_PS_SIZE_LIST_RADIO));
        EXPECT_TRUE(sheet.enabled(IDC_PS_SIZE_LIST));
        EXPECT_FALSE(sheet.enabled(IDC_PS_INPUT_X_EDIT));
        EXPECT_EQ(sheet.chosenText(IDC_PS_SIZE_LIST), "Auto");
        EXPECT_FALSE(sheet.visible(IDC_PS_HAGAKI_RADIO));
        EXPECT_FALSE(sheet.applyEnabled());
    });
    const PaperSourceBlock& p = utility().paper;
    EXPECT_EQ(p.sizeInputX, 140);
    EXPECT_EQ(p.memory1X, 140);
    EXPECT_EQ(p.memory2X, 140);
    EXPECT_EQ(p.sizeInputY, 90);
    EXPECT_EQ(p.memory1Y, 90);
    EXPECT_EQ(p.memory2Y, 90);
}

struct TypedSize {
    int edit;
    const char* typed;
    const char* shown;
    int selectFrom, selectTo;
};

TEST_F(MachinePages, ATypedSizeIsCompletedWhileItIsTyped) {
    const TypedSize cases[] = {
        {IDC_PS_INPUT_X_EDIT, "2", "200", 1, 3},   {IDC_PS_INPUT_X_EDIT, "5", "432", 1, 3},
        {IDC_PS_INPUT_Y_EDIT, "3", "90", 1, 2},    {IDC_PS_INPUT_X_EDIT, "", "140", 0, 3},
        {IDC_PS_INPUT_X_EDIT, "25", "250", 2, 3},  {IDC_PS_INPUT_X_EDIT, "300", "300", -1, -1},
        {IDC_PS_INPUT_Y_EDIT, "2a", "200", 1, 3},
    };
    utility().paper.tray1Size = 1;
    onTab("Paper Source", [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_PS_SIZE_INPUT_RADIO));
        EXPECT_FALSE(sheet.enabled(IDC_PS_SIZE_LIST));
        EXPECT_FALSE(sheet.enabled(IDC_PS_MEMORY1_X_EDIT));
        for (const TypedSize& c : cases) {
            SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
            sheet.set(c.edit, c.typed);
            EXPECT_EQ(sheet.text(c.edit), c.shown);
            const uint16_t value = c.edit == IDC_PS_INPUT_X_EDIT ? utility().paper.sizeInputX
                                                                   : utility().paper.sizeInputY;
            EXPECT_EQ(std::to_string(value), c.shown);
            if (c.selectFrom < 0) continue;
            DWORD from = 0, to = 0;
            SendMessageA(sheet.item(c.edit), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                         reinterpret_cast<LPARAM>(&to));
            EXPECT_EQ(static_cast<int>(from), c.selectFrom);
            EXPECT_EQ(static_cast<int>(to), c.selectTo);
        }
        EXPECT_TRUE(sheet.applyEnabled());
    });
}

TEST_F(MachinePages, TheSizeRadiosOpenTheirOwnControlsAndTheListTakesItsCodes) {
    onTab("Paper Source", [&](SheetDriver& sheet) {
        sheet.click(IDC_PS_MEMORY2_RADIO);
        EXPECT_EQ(utility().paper.tray1Size, 4);
        EXPECT_TRUE(sheet.enabled(IDC_PS_MEMORY2_X_EDIT));
        EXPECT_TRUE(sheet.enabled(IDC_PS_MEMORY2_Y_EDIT));
        EXPECT_FALSE(sheet.enabled(IDC_PS_INPUT_X_EDIT));
        EXPECT_FALSE(sheet.enabled(IDC_PS_SIZE_LIST));
        sheet.click(IDC_PS_SIZE_LIST_RADIO);
        EXPECT_EQ(utility().paper.tray1Size, 0);
        EXPECT_EQ(sheet.chosenText(IDC_PS_SIZE_LIST), "Auto");
        EXPECT_FALSE(sheet.enabled(IDC_PS_MEMORY2_X_EDIT));
        sheet.choose(IDC_PS_SIZE_LIST, 4);
        EXPECT_EQ(utility().paper.tray1Size, 8); // "EXE LEF"
        sheet.click(IDC_PS_ENVELOPE_RADIO);
        EXPECT_EQ(utility().paper.tray1Media, 5);
        sheet.click(IDC_PS_TRANSPARENCY_RADIO);
        EXPECT_EQ(utility().paper.tray1Media, 12);
    });
}

TEST_F(MachinePages, ATypedSizeOutsideTheMachinesRangeIsRefused) {
    utility().paper.tray1Size = 3;
    onTab("Paper Source", [&](SheetDriver& sheet) {
        // Text put into the edit with its notice held back, as a message
        // from outside may leave it.
        SendMessageA(sheet.item(IDC_PS_MEMORY1_Y_EDIT), EM_SETLIMITTEXT, 8, 0);
        HWND edit = sheet.item(IDC_PS_MEMORY1_Y_EDIT);
        const LONG_PTR id = GetWindowLongPtrA(edit, GWLP_ID);
        SetWindowLongPtrA(edit, GWLP_ID, 0);
        SetWindowTextA(edit, "300");
        SetWindowLongPtrA(edit, GWLP_ID, id);
        EXPECT_FALSE(sheet.selectTab("Copy Setting(2)"));
        EXPECT_EQ(sheet.focusedId(), IDC_PS_MEMORY1_Y_EDIT);
    });
    EXPECT_EQ(texts(), std::vector<std::string>{"Invalid value : must be within 90 to 297 !"});
}

// ------------------------------------------------------------ Tray 2~5 Setting

const int trayGroups[] = {IDC_TRAY2_GROUP, IDC_TRAY3_GROUP, IDC_TRAY4_GROUP, IDC_TRAY5_GROUP};

TEST_F(MachinePages, TheTrayDialogShowsOnlyTheInstalledTrays) {
    const struct {
        uint8_t count;
        int shown;
    } cases[] = {{2, 1}, {0, 0}, {1, 0}, {4, 3}, {5, 4}};
    for (const auto& c : cases) {
        config()[2] = c.count;
        onTab("Paper Source", [&](SheetDriver& sheet) {
            EXPECT_TRUE(sheet.withSubDialog(IDC_PS_TRAYS_BUTTON, [&](HWND dialog) {
                char title[64] = "";
                GetWindowTextA(dialog, title, sizeof title);
                EXPECT_STREQ(title, "Tray 2~5 Setting");
                for (int n = 0; n < 4; ++n)
                    EXPECT_EQ(shownIn(dialog, trayGroups[n]), n < c.shown)
                        << "tray " << n + 2 << " of " << int(c.count);
                EXPECT_EQ(shownIn(dialog, IDC_TRAY2_METRIC_RADIO), c.shown >= 1);
                clickIn(dialog, IDCANCEL);
            }));
        });
    }
}

TEST_F(MachinePages, TheTrayDialogKeepsItsEditsOnOkAndDropsThemOnClose) {
    config()[2] = 5;
    PaperSourceBlock& p = utility().paper;
    p.trayMedia[1] = 3; // recycle, but no duplex unit is installed
    p.trayMedia[2] = 10;
    onTab("Paper Source", [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.withSubDialog(IDC_PS_TRAYS_BUTTON, [&](HWND dialog) {
            EXPECT_TRUE(SendDlgItemMessageA(dialog, IDC_TRAY3_PLAIN_RADIO, BM_GETCHECK, 0, 0));
            EXPECT_TRUE(SendDlgItemMessageA(dialog, IDC_TRAY4_SPECIAL_RADIO, BM_GETCHECK, 0, 0));
            clickIn(dialog, IDC_TRAY2_ONE_SIDE_RADIO);
            clickIn(dialog, IDC_TRAY5_METRIC_RADIO);
            EXPECT_EQ(p.trayMedia[0], 11);
            EXPECT_EQ(p.trayUnit[3], 1);
            SendMessageA(dialog, WM_CLOSE, 0, 0); // the close box
        }));
        EXPECT_EQ(p.trayMedia[0], 0);
        EXPECT_EQ(p.trayMedia[1], 3);
        EXPECT_EQ(p.trayUnit[3], 0);
        EXPECT_FALSE(sheet.applyEnabled());
        EXPECT_TRUE(sheet.withSubDialog(IDC_PS_TRAYS_BUTTON, [&](HWND dialog) {
            clickIn(dialog, IDC_TRAY4_RECYCLE_RADIO);
            clickIn(dialog, IDOK);
        }));
        EXPECT_TRUE(sheet.applyEnabled());
    });
    EXPECT_EQ(p.trayMedia[1], 0);
    EXPECT_EQ(p.trayMedia[2], 3);
}

// ------------------------------------------------------------ Copy Setting(1)

TEST_F(MachinePages, APaperPriorityOfNoInstalledTrayBecomesTray1) {
    config()[2] = 3;
    config()[3] = 0;
    utility().copy1.paperPriority = 4;
    onTab("Copy Setting(1)", [&](SheetDriver& sheet) {
        EXPECT_EQ(listItems(sheet, IDC_CS1_PAPER_LIST),
                  (std::vector<std::string>{"Tray 1", "Tray 2", "Tray 3"}));
        EXPECT_EQ(sheet.chosenText(IDC_CS1_PAPER_LIST), "Tray 1");
        EXPECT_EQ(utility().copy1.paperPriority, 0);
    });
    config()[3] = 1;
    utility().copy1.paperPriority = 5;
    onTab("Copy Setting(1)", [&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.chosenText(IDC_CS1_PAPER_LIST), "Multi-Bypass");
        sheet.choose(IDC_CS1_PAPER_LIST, 2);
        EXPECT_EQ(utility().copy1.paperPriority, 2);
    });
}

TEST_F(MachinePages, PhotoGoesWithManualDensityAndTextWithAuto) {
    onTab("Copy Setting(1)", [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.checked(IDC_CS1_TEXT_RADIO));
        EXPECT_TRUE(sheet.checked(IDC_CS1_DENSITY_AUTO_RADIO));
        EXPECT_FALSE(sheet.enabled(IDC_CS1_PHOTO_RADIO));
        sheet.click(IDC_CS1_DENSITY_MANUAL_RADIO);
        EXPECT_TRUE(sheet.enabled(IDC_CS1_PHOTO_RADIO));
        sheet.click(IDC_CS1_PHOTO_RADIO);
        EXPECT_FALSE(sheet.enabled(IDC_CS1_DENSITY_AUTO_RADIO));
        EXPECT_TRUE(sheet.checked(IDC_CS1_DENSITY_MANUAL_RADIO));
        EXPECT_EQ(utility().copy1.qualityPriority, 1);
        EXPECT_EQ(utility().copy1.densityPriority, 1);
        sheet.click(IDC_CS1_TEXT_RADIO);
        EXPECT_TRUE(sheet.checked(IDC_CS1_DENSITY_AUTO_RADIO));
        EXPECT_FALSE(sheet.checked(IDC_CS1_DENSITY_MANUAL_RADIO));
        EXPECT_TRUE(sheet.enabled(IDC_CS1_DENSITY_AUTO_RADIO));
        EXPECT_FALSE(sheet.enabled(IDC_CS1_PHOTO_RADIO));
        EXPECT_EQ(utility().copy1.qualityPriority, 0);
        EXPECT_EQ(utility().copy1.densityPriority, 0);
        sheet.click(IDC_CS1_TEXT_PHOTO_RADIO);
        EXPECT_EQ(utility().copy1.qualityPriority, 2);
    });
}

TEST_F(MachinePages, StoredValuesOutsideTheirRangesAreBroughtIntoThem) {
    CopySetting1Block& c = utility().copy1;
    c.eraseLeft = 2;
    c.eraseUpper = 0;
    c.eraseFrame = 30;
    c.qualityPriority = 7;
    c.densityPriority = 5;
    onTab("Copy Setting(1)", [&](SheetDriver& sheet) {
        EXPECT_EQ(sheet.text(IDC_CS1_ERASE_LEFT_EDIT), "4");
        EXPECT_EQ(sheet.text(IDC_CS1_ERASE_UPPER_EDIT), "4");
        EXPECT_EQ(sheet.text(IDC_CS1_ERASE_FRAME_EDIT), "20");
        EXPECT_TRUE(sheet.checked(IDC_CS1_TEXT_RADIO));
        EXPECT_TRUE(sheet.checked(IDC_CS1_DENSITY_AUTO_RADIO));
    });
    EXPECT_EQ(c.eraseLeft, 4);
    EXPECT_EQ(c.eraseUpper, 4);
    EXPECT_EQ(c.eraseFrame, 20);
    EXPECT_EQ(c.qualityPriority, 0);
    EXPECT_EQ(c.densityPriority, 0);
}

struct WidthCase {
    int edit;
    const char* typed;
    const char* message;
};

TEST_F(MachinePages, MarginAndEraseWidthsAreCheckedWhenThePageIsLeft) {
    const WidthCase cases[] = {
        {IDC_CS1_MARGIN_EDIT, "21", text::marginRange},
        {IDC_CS1_MARGIN_EDIT, "", text::notInteger},
        {IDC_CS1_ERASE_LEFT_EDIT, "3", text::eraseRange},
        {IDC_CS1_ERASE_UPPER_EDIT, "", text::notInteger},
        {IDC_CS1_ERASE_FRAME_EDIT, "25", text::eraseRange},
    };
    for (const WidthCase& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        shown.clear();
        onTab("Copy Setting(1)", [&](SheetDriver& sheet) {
            sheet.set(c.edit, c.typed);
            EXPECT_FALSE(sheet.selectTab("Copy Setting(2)"));
            EXPECT_EQ(sheet.focusedId(), c.edit);
            // The same check refuses OK, which the sheet carries out once
            // its messages run; a good value then lets the sheet close.
            sheet.ok();
            sheet.settle();
            EXPECT_EQ(sheet.currentTab(), 2);
            EXPECT_EQ(sheet.focusedId(), c.edit);
            sheet.set(c.edit, "12");
            sheet.ok();
        });
        EXPECT_EQ(texts(), std::vector<std::string>(2, c.message));
    }
    EXPECT_EQ(utility().copy1.eraseFrame, 12);
}

TEST_F(MachinePages, TheDuplexListFollowsTheFeederAndTheDuplexUnit) {
    config()[0] = 1;
    config()[8] = 0;
    utility().copy1.duplexPriority = 2;
    onTab("Copy Setting(1)", [&](SheetDriver& sheet) {
        EXPECT_EQ(listItems(sheet, IDC_CS1_DUPLEX_LIST),
                  (std::vector<std::string>{"1-SIDE -> 1-SIDE", "2-SIDE -> 1-SIDE"}));
        EXPECT_EQ(sheet.chosenText(IDC_CS1_DUPLEX_LIST), "2-SIDE -> 1-SIDE");
        sheet.choose(IDC_CS1_DUPLEX_LIST, 0);
        EXPECT_EQ(utility().copy1.duplexPriority, 0);
    });
    config()[0] = 0;
    onTab("Copy Setting(1)", [&](SheetDriver& sheet) {
        EXPECT_FALSE(sheet.enabled(IDC_CS1_DUPLEX_LIST));
    });
}

// ------------------------------------------------------------ Copy Setting(2)

TEST_F(MachinePages, MixedOriginalNeedsADocumentFeeder) {
    utility().copy2.mixedOriginal = 1;
    onTab("Copy Setting(2)", [&](SheetDriver& sheet) {
        EXPECT_FALSE(sheet.enabled(IDC_CS2_MIXED_ORIGINAL_CHECK));
        EXPECT_TRUE(sheet.checked(IDC_CS2_MIXED_ORIGINAL_CHECK));
    });
    config()[1] = 1;
    onTab("Copy Setting(2)", [&](SheetDriver& sheet) {
        EXPECT_TRUE(sheet.enabled(IDC_CS2_MIXED_ORIGINAL_CHECK));
        sheet.click(IDC_CS2_MIXED_ORIGINAL_CHECK);
        sheet.choose(IDC_CS2_DATE_FORMAT_LIST, 2);
        EXPECT_EQ(sheet.chosenText(IDC_CS2_DATE_FORMAT_LIST), "YY/MM/DD");
    });
    EXPECT_EQ(utility().copy2.mixedOriginal, 0);
    EXPECT_EQ(utility().copy2.dateTimeFormat, 2);
}

} // namespace
