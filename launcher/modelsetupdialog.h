// The "ZOD Model Setup" dialog: asks which model's driver to install and
// starts that model's installer.
#pragma once

#include <windows.h>

// Shows the dialog modally. Returns false only when it could not be shown.
bool runModelSetupDialog(HINSTANCE instance);
