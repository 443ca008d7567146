// The Forward Location dialog, opened as a user opens it: Utility Setting,
// the FAX RX Operation tab, a click on Forward Mode "ON(3)". The dialog is
// driven through its controls; message boxes are answered by the harness,
// which records them.
#include "harness.h"
#include "sheetdriver.h"

#include "forwardrules.h"
#include "resource.h"
#include "shellstate.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace text {
constexpr char phoneRequired[] = "Phone number must be specified !";
constexpr char emailRequired[] = "E-Mail address  must be specified !";
constexpr char emailInvalid[] = "E-Mail address is invalid !\n\nExample: abc@xyz.com";
} // namespace text

class ForwardLocationDialog : public FrameTest {
  protected:
    ForwardLocation& stored() { return shell.document->settings.utility.forwardLocation; }

    // The dialog over the FAX RX page; `step` must end it (OK or Cancel).
    bool inDialog(const std::function<void(SheetDriver&)>& step) {
        bool opened = false;
        withSheet([&] { command(IDM_UTILITY_SETTING); },
                  [&](SheetDriver& sheet) {
                      if (sheet.selectTab("FAX RX Operation")) {
                          opened = sheet.withSubDialog(IDC_FRX_FORWARD_ON_RADIO, [&](HWND d) {
                              SheetDriver dialog{d};
                              step(dialog);
                          });
                      }
                      sheet.cancel();
                  });
        return opened;
    }

    // OK that the dialog refused: it stays up with the message shown; Cancel ends it.
    void refusedOk(SheetDriver& dialog, const char* message, int focused) {
        const size_t before = shown.size();
        dialog.click(IDOK);
        ASSERT_EQ(shown.size(), before + 1);
        EXPECT_EQ(shown.back().text, message);
        EXPECT_EQ(shown.back().caption, "Zotwell - ZOT");
        EXPECT_EQ(shown.back().buttons & MB_TYPEMASK, static_cast<UINT>(MB_OK));
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), focused);
        dialog.click(IDCANCEL);
    }

    void chooseEmail(SheetDriver& dialog) {
        dialog.click(IDC_FWD_EMAIL_RADIO);
        ASSERT_TRUE(dialog.checked(IDC_FWD_EMAIL_RADIO));
    }
};

const std::vector<int> advancedControls = {IDC_FWD_TX_SIZE_LABEL, IDC_FWD_TX_SIZE_LIST,
                                           IDC_FWD_QUALITY_LABEL, IDC_FWD_QUALITY_LIST,
                                           IDC_FWD_CODING_LABEL,  IDC_FWD_CODING_LIST};

TEST_F(ForwardLocationDialog, AtProgramStartItOpensAsAnEmptyFaxAndWantsANumber) {
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        EXPECT_EQ(dialog.caption(), "Forward Location");
        EXPECT_TRUE(dialog.checked(IDC_FWD_FAX_RADIO));
        EXPECT_EQ(dialog.text(IDC_DETAILS_GROUP), "Fax");
        EXPECT_EQ(dialog.text(IDC_FWD_NUMBER_LABEL), "&Phone Number (*):");
        for (int edit : {IDC_FWD_NUMBER_EDIT, IDC_FWD_SUB_EDIT, IDC_FWD_SID_EDIT}) {
            EXPECT_TRUE(dialog.visible(edit));
            EXPECT_EQ(dialog.text(edit), "");
        }
        EXPECT_FALSE(dialog.visible(IDC_FWD_ADDRESS_EDIT));
        EXPECT_FALSE(dialog.visible(IDC_FWD_MODE_GROUP));
        refusedOk(dialog, text::phoneRequired, IDC_FWD_NUMBER_EDIT);
    }));
}

TEST_F(ForwardLocationDialog, EmailIsOfferedOnlyWithTheMachinesNetworkOption) {
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        EXPECT_FALSE(dialog.enabled(IDC_FWD_EMAIL_RADIO));
        dialog.click(IDCANCEL);
    }));
    download(); // the sample machine reports its network option
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        EXPECT_TRUE(dialog.enabled(IDC_FWD_EMAIL_RADIO));
        dialog.click(IDCANCEL);
    }));
}

