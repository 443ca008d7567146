#pragma once
// A printer that writes PostScript to a file, in the Wine prefix the tests run
// in: Wine's PostScript driver with its generic PPD, and a printer whose port
// is a Unix path. Each test adds a printer of its own, so that tests running
// side by side never print into each other's files.
#include <string>

// Adds a printer `name` that prints to `windowsPath` (the file is replaced by
// every job), replacing one of that name. Returns "" or what went wrong.
std::string installFilePrinter(const std::string& name, const std::string& windowsPath);
void removeFilePrinter(const std::string& name);

// The Unix path of a file of the prefix, "" when there is none.
std::string unixPathOf(const std::string& windowsPath);

// The text of a PostScript file as Ghostscript's txtwrite reads it, or "" when
// Ghostscript gave nothing.
std::string postScriptText(const std::string& windowsPath);
