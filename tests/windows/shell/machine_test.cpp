// The connection with the simulated copier: Connect and Disconnect, the
// readiness check before a transfer, the three-second poll, Download and
// Upload.
#include "harness.h"

#include "destination.h"
#include "resource.h"
#include "textrules.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class Machine : public FrameTest {
  protected:
    // The address of a key as the machine holds it.
    std::string machineAddress(int key) {
        std::unique_ptr<Document> copy(new Document(machine.memory()));
        unpackImage(*copy);
        DestinationEntry entry;
        decodeDestination(TextRules{"ENGLISH", nullptr}, copy->registers, entry, key);
        return entry.address;
    }
    bool online() { return panelText() == "Connect Status : ONLINE"; }
    void poll() {
        SendMessageA(frame, WM_TIMER, 1, 0); // as the system delivers timer 1
        pump();
    }
    // Key 001 emptied in the open document.
    void deleteFirstKey() {
        showSpeedDial();
        command(IDM_DELETE);
        ASSERT_EQ(cell(0, 2), "");
    }
};

TEST_F(Machine, ConnectOpensASessionAndDisconnectClosesIt) {
    connect();
    EXPECT_TRUE(machine.sessionOpen());
    command(IDM_DISCONNECT);
    EXPECT_FALSE(machine.sessionOpen());
    EXPECT_EQ(panelText(), "Connect Status : OFFLINE");
    EXPECT_TRUE(shown.empty());
}

TEST_F(Machine, ClosingTheWindowEndsTheSession) {
    connect();
    closeBox();
    EXPECT_TRUE(closed());
    EXPECT_FALSE(machine.sessionOpen());
    EXPECT_TRUE(shown.empty());
}

struct Refusal {
    const char* name;
    void (*arm)(SimulatedCopier&);
    const char* message;
};

