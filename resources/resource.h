// Resource identifiers of zotwell. The numbers are fixed: a resource library
// in another language must use the same ones.
#pragma once

// Built-in template document
#define IDR_DEFAULTFILE 253
#define RT_DEFAULTFILE "DEFAULTFILE"

// Icons, cursors, accelerators (always taken from the exe)
#define IDI_ZOTWELL 892
#define IDC_SPLIT 884
#define IDA_MAIN 885

// Strings
#define IDS_SAVE 3007
#define IDS_OPEN 3329
#define IDS_SAVE_AS 3330
#define IDS_NEWFILE 3389
#define IDS_LANGUAGE 3561
#define IDS_APP_TITLE 3574
#define IDS_DAT_FILTER 3576
#define IDS_SIGNATURE 3580
