// Printing is not built yet: Print shows nothing and changes nothing.
#include "../dialogs.h"

void OpenPrintDialog(HWND) {}
