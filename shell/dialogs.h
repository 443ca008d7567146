#pragma once
// The main window's own dialogs for printing and exporting the address book.
#include <windows.h>

// Print: the print-item dialog, then the speed-dial list when it was ticked.
void OpenPrintDialog(HWND frame);
// Export Address Book: the CSV save dialog, then the export.
void ExportAddressBook(HWND frame);
