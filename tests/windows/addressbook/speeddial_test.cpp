// The speed-dial registration dialog, opened the ways a user opens it (Edit >
// New, Edit > Property, a double-click on a row) from the real main window,
// and driven through its controls: text set or typed into the edits, buttons
// clicked. Message boxes are answered by the harness, which records them.
#include "harness.h"

#include "destination.h"
#include "speeddialdialog.h"
#include "resource.h"
#include "settingsfile.h"
#include "shellstate.h"
#include "simulator.h"
#include "views.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// The sample machine's keys (see buildSampleMachine).
constexpr int sales = 0, freeEmailKey = 5, scanServer = 40, officeShare = 41, publicFtp = 44,
              freeServerKey = 45;

namespace text {
constexpr char addressRequired[] = "E-Mail address  must be specified !";
constexpr char addressInvalid[] = "E-Mail address is invalid !\n\nExample: abc@xyz.com";
constexpr char notInteger[] = "is not a valid integer value !";
constexpr char portRange[] = "Invalid value : must be within 1 to 65535 !";
constexpr char nameDeleted[] = "Invalid value will be deleted.";
} // namespace text

// The edits of the dialog that take address characters.
const int addressEdits[] = {
    IDC_SD_ADDRESS_EDIT, IDC_SD_DIRECTORY_EDIT, IDC_SD_NOTIFY1_EDIT, IDC_SD_NOTIFY2_EDIT,
    IDC_SD_NOTIFY3_EDIT, IDC_SD_NOTIFY4_EDIT,   IDC_SD_NOTIFY5_EDIT, IDC_SD_NOTIFY6_EDIT,
    IDC_SD_NOTIFY7_EDIT, IDC_SD_NOTIFY8_EDIT,   IDC_SD_NOTIFY9_EDIT, IDC_SD_NOTIFY10_EDIT,
    IDC_SD_USER_EDIT,    IDC_SD_PASSWORD_EDIT,
};

// The open dialog, as the user sees and works it.
struct Dialog {
    HWND window;

