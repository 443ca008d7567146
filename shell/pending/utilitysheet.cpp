// The Utility Setting sheet is not built yet: the command shows nothing and changes nothing.
#include "../dialogs.h"

void OpenUtilitySettingSheet(HWND) {}
