// Print and Export Address Book through the real main window: the Select
// Print Items dialog from the program's own resources, the print dialog
// answered at its seam with a printer that writes PostScript to a file, the
// printed pages read back with Ghostscript, and the CSV file as written.
#include "harness.h"

#include "dialogs.h"

#include "fileprinter.h"
#include "gdicanvas.h"
#include "printlayout.h"
#include "resource.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// The lines of a printed text, their runs of spaces made single and trimmed.
Strings linesOf(const std::string& text) {
    Strings lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::string clean;
        for (char c : line) {
            if (c == '\r') continue;
            if (c == ' ' && (clean.empty() || clean.back() == ' ')) continue;
            clean += c;
        }
        while (!clean.empty() && clean.back() == ' ')
            clean.pop_back();
        if (!clean.empty()) lines.push_back(clean);
    }
    return lines;
}

// The printed line that starts with a key number, or "".
std::string rowOf(const Strings& lines, int key) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", key);
    for (const std::string& line : lines)
        if (line.compare(0, 2, number) == 0 && (line.size() == 2 || line[2] == ' ')) return line;
    return "";
}

bool hasLine(const Strings& lines, const std::string& wanted) {
    for (const std::string& line : lines)
        if (line.find(wanted) != std::string::npos) return true;
    return false;
}

std::string today() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return formatPrintDate(now.wMonth, now.wDay, now.wYear);
}

class Printing : public FrameTest {
  protected:
    void SetUp() override {
        // Under Wine, two processes printing at once in the prefix that all
        // tests share lose each other's pages: one test prints at a time.
        printerLock = CreateMutexA(nullptr, FALSE, "ZotwellPrintTests");
        ASSERT_TRUE(printerLock);
        WaitForSingleObject(printerLock, INFINITE); // a test that dies gives it up
        FrameTest::SetUp();
        // One printer per test process, its name well inside the 31 characters
        // that a device mode keeps of it.
        printerName = "Zotwell " + std::to_string(GetCurrentProcessId());
        output = scratch("printed.ps");
        ASSERT_EQ(installFilePrinter(printerName, output), "");
        printing = this;
        setPrintDialogHook(answerPrintDialog);
    }
    void TearDown() override {
        setPrintDialogHook(nullptr);
        printing = nullptr;
        removeFilePrinter(printerName);
        EXPECT_TRUE(printAnswers.empty()) << "a print dialog nobody showed";
        FrameTest::TearDown();
        if (printerLock) {
            ReleaseMutex(printerLock);
            CloseHandle(printerLock);
        }
    }

