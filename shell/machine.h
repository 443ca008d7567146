#pragma once
// Asking the machine for its state: before a transfer, and every three
// seconds while a session is open.
#include <windows.h>

// 1 when the machine may be used; otherwise 0, its message shown and, for a
// machine that dropped the session, the program disconnected.
int CheckMachineReady(HWND frame);
// 0 when the status query itself failed (the caller disconnects), else 1.
int PollMachine(HWND frame);
