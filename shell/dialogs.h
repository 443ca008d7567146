#pragma once
// The main window's own dialogs for printing and exporting the address book.
#include <windows.h>

// Print: the print-item dialog, then the speed-dial list when it was ticked.
void OpenPrintDialog(HWND frame);
// The first printed page of the speed-dial list drawn into a 32-bit top-down
// bitmap of `width` x `height` pixels at `dpi`, as a printer of that page
// would print it; null when no bitmap could be made. The caller deletes it.
HBITMAP DialListPicture(int dpi, int width, int height);
// Export Address Book: the CSV save dialog, then the export.
void ExportAddressBook(HWND frame);
