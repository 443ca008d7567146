// The speed-dial registration dialog (917) is not built yet: nothing opens and no key changes.
#include "../dialogs.h"

bool OpenSpeedDialDialog(HWND) {
    return false;
}
