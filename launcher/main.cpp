// zodmodel: the driver setup launcher shipped beside the installers of the two
// machine models.
#include <windows.h>
#include <objbase.h>

#include "modelsetupdialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // ShellExecute may hand the installer to a shell extension, which needs COM.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    bool shown = runModelSetupDialog(instance);
    if (SUCCEEDED(com)) CoUninitialize();
    // Whatever the user chose, the setup that called us carries on: only a
    // dialog that never appeared is a failure.
    return shown ? 0 : 1;
}
