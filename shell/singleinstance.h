#pragma once
// One running copy at a time: a flag in a data section that every process of
// the program shares.

// True when this process is now the running copy; false when another one is.
bool claimSingleInstance();
void releaseSingleInstance();
