// The CSV export is not built yet: Export Address Book shows nothing and writes nothing.
#include "../dialogs.h"

void ExportAddressBook(HWND) {}
