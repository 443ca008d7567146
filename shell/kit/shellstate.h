#pragma once
// The state of the one main window, shared by the frame, the command
// dispatcher and the views. Everything runs on the UI thread, so nothing here
// is locked.
#include <windows.h>
#include <commctrl.h>

#include "destination.h"
#include "link.h"
#include "machineimage.h"
#include "textrules.h"
#include "uirules.h"

constexpr int titleCapacity = 128;
constexpr int textCapacity = 128; // a string loaded from the resource module
constexpr int noEntry = 0xFFFF;   // Edit > New found no free key

struct Shell {
    // Windows of the frame.
    HWND mainWindow;
    HWND toolbar;
    HWND tooltip;
    HWND statusBar;
    HWND statusPanel;
    HWND tree;
    HWND registerList;
    HWND groupItemsList;
    HMENU mainMenu;
    HACCEL accelerators;
    HIMAGELIST viewImages;
    HIMAGELIST toolbarImages;
    HIMAGELIST toolbarDisabledImages;
    HFONT viewFont; // the views' font once the DPI changed; null before

    // The document.
    Document* document; // created with the frame, freed when it closes
    char titleFileName[titleCapacity];
    char currentFilePath[MAX_PATH]; // equal to titleFileName while untitled
    char importPathBuffer[MAX_PATH];
    bool documentDirty;
    bool repackAfterDownload;
    bool pasteUsed;

    // The machine. link.linkOpen and link.lastPollOk are the poll's flags.
    MachineLink link;
    bool sessionOpen;      // Connect opened a session that nobody has closed yet
    uint8_t machineClass;  // 2 = A3, 1 = A4
    uint8_t productFamily; // 1 = ZOD family
    uint32_t inchPaperSizes; // the pages offer inch paper sizes; set by Open and Download

    // Views.
    ViewState viewState;
    int pasteSlot[4]; // by view kind 1..3; -1 when the clipboard holds nothing
    DestinationEntry clipboardRecord;
    int currentEntryIndex;
    int singleNameColumn;
    bool groupItemsChanged;

    // Layout.
    int dpi;       // the frame's; every fixed pixel size is scaled by it
    int splitterX; // 0 until the first layout
    bool splitterDragging;
    int screenWidth;
    int screenHeight;

    // Name rules of the UI language.
    TextRules rules;
};

extern Shell shell;

// Copies text into a fixed buffer, cut to fit and always terminated.
void copyText(char* to, size_t capacity, const char* from);

// Back to the state of a program that has just started.
void resetShell();

// After a successful Open or Download: whether the pages offer inch sizes.
void takePaperSizeRegion();

// Edits of an open document wait for a save: closing, New and Open ask first.
void markDocumentChanged();

// The machine name of the machine settings, exactly as stored.
void machineName(char (&text)[textCapacity]);
// The tree's root shows the machine name.
void setTreeRootText(HWND tree);