TEST_F(ForwardLocationDialog, AStoredEmailDestinationOpensAsAnEmptyFaxWhereEmailIsNotOffered) {
    setForwardKind(stored(), forwardEmail);
    setForwardAddress(stored(), "fwd@example.com");
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        EXPECT_TRUE(dialog.checked(IDC_FWD_FAX_RADIO));
        EXPECT_EQ(dialog.text(IDC_FWD_NUMBER_EDIT), "");
        // The address's length is no number length.
        refusedOk(dialog, text::phoneRequired, IDC_FWD_NUMBER_EDIT);
    }));
}

TEST_F(ForwardLocationDialog, TheNumberKeepsPauseSpaceAndHyphenSubAndSidDoNot) {
    struct Case {
        int edit;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {IDC_FWD_NUMBER_EDIT, "0P 1-2+3*#", "0P 1-23*#"},
        {IDC_FWD_SUB_EDIT, "0P 1-2+3*#", "0123*#"},
        {IDC_FWD_SID_EDIT, "0P 1-2+3*#", "0123*#"},
    };
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        for (const Case& c : cases) {
            dialog.set(c.edit, c.typed);
            EXPECT_EQ(dialog.text(c.edit), c.kept) << c.edit;
        }
        dialog.click(IDOK);
    }));
    EXPECT_EQ(forwardKindOf(stored()), forwardFax);
    EXPECT_EQ(stored().bytes[0], forwardFax);
    EXPECT_EQ(forwardDial(stored(), DialPart::Number), "0P 1-23*#");
    EXPECT_EQ(forwardDial(stored(), DialPart::Sub), "0123*#");
    EXPECT_EQ(forwardDial(stored(), DialPart::Sid), "0123*#");
}

TEST_F(ForwardLocationDialog, AStoredFaxDestinationReopensAsItWasStored) {
    setForwardKind(stored(), forwardFax);
    setForwardDial(stored(), DialPart::Number, "0612345678");
    setForwardDial(stored(), DialPart::Sub, "77");
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        EXPECT_EQ(dialog.text(IDC_FWD_NUMBER_EDIT), "0612345678");
        EXPECT_EQ(dialog.text(IDC_FWD_SUB_EDIT), "77");
        EXPECT_EQ(dialog.text(IDC_FWD_SID_EDIT), "");
        dialog.click(IDCANCEL);
    }));
}

TEST_F(ForwardLocationDialog, CancelAfterChangesLeavesTheDestinationAsItWas) {
    setForwardKind(stored(), forwardFax);
    setForwardDial(stored(), DialPart::Number, "0612345678");
    const ForwardLocation before = stored();
    download();
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        dialog.set(IDC_FWD_NUMBER_EDIT, "999");
        chooseEmail(dialog);
        dialog.set(IDC_FWD_ADDRESS_EDIT, "other@example.com");
        dialog.click(IDCANCEL);
    }));
    EXPECT_EQ(std::memcmp(before.bytes, stored().bytes, sizeof before.bytes), 0);
}

TEST_F(ForwardLocationDialog, AdvancedStartsFromTheFirstSizeSuperFineAndMh) {
    download();
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        chooseEmail(dialog);
        EXPECT_EQ(dialog.text(IDC_DETAILS_GROUP), "E-Mail");
        EXPECT_EQ(dialog.text(IDC_FWD_NUMBER_LABEL), "A&ddress (*):");
        EXPECT_TRUE(dialog.checked(IDC_FWD_BASIC_RADIO));
        for (int control : advancedControls)
            EXPECT_FALSE(dialog.visible(control)) << control;
        dialog.click(IDC_FWD_ADVANCED_RADIO);
        for (int control : advancedControls)
            EXPECT_TRUE(dialog.visible(control) && dialog.enabled(control)) << control;
        EXPECT_EQ(dialog.chosenText(IDC_FWD_TX_SIZE_LIST), "A3");
        EXPECT_EQ(dialog.chosenText(IDC_FWD_QUALITY_LIST), "S/F");
        EXPECT_EQ(dialog.chosenText(IDC_FWD_CODING_LIST), "MH");
        dialog.set(IDC_FWD_ADDRESS_EDIT, "fwd@example.com");
        dialog.click(IDOK);
    }));
    const uint8_t head[] = {forwardEmail, 15, 1, 0, 2, 0};
    EXPECT_EQ(std::memcmp(stored().bytes, head, sizeof head), 0);
    EXPECT_EQ(forwardAddress(stored()), "fwd@example.com");
}

