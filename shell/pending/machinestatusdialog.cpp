// The Machine Status dialog is not built yet: Configuration shows nothing and changes nothing.
#include "../dialogs.h"

void OpenMachineStatusDialog(HWND) {}
