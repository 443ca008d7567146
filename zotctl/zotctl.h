#pragma once
// zotctl: the command-line companion for checking and scripting settings files.
#include <cstdio>

// Exit codes, documented in --help.
enum ZotctlExit {
    exitOk = 0,
    exitFileRefused = 1, // the file is not one the program would open, or cannot be written
    exitUsage = 2,
    exitMachine = 3, // the machine could not be reached or refused the transfer
    exitDiffer = 1,      // diff: the documents differ
    exitDiffRefused = 4, // diff: one of the files was refused
};

int runZotctl(int argc, char** argv, FILE* out, FILE* err);
