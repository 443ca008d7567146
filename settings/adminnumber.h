#pragma once
// The administrator number's dialogs share how its edits take typing.
#include <windows.h>

#include <cstdint>
#include <string>

// The Change Admin No. dialog over `owner`; true when a new number was
// accepted into the settings record (not yet into the image).
bool ChangeAdminNumberDialog(HWND owner);

// One change of a number edit: a non-digit is taken out at once (the caret
// stays where it was), six digits at most, and `value` keeps what the edit
// holds. Returns the edit's text.
std::string typeAdminNumber(HWND dialog, int control, uint32_t& value);
