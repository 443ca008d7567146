// Resource identifiers of zodmodel, the driver setup launcher. The dialog and
// control numbers are fixed: the launcher's dialog is known by them.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Program icon (Explorer shows the first icon group of the exe)
#define IDI_ZODMODEL 100

// Model setup dialog
#define IDD_MODEL_SETUP 101
#define IDC_MODEL_60 1001
#define IDC_MODEL_80 1002
