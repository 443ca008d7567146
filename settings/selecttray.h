#pragma once
// The Select Tray dialog of the FAX RX Operation page: which paper trays
// received faxes may be printed on.
#include <windows.h>

// Modal over `owner`. Returns 1 after OK; Cancel and the close box put the
// page's fields back as they were when the dialog opened and return 0.
int SelectTrayDialog(HWND owner);
