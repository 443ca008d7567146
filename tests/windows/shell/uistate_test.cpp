// Which menu items and toolbar buttons the program offers in each state of
// the document and the connection, and the Edit menu by view and selection.
#include "harness.h"

#include "resource.h"

#include <string>
#include <vector>

namespace {

// The commands whose state follows the document and the connection, in the
// order of the expectation strings below.
const UINT stateCommands[] = {
    IDM_NEW,
    IDM_CONNECT,
    IDM_DISCONNECT,
    IDM_DOWNLOAD,
    IDM_UPLOAD,
    IDM_SAVE,
    IDM_SAVE_AS,
    IDM_IMPORT_ADDRESS_BOOK,
    IDM_PRINT,
    IDM_SHOW_SPEED_DIAL,
    IDM_ADMIN_MANAGEMENT,
    IDM_CONFIGURATION,
};
const UINT toolbarCommands[] = {IDM_NEW,      IDM_CONNECT, IDM_DISCONNECT,
                                IDM_DOWNLOAD, IDM_UPLOAD,  IDM_SAVE};

struct UiCase {
    const char* name;
    std::vector<UINT> steps; // commands as the menus send them
    // One flag per state command, 1 enabled:
    //  New Connect Disconnect Download Upload Save SaveAs Import Print SpeedDial Admin Config
    const char* enabled;
};

class UiState : public FrameTest, public ::testing::WithParamInterface<UiCase> {};

TEST_P(UiState, MenuItemsAndButtonsFollowTheDocumentAndTheConnection) {
    for (UINT step : GetParam().steps)
        command(step);
    ASSERT_TRUE(shown.empty()) << shown.front().text;
    const std::string expected = GetParam().enabled;
    ASSERT_EQ(expected.size(), sizeof stateCommands / sizeof stateCommands[0]);
    for (size_t i = 0; i < expected.size(); ++i) {
        const UINT id = stateCommands[i];
        EXPECT_EQ(menuEnabled(id), expected[i] == '1') << "menu item " << id;
        for (UINT button : toolbarCommands) {
            if (button != id) continue;
            EXPECT_EQ(buttonEnabled(id), expected[i] == '1') << "button " << id;
        }
    }
    for (UINT always : {IDM_OPEN, IDM_EXIT, IDM_ABOUT})
        EXPECT_TRUE(menuEnabled(always)) << "menu item " << always;
    EXPECT_TRUE(buttonEnabled(IDM_OPEN));
}

INSTANTIATE_TEST_SUITE_P(
    States, UiState,
    ::testing::Values(
        //                                                          NCDDUSSIPVAC
        UiCase{"AtStart", {}, "110000000000"},
        UiCase{"OnlineWithoutDocument", {IDM_CONNECT}, "001100000000"},
        // The template holds the address book only: no machine settings.
        UiCase{"NewDocumentOffline", {IDM_NEW}, "110001111100"},
        UiCase{"NewDocumentOnline", {IDM_NEW, IDM_CONNECT}, "001111111100"},
        UiCase{"DownloadedOnline", {IDM_CONNECT, IDM_DOWNLOAD}, "001111111111"},
        UiCase{
            "DownloadedThenOffline", {IDM_CONNECT, IDM_DOWNLOAD, IDM_DISCONNECT}, "110001111111"}),
    [](const ::testing::TestParamInfo<UiCase>& c) { return c.param.name; });

TEST_F(FrameTest, ListsShowOnlyWithADocumentAndAView) {
    EXPECT_FALSE(visible(IDC_REGISTER_LIST));
    download();
    // The root is selected after a load: the panel fills the right-hand pane.
    EXPECT_TRUE(IsWindowVisible(panel()));
    EXPECT_FALSE(visible(IDC_REGISTER_LIST));
    EXPECT_EQ(placeOf(IDD_STATUS_PANEL).left, placeOf(IDC_TREE).right + 2);
    showSpeedDial();
    EXPECT_FALSE(IsWindowVisible(panel()));
    EXPECT_TRUE(visible(IDC_REGISTER_LIST));
    EXPECT_FALSE(visible(IDC_GROUP_ITEMS_LIST));
    EXPECT_EQ(placeOf(IDC_REGISTER_LIST).right, clientWidth());
    EXPECT_TRUE(IsWindowEnabled(child(IDC_TREE)));
    EXPECT_TRUE(IsWindowEnabled(child(IDC_REGISTER_LIST)));
}

struct EditCase {
    const char* name;
    bool speedDial; // the Speed Dial view instead of the root
    int row;        // clicked, -1 for none
    bool copyFirst; // Edit > Copy on the first key before
    //  New Property Cut Copy Paste Delete
    const char* enabled;
};

class EditMenu : public FrameTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditMenu, FollowsTheViewAndTheCurrentKey) {
    const EditCase& c = GetParam();
    download();
    if (c.speedDial) showSpeedDial();
    if (c.copyFirst) command(IDM_COPY);
    if (c.row >= 0) clickRow(c.row);
    openMenuBar();
    const UINT editCommands[] = {IDM_NEW_ENTRY, IDM_PROPERTY, IDM_CUT,
                                 IDM_COPY,      IDM_PASTE,    IDM_DELETE};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(menuEnabled(editCommands[i]), c.enabled[i] == '1') << "item " << editCommands[i];
}

INSTANTIATE_TEST_SUITE_P(Views, EditMenu,
                         ::testing::Values(
                             //                                                  NPCCPD
                             EditCase{"RootSelected", false, -1, false, "000000"},
                             EditCase{"FirstKeyAfterSpeedDial", true, -1, false, "111101"},
                             EditCase{"UsedKeyClicked", true, 1, false, "111101"},
                             // Key 006 of the sample machine is free.
                             EditCase{"FreeKeyClicked", true, 5, false, "110000"},
                             EditCase{"FreeKeyAfterCopy", true, 5, true, "110010"},
                             EditCase{"UsedKeyAfterCopy", true, 2, true, "111111"}),
                         [](const ::testing::TestParamInfo<EditCase>& c) { return c.param.name; });

} // namespace
