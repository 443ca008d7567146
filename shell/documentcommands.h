#pragma once
// The document's life: New, Open, Save, Save As, Import Address Book, Exit,
// and the question about unsaved changes that comes before losing them.
#include <windows.h>

void newCommand(HWND frame, UINT command);
void openCommand(HWND frame, UINT command);
void saveCommand(HWND frame, UINT command);
void saveAsCommand(HWND frame, UINT command);
void importCommand(HWND frame, UINT command);
void exitCommand(HWND frame, UINT command);

// True when the document was written.
bool saveDocument(HWND frame);
bool saveDocumentAs(HWND frame);
// With unsaved changes, asks "Is Change <path> Saved ?" (Yes/No/Cancel) and
// saves on Yes. False when the caller must stop: Cancel, or a Save that was
// cancelled or failed.
bool settleUnsavedChanges(HWND frame);
// The document has no file yet ("NewFile.Dat").
bool documentUntitled();
// After a load: the root selected, the tree and list enabled, the root named
// after the machine, the caption from the file's name when asked, the
// connection text, the layout.
void reloadViews(HWND frame, bool captionFromPath);
