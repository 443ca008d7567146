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

void takePaperSizeRegion() {
    shell.inchPaperSizes = inchPaperSizesFor(shell.document->settings.utility.paperSizeRegion);
}

void markDocumentChanged() {
    if (shell.viewState.documentOpen) shell.documentDirty = true;
}

void machineName(char (&text)[textCapacity]) {
    text[0] = '\0';
    if (shell.document) textSetting(*shell.document, machineNameBlock, text, sizeof text);
}

void setTreeRootText(HWND tree) {
    char name[textCapacity];
    machineName(name);
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = TreeView_GetRoot(tree);
    item.pszText = name;
    if (item.hItem) SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}
