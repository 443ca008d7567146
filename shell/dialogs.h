#pragma once
// Dialogs of other parts of the program that the main window opens. Each is
// modal and owned by `owner`; the shell knows nothing of their insides.
#include <windows.h>

// The speed-dial registration dialog for key shell.currentEntryIndex. True
// when OK stored the entry (its row rebuilt and the image packed).
bool OpenSpeedDialDialog(HWND owner);

// Print: the print-item dialog, then the speed-dial list when it was ticked.
void OpenPrintDialog(HWND frame);
// The "Utility Setting" property sheet of the machine settings.
void OpenUtilitySettingSheet(HWND frame);
// The administrator dialog (Admin. Management).
void OpenAdminManagementDialog(HWND frame);
void OpenCounterDialog(HWND frame);
// The Machine Status dialog (Configuration).
void OpenMachineStatusDialog(HWND frame);
// Export Address Book: the CSV save dialog, then the export.
void ExportAddressBook(HWND frame);