    HWND item(int id) const { return GetDlgItem(window, id); }
    std::string title() const {
        char t[256] = "";
        GetWindowTextA(window, t, sizeof t);
        return t;
    }
    std::string text(int id) const {
        char t[512] = "";
        GetDlgItemTextA(window, id, t, sizeof t);
        return t;
    }
    // Text arriving at once, as a paste or an edit's whole content does.
    void set(int id, const std::string& t) const { SetDlgItemTextA(window, id, t.c_str()); }
    // One key press at a caret position.
    void typeAt(int id, size_t caret, char c) const {
        SendMessageA(item(id), EM_SETSEL, caret, static_cast<LPARAM>(caret));
        SendMessageA(item(id), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    }
    void click(int id) const { SendMessageA(item(id), BM_CLICK, 0, 0); }
    bool checked(int id) const { return IsDlgButtonChecked(window, id) == BST_CHECKED; }
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != 0; }
    // The control's own state: the dialog itself may not be shown yet.
    bool visible(int id) const { return (GetWindowLongA(item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool focused(int id) const {
        // A test program running beside this one may have taken the
        // foreground; coming back, a dialog gives the focus back to the
        // control that had it.
        if (GetForegroundWindow() != window) SetForegroundWindow(window);
        return GetFocus() == item(id);
    }
    std::pair<DWORD, DWORD> selection(int id) const {
        DWORD from = 0, to = 0;
        SendMessageA(item(id), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                     reinterpret_cast<LPARAM>(&to));
        return {from, to};
    }
    // A modal dialog holds its owner disabled until it ends.
    bool open() const { return IsWindow(window) && !IsWindowEnabled(GetWindow(window, GW_OWNER)); }
    void ok() const { click(IDOK); }
    void cancel() const { click(IDCANCEL); }
};

class SpeedDial : public FrameTest {
  protected:
    // Opens the sample machine's document and shows the speed-dial list.
    void openSampleList() {
        openSample();
        showSpeedDial();
    }

    // Opens a document whose keys are all in use except those listed free.
    void openDocumentWithFreeKeys(std::vector<int> freeKeys) {
        const std::string path = scratch("keys.DAT");
        std::unique_ptr<Document> doc = emptyDocument();
        buildSampleMachine(*doc);
        const TextRules rules{"ENGLISH", nullptr};
        for (int key = 0; key < dialBlockCount; ++key) {
            DestinationEntry e = {};
            bool isFree = false;
            for (int f : freeKeys)
                isFree = isFree || f == key;
            if (!isFree) {
                e.type = key < shortKeyCount ? typeEmail : typeFtp;
                e.port = 21;
                e.accountMode = 1;
                std::snprintf(e.address, sizeof e.address, "key%02d@example.com", key + 1);
            }
            encodeDestination(rules, doc->registers, key, e);
        }
        packImage(*doc);
        ASSERT_EQ(saveSettingsFile(*doc, path.c_str(), programSignature().c_str()), FileStatus::Ok);
        picks.push_back(path);
        command(IDM_OPEN);
        ASSERT_TRUE(shown.empty());
        showSpeedDial();
    }

    // Runs `open`; inside the dialog it opened, `step`. The step must end it.
    bool inDialog(const std::function<void()>& open, const std::function<void(Dialog&)>& step) {
        return withDialog(open, [&](HWND window) {
            Dialog d{window};
            step(d);
            if (d.open()) {
                ADD_FAILURE() << "the step left the dialog open";
                d.cancel();
            }
        });
    }
    // Edit > Property on a key of the list.
    bool onKey(int key, const std::function<void(Dialog&)>& step) {
        selectListRow(child(IDC_REGISTER_LIST), key);
        return inDialog([&] { command(IDM_PROPERTY); }, step);
    }

    Document& document() { return *shell.document; }
    const uint8_t* storedRecord(int key) { return document().image.blocks[key].data; }
    // The key as the register holds it, decoded.
    DestinationEntry registered(int key) {
        DestinationEntry e;
        decodeDestination(shell.rules, document().registers, e, key);
        return e;
    }
    // The registers as the image would give them back.
    bool registersMatchTheImage() {
        std::unique_ptr<Document> copy(new Document(document()));
        unpackImage(*copy);
        return std::memcmp(&copy->registers, &document().registers, sizeof copy->registers) == 0;
    }
    std::string lastShown() const { return shown.empty() ? std::string() : shown.back().text; }
};

// ---------------------------------------------------------------- opening

TEST_F(SpeedDial, ANewFileServerKeyOpensAsAnonymousFtpOnPort21) {
    openDocumentWithFreeKeys({40, 47});
    ASSERT_TRUE(inDialog(
        [&] { command(IDM_NEW_ENTRY); },
        [&](Dialog& d) {
            EXPECT_EQ(d.title(), "Register Speed Dial #41");
            EXPECT_TRUE(d.checked(IDC_SD_FTP_RADIO));
            EXPECT_EQ(d.text(IDC_SD_PORT_EDIT), "21");
            EXPECT_TRUE(d.visible(IDC_SD_PORT_EDIT));
            EXPECT_FALSE(d.checked(IDC_SD_PROXY_CHECK));
            EXPECT_TRUE(d.checked(IDC_SD_ANONYMOUS_RADIO));
            EXPECT_FALSE(d.checked(IDC_SD_PRIVATE_RADIO));
            EXPECT_FALSE(d.enabled(IDC_SD_USER_EDIT));
            EXPECT_FALSE(d.enabled(IDC_SD_PASSWORD_EDIT));
            EXPECT_FALSE(d.checked(IDC_SD_NOTIFY_CHECK));
            for (int i = 0; i < notificationCount; ++i)
                EXPECT_FALSE(d.enabled(IDC_SD_NOTIFY1_EDIT + 2 * i)) << "No." << i + 1;
            for (int edit : {IDC_SD_NAME_EDIT, IDC_SD_ADDRESS_EDIT, IDC_SD_DIRECTORY_EDIT})
                EXPECT_EQ(d.text(edit), "") << edit;
            EXPECT_TRUE(d.focused(IDC_SD_NAME_EDIT)) << "the dialog opens for typing the name";
            d.cancel();
        }));
}

TEST_F(SpeedDial, NewOpensNothingWhenEveryKeyIsInUse) {
    openDocumentWithFreeKeys({});
    EXPECT_FALSE(inDialog([&] { command(IDM_NEW_ENTRY); }, [](Dialog& d) { d.cancel(); }));
    EXPECT_TRUE(shown.empty());
}

TEST_F(SpeedDial, ThereIsNoDialogWithoutAKey) {
    openSampleList();
    for (int key : {-1, noEntry, dialBlockCount}) {
        shell.currentEntryIndex = key;
        EXPECT_FALSE(inDialog([&] { EXPECT_FALSE(OpenSpeedDialDialog(child(IDC_REGISTER_LIST))); },
                              [](Dialog& d) { d.cancel(); }))
            << "key index " << key;
    }
}

TEST_F(SpeedDial, DoubleClickingARowOpensItsKey) {
    openSampleList();
    HWND list = child(IDC_REGISTER_LIST);
    RECT item = {};
    item.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    std::string title;
    ASSERT_TRUE(inDialog(
        [&] {
            clickRow(2);
            SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        },
        [&](Dialog& d) {
            title = d.title();
            d.cancel();
        }));
    EXPECT_EQ(title, "Register Speed Dial #03");
}

// Which type buttons a key offers, and what each type shows.
struct KeyLook {
    const char* name;
    int key;
    int checkedRadio;
    bool email, ftp, smb; // enabled
    bool directory, port; // shown
};

class KeyRanges : public SpeedDial, public ::testing::WithParamInterface<KeyLook> {};

TEST_P(KeyRanges, OfferTheirOwnTypes) {
    const KeyLook& c = GetParam();
    openSampleList();
    ASSERT_TRUE(onKey(c.key, [&](Dialog& d) {
        EXPECT_TRUE(d.checked(c.checkedRadio));
        EXPECT_EQ(d.enabled(IDC_SD_EMAIL_RADIO), c.email);
        EXPECT_EQ(d.enabled(IDC_SD_FTP_RADIO), c.ftp);
        EXPECT_EQ(d.enabled(IDC_SD_SMB_RADIO), c.smb);
        EXPECT_EQ(d.visible(IDC_SD_DIRECTORY_EDIT), c.directory);
        EXPECT_EQ(d.visible(IDC_SD_ACCOUNT_GROUP), c.directory);
        EXPECT_EQ(d.visible(IDC_SD_NOTIFY10_EDIT), c.directory);
        EXPECT_EQ(d.visible(IDC_SD_PROXY_CHECK), c.port);
        EXPECT_EQ(d.visible(IDC_SD_PORT_EDIT), c.port);
        EXPECT_EQ(d.visible(IDC_SD_PORT_RANGE_LABEL), c.port);
        // One name under English.
        EXPECT_TRUE(d.visible(IDC_SD_NAME_EDIT));
        EXPECT_FALSE(d.visible(IDC_SD_NAME2_EDIT));
        EXPECT_FALSE(d.visible(IDC_SD_NAME2_LABEL));
        d.cancel();
    }));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyRanges,
    ::testing::Values(
        KeyLook{"Email001", sales, IDC_SD_EMAIL_RADIO, true, false, false, false, false},
        KeyLook{"FreeEmail006", freeEmailKey, IDC_SD_EMAIL_RADIO, true, false, false, false, false},
        KeyLook{"Ftp041", scanServer, IDC_SD_FTP_RADIO, false, true, true, true, true},
        KeyLook{"Smb042", officeShare, IDC_SD_SMB_RADIO, false, true, true, true, false},
        KeyLook{"FreeServer046", freeServerKey, IDC_SD_FTP_RADIO, false, true, true, true, true}),
    [](const ::testing::TestParamInfo<KeyLook>& c) { return c.param.name; });

TEST_F(SpeedDial, AStoredFileServerKeyShowsAllItsFields) {
    openSampleList();
    ASSERT_TRUE(onKey(scanServer, [&](Dialog& d) {
        EXPECT_EQ(d.title(), "Register Speed Dial #41");
        EXPECT_EQ(d.text(IDC_SD_NAME_EDIT), "Scan server");
        EXPECT_EQ(d.text(IDC_SD_ADDRESS_EDIT), "ftp.example.com");
        EXPECT_EQ(d.text(IDC_SD_DIRECTORY_EDIT), "/scans/incoming");
        EXPECT_EQ(d.text(IDC_SD_PORT_EDIT), "2121");
        EXPECT_TRUE(d.checked(IDC_SD_NOTIFY_CHECK));
        EXPECT_TRUE(d.enabled(IDC_SD_NOTIFY10_EDIT));
        EXPECT_EQ(d.text(IDC_SD_NOTIFY1_EDIT), "ops@example.com");
        EXPECT_EQ(d.text(IDC_SD_NOTIFY2_EDIT), "j.okafor@example.com");
        EXPECT_TRUE(d.checked(IDC_SD_PRIVATE_RADIO));
        EXPECT_TRUE(d.enabled(IDC_SD_USER_EDIT));
        EXPECT_EQ(d.text(IDC_SD_USER_EDIT), "scanner");
        EXPECT_EQ(d.text(IDC_SD_PASSWORD_EDIT), "Tr4nsfer") << "shown in clear";
        d.cancel();
    }));
}

// ---------------------------------------------------------------- OK checks

// A refused OK: the message, the field that gets the focus with its whole
// text selected, and the dialog still open.
struct Refusal {
    const char* name;
    int key;
    std::vector<int> clicks;                       // buttons first
    std::vector<std::pair<int, std::string>> sets; // then edits
    const char* message;
    int field;
};

class OkRefuses : public SpeedDial, public ::testing::WithParamInterface<Refusal> {};

TEST_P(OkRefuses, ShowsWhyAndSelectsTheField) {
    const Refusal& c = GetParam();
    openSampleList();
    const std::vector<uint8_t> before(storedRecord(c.key), storedRecord(c.key) + blockDataSize);
    ASSERT_TRUE(onKey(c.key, [&](Dialog& d) {
        for (int button : c.clicks)
            d.click(button);
        for (const auto& [edit, value] : c.sets)
            d.set(edit, value);
        d.ok();
        ASSERT_TRUE(d.open()) << "OK was accepted";
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.message);
        EXPECT_EQ(shown[0].caption, "Zotwell - ZOT");
        EXPECT_EQ(shown[0].buttons, static_cast<UINT>(MB_OK)) << "an OK button and no icon";
        EXPECT_TRUE(d.focused(c.field)) << "focus on " << c.field;
        const std::string t = d.text(c.field);
        EXPECT_EQ(d.selection(c.field), std::make_pair(DWORD{0}, static_cast<DWORD>(t.size())));
        d.cancel();
    }));
    EXPECT_EQ(std::memcmp(before.data(), storedRecord(c.key), blockDataSize), 0);
    EXPECT_FALSE(closingAsks()) << "a refused OK changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Checks, OkRefuses,
    ::testing::Values(
        // An empty address gets the same words whatever the type.
        Refusal{"EmailNoAddress", freeEmailKey, {}, {}, text::addressRequired, IDC_SD_ADDRESS_EDIT},
        Refusal{"FtpNoAddress",
                publicFtp,
                {},
                {{IDC_SD_ADDRESS_EDIT, ""}},
                text::addressRequired,
                IDC_SD_ADDRESS_EDIT},
        Refusal{"SmbNoAddress",
                officeShare,
                {},
                {{IDC_SD_ADDRESS_EDIT, ""}},
                text::addressRequired,
                IDC_SD_ADDRESS_EDIT},
        Refusal{
            "NewFtpNoAddress", freeServerKey, {}, {}, text::addressRequired, IDC_SD_ADDRESS_EDIT},
        // The e-mail test.
        Refusal{"NoAtSign",
                sales,
                {},
                {{IDC_SD_ADDRESS_EDIT, "sales.example.com"}},
                text::addressInvalid,
                IDC_SD_ADDRESS_EDIT},
        Refusal{"NoFullStop",
                sales,
                {},
                {{IDC_SD_ADDRESS_EDIT, "sales@example"}},
                text::addressInvalid,
                IDC_SD_ADDRESS_EDIT},
        Refusal{"TwoAtSigns",
                sales,
                {},
                {{IDC_SD_ADDRESS_EDIT, "sales@ex@mple.com"}},
                text::addressInvalid,
                IDC_SD_ADDRESS_EDIT},
        // The address comes before the name could matter and before the port.
        Refusal{"AddressBeforePort",
                publicFtp,
                {},
                {{IDC_SD_ADDRESS_EDIT, ""}, {IDC_SD_PORT_EDIT, ""}},
                text::addressRequired,
                IDC_SD_ADDRESS_EDIT},
        // Notification addresses, once notification is on.
        Refusal{"AllNotificationsEmpty",
                publicFtp,
                {IDC_SD_NOTIFY_CHECK},
                {},
                text::addressRequired,
                IDC_SD_NOTIFY1_EDIT},
        Refusal{"OnlyNo7AndBad",
                publicFtp,
                {IDC_SD_NOTIFY_CHECK},
                {{IDC_SD_NOTIFY7_EDIT, "ops.example.com"}},
                text::addressInvalid,
                IDC_SD_NOTIFY7_EDIT},
        Refusal{"SmbNo3Bad",
                officeShare,
                {},
                {{IDC_SD_NOTIFY3_EDIT, "it-example.com"}},
                text::addressInvalid,
                IDC_SD_NOTIFY3_EDIT},
        Refusal{"NotificationBeforePort",
                publicFtp,
                {IDC_SD_NOTIFY_CHECK},
                {{IDC_SD_PORT_EDIT, "0"}},
                text::addressRequired,
                IDC_SD_NOTIFY1_EDIT},
        // The port of an FTP key.
        Refusal{"PortEmpty",
                publicFtp,
                {},
                {{IDC_SD_PORT_EDIT, ""}},
                text::notInteger,
                IDC_SD_PORT_EDIT},
        Refusal{
            "Port0", publicFtp, {}, {{IDC_SD_PORT_EDIT, "0"}}, text::portRange, IDC_SD_PORT_EDIT},
        Refusal{"Port65536",
                publicFtp,
                {},
                {{IDC_SD_PORT_EDIT, "65536"}},
                text::portRange,
                IDC_SD_PORT_EDIT},
        Refusal{"SmbBecomingFtpWithPort0",
                officeShare,
                {IDC_SD_FTP_RADIO},
                {{IDC_SD_PORT_EDIT, "0"}},
                text::portRange,
                IDC_SD_PORT_EDIT}),
    [](const ::testing::TestParamInfo<Refusal>& c) { return c.param.name; });

// An accepted OK: the dialog closes and the key holds what was entered.
struct Acceptance {
    const char* name;
    int key;
    std::vector<int> clicks;
    std::vector<std::pair<int, std::string>> sets;
    std::function<void(const DestinationEntry&)> expect;
};

class OkAccepts : public SpeedDial, public ::testing::WithParamInterface<Acceptance> {};

TEST_P(OkAccepts, StoresTheKey) {
    const Acceptance& c = GetParam();
    openSampleList();
    ASSERT_TRUE(onKey(c.key, [&](Dialog& d) {
        for (int button : c.clicks)
            d.click(button);
        for (const auto& [edit, value] : c.sets)
            d.set(edit, value);
        d.ok();
        EXPECT_FALSE(d.open()) << (shown.empty() ? "" : shown.back().text);
    }));
    EXPECT_TRUE(shown.empty());
    c.expect(registered(c.key));
}

void portIs(const DestinationEntry& e, uint32_t port) {
    EXPECT_EQ(e.port, port);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, OkAccepts,
    ::testing::Values(Acceptance{"PlainAddress",
                                 freeEmailKey,
                                 {},
                                 {{IDC_SD_ADDRESS_EDIT, "abc@xyz.com"}},
                                 [](const DestinationEntry& e) {
                                     EXPECT_STREQ(e.address, "abc@xyz.com");
                                 }},
                      // Only the count of at signs and the presence of a full stop matter.
                      Acceptance{"JustAtAndStop",
                                 freeEmailKey,
                                 {},
                                 {{IDC_SD_ADDRESS_EDIT, "@."}},
                                 [](const DestinationEntry& e) { EXPECT_STREQ(e.address, "@."); }},
                      // Names, directory and login may be empty, also for a private site.
                      Acceptance{"EmptyNameAndLogin",
                                 freeServerKey,
                                 {IDC_SD_PRIVATE_RADIO},
                                 {{IDC_SD_ADDRESS_EDIT, "ftp.example.net"}},
                                 [](const DestinationEntry& e) {
                                     EXPECT_STREQ(e.name, "");
                                     EXPECT_STREQ(e.userName, "");
                                     EXPECT_EQ(e.accountMode, 0);
                                     EXPECT_EQ(e.type, typeFtp);
                                 }},
                      Acceptance{"Port1",
                                 publicFtp,
                                 {},
                                 {{IDC_SD_PORT_EDIT, "1"}},
                                 [](const DestinationEntry& e) { portIs(e, 1); }},
                      Acceptance{"Port65535",
                                 publicFtp,
                                 {},
                                 {{IDC_SD_PORT_EDIT, "65535"}},
                                 [](const DestinationEntry& e) { portIs(e, 65535); }},
                      Acceptance{"OnlyNo7AndGood",
                                 publicFtp,
                                 {IDC_SD_NOTIFY_CHECK},
                                 {{IDC_SD_NOTIFY7_EDIT, "ops@example.com"}},
                                 [](const DestinationEntry& e) {
                                     EXPECT_EQ(e.notify, 1);
                                     EXPECT_STREQ(e.notifyAddress[6], "ops@example.com");
                                 }},
                      // SMB is never port-checked, and keeps port 21 whatever the edit held.
                      Acceptance{"SmbWithAnEmptyPort",
                                 publicFtp,
                                 {IDC_SD_SMB_RADIO},
                                 {{IDC_SD_PORT_EDIT, ""}},
                                 [](const DestinationEntry& e) {
                                     EXPECT_EQ(e.type, typeSmb);
                                     portIs(e, 21);
                                 }},
                      // An SMB key turned FTP gets the port its record holds.
                      Acceptance{"SmbBecomingFtp",
                                 officeShare,
                                 {IDC_SD_FTP_RADIO},
                                 {},
                                 [](const DestinationEntry& e) {
                                     EXPECT_EQ(e.type, typeFtp);
                                     portIs(e, 21);
                                 }},
                      Acceptance{"SmbWithPort0",
                                 officeShare,
                                 {},
                                 {{IDC_SD_PORT_EDIT, "0"}},
                                 [](const DestinationEntry& e) { portIs(e, 21); }}),
    [](const ::testing::TestParamInfo<Acceptance>& c) { return c.param.name; });

// ---------------------------------------------------------------- typing

TEST_F(SpeedDial, ACommaTypedIntoAnAddressFieldGoesAndTheCaretStays) {
    openSampleList();
    ASSERT_TRUE(onKey(publicFtp, [&](Dialog& d) {
        // Notification and login fields take typing once they are on.
        d.click(IDC_SD_NOTIFY_CHECK);
        d.click(IDC_SD_PRIVATE_RADIO);
        for (int edit : addressEdits) {
            SCOPED_TRACE(edit);
            d.set(edit, "ab");
            d.typeAt(edit, 1, ',');
            EXPECT_EQ(d.text(edit), "ab");
            EXPECT_EQ(d.selection(edit), std::make_pair(DWORD{1}, DWORD{1}));
            d.typeAt(edit, 1, ' ');
            EXPECT_EQ(d.text(edit), "a b") << "a space is an address character";
            EXPECT_EQ(d.selection(edit), std::make_pair(DWORD{2}, DWORD{2}));
        }
        d.cancel();
    }));
}

TEST_F(SpeedDial, RefusedCharactersGoOneAtATime) {
    openSampleList();
    ASSERT_TRUE(onKey(freeEmailKey, [&](Dialog& d) {
        // A pasted text loses each refused character, the first decides the caret.
        d.set(IDC_SD_ADDRESS_EDIT, "a,b;c<d>e@f\"g:h\\.com");
        EXPECT_EQ(d.text(IDC_SD_ADDRESS_EDIT), "abcde@fgh.com");
        d.set(IDC_SD_NAME_EDIT, "Sa\\les");
        EXPECT_EQ(d.text(IDC_SD_NAME_EDIT), "Sales");
        d.set(IDC_SD_PORT_EDIT, "a"); // hidden on an e-mail key, but filtered all the same
        EXPECT_EQ(d.text(IDC_SD_PORT_EDIT), "");
        d.ok();
    }));
    const DestinationEntry e = registered(freeEmailKey);
    EXPECT_STREQ(e.address, "abcde@fgh.com");
    EXPECT_STREQ(e.name, "Sales");
}

TEST_F(SpeedDial, WhatIsTypedIsWhatIsStored) {
    openDocumentWithFreeKeys({freeServerKey});
    ASSERT_TRUE(inDialog([&] { command(IDM_NEW_ENTRY); },
                         [&](Dialog& d) {
                             d.click(IDC_SD_PROXY_CHECK);
                             d.click(IDC_SD_NOTIFY_CHECK);
                             d.click(IDC_SD_PRIVATE_RADIO);
                             d.set(IDC_SD_NAME_EDIT, "Archive");
                             d.set(IDC_SD_ADDRESS_EDIT, "ftp.example.net");
                             d.set(IDC_SD_DIRECTORY_EDIT, "/in/box");
                             d.set(IDC_SD_PORT_EDIT, "2100");
                             for (int i = 0; i < notificationCount; ++i)
                                 d.set(IDC_SD_NOTIFY1_EDIT + 2 * i,
                                       "n" + std::to_string(i + 1) + "@example.com");
                             d.set(IDC_SD_USER_EDIT, "archiver");
                             d.set(IDC_SD_PASSWORD_EDIT, "s3cret pass");
                             d.ok();
                         }));
    EXPECT_TRUE(shown.empty());
    const DestinationEntry e = registered(freeServerKey);
    EXPECT_EQ(e.type, typeFtp);
    EXPECT_STREQ(e.name, "Archive");
    EXPECT_STREQ(e.address, "ftp.example.net");
    EXPECT_STREQ(e.directory, "/in/box");
    EXPECT_EQ(e.useProxy, 1);
    EXPECT_EQ(e.port, 2100u);
    EXPECT_EQ(e.notify, 1);
    for (int i = 0; i < notificationCount; ++i)
        EXPECT_EQ(e.notifyAddress[i], "n" + std::to_string(i + 1) + "@example.com");
    EXPECT_EQ(e.accountMode, 0);
    EXPECT_STREQ(e.userName, "archiver");
    EXPECT_STREQ(e.password, "s3cret pass");
}

TEST_F(SpeedDial, SwitchingFtpToSmbAndBackKeepsTheFields) {
    openSampleList();
    ASSERT_TRUE(onKey(scanServer, [&](Dialog& d) {
        d.click(IDC_SD_PROXY_CHECK);
        d.set(IDC_SD_PORT_EDIT, "8021");
        d.set(IDC_SD_DIRECTORY_EDIT, "/other");
        d.click(IDC_SD_SMB_RADIO);
        EXPECT_TRUE(d.checked(IDC_SD_SMB_RADIO));
        EXPECT_FALSE(d.checked(IDC_SD_FTP_RADIO));
        EXPECT_FALSE(d.visible(IDC_SD_PORT_EDIT));
        EXPECT_FALSE(d.visible(IDC_SD_PROXY_CHECK));
        EXPECT_TRUE(d.visible(IDC_SD_DIRECTORY_EDIT));
        d.click(IDC_SD_FTP_RADIO);
        EXPECT_TRUE(d.visible(IDC_SD_PORT_EDIT));
        EXPECT_TRUE(d.checked(IDC_SD_PROXY_CHECK));
        EXPECT_EQ(d.text(IDC_SD_PORT_EDIT), "8021");
        EXPECT_EQ(d.text(IDC_SD_DIRECTORY_EDIT), "/other");
        EXPECT_EQ(d.text(IDC_SD_USER_EDIT), "scanner");
        EXPECT_TRUE(d.checked(IDC_SD_PRIVATE_RADIO));
        EXPECT_TRUE(d.checked(IDC_SD_NOTIFY_CHECK));
        d.ok();
    }));
    const DestinationEntry e = registered(scanServer);
    EXPECT_EQ(e.type, typeFtp);
    EXPECT_EQ(e.port, 8021u);
    EXPECT_EQ(e.useProxy, 1);
    EXPECT_STREQ(e.directory, "/other");
    EXPECT_STREQ(e.password, "Tr4nsfer");
}

TEST_F(SpeedDial, TheAccountAndNotificationButtonsEnableTheirFields) {
    openSampleList();
    ASSERT_TRUE(onKey(publicFtp, [&](Dialog& d) {
        EXPECT_FALSE(d.enabled(IDC_SD_USER_EDIT));
        d.click(IDC_SD_PRIVATE_RADIO);
        EXPECT_TRUE(d.checked(IDC_SD_PRIVATE_RADIO));
        EXPECT_FALSE(d.checked(IDC_SD_ANONYMOUS_RADIO));
        EXPECT_TRUE(d.enabled(IDC_SD_USER_EDIT));
        EXPECT_TRUE(d.enabled(IDC_SD_PASSWORD_EDIT));
        d.click(IDC_SD_ANONYMOUS_RADIO);
        EXPECT_FALSE(d.enabled(IDC_SD_USER_EDIT));
        EXPECT_FALSE(d.enabled(IDC_SD_PASSWORD_EDIT));

        EXPECT_FALSE(d.enabled(IDC_SD_NOTIFY5_EDIT));
        d.click(IDC_SD_NOTIFY_CHECK);
        EXPECT_TRUE(d.enabled(IDC_SD_NOTIFY5_EDIT));
        d.click(IDC_SD_NOTIFY_CHECK);
        EXPECT_FALSE(d.enabled(IDC_SD_NOTIFY5_EDIT));
        d.ok();
    }));
    const DestinationEntry e = registered(publicFtp);
    EXPECT_EQ(e.accountMode, 1);
    EXPECT_EQ(e.notify, 0);
}

// ---------------------------------------------------------------- commit, Cancel, close

TEST_F(SpeedDial, OkRebuildsTheRowPacksTheImageAndMarksTheDocument) {
    openSampleList();
    ASSERT_TRUE(onKey(freeEmailKey, [&](Dialog& d) {
        d.set(IDC_SD_NAME_EDIT, "Dispatch");
        d.set(IDC_SD_ADDRESS_EDIT, "dispatch@example.com");
        d.ok();
    }));
    EXPECT_EQ(cell(freeEmailKey, 0), "006");
    EXPECT_EQ(cell(freeEmailKey, 1), "Dispatch");
    EXPECT_EQ(cell(freeEmailKey, 2), "dispatch@example.com");
    EXPECT_EQ(rows(), 50);
    EXPECT_EQ(selectedRow(), freeEmailKey);
    EXPECT_EQ(shell.currentEntryIndex, freeEmailKey) << "the row is focused";
    // The image was packed: the key's block holds its record.
    EXPECT_EQ(document().image.blocks[freeEmailKey].blockLength, shortRecordSize);
    EXPECT_EQ(std::memcmp(storedRecord(freeEmailKey),
                          destinationRecord(document().registers, freeEmailKey), shortRecordSize),
              0);
    EXPECT_TRUE(closingAsks()) << "the edit is a change to save";
}

// Opening a key and pressing OK stores it exactly as it was, also where a
// filter would refuse a stored character if it were typed (the SMB key's
// directory holds a backslash).
TEST_F(SpeedDial, OkWithoutEditsStoresEveryKeyAsItWas) {
    openSampleList();
    for (int key : {sales, 1, 3, scanServer, officeShare, publicFtp}) {
        SCOPED_TRACE(key);
        const uint8_t* record = destinationRecord(document().registers, key);
        const std::vector<uint8_t> before(record, record + destinationRecordSize(key));
        ASSERT_TRUE(onKey(key, [&](Dialog& d) { d.ok(); }));
        EXPECT_TRUE(shown.empty());
        EXPECT_EQ(std::memcmp(before.data(), record, before.size()), 0);
    }
    EXPECT_STREQ(registered(officeShare).directory, "scans\\second-floor");
}

TEST_F(SpeedDial, CancelLeavesTheRegistersAsTheImageHoldsThem) {
    openSampleList();
    const std::string beforeName = cell(scanServer, 1);
    for (int key : {freeServerKey, scanServer, freeEmailKey}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(onKey(key, [&](Dialog& d) {
            d.set(IDC_SD_NAME_EDIT, "Changed");
            d.set(IDC_SD_ADDRESS_EDIT, "changed@example.com");
            d.cancel();
        }));
        // Also the port and account defaults decoding wrote into a free key.
        EXPECT_TRUE(registersMatchTheImage());
    }
    const uint8_t* free = destinationRecord(document().registers, freeServerKey);
    EXPECT_EQ(free[rec::port], 0);
    EXPECT_EQ(free[rec::accountMode], 0);
    EXPECT_EQ(cell(scanServer, 1), beforeName);
    EXPECT_EQ(cell(freeEmailKey, 2), "");
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(closingAsks());
}

TEST_F(SpeedDial, EscapeIsCancel) {
    openSampleList();
    ASSERT_TRUE(onKey(freeServerKey, [&](Dialog& d) {
        d.set(IDC_SD_ADDRESS_EDIT, "ftp.example.net");
        // What the dialog manager sends for Esc.
        SendMessageA(d.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(d.item(IDCANCEL)));
    }));
    EXPECT_TRUE(registersMatchTheImage());
    EXPECT_FALSE(isRegistered(document().registers, freeServerKey));
}

TEST_F(SpeedDial, TheTitleBarCloseEndsTheDialogWithoutStoring) {
    openSampleList();
    const std::vector<uint8_t> image(storedRecord(scanServer),
                                     storedRecord(scanServer) + longRecordSize);
    ASSERT_TRUE(onKey(scanServer, [&](Dialog& d) {
        d.set(IDC_SD_ADDRESS_EDIT, "elsewhere.example.com");
        SendMessageA(d.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }));
    EXPECT_EQ(std::memcmp(image.data(), storedRecord(scanServer), longRecordSize), 0);
    EXPECT_STREQ(registered(scanServer).address, "ftp.example.com");
    EXPECT_EQ(cell(scanServer, 2), "ftp.example.com");
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(closingAsks());
}

// Unlike Cancel, the close does not read the image again: the defaults that
// decoding gave a free key stay in its record (they are what any decode of
// it gives), and the image still holds the key as free.
TEST_F(SpeedDial, TheTitleBarCloseIsNoCancel) {
    openSampleList();
    ASSERT_TRUE(onKey(freeServerKey, [&](Dialog& d) {
        d.set(IDC_SD_ADDRESS_EDIT, "ftp.example.net");
        SendMessageA(d.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }));
    const uint8_t* record = destinationRecord(document().registers, freeServerKey);
    EXPECT_EQ(record[rec::port], defaultFtpPort);
    EXPECT_EQ(record[rec::accountMode], 1);
    EXPECT_EQ(record[rec::addressLength], 0);
    EXPECT_EQ(document().image.blocks[freeServerKey].blockLength, 0u);
}

// ---------------------------------------------------------------- Japanese

// Run from a copy of the tests with the Japanese language library beside it,
// under code page 932 (see CMakeLists.txt).
using SpeedDialJapanese = SpeedDial;

const std::string alpha = "\x83\x9F"; // GREEK CAPITAL ALPHA: in CP932, not in the machine's table
const std::string yama = "\x8E\x52";  // U+5C71, a kanji the machine stores

TEST_F(SpeedDialJapanese, TheNameFieldsHoldBothNamesAndTheNameIsChecked) {
    ASSERT_EQ(GetACP(), 932u) << "ctest runs this with LC_ALL and LOCPATH";
    ASSERT_EQ(shell.rules.language, "JAPANESE");
    openSampleList();
    constexpr int accounts = 1; // name "Accounts", name 2 "Invoices"
    ASSERT_TRUE(onKey(accounts, [&](Dialog& d) {
        EXPECT_TRUE(d.visible(IDC_SD_NAME2_LABEL));
        EXPECT_TRUE(d.visible(IDC_SD_NAME2_EDIT));
        EXPECT_EQ(d.text(IDC_SD_NAME_EDIT), "Invoices") << "the Name field holds name 2";
        EXPECT_EQ(d.text(IDC_SD_NAME2_EDIT), "Accounts");

        // Name 2 is taken as typed; the name check on OK takes out what the
        // machine cannot store, says so and selects what is left.
        d.set(IDC_SD_NAME_EDIT, "AB" + alpha + "C");
        EXPECT_EQ(d.text(IDC_SD_NAME_EDIT), "AB" + alpha + "C");
        d.ok();
        ASSERT_TRUE(d.open());
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, text::nameDeleted);
        EXPECT_EQ(d.text(IDC_SD_NAME_EDIT), "ABC");
        EXPECT_TRUE(d.focused(IDC_SD_NAME_EDIT));
        EXPECT_EQ(d.selection(IDC_SD_NAME_EDIT), std::make_pair(DWORD{0}, DWORD{3}));

        // A kanji of the machine's table stays, moved to an even offset.
        d.set(IDC_SD_NAME_EDIT, "A" + yama);
        // The name is filtered as it is typed: a backslash goes at once.
        d.set(IDC_SD_NAME2_EDIT, "Acc\\ounts");
        EXPECT_EQ(d.text(IDC_SD_NAME2_EDIT), "Accounts");
        d.ok();
        EXPECT_FALSE(d.open());
    }));
    EXPECT_EQ(shown.size(), 1u);
    const DestinationEntry e = registered(accounts);
    EXPECT_EQ(e.name2, "A " + yama);
    EXPECT_STREQ(e.name, "Accounts");
    EXPECT_EQ(cell(accounts, 1), "A " + yama);
    EXPECT_EQ(cell(accounts, 2), "Accounts");
}

} // namespace
