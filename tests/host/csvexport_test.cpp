// The CSV export: the header line, which fax entries become lines, and the
// file written whole or not at all.
#include "csvexport.h"
#include "faxstores.h"
#include "fixtures.h"

#include <gtest/gtest.h>

namespace {

Rules english("ENGLISH", 1252);

const std::string titles[csvColumnCount] = {"Name",          "Company Name", "Department",
                                            "Telephone No.", "Fax Number",   "E-mail Address",
                                            "Address"};
const char header[] = "Name,Company Name,Department,Telephone No.,Fax Number,E-mail Address,"
                      "Address\r\n";

// A fax record in the layout of faxstores.h, as the machine would fill it.
struct FaxRecord {
    uint8_t flags;
    std::string name, name2, destination; // dial text, or an e-mail address
    size_t claimedLength = 0;             // 0: the destination's own length
};

void writeRecord(uint8_t* r, const FaxRecord& f) {
    r[faxrec::flags] = f.flags;
    std::memcpy(r + faxrec::name, f.name.data(), f.name.size());
    r[faxrec::nameLength] = static_cast<uint8_t>(f.name.size());
    std::memcpy(r + faxrec::name2, f.name2.data(), f.name2.size());
    r[faxrec::name2Length] = static_cast<uint8_t>(f.name2.size());
    if (f.flags & faxFlagEmail)
        std::memcpy(r + faxrec::destination, f.destination.data(), f.destination.size());
    else
        encodeDialDigits(r + faxrec::destination, f.destination.c_str(), f.destination.size());
    r[faxrec::destinationLength] =
        static_cast<uint8_t>(f.claimedLength ? f.claimedLength : f.destination.size());
}

struct Stores {
    std::unique_ptr<Document> doc = makeDocument();
    void oneTouch(int i, const FaxRecord& f) {
        writeRecord(doc->registers.faxOneTouchStore + i * faxOneTouchRecordSize, f);
    }
    void speedDial(int i, const FaxRecord& f) {
        writeRecord(doc->registers.faxSpeedDialStore + i * faxSpeedDialRecordSize, f);
    }
    std::string csv() const { return addressBookCsv(english.rules, doc->registers, titles); }
};

constexpr uint8_t fax = faxFlagRegistered;
constexpr uint8_t email = faxFlagRegistered | faxFlagEmail;

TEST(CsvExport, EmptyStoresGiveTheHeaderLineAlone) {
    Stores stores;
    EXPECT_EQ(stores.csv(), header);
}

TEST(CsvExport, UnpackingClearsWhatTheStoresHeld) {
    Stores stores;
    stores.oneTouch(0, {fax, "Head office", "", "0123456789"});
    stores.speedDial(0, {fax, "Branch", "", "555"});
    unpackImage(*stores.doc);
    EXPECT_EQ(stores.csv(), header);
}

TEST(CsvExport, OneLinePerFaxEntryWithNameAndNumberInStoreOrder) {
    Stores stores;
    stores.oneTouch(0, {fax, "Head office", "HQ", "0123456789"});
    stores.oneTouch(1, {fax | faxFlagReserved, "Program key", "", "111"});
    stores.oneTouch(2, {email, "Mail desk", "", "desk@example.com"});
    stores.oneTouch(3, {fax, "", "", "222"});        // no name
    stores.oneTouch(4, {fax, "Numberless", "", ""}); // no number: a free record
    stores.oneTouch(31, {fax, "Last key", "", "+44 20 P7946"});
    stores.speedDial(0, {fax, "Smith, J", "", "555-0100"});
    stores.speedDial(
        1, {faxFlagReserved, "Speed key", "", "333"}); // the bit only matters on one-touch keys
    stores.speedDial(2, {email, "Mail", "", "x@example.com"});
    stores.speedDial(3, {fax, "Too long", "", "1", 51}); // a length past its field
    stores.speedDial(249, {fax, "Last", "", "*#0123456789*#0123456789*#0123456789*#0123456789*#"});
    EXPECT_EQ(stores.csv(), std::string(header) +
                                "Head office,,,,0123456789,,\r\n"
                                "Last key,,,,+44 20 P7946,,\r\n"
                                "Smith, J,,,,555-0100,,\r\n" // the comma stays, shifting the line
                                "Speed key,,,,333,,\r\n"
                                "Last,,,,*#0123456789*#0123456789*#0123456789*#0123456789*#,,\r\n");
}

TEST(CsvExport, TheFileHoldsTheTextOrStaysAsItWas) {
    TempDir dir;
    const std::string path = dir.file("book.csv");
    writeFileBytes(path, textBytes("old"));
    ASSERT_EQ(writeAddressBookCsv(path.c_str(), header), IoStatus::Ok);
    EXPECT_EQ(readFileBytes(path), textBytes(header));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"book.csv"}) << "no temporary file left";

    const std::string nowhere = dir.file("no/such/folder/book.csv");
    EXPECT_NE(writeAddressBookCsv(nowhere.c_str(), header), IoStatus::Ok);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"book.csv"});
}

TEST(FaxStores, DecodingFillsTheEntryOrLeavesItEmpty) {
    Stores stores;
    stores.oneTouch(0, {fax, "Head office", "HQ", "0123456789"});
    stores.oneTouch(1, {email, "Mail desk", "", "desk@example.com"});
    stores.oneTouch(2, {fax, "Broken", "", "1", 60});
    DialEntry e;
    decodeDialEntry(english.rules, faxOneTouchRecord(stores.doc->registers, 0), e);
    EXPECT_TRUE(e.registered);
    EXPECT_FALSE(e.email);
    EXPECT_STREQ(e.name, "Head office");
    EXPECT_STREQ(e.name2, "HQ");
    EXPECT_STREQ(e.faxNumber, "0123456789");
    decodeDialEntry(english.rules, faxOneTouchRecord(stores.doc->registers, 1), e);
    EXPECT_TRUE(e.email);
    EXPECT_STREQ(e.emailAddress, "desk@example.com");
    EXPECT_STREQ(e.faxNumber, "");
    for (int free : {2, 3}) {
        decodeDialEntry(english.rules, faxOneTouchRecord(stores.doc->registers, free), e);
        const DialEntry zero{};
        EXPECT_EQ(std::memcmp(&e, &zero, sizeof e), 0) << "record " << free;
    }
}

} // namespace
