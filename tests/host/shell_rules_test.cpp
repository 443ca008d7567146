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
    EXPECT_EQ(layoutPanes(600, 400, 60, 0, view(1, viewNone), 96).splitterX, 200);
    EXPECT_EQ(layoutPanes(601, 400, 60, 0, view(1, viewNone), 96).splitterX, 200);
    EXPECT_EQ(layoutPanes(600, 400, 60, 321, view(1, viewNone), 96).splitterX, 321);
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
        const PaneLayout layout =
            layoutPanes(600, 400, 60, 200, view(c.documentOpen, c.viewKind), 96);
        expectRect(layout.tree, 0, 60, 198, 316);
        EXPECT_EQ(layout.shown, c.shown);
        expectRect(layout.right, c.right.x, c.right.y, c.right.width, c.right.height);
        if (c.shown == RightPane::ListWithItems)
            expectRect(layout.items, c.items.x, c.items.y, c.items.width, c.items.height);
    }
}

TEST(StatusBar, PanesEndAtFixedDistancesFromTheRight) {
    int edges[statusPaneCount];
    statusPaneEdges(592, 96, edges);
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
        EXPECT_EQ(clampSplitter(c.pointerX, c.width, 96), c.expected)
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
        EXPECT_EQ(splitterMoveIgnored(c.splitterX, c.pointerX, c.width, 96), c.ignored)
            << c.splitterX << " -> " << c.pointerX;
}

// At 150 % and 200 % every size the window fixes grows by the factor: the
// panes' distances from the right, the status bar's reserve, the gap beside
// the tree and the splitter's margins.
TEST(HighDpi, ScalesEveryFixedSizeByTheFactor) {
    struct Case {
        int dpi;
        int frameWidth, frameHeight;
        int paneEdges[statusPaneCount]; // in a client 1200 wide
        int paneHeight, treeWidth;      // client 1200 x 800, toolbar 90, splitter 400
        int splitterMin, splitterMax;   // clamped in a client 1200 wide
        int artwork;
    };
    const Case cases[] = {
        {96, 600, 400, {750, 920, 1020, 1080, 1140, 1200}, 686, 398, 50, 1150, 100},
        {144, 900, 600, {525, 780, 930, 1020, 1110, 1200}, 674, 397, 75, 1125, 150},
        {192, 1200, 800, {300, 640, 840, 960, 1080, 1200}, 662, 396, 100, 1100, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(scaledPixels(frameWidth, c.dpi), c.frameWidth);
        EXPECT_EQ(scaledPixels(frameHeight, c.dpi), c.frameHeight);
        int edges[statusPaneCount];
        statusPaneEdges(1200, c.dpi, edges);
        for (int i = 0; i < statusPaneCount; ++i)
            EXPECT_EQ(edges[i], c.paneEdges[i]) << "pane " << i;
        const PaneLayout layout = layoutPanes(1200, 800, 90, 400, view(1, viewSpeedDial), c.dpi);
        expectRect(layout.tree, 0, 90, c.treeWidth, c.paneHeight);
        expectRect(layout.right, 400, 90, 800, c.paneHeight);
        EXPECT_EQ(clampSplitter(0, 1200, c.dpi), c.splitterMin);
        EXPECT_EQ(clampSplitter(5000, 1200, c.dpi), c.splitterMax);
        EXPECT_TRUE(splitterMoveIgnored(c.splitterMin - 1, c.splitterMin, 1200, c.dpi));
        EXPECT_FALSE(splitterMoveIgnored(c.splitterMin, c.splitterMin, 1200, c.dpi));
        EXPECT_EQ(artworkPercentFor(c.dpi), c.artwork);
    }
}

TEST(HighDpi, RoundsToTheNearestPixelAndPicksImagesThatAreNeverStretched) {
    struct Case {
        int pixels, dpi, scaled;
    };
    const Case cases[] = {
        {55, 144, 83}, // 82.5 rounds up, as MulDiv rounds
        {55, 120, 69}, // 68.75
        {50, 0, 50},   // no DPI known: 96
        {-3, 144, -5}, // -4.5: away from zero, as MulDiv
        {140, 168, 245},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scaledPixels(c.pixels, c.dpi), c.scaled) << c.pixels << " at " << c.dpi;
    // 125 % and 175 % take the smaller drawing rather than a blurred stretch.
    EXPECT_EQ(artworkPercentFor(72), 100);
    EXPECT_EQ(artworkPercentFor(120), 100);
    EXPECT_EQ(artworkPercentFor(143), 100);
    EXPECT_EQ(artworkPercentFor(168), 150);
    EXPECT_EQ(artworkPercentFor(288), 200);
}

} // namespace

namespace {

TEST(PaperSizes, InchSizesOnlyForTheRegionsThatUseThem) {
    for (uint8_t region = 0; region < 8; ++region)
        EXPECT_EQ(inchPaperSizesFor(region), region == 1 || region == 5 ? 1u : 0u) << int(region);
}

} // namespace
