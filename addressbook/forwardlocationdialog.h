#pragma once
// The "Forward Location" dialog: where the machine forwards received faxes,
// a fax number or an e-mail address. The FAX RX Operation page opens it.
#include <windows.h>

#include <cstdint>

// After the dialog: 1 when it ended by Cancel or its close box, 0 after OK.
extern uint32_t forwardCancelled;
// The kind the dialog showed last: 1 e-mail, 2 fax.
extern uint8_t forwardKind;
// The max TX size list's position as it was last filled; a stored code the
// list cannot show opens on it.
extern int maxTxSizePosition;

INT_PTR CALLBACK ForwardLocationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog over `owner` on the settings record's forwarding
// destination; only OK writes it back. True after OK.
bool OpenForwardLocationDialog(HWND owner);
