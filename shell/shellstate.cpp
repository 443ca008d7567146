#include "shellstate.h"

#include <cstring>

Shell shell;

void resetShell() {
    shell = Shell();
    shell.machineClass = 2;
    shell.productFamily = 1;
    shell.viewState.selectedIndex = -1;
    for (int& slot : shell.pasteSlot)
        slot = -1;
}

void copyText(char* to, size_t capacity, const char* from) {
    if (capacity == 0) return;
    size_t length = 0;
    while (length + 1 < capacity && from[length])
        ++length;
    std::memcpy(to, from, length);
    to[length] = '\0';
}
