#pragma once
// The main window's decisions that need no window: which commands the state
// allows, where the panes go and how far the splitter may move. Kept apart
// from the window code so that they can be tested natively.
#include <cstdint>

// What is open, connected, focused and selected. Six 32-bit fields, passed by
// value to RefreshUiState.
struct ViewState {
    int32_t documentOpen;  // a machine image is loaded
    int32_t online;        // connected to the machine
    int32_t treeHasFocus;  // the last notification came from the tree
    int32_t reserved;      // always 0
    int32_t viewKind;      // ViewKind
    int32_t selectedIndex; // entry selected in the current view, -1 for none
};

enum ViewKind : int32_t {
    viewNone = 0,      // the root or nothing is selected: the status panel shows
    viewOneTouch = 1,  // one-touch dials (no tree node offers it in this program)
    viewSpeedDial = 2, // the speed-dial register
    viewGroups = 3,    // groups beside their members (no tree node either)
};

// The File, View and Machine commands that follow the document and the
// connection, in the order RefreshUiState applies them.
int stateCommandCount();
unsigned stateCommandAt(int index);
// Whether one of those commands is available; true for any other command.
bool commandEnabled(unsigned command, const ViewState& view, bool dialRegistersOnly);

// The Edit menu. `entryEmpty`: the current entry has no address (views 1 and
// 2) or the group holds no members (view 3). `pasteSlot`: the entry the
// internal clipboard holds for this view, -1 when it holds none.
struct EditMenuState {
    bool newEntry, property, cut, copy, paste, del;
};
EditMenuState editMenuState(const ViewState& view, bool entryEmpty, int pasteSlot);

// The register-list row menu: Property is always offered.
struct RowMenuState {
    bool cut, copy, paste, del;
};
RowMenuState rowMenuState(bool rowEmpty, int pasteSlot);

// The tree root menu.
struct RootMenuState {
    bool connect, disconnect, download, upload;
};
RootMenuState rootMenuState(bool online);

struct PaneRect {
    int x, y, width, height;
};

// Every pixel size below is what the window has at 96 DPI (100 %); a window
// at another DPI scales it with scaledPixels.
constexpr int baseDpi = 96;
constexpr int frameWidth = 600;
constexpr int frameHeight = 400;
constexpr int statusBarReserve = 24; // client pixels kept free for the status bar
constexpr int splitterMargin = 50;   // the splitter stays this far from either edge
constexpr int statusPaneCount = 6;

// `pixels` at 96 DPI for a window at `dpi`, rounded to the nearest pixel (as
// MulDiv rounds); a DPI of 0 or less counts as 96.
int scaledPixels(int pixels, int dpi);

// The toolbar and view images are drawn at 100, 150 and 200 %: the largest of
// them that is not bigger than the window's scale stays sharp (never
// stretched); below 96 DPI the 100 % images.
int artworkPercentFor(int dpi);

enum class RightPane { StatusPanel, RegisterList, ListWithItems };

struct PaneLayout {
    int splitterX; // placed at a third of the width when it was 0
    PaneRect tree;
    RightPane shown; // what fills the right-hand pane
    PaneRect right;  // the status panel or the register list
    PaneRect items;  // the group-items list (ListWithItems only)
};
PaneLayout layoutPanes(int width, int height, int toolbarHeight, int splitterX,
                       const ViewState& view, int dpi);

// Right edges of the six status-bar panes for a client width.
void statusPaneEdges(int width, int dpi, int (&edges)[statusPaneCount]);

// A drag that is already at an edge and pushes further out leaves the
// splitter where it is (and draws nothing).
bool splitterMoveIgnored(int splitterX, int pointerX, int width, int dpi);
// Where the splitter goes for a pointer position: at least splitterMargin from
// the left, and from the right as long as the window is wide enough for both.
int clampSplitter(int pointerX, int width, int dpi);

// The setting pages offer inch paper sizes (1) for the paper-size regions 1
// and 5, metric sizes (0) for every other.
uint32_t inchPaperSizesFor(uint8_t paperSizeRegion);
