#pragma once
// The machine settings: the two property sheets and the administrator's
// dialogs that the main window opens.
#include <windows.h>
#include <prsht.h>

// The "Utility Setting" sheet, modal over `owner`.
void OpenUtilitySheet(HWND owner);
// The "Administrator Mode" sheet; opened by the administrator-number prompt.
void OpenAdministratorSheet(HWND owner);
// One page from a template of the resource module, titled from the string table.
HPROPSHEETPAGE CreateSettingsPage(UINT templateId, UINT titleStringId, DLGPROC pageProcedure,
                                  LPARAM page);

// Admin. Management: the administrator-number prompt, then the sheet.
void AdminManagementPrompt(HWND owner);
// The read-only dialogs of the Machine menu.
void MachineStatusDialog(HWND owner);
void CounterDialog(HWND owner);
