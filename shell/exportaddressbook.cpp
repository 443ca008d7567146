// Export Address Book: the address book's fax entries as a CSV file for
// other address-book software.
#include "dialogs.h"

#include "csvexport.h"
#include "filedialog.h"
#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

#include <string>

namespace {

constexpr size_t csvPathCapacity = 256;

// Returns 1 when the whole file was written; otherwise it says so and an
// existing file is left as it was.
int exportAddressBookCsv(HWND window, const char* path) {
    std::string titles[csvColumnCount];
    for (int column = 0; column < csvColumnCount; ++column) {
        char title[csvTitleCapacity];
        loadText(IDS_CSV_FIRST + static_cast<UINT>(column), title, csvTitleCapacity);
        titles[column] = title;
    }
    const std::string text = addressBookCsv(shell.rules, shell.document->registers, titles);
    if (writeAddressBookCsv(path, text) == IoStatus::Ok) return 1;
    ShowMessage(window, IDS_ERR_CSV_WRITE, MB_OK, path);
    return 0;
}

} // namespace

void ExportAddressBook(HWND frame) {
    char path[csvPathCapacity];
    if (chooseCsvFile(frame, path, sizeof path)) exportAddressBookCsv(frame, path);
}
