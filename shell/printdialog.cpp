// Printing the speed-dial list. Not written yet: Print shows nothing and
// prints nothing.
#include "dialogs.h"

void OpenPrintDialog(HWND) {}
