// zotwell: the settings utility of the copier. Everything is in the shell
// library, so that the tests can start the same frame in their own process.
#include <windows.h>

#include "startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand) {
    return RunZotwell(instance, previous, showCommand);
}
