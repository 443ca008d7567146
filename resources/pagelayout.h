// The one size of every page of both machine-settings sheets, in dialog
// units, and the margins and columns the pages share, so that all pages of a
// sheet agree. A page's controls stay inside PAGE_CX x PAGE_CY.
#pragma once

#define PAGE_CX 260
#define PAGE_CY 222
#define PAGE_STYLE DS_SETFONT | WS_CHILD | WS_DISABLED | WS_CAPTION
#define PAGE_FONT 8, "MS Sans Serif"

#define PAGE_MARGIN 7
#define PAGE_INNER_CX 246 // PAGE_CX less both margins
#define LABEL_X 15        // labels inside a group box
#define FIELD_X 110       // the column of edits, lists and address controls
#define FIELD_CX 140
