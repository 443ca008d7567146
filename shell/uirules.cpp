#include "uirules.h"

#include "resource.h"

namespace {

// When a command is available.
enum class Needs {
    Offline,            // New and Connect: not while a session is open
    Online,             // Disconnect and Download
    OnlineWithDocument, // Upload: something to send and someone to send it to
    Document,           // the file commands and the speed-dial view
    FullDocument,       // the machine settings, absent from a register-only document
};

struct CommandRule {
    unsigned command;
    Needs needs;
};

const CommandRule commandRules[] = {
    {IDM_NEW, Needs::Offline},
    {IDM_CONNECT, Needs::Offline},
    {IDM_DISCONNECT, Needs::Online},
    {IDM_DOWNLOAD, Needs::Online},
    {IDM_UPLOAD, Needs::OnlineWithDocument},
    {IDM_SAVE, Needs::Document},
    {IDM_SAVE_AS, Needs::Document},
    {IDM_IMPORT_ADDRESS_BOOK, Needs::Document},
    {IDM_PRINT, Needs::Document},
    {IDM_SHOW_SPEED_DIAL, Needs::Document},
    {IDM_ADMIN_MANAGEMENT, Needs::FullDocument},
    {IDM_CONFIGURATION, Needs::FullDocument},
};
constexpr int ruleCount = sizeof commandRules / sizeof commandRules[0];

bool satisfied(Needs needs, const ViewState& view, bool dialRegistersOnly) {
    switch (needs) {
    case Needs::Offline:
        return !view.online;
    case Needs::Online:
        return view.online != 0;
    case Needs::OnlineWithDocument:
        return view.online && view.documentOpen;
    case Needs::Document:
        return view.documentOpen != 0;
    case Needs::FullDocument:
        return view.documentOpen && !dialRegistersOnly;
    }
    return false;
}

} // namespace

int stateCommandCount() {
    return ruleCount;
}

unsigned stateCommandAt(int index) {
    return commandRules[index].command;
}

bool commandEnabled(unsigned command, const ViewState& view, bool dialRegistersOnly) {
    for (const CommandRule& rule : commandRules)
        if (rule.command == command) return satisfied(rule.needs, view, dialRegistersOnly);
    return true;
}

EditMenuState editMenuState(const ViewState& view, bool entryEmpty, int pasteSlot) {
    if (view.viewKind == viewNone) return EditMenuState{false, false, false, false, false, false};
    const bool entry = view.selectedIndex >= 0 && !entryEmpty;
    return EditMenuState{true, true, entry, entry, pasteSlot >= 0, entry};
}

RowMenuState rowMenuState(bool rowEmpty, int pasteSlot) {
    return RowMenuState{!rowEmpty, !rowEmpty, pasteSlot >= 0, !rowEmpty};
}

RootMenuState rootMenuState(bool online) {
    return RootMenuState{!online, online, online, online};
}

int scaledPixels(int pixels, int dpi) {
    if (dpi <= 0) dpi = baseDpi;
    const long long product = static_cast<long long>(pixels) * dpi;
    const long long half = baseDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / baseDpi
                                         : -((-product + half) / baseDpi));
}

int artworkPercentFor(int dpi) {
    if (dpi >= baseDpi * 2) return 200;
    if (dpi >= baseDpi * 3 / 2) return 150;
    return 100;
}

PaneLayout layoutPanes(int width, int height, int toolbarHeight, int splitterX,
                       const ViewState& view, int dpi) {
    PaneLayout layout = {};
    layout.splitterX = splitterX == 0 ? width / 3 : splitterX;
    const int x = layout.splitterX;
    const int paneHeight = height - scaledPixels(statusBarReserve, dpi) - toolbarHeight;
    layout.tree = PaneRect{0, toolbarHeight, x - scaledPixels(2, dpi), paneHeight};
    if (!view.documentOpen) {
        // Nothing to show in the tree: the panel covers it.
        layout.shown = RightPane::StatusPanel;
        layout.right = PaneRect{0, toolbarHeight, width, paneHeight};
    } else if (view.viewKind == viewNone) {
        layout.shown = RightPane::StatusPanel;
        layout.right = PaneRect{x, toolbarHeight, width - x, paneHeight};
    } else if (view.viewKind == viewGroups) {
        const int groups = (width - x) * 4 / 7;
        layout.shown = RightPane::ListWithItems;
        layout.right = PaneRect{x, toolbarHeight, groups, paneHeight};
        layout.items = PaneRect{x + groups, toolbarHeight, width - x - groups, paneHeight};
    } else {
        layout.shown = RightPane::RegisterList;
        layout.right = PaneRect{x, toolbarHeight, width - x, paneHeight};
    }
    return layout;
}

void statusPaneEdges(int width, int dpi, int (&edges)[statusPaneCount]) {
    static const int fromRight[statusPaneCount] = {450, 280, 180, 120, 60, 0};
    for (int i = 0; i < statusPaneCount; ++i)
        edges[i] = width - scaledPixels(fromRight[i], dpi);
}

bool splitterMoveIgnored(int splitterX, int pointerX, int width, int dpi) {
    const int margin = scaledPixels(splitterMargin, dpi);
    return (splitterX < margin && pointerX <= margin) ||
           (width - splitterX < margin && pointerX >= splitterX);
}

int clampSplitter(int pointerX, int width, int dpi) {
    const int margin = scaledPixels(splitterMargin, dpi);
    int x = pointerX < margin ? margin : pointerX;
    if (width - x < margin) x = width - margin;
    return x;
}

uint32_t inchPaperSizesFor(uint8_t paperSizeRegion) {
    return paperSizeRegion == 1 || paperSizeRegion == 5 ? 1 : 0;
}
