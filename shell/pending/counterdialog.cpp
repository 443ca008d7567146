// The Counter dialog is not built yet: the command shows nothing and changes nothing.
#include "../dialogs.h"

void OpenCounterDialog(HWND) {}
