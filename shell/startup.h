#pragma once
// Start-up and shut-down of zotwell around its message loop. WinMain runs
// RunZotwell; the tests run the same steps one by one with a simulated
// machine.
#include <windows.h>

class Transport;

// Everything up to the message loop: the product IDs, the resource module,
// the frame class, COM and the common controls, the frame with its menu and
// keys. False when the frame could not be made (nothing is left behind).
bool StartZotwell(HINSTANCE exe, HINSTANCE previous, int showCommand, Transport* machine);
// Offers a message to the accelerator keys first, then dispatches it.
void TranslateFrameMessage(MSG& message);
// Runs until WM_QUIT and returns its code. With the environment variable
// ZOTWELL_EXIT_WHEN_IDLE set, the frame closes the first time the queue is
// empty: the start-up benchmark measures up to that point.
int RunMessageLoop();
// After the loop: COM, the menu and the resource library released.
void FinishZotwell();

// The whole program: refuses a second copy, then start, loop, finish.
int RunZotwell(HINSTANCE exe, HINSTANCE previous, int showCommand);
