// The address book views: the tree and its menu, the register list with its
// rows, columns and menu, and editing keys with Cut, Copy, Paste and Delete.
#include "harness.h"

#include "destination.h"
#include "resource.h"
#include "settingsfile.h"
#include "startup.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Views = FrameTest;

// The sample machine's keys in the list (English: NO., Name, Address).
constexpr int sales = 0, accounts = 1, freeKey = 5, scanServer = 40;

TEST_F(Views, TheListHasFiftyNumberedRowsAndThreeColumns) {
    command(IDM_NEW);
    showSpeedDial();
    ASSERT_EQ(rows(), 50);
    for (int row = 0; row < 50; ++row) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", row + 1);
        EXPECT_EQ(cell(row, 0), number);
    }
    ASSERT_EQ(columns(), 3);
    EXPECT_EQ(columnTitle(0), "NO.");
    EXPECT_EQ(columnTitle(1), "Name");
    EXPECT_EQ(columnTitle(2), "Address");
    EXPECT_EQ(selectedRow(), 0) << "the view opens on key 001";
}

TEST_F(Views, RightClickingTheSpeedDialNodeSelectsItWithoutAMenu) {
    openSample();
    EXPECT_FALSE(visible(IDC_REGISTER_LIST));
    EXPECT_FALSE(rightClickTreeNode(1).shown());
    EXPECT_TRUE(visible(IDC_REGISTER_LIST));
    EXPECT_EQ(cell(sales, 1), "Sales");
}

TEST_F(Views, TheRootMenuOffersWhatTheConnectionAllows) {
    openSample();
    showSpeedDial();
    MenuSeen offline = rightClickTreeNode(0);
    ASSERT_TRUE(offline.shown());
    EXPECT_TRUE(offline.enabled[IDM_CONNECT]);
    EXPECT_FALSE(offline.enabled[IDM_DISCONNECT]);
    EXPECT_FALSE(offline.enabled[IDM_TREE_DOWNLOAD]);
    EXPECT_FALSE(offline.enabled[IDM_TREE_UPLOAD]);
    EXPECT_TRUE(IsWindowVisible(panel())) << "the root became the view";
    EXPECT_FALSE(visible(IDC_REGISTER_LIST));

    connect();
    MenuSeen online = rightClickTreeNode(0);
    ASSERT_TRUE(online.shown());
    EXPECT_FALSE(online.enabled[IDM_CONNECT]);
    EXPECT_TRUE(online.enabled[IDM_DISCONNECT]);
    EXPECT_TRUE(online.enabled[IDM_TREE_DOWNLOAD]);
    EXPECT_TRUE(online.enabled[IDM_TREE_UPLOAD]);
}

struct RowMenuCase {
    const char* name;
    int row;
    bool copyFirst; // Edit > Copy of key 001 first
    //  Property Cut Copy Paste Delete
    const char* enabled;
};

class RowMenu : public FrameTest, public ::testing::WithParamInterface<RowMenuCase> {};

TEST_P(RowMenu, GreysWhatTheKeyCannotDo) {
    const RowMenuCase& c = GetParam();
    openSample();
    showSpeedDial();
    if (c.copyFirst) command(IDM_COPY);
    MenuSeen menu = rightClickRow(c.row);
    ASSERT_TRUE(menu.shown());
    const UINT items[] = {IDM_PROPERTY, IDM_CUT, IDM_COPY, IDM_PASTE, IDM_DELETE};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(menu.enabled[items[i]], c.enabled[i] == '1') << "item " << items[i];
}

INSTANTIATE_TEST_SUITE_P(Keys, RowMenu,
                         ::testing::Values(
                             //                                     PCCPD
                             RowMenuCase{"UsedKey", accounts, false, "11101"},
                             RowMenuCase{"FreeKey", freeKey, false, "10000"},
                             RowMenuCase{"FreeKeyAfterCopy", freeKey, true, "10010"},
                             RowMenuCase{"UsedKeyAfterCopy", accounts, true, "11111"}),
                         [](const ::testing::TestParamInfo<RowMenuCase>& c) {
                             return c.param.name;
                         });

TEST_F(Views, TheMenuKeyShowsTheMenuOfTheFocusedKey) {
    openSample();
    showSpeedDial();
    clickRow(freeKey);
    MenuSeen seen;
    HWND list = child(IDC_REGISTER_LIST);
    // Shift+F10 or the menu key: no point, the list's own focused row.
    seen = rightClick(list, POINT{-1, -1}, /*fromKeyboard=*/true);
    ASSERT_TRUE(seen.shown());
    EXPECT_FALSE(seen.enabled[IDM_DELETE]) << "the free key's menu";
}

TEST_F(Views, CutLeavesAFreeKeySelectedAndPasteBringsItBack) {
    openSample();
    showSpeedDial();
    clickRow(accounts);
    command(IDM_CUT);
    EXPECT_EQ(cell(accounts, 1), "");
    EXPECT_EQ(cell(accounts, 2), "");
    EXPECT_EQ(cell(accounts, 0), "002");
    EXPECT_EQ(selectedRow(), accounts);
    command(IDM_PASTE);
    EXPECT_EQ(cell(accounts, 1), "Accounts");
    EXPECT_EQ(cell(accounts, 2), "accounts@example.com");
    EXPECT_EQ(rows(), 50);
    EXPECT_TRUE(shown.empty()) << "no questions";
}

TEST_F(Views, CopyAndPasteOntoAFreeKey) {
    openSample();
    showSpeedDial();
    clickRow(sales);
    command(IDM_COPY);
    clickRow(freeKey);
    command(IDM_PASTE);
    EXPECT_EQ(cell(freeKey, 1), "Sales");
    EXPECT_EQ(cell(freeKey, 2), "sales@example.com");
    EXPECT_EQ(cell(sales, 1), "Sales");
    EXPECT_EQ(selectedRow(), freeKey);
}