class ConnectRefused : public Machine, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ConnectRefused, SaysWhyAndStaysOffline) {
    GetParam().arm(machine);
    command(IDM_CONNECT);
    EXPECT_EQ(texts(), Strings{GetParam().message});
    EXPECT_EQ(shown.front().caption, "Zotwell - ZOT");
    EXPECT_EQ(shown.front().buttons, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_FALSE(online());
    EXPECT_FALSE(machine.sessionOpen());
    EXPECT_TRUE(menuEnabled(IDM_CONNECT));
    EXPECT_FALSE(menuEnabled(IDM_DOWNLOAD));
}

INSTANTIATE_TEST_SUITE_P(
    Machines, ConnectRefused,
    ::testing::Values(
        Refusal{"Busy", [](SimulatedCopier& m) { m.setBusyReply(1, 0); }, says::busy},
        Refusal{"Silent", [](SimulatedCopier& m) { m.setControlSilent(true); }, says::busy},
        Refusal{"Unplugged", [](SimulatedCopier& m) { m.unplug(0); }, says::portError},
        Refusal{"StatusTimeout", [](SimulatedCopier& m) { m.setStatus(2); }, says::timeout},
        Refusal{
            "SessionRefused",
            [](SimulatedCopier& m) { m.inject(SimFault::NoBodyWrite, SimRequest::OpenSession); },
            says::connectAgain}),
    [](const ::testing::TestParamInfo<Refusal>& r) { return r.param.name; });

// The check before Download and Upload, for every answer of the machine.
struct Readiness {
    const char* name;
    bool queryFails;
    uint8_t status;
    const char* message; // null: ready
};

class ReadyCheck : public Machine, public ::testing::WithParamInterface<Readiness> {
  protected:
    void arm() {
        if (GetParam().queryFails)
            machine.inject(SimFault::NoHeaderWrite, SimRequest::Status);
        else
            machine.inject(SimFault::Status, SimRequest::Status, 0, GetParam().status);
    }
};

TEST_P(ReadyCheck, BeforeDownload) {
    connect();
    arm();
    command(IDM_DOWNLOAD);
    if (!GetParam().message) {
        EXPECT_TRUE(shown.empty());
        EXPECT_TRUE(online());
        EXPECT_TRUE(menuEnabled(IDM_SAVE)) << "downloaded";
        return;
    }
    EXPECT_EQ(texts(), Strings{GetParam().message});
    EXPECT_FALSE(online()) << "a refused check disconnects";
    EXPECT_FALSE(menuEnabled(IDM_SAVE)) << "nothing downloaded";
}

TEST_P(ReadyCheck, BeforeUpload) {
    download();
    deleteFirstKey();
    arm();
    if (!GetParam().message) answers.push_back(IDYES);
    command(IDM_UPLOAD);
    if (!GetParam().message) {
        EXPECT_EQ(texts(), Strings{says::askUpload});
        EXPECT_EQ(machine.uploadsTaken(), 1);
        return;
    }
    EXPECT_EQ(texts(), Strings{GetParam().message});
    EXPECT_FALSE(online());
    EXPECT_EQ(machine.uploadsTaken(), 0);
    EXPECT_EQ(machineAddress(0), "sales@example.com");
}

INSTANTIATE_TEST_SUITE_P(Answers, ReadyCheck,
                         ::testing::Values(Readiness{"QueryFails", true, 0, says::portError},
                                           Readiness{"Free", false, 0, nullptr},
                                           Readiness{"Busy", false, 1, says::busy},
                                           Readiness{"Timeout", false, 2, says::timeout},
                                           Readiness{"Trouble", false, 3, says::trouble},
                                           Readiness{"DataError", false, 4, says::dataError},
                                           Readiness{"UndocumentedStatus", false, 9, nullptr}),
                         [](const ::testing::TestParamInfo<Readiness>& r) { return r.param.name; });

// The poll, every three seconds while connected.
struct PollCase {
    const char* name;
    bool queryFails;
    uint8_t status;
    const char* message; // null: none
    bool staysOnline;
};

class Poll : public Machine, public ::testing::WithParamInterface<PollCase> {};

TEST_P(Poll, KeepsOrDropsTheConnection) {
    connect();
    const PollCase& c = GetParam();
    if (c.queryFails)
        machine.inject(SimFault::NoHeaderWrite, SimRequest::Status);
    else
        machine.inject(SimFault::Status, SimRequest::Status, 0, c.status);
    poll();
    EXPECT_EQ(texts(), c.message ? Strings{c.message} : Strings{});
    EXPECT_EQ(online(), c.staysOnline);
    EXPECT_EQ(menuEnabled(IDM_CONNECT), !c.staysOnline);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Poll,
    ::testing::Values(PollCase{"Free", false, 0, nullptr, true},
                      PollCase{"Busy", false, 1, nullptr, true},
                      PollCase{"Trouble", false, 3, nullptr, true},
                      PollCase{"DataError", false, 4, nullptr, true},
                      PollCase{"Timeout", false, 2, says::timeout, false},
                      // The link tells the user when it cannot close the session.
                      PollCase{"QueryFails", true, 0, says::connectAgain, false}),
    [](const ::testing::TestParamInfo<PollCase>& p) { return p.param.name; });

TEST_F(Machine, NoPollWhileOffline) {
    machine.trace(true);
    poll();
    EXPECT_TRUE(machine.events().empty());
    connect();
    command(IDM_DISCONNECT);
    machine.clearTrace();
    poll();
    EXPECT_TRUE(machine.events().empty());
}

TEST_F(Machine, DownloadOpensTheMachinesDocument) {
    download();
    EXPECT_EQ(treeRootText(), "Copier 2nd floor");
    EXPECT_EQ(panelText(), "Connect Status : ONLINE");
    EXPECT_EQ(statusPane(1), "Zotwell");
    EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat");
    showSpeedDial();
    ASSERT_EQ(rows(), 50);
    EXPECT_EQ(cell(0, 1), "Sales");
    EXPECT_EQ(cell(0, 2), "sales@example.com");
    EXPECT_EQ(cell(40, 1), "Scan server");
    EXPECT_TRUE(closingAsks()) << "a download is a change to save";
}

TEST_F(Machine, AMachineNameIsShownAsStored) {
    ImageSettings& settings = machine.memory().settings.image;
    const char name[] = "100% %s copier";
    std::memset(settings.senderName, 0, sizeof settings.senderName);
    std::memcpy(settings.senderName, name, sizeof name - 1);
    packImage(machine.memory());
    download();
    EXPECT_EQ(treeRootText(), name);
}

class DownloadOverDocument : public Machine, public ::testing::WithParamInterface<int> {};

TEST_P(DownloadOverDocument, AsksFirst) {
    download();
    deleteFirstKey();
    answers.push_back(GetParam());
    command(IDM_DOWNLOAD);
    EXPECT_EQ(texts(), Strings{says::askDownload});
    EXPECT_EQ(shown.front().buttons & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(cell(0, 2), GetParam() == IDYES ? "sales@example.com" : "");
    // Marked changed whatever the answer.
    EXPECT_TRUE(closingAsks());
}

INSTANTIATE_TEST_SUITE_P(Answers, DownloadOverDocument, ::testing::Values(IDYES, IDNO),
                         [](const ::testing::TestParamInfo<int>& a) {
                             return a.param == IDYES ? "Yes" : "No";
                         });

TEST_F(Machine, AFailedDownloadKeepsTheOpenDocument) {
    download();
    deleteFirstKey();
    answers.push_back(IDYES);
    machine.inject(SimFault::ShortBody, SimRequest::Download);
    command(IDM_DOWNLOAD);
    EXPECT_EQ(texts(), (Strings{says::askDownload, says::dataError}));
    EXPECT_EQ(cell(0, 2), "") << "the document as it was";
    EXPECT_EQ(cell(1, 2), "accounts@example.com");
    EXPECT_TRUE(menuEnabled(IDM_SAVE));
}

TEST_F(Machine, AFailedDownloadWithoutDocumentOpensNone) {
    connect();
    machine.inject(SimFault::Garbage, SimRequest::Download);
    command(IDM_DOWNLOAD);
    EXPECT_EQ(texts(), Strings{says::dataError});
    EXPECT_FALSE(menuEnabled(IDM_SAVE));
    EXPECT_EQ(placeOf(IDD_STATUS_PANEL).left, 0) << "the panel still covers the views";
    EXPECT_FALSE(closingAsks()) << "nothing to save";
    EXPECT_TRUE(closed());
}

TEST_F(Machine, AnUnreadableConfigurationEndsTheDownloadQuietly) {
    connect();
    machine.inject(SimFault::ShortBody, SimRequest::Config);
    command(IDM_DOWNLOAD);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(menuEnabled(IDM_SAVE));
}

class Upload : public Machine, public ::testing::WithParamInterface<int> {};

TEST_P(Upload, AsksThenWritesTheDocumentIntoTheMachine) {
    download();
    deleteFirstKey();
    answers.push_back(GetParam());
    command(IDM_UPLOAD);
    EXPECT_EQ(texts(), Strings{says::askUpload});
    EXPECT_EQ(machine.uploadsTaken(), GetParam() == IDYES ? 1 : 0);
    EXPECT_EQ(machineAddress(0), GetParam() == IDYES ? "" : "sales@example.com");
    EXPECT_EQ(machineAddress(1), "accounts@example.com");
    EXPECT_EQ(statusPane(1), "Zotwell");
    EXPECT_TRUE(online());
}

INSTANTIATE_TEST_SUITE_P(Answers, Upload, ::testing::Values(IDYES, IDNO),
                         [](const ::testing::TestParamInfo<int>& a) {
                             return a.param == IDYES ? "Yes" : "No";
                         });

TEST_F(Machine, AFailedUploadSaysSo) {
    download();
    answers.push_back(IDYES);
    machine.inject(SimFault::NoBodyWrite, SimRequest::Upload);
    command(IDM_UPLOAD);
    EXPECT_EQ(texts(), (Strings{says::askUpload, says::dataError}));
    EXPECT_EQ(machine.uploadsTaken(), 0);
}

// The tree root's Upload acts only while the root is the view.
TEST_F(Machine, TreeUploadOnlyFromTheRoot) {
    download();
    showSpeedDial();
    answers.push_back(IDYES);
    command(IDM_TREE_UPLOAD);
    EXPECT_EQ(machine.uploadsTaken(), 0);
    EXPECT_TRUE(rightClickTreeNode(0).shown()); // the root's menu makes the root the view
    shown.clear();
    answers.push_back(IDYES);
    command(IDM_TREE_UPLOAD);
    EXPECT_EQ(texts(), Strings{says::askUpload});
    EXPECT_EQ(machine.uploadsTaken(), 1);
}

} // namespace
