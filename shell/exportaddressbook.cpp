// Exporting the address book as CSV. Not written yet: Export Address Book
// shows nothing and writes nothing.
#include "dialogs.h"

void ExportAddressBook(HWND) {}
