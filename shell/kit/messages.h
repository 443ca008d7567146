#pragma once
// Every message the program shows the user: the text is a string of the
// resource module (a format when arguments follow), the caption is
// "Zotwell - ZOT" (string 3574), the buttons are OK for errors, Yes/No for
// confirmations and Yes/No/Cancel for the save prompt. Errors carry the
// exclamation icon and questions the question mark, except the address-book
// dialogs' refusals, which are plain.
#include <windows.h>

#include "link.h"

// Returns the button pressed (IDOK, IDYES, IDNO, IDCANCEL).
int ShowMessage(HWND owner, UINT stringId, UINT buttons, ...);
// An OK button and no icon: the refusals of the address-book dialogs.
int ShowPlainMessage(HWND owner, UINT stringId, ...);

// A failure the system can say more about: string `stringId` with `subject`
// (a file's path) inserted, then on a second line the system's own text for
// `error` when there is one. OK only.
int ShowSystemMessage(HWND owner, UINT stringId, const char* subject, DWORD error);

// Where a person answers: when set, it receives what would be shown (`style`
// as the message box would get it: buttons and icon) and returns the answer
// instead of a message box appearing.
using MessageAnswerHook = int (*)(HWND owner, const char* text, const char* caption, UINT style);
void setMessageAnswerHook(MessageAnswerHook hook);

// The machine link's ways of telling the user something.
void showLinkMessage(void* window, const LinkText& text);
