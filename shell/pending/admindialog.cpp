// The administrator dialog is not built yet: Admin. Management shows nothing and changes nothing.
#include "../dialogs.h"

void OpenAdminManagementDialog(HWND) {}
