#pragma once
// Every message the program shows the user: the text is a string of the
// resource module (a format when arguments follow), the caption is
// "Zotwell - ZOT" (string 3574), the buttons are OK for errors, Yes/No for
// confirmations and Yes/No/Cancel for the save prompt.
#include <windows.h>

#include "link.h"

// Returns the button pressed (IDOK, IDYES, IDNO, IDCANCEL).
int ShowMessage(HWND owner, UINT stringId, UINT buttons, ...);

// The same with an OK button and no icon, for the notices of a dialog that
// asks for a missing or malformed entry.
int ShowPlainMessage(HWND owner, UINT stringId);

// A failure the system describes better than the program can: `subject`
// (a file's path), then the system's own text for `error`. OK only.
int ShowSystemMessage(HWND owner, const char* subject, DWORD error);

// Where a person answers: when set, it receives what would be shown and
// returns the answer instead of a message box appearing.
using MessageAnswerHook = int (*)(HWND owner, const char* text, const char* caption, UINT buttons);
void setMessageAnswerHook(MessageAnswerHook hook);

// The machine link's ways of telling the user something.
void showLinkMessage(void* window, const LinkText& text);
