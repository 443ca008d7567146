// The still-image driver's side of the link under Wine, where no scanner is
// attached: discovery walks the fifteen device files, finds none, and every
// step reports it the way it does on a PC without the copier.
#include "link_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Usbscan, WithNoStillImageDeviceTheMachineIsNotFound) {
    MachineLink link;
    initLink(link, usbscanTransport());
    fillProductIdList(link.productIdList, productIdString);
    Recorder said;
    link.showMessage = recordMessage;

    EXPECT_EQ(openDevice(link), -1);
    EXPECT_EQ(link.requestPipe, invalidPipe);
    EXPECT_EQ(link.replyPipe, invalidPipe);
    EXPECT_EQ(queryMachineFree(link), 1) << "the status query reports the missing device";
    uint8_t status = 0xEE;
    EXPECT_EQ(queryStatus(link, status), 0);
    EXPECT_EQ(openSession(link, &said), 0);
    EXPECT_EQ(said.messages, std::vector<unsigned>{textDisconnected.id});
    auto doc = makeDocument();
    EXPECT_EQ(fetchDocument(link, *doc), -1);
}

TEST(Usbscan, WithoutTheSimulatorVariableTheDriverIsTheMachine) {
    ASSERT_EQ(_putenv_s("ZOTWELL_SIMULATOR", ""), 0);
    std::string problem = "unset";
    EXPECT_EQ(defaultTransport(problem), usbscanTransport());
    EXPECT_EQ(problem, "");
}

} // namespace
