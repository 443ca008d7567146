// The main window's geometry, natively: where the panes go for each view and
// how far the splitter may be dragged.
#include "uirules.h"

#include <gtest/gtest.h>

namespace {

ViewState view(int documentOpen, int viewKind) {
    return ViewState{documentOpen, 0, 0, 0, viewKind, -1};
}

void expectRect(const PaneRect& r, int x, int y, int width, int height) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(PaneLayout, PlacesTheSplitterAtAThirdUntilMoved) {
    EXPECT_EQ(layoutPanes(600, 400, 60, 0, view(1, viewNone)).splitterX, 200);
    EXPECT_EQ(layoutPanes(601, 400, 60, 0, view(1, viewNone)).splitterX, 200);
    EXPECT_EQ(layoutPanes(600, 400, 60, 321, view(1, viewNone)).splitterX, 321);
}

TEST(PaneLayout, GivesEachViewItsPanes) {
    // 600 x 400 client, 60-pixel toolbar, splitter at 200: panes 316 high.
    struct Case {
        const char* name;
        int documentOpen, viewKind;
        RightPane shown;
        PaneRect right, items;
    };
    const Case cases[] = {
        {"no document: the panel covers the tree",
         0,
         viewNone,
         RightPane::StatusPanel,
         {0, 60, 600, 316},
         {}},
        {"the root", 1, viewNone, RightPane::StatusPanel, {200, 60, 400, 316}, {}},
        {"one-touch", 1, viewOneTouch, RightPane::RegisterList, {200, 60, 400, 316}, {}},
        {"speed dial", 1, viewSpeedDial, RightPane::RegisterList, {200, 60, 400, 316}, {}},
        {"groups: 4/7 for the groups",
         1,
         viewGroups,
         RightPane::ListWithItems,
         {200, 60, 228, 316},
         {428, 60, 172, 316}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PaneLayout layout = layoutPanes(600, 400, 60, 200, view(c.documentOpen, c.viewKind));
        expectRect(layout.tree, 0, 60, 198, 316);
        EXPECT_EQ(layout.shown, c.shown);
        expectRect(layout.right, c.right.x, c.right.y, c.right.width, c.right.height);
        if (c.shown == RightPane::ListWithItems)
            expectRect(layout.items, c.items.x, c.items.y, c.items.width, c.items.height);
    }
}

TEST(StatusBar, PanesEndAtFixedDistancesFromTheRight) {
    int edges[statusPaneCount];
    statusPaneEdges(592, edges);
    const int expected[statusPaneCount] = {142, 312, 412, 472, 532, 592};
    for (int i = 0; i < statusPaneCount; ++i)
        EXPECT_EQ(edges[i], expected[i]) << "pane " << i;
}

TEST(Splitter, ClampsFiftyPixelsFromEitherEdge) {
    struct Case {
        int pointerX, width, expected;
    };
    const Case cases[] = {
        {300, 600, 300},
        {50, 600, 50},
        {49, 600, 50},
        {-20, 600, 50},
        {550, 600, 550},
        {551, 600, 550},
        {900, 600, 550},
        // Narrower than both margins: the right edge wins.
        {60, 80, 30},
    };
    for (const Case& c : cases)
        EXPECT_EQ(clampSplitter(c.pointerX, c.width), c.expected)
            << "pointer " << c.pointerX << " in " << c.width;
}

TEST(Splitter, IgnoresPushesFurtherPastAnEdgeItStandsAt) {
    struct Case {
        int splitterX, pointerX, width;
        bool ignored;
    };
    const Case cases[] = {
        {200, 10, 600, false}, // from the middle to the left: moves (and is clamped)
        {40, 50, 600, true},   // beyond the left margin and pushing left
        {40, 51, 600, false},  // beyond it but pulling back
        {560, 560, 600, true}, // beyond the right margin and pushing right
        {560, 559, 600, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitterMoveIgnored(c.splitterX, c.pointerX, c.width), c.ignored)
            << c.splitterX << " -> " << c.pointerX;
}

} // namespace

namespace {

TEST(PaperSizes, InchSizesOnlyForTheRegionsThatUseThem) {
    for (uint8_t region = 0; region < 8; ++region)
        EXPECT_EQ(inchPaperSizesFor(region), region == 1 || region == 5 ? 1u : 0u) << int(region);
}

} // namespace