TEST_F(Views, AFileServerKeyDoesNotPasteOntoAnEmailKey) {
    openSample();
    showSpeedDial();
    clickRow(scanServer);
    command(IDM_COPY);
    clickRow(freeKey);
    command(IDM_PASTE);
    EXPECT_EQ(cell(freeKey, 2), "");
    EXPECT_FALSE(closingAsks()) << "nothing changed";
}

TEST_F(Views, EditKeysWorkThroughTheAccelerators) {
    openSample();
    showSpeedDial();
    auto press = [&](int key, bool control) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message = {};
        message.hwnd = child(IDC_REGISTER_LIST);
        message.message = WM_KEYDOWN;
        message.wParam = static_cast<WPARAM>(key);
        message.lParam = 1;
        TranslateFrameMessage(message);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        pump();
    };
    clickRow(accounts);
    press('C', true);
    press(VK_DELETE, false);
    EXPECT_EQ(cell(accounts, 1), "");
    clickRow(freeKey);
    press('V', true);
    EXPECT_EQ(cell(freeKey, 1), "Accounts");
}

// Editing keys is a change to save.
struct EditCase {
    const char* name;
    std::vector<UINT> commands;
    bool marks;
};

class EditMarks : public FrameTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditMarks, TheDocumentWhenAKeyChanged) {
    openSample();
    showSpeedDial();
    clickRow(accounts);
    for (UINT id : GetParam().commands)
        command(id);
    EXPECT_EQ(closingAsks(), GetParam().marks);
}

INSTANTIATE_TEST_SUITE_P(Edits, EditMarks,
                         ::testing::Values(EditCase{"Copy", {IDM_COPY}, false},
                                           EditCase{"Cut", {IDM_CUT}, true},
                                           EditCase{"Delete", {IDM_DELETE}, true},
                                           EditCase{"Paste", {IDM_COPY, IDM_PASTE}, true}),
                         [](const ::testing::TestParamInfo<EditCase>& c) { return c.param.name; });

TEST_F(Views, ADeletedKeyIsGoneFromTheSavedFile) {
    const std::string path = openSample();
    showSpeedDial();
    clickRow(sales);
    command(IDM_DELETE);
    EXPECT_TRUE(shown.empty()) << "Delete does not ask";
    command(IDM_SAVE);
    std::unique_ptr<Document> saved = emptyDocument();
    ASSERT_EQ(openSettingsFile(*saved, path.c_str(), programSignature().c_str()), FileStatus::Ok);
    unpackImage(*saved);
    EXPECT_FALSE(isRegistered(saved->registers, sales));
    EXPECT_TRUE(isRegistered(saved->registers, accounts));
}

TEST_F(Views, PrintAndExportCancelledShowAndChangeNothing) {
    openSample();
    EXPECT_TRUE(
        withDialog([&] { command(IDM_PRINT); },
                   [](HWND dialog) { SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0); }));
    picks.push_back(""); // Export Address Book's file dialog, cancelled
    command(IDM_EXPORT_ADDRESS_BOOK);
    EXPECT_EQ(fileDialogs.back(), csvExport);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(closingAsks());
}

TEST_F(Views, UtilitySettingGoesBackToTheRoot) {
    openSample();
    showSpeedDial();
    EXPECT_TRUE(withDialog([&] { command(IDM_UTILITY_SETTING); },
                           [](HWND sheet) { PropSheet_PressButton(sheet, PSBTN_CANCEL); }));
    EXPECT_TRUE(IsWindowVisible(panel()));
    EXPECT_FALSE(visible(IDC_REGISTER_LIST));
}

TEST_F(Views, ThereIsNoGroupNodeToShow) {
    openSample();
    command(IDM_SHOW_GROUPS);
    EXPECT_TRUE(IsWindowVisible(panel()));
    EXPECT_FALSE(visible(IDC_GROUP_ITEMS_LIST));
}

// Run from a copy of the tests with the Japanese language library beside it.
using JapaneseResources = FrameTest;

TEST_F(JapaneseResources, TheListShowsBothNamesBeforeTheAddress) {
    download();
    showSpeedDial();
    ASSERT_EQ(columns(), 4);
    EXPECT_EQ(columnTitle(0), "NO.");
    EXPECT_EQ(columnTitle(1), "Name");
    EXPECT_EQ(columnTitle(2), "Name2");
    EXPECT_EQ(columnTitle(3), "Address");
    // The first name column holds the second name.
    EXPECT_EQ(cell(accounts, 2), "Accounts");
    EXPECT_NE(cell(accounts, 1), "");
    EXPECT_EQ(cell(accounts, 3), "accounts@example.com");
    MenuSeen menu = rightClickRow(freeKey);
    EXPECT_FALSE(menu.enabled[IDM_DELETE]) << "the address column decides a free key";
}

TEST_F(JapaneseResources, TheLanguageLibraryGivesTextsAndTheProgramItsKeys) {
    EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat");
    EXPECT_NE(GetMenu(frame), nullptr);
    EXPECT_NE(GetClassLongPtrA(frame, GCLP_HICON), 0) << "the icon of the program";
    // Ctrl+N: the accelerator table of the program, not of the library.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG message = {};
    message.hwnd = frame;
    message.message = WM_KEYDOWN;
    message.wParam = 'N';
    message.lParam = 1;
    TranslateFrameMessage(message);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    pump();
    EXPECT_TRUE(menuEnabled(IDM_SAVE)) << "a new document";
    showSpeedDial();
    EXPECT_EQ(columns(), 4);
}

} // namespace