    // File > Print, answering Select Print Items with `items` (OK), or Cancel.
    bool print(bool ok, bool speedDial = true) {
        return withDialog([&] { command(IDM_PRINT); },
                          [&](HWND dialog) {
                              checkItem(dialog, IDC_PRINT_SPEED_DIAL_CHECK, speedDial);
                              SendMessageA(GetDlgItem(dialog, ok ? IDOK : IDCANCEL), BM_CLICK, 0,
                                           0);
                          });
    }
    static void checkItem(HWND dialog, int id, bool checked) {
        CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    bool printed() const { return fileExists(output); }

    // The pages a printer of this page size gives the list.
    int expectedPages() {
        HDC dc = CreateDCA(nullptr, printerName.c_str(), nullptr, nullptr);
        const PageGeometry page{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY),
                                GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
        int pages = 0;
        {
            GdiCanvas canvas(dc, page.dpiX, "Arial", false);
            DialListTexts texts{"Speed Dial", "", "", "SD#", "Name", "Name2", "Address"};
            pages = layoutDialList(canvas, page, texts, false).pageCount;
        }
        DeleteDC(dc);
        return pages;
    }

    HANDLE printerLock = nullptr;
    std::string printerName;
    std::string output;
    std::deque<bool> printAnswers; // OK or Cancel in the print dialog, in order
    std::vector<PRINTDLGA> printDialogs;

  private:
    static Printing* printing;
    static int answerPrintDialog(PRINTDLGA& dialog) {
        Printing* test = printing;
        test->printDialogs.push_back(dialog);
        if (test->printAnswers.empty()) {
            ADD_FAILURE() << "nobody answers the print dialog";
            return 0;
        }
        const bool ok = test->printAnswers.front();
        test->printAnswers.pop_front();
        if (!ok) return 0;
        dialog.hDC = CreateDCA(nullptr, test->printerName.c_str(), nullptr, nullptr);
        return dialog.hDC ? 1 : 0;
    }
};
Printing* Printing::printing;

TEST_F(Printing, SelectPrintItemsOpensWithAllThreeTickedAndCancelPrintsNothing) {
    bool seen = false;
    withDialog([&] { command(IDM_PRINT); },
               [&](HWND dialog) {
                   seen = true;
                   char text[128] = "";
                   GetWindowTextA(dialog, text, sizeof text);
                   EXPECT_STREQ(text, "Select Print Items");
                   const struct {
                       int id;
                       const char* label;
                   } boxes[] = {{IDC_PRINT_ONE_TOUCH_CHECK, "Print One &Touch List"},
                                {IDC_PRINT_SPEED_DIAL_CHECK, "Print &Speed Dial List"},
                                {IDC_PRINT_GROUP_DIAL_CHECK, "Print &Group Dial List"},
                                {IDOK, "&OK"},
                                {IDCANCEL, "&Cancel"}};
                   for (const auto& box : boxes) {
                       GetDlgItemTextA(dialog, box.id, text, sizeof text);
                       EXPECT_STREQ(text, box.label);
                       if (box.id != IDOK && box.id != IDCANCEL) {
                           EXPECT_EQ(IsDlgButtonChecked(dialog, box.id), BST_CHECKED) << box.label;
                       }
                   }
                   EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
                   SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
               });
    EXPECT_TRUE(seen);
    EXPECT_TRUE(printDialogs.empty());
    EXPECT_FALSE(printed());
    EXPECT_TRUE(shown.empty());
}

TEST_F(Printing, TheSpeedDialListOfTheSampleAddressBook) {
    openSample();
    printAnswers = {true};
    ASSERT_TRUE(print(true));
    ASSERT_EQ(printDialogs.size(), 1u);
    const PRINTDLGA& asked = printDialogs[0];
    const DWORD wanted = PD_RETURNDC | PD_NOPAGENUMS | PD_DISABLEPRINTTOFILE | PD_NOSELECTION;
    EXPECT_EQ(asked.Flags & wanted, wanted);
    EXPECT_EQ(asked.nCopies, 1);
    EXPECT_EQ(asked.hwndOwner, frame);
    ASSERT_TRUE(printed());
    EXPECT_TRUE(shown.empty());

    const Strings lines = linesOf(postScriptText(output));
    ASSERT_FALSE(lines.empty()) << "Ghostscript read nothing from " << output;
    const int pages = expectedPages();
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(hasLine(lines, "Total " + std::to_string(pages) + " page(s), page " +
                                       std::to_string(page)))
            << "page " << page;
    EXPECT_FALSE(hasLine(lines, "page " + std::to_string(pages + 1)));
    EXPECT_TRUE(hasLine(lines, "Speed Dial"));
    EXPECT_TRUE(hasLine(lines, today()));
    EXPECT_TRUE(hasLine(lines, "SD# Name Address"));
    for (int key = 1; key <= 50; ++key)
        EXPECT_NE(rowOf(lines, key), "") << "key " << key;
    const struct {
        int key;
        const char* row;
    } keys[] = {{1, "01 Sales sales@example.com"},
                {2, "02 Accounts accounts@example.com"},
                {4, "04 J. Okafor j.okafor@example.com"},
                {6, "06"},
                {7, "07 Scan archive archive@scans.example.net"},
                {40, "40 IT helpdesk helpdesk@example.com"},
                {41, "41 Scan server ftp.example.com"},
                {42, "42 Office share fileserver01"},
                {45, "45 Public FTP ftp.example.org"},
                {50, "50"}};
    for (const auto& k : keys)
        EXPECT_EQ(rowOf(lines, k.key), k.row);
}

TEST_F(Printing, UntickingTheSpeedDialListPrintsNothing) {
    openSample();
    ASSERT_TRUE(print(true, false));
    EXPECT_TRUE(printDialogs.empty()) << "nothing to print: no print dialog";
    EXPECT_FALSE(printed());
}

TEST_F(Printing, CancelInThePrintDialogPrintsNothingAndTheNextPrintAsksAgain) {
    openSample();
    printAnswers = {false, true};
    ASSERT_TRUE(print(true));
    EXPECT_EQ(printDialogs.size(), 1u);
    EXPECT_FALSE(printed());
    EXPECT_TRUE(shown.empty());
    ASSERT_TRUE(print(true));
    EXPECT_EQ(printDialogs.size(), 2u);
    EXPECT_TRUE(printed());
}

TEST_F(Printing, APictureOfThePageHasTheTitleBoxTheShadingAndTheRules) {
    openSample();
    constexpr int dpi = 100, width = 827, height = 1169; // A4
    HBITMAP picture = DialListPicture(dpi, width, height);
    ASSERT_TRUE(picture);
    DIBSECTION section = {};
    ASSERT_EQ(GetObjectA(picture, sizeof section, &section), static_cast<int>(sizeof section));
    const auto* pixels = static_cast<const uint32_t*>(section.dsBm.bmBits);
    auto at = [&](int x, int y) { return pixels[y * width + x] & 0xFFFFFF; };

    // Where the same layout puts things on this page.
    HDC dc = CreateCompatibleDC(nullptr);
    DialListLayout l;
    {
        GdiCanvas canvas(dc, dpi, "Arial", false);
        DialListTexts texts{"Speed Dial", "", "", "SD#", "Name", "Name2", "Address"};
        l = layoutDialList(canvas, PageGeometry{dpi, dpi, width, height}, texts, false);
    }
    DeleteDC(dc);
    const int right = l.left + l.tableWidth - 5; // inside the table, right of every text
    EXPECT_EQ(at(2, 2), 0xFFFFFFu) << "the page";
    EXPECT_EQ(at(l.left + l.titleWidth + 30, l.top + l.titleBox / 2), 0xC0C0C0u) << "title box";
    EXPECT_EQ(at(l.left, l.top + l.titleBox / 2), 0u) << "its outline";
    EXPECT_EQ(at(right, l.tableTop), 0u) << "the table's first rule";
    EXPECT_EQ(at(right, l.tableTop + l.lineHeight / 2), 0xE0E0E0u) << "the header row";
    EXPECT_EQ(at(right, l.tableTop + 3 * l.lineHeight / 2), 0xFFFFFFu) << "key 01";
    EXPECT_EQ(at(right, l.tableTop + 5 * l.lineHeight / 2), 0xE0E0E0u) << "key 02";
    EXPECT_EQ(at(l.left + l.tableWidth, l.tableTop + l.lineHeight / 2), 0u) << "the right edge";
    DeleteObject(picture);
}

// Run with the Japanese library as the resource module: its language has a
// second name, and the list, like the main window's, shows it first.
using JapanesePrinting = Printing;

TEST_F(JapanesePrinting, TheListHasASecondNameColumn) {
    openSample();
    printAnswers = {true};
    ASSERT_TRUE(print(true));
    ASSERT_TRUE(printed());
    const Strings lines = linesOf(postScriptText(output));
    ASSERT_FALSE(lines.empty()) << "Ghostscript read nothing from " << output;
    EXPECT_TRUE(hasLine(lines, "SD# Name Name2 Address"));
    EXPECT_EQ(rowOf(lines, 1), "01 Sales sales@example.com");
    EXPECT_EQ(rowOf(lines, 2), "02 Invoices Accounts accounts@example.com");
    EXPECT_EQ(rowOf(lines, 50), "50");
}

const char csvHeader[] =
    "Name,Company Name,Department,Telephone No.,Fax Number,E-mail Address,Address\r\n";

using Export = FrameTest;

TEST_F(Export, WritesTheHeaderLineAlone) {
    openSample();
    const std::string path = scratch("book.CSV");
    picks.push_back(path);
    command(IDM_EXPORT_ADDRESS_BOOK);
    EXPECT_EQ(fileDialogs, (std::vector<SettingsFileMode>{settingsOpen, csvExport}));
    EXPECT_EQ(readWholeFile(path), csvHeader);
    EXPECT_TRUE(shown.empty());
}

TEST_F(Export, CancelWritesNothing) {
    picks.push_back("");
    command(IDM_EXPORT_ADDRESS_BOOK);
    EXPECT_EQ(fileDialogs, std::vector<SettingsFileMode>{csvExport});
    EXPECT_TRUE(shown.empty());
}

TEST_F(Export, AFileThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    // A folder of that name cannot be replaced by a file.
    const std::string taken = scratch("folder.CSV");
    CreateDirectoryA(taken.c_str(), nullptr);
    const char nowhere[] = "Z:\\no\\such\\folder\\book.CSV";
    picks = {nowhere, taken};
    command(IDM_EXPORT_ADDRESS_BOOK);
    command(IDM_EXPORT_ADDRESS_BOOK);
    EXPECT_EQ(texts(), (Strings{std::string("Error writing file ") + nowhere + " !",
                                "Error writing file " + taken + " !"}));
    for (const Shown& s : shown) {
        EXPECT_EQ(s.caption, "Zotwell - ZOT");
        EXPECT_EQ(s.buttons & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    }
    EXPECT_FALSE(fileExists(nowhere));
    EXPECT_EQ(GetFileAttributesA(taken.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_FALSE(fileExists(taken + ".~tmp")) << "no half-written file left behind";
}

// Run with the Japanese library as the resource module.
using JapaneseExport = FrameTest;

TEST_F(JapaneseExport, TheHeaderComesFromTheLanguageModule) {
    const std::string path = scratch("book.CSV");
    picks.push_back(path);
    command(IDM_EXPORT_ADDRESS_BOOK);
    EXPECT_EQ(readWholeFile(path), csvHeader);
}

} // namespace