TEST_F(ForwardLocationDialog, InchSizesStoreLetterAsTwelveAndElevenBySeventeenAsNine) {
    download();
    shell.inchPaperSizes = 1;
    struct Case {
        int position;
        const char* shown;
        uint8_t code;
    };
    for (const Case& c : {Case{0, "Letter", 12}, Case{1, "11x17", 9}}) {
        ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
            if (!dialog.checked(IDC_FWD_EMAIL_RADIO)) {
                chooseEmail(dialog);
                dialog.set(IDC_FWD_ADDRESS_EDIT, "fwd@example.com");
            }
            dialog.click(IDC_FWD_ADVANCED_RADIO);
            EXPECT_EQ(dialog.chosenText(IDC_FWD_TX_SIZE_LIST), "Letter");
            dialog.choose(IDC_FWD_TX_SIZE_LIST, c.position);
            dialog.click(IDOK);
        }));
        EXPECT_EQ(emailSetting(stored(), emailMaxTxSize), c.code) << c.shown;
        ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
            EXPECT_TRUE(dialog.checked(IDC_FWD_ADVANCED_RADIO));
            EXPECT_EQ(dialog.chosenText(IDC_FWD_TX_SIZE_LIST), c.shown);
            dialog.click(IDCANCEL);
        }));
    }
}

TEST_F(ForwardLocationDialog, OkChecksTheAddressOfAnEmailDestination) {
    download();
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        chooseEmail(dialog);
        refusedOk(dialog, text::emailRequired, IDC_FWD_ADDRESS_EDIT);
    }));
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        chooseEmail(dialog);
        dialog.set(IDC_FWD_ADDRESS_EDIT, "no-at-sign.example");
        refusedOk(dialog, text::emailInvalid, IDC_FWD_ADDRESS_EDIT);
    }));
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        chooseEmail(dialog);
        dialog.set(IDC_FWD_ADDRESS_EDIT, "fwd<@example.com");
        EXPECT_EQ(dialog.text(IDC_FWD_ADDRESS_EDIT), "fwd@example.com");
        dialog.click(IDOK);
    }));
    EXPECT_EQ(forwardAddress(stored()), "fwd@example.com");
}

TEST_F(ForwardLocationDialog, AClickOnTheKindShownKeepsWhatWasTyped) {
    download();
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        dialog.set(IDC_FWD_NUMBER_EDIT, "0612");
        dialog.set(IDC_FWD_SUB_EDIT, "12");
        dialog.click(IDC_FWD_FAX_RADIO);
        EXPECT_EQ(dialog.text(IDC_FWD_NUMBER_EDIT), "0612");
        dialog.click(IDOK);
    }));
    EXPECT_EQ(forwardDial(stored(), DialPart::Number), "0612");
    EXPECT_EQ(forwardDial(stored(), DialPart::Sub), "12");
}

TEST_F(ForwardLocationDialog, SwitchingKindLeavesNothingOfTheKindLeftInTheRecord) {
    download();
    ASSERT_TRUE(inDialog([&](SheetDriver& dialog) {
        dialog.set(IDC_FWD_SUB_EDIT, "12");
        chooseEmail(dialog);
        EXPECT_EQ(dialog.text(IDC_FWD_SUB_EDIT), "");
        dialog.click(IDC_FWD_ADVANCED_RADIO); // S/F stored where the fax view keeps SID's length
        dialog.set(IDC_FWD_ADDRESS_EDIT, "fwd@example.com");
        dialog.click(IDC_FWD_FAX_RADIO);
        EXPECT_EQ(dialog.text(IDC_FWD_NUMBER_EDIT), "");
        dialog.set(IDC_FWD_NUMBER_EDIT, "0612");
        dialog.click(IDOK);
    }));
    EXPECT_EQ(forwardDial(stored(), DialPart::Number), "0612");
    EXPECT_EQ(forwardDialLength(stored(), DialPart::Sub), 0u);
    EXPECT_EQ(forwardDialLength(stored(), DialPart::Sid), 0u);
}

} // namespace
