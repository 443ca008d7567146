#include "fileprinter.h"

#include <windows.h>
#include <winspool.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t driverName[] = L"Zotwell PostScript";

std::wstring wide(const std::string& text) {
    std::wstring out(text.size() + 1, L'\0');
    const int n =
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &out[0], static_cast<int>(out.size()));
    out.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    return out;
}

std::string lastError(const char* what) {
    return std::string(what) + " failed, error " + std::to_string(GetLastError());
}

// Wine carries its generic PPD inside winspool.drv: the resource that starts
// with "*PPD-Adobe".
struct PpdSearch {
    HMODULE module;
    const char* data;
    DWORD size;
};

BOOL CALLBACK findPpdName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) {
    auto* search = reinterpret_cast<PpdSearch*>(param);
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (data && size > 10 && std::memcmp(data, "*PPD-Adobe", 10) == 0) {
        search->data = data;
        search->size = size;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findPpdType(HMODULE module, LPWSTR type, LONG_PTR param) {
    EnumResourceNamesW(module, type, findPpdName, param);
    return reinterpret_cast<PpdSearch*>(param)->data ? FALSE : TRUE;
}

std::string writePpd(const std::wstring& folder) {
    const std::wstring path = folder + L"\\generic.ppd";
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return "";
    HMODULE winspool = LoadLibraryW(L"winspool.drv");
    if (!winspool) return lastError("LoadLibrary(winspool.drv)");
    PpdSearch search = {winspool, nullptr, 0};
    EnumResourceTypesW(winspool, findPpdType, reinterpret_cast<LONG_PTR>(&search));
    if (!search.data) return "no PPD inside winspool.drv";
    // Written beside and moved into place: a test running alongside never
    // sees half a file.
    const std::wstring part = path + L"." + std::to_wstring(GetCurrentProcessId());
    HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError("creating generic.ppd");
    DWORD written = 0;
    const BOOL ok = WriteFile(file, search.data, search.size, &written, nullptr);
    CloseHandle(file);
    if (!ok || written != search.size) return lastError("writing generic.ppd");
    MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    DeleteFileW(part.c_str());
    return "";
}

std::string installDriver() {
    wchar_t folder[MAX_PATH] = L"";
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder),
                                    sizeof folder, &needed))
        return lastError("GetPrinterDriverDirectory");
    // Version 3 drivers live in a folder of that number.
    const std::wstring version3 = std::wstring(folder) + L"\\3";
    CreateDirectoryW(version3.c_str(), nullptr);
    const std::string ppd = writePpd(version3);
    if (!ppd.empty()) return ppd;
    DRIVER_INFO_3W driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<wchar_t*>(driverName);
    driver.pDriverPath = const_cast<wchar_t*>(L"wineps.drv");
    driver.pDataFile = const_cast<wchar_t*>(L"generic.ppd");
    driver.pConfigFile = const_cast<wchar_t*>(L"wineps.drv");
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED)
        return lastError("AddPrinterDriverEx");
    return "";
}

// The printer as Wine knows it, or null.
HANDLE openPrinter(const std::string& printerName) {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    const std::wstring name = wide(printerName);
    if (!OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, &access)) return nullptr;
    return printer;
}

} // namespace

std::string unixPathOf(const std::string& windowsPath) {
    using Convert = char*(CDECL*)(const wchar_t*);
    auto convert = reinterpret_cast<Convert>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return "";
    char* path = convert(wide(windowsPath).c_str());
    if (!path) return "";
    std::string out = path;
    HeapFree(GetProcessHeap(), 0, path);
    return out;
}

void removeFilePrinter(const std::string& name) {
    if (HANDLE printer = openPrinter(name)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
}

std::string installFilePrinter(const std::string& printerName, const std::string& windowsPath) {
    const std::string driver = installDriver();
    if (!driver.empty()) return driver;
    const std::string port = unixPathOf(windowsPath);
    if (port.empty()) return "no Unix path for " + windowsPath;
    // A printer of an earlier run may print elsewhere: start again.
    removeFilePrinter(printerName);
    const std::wstring name = wide(printerName);
    const std::wstring portName = wide(port);
    PRINTER_INFO_2W info = {};
    info.pPrinterName = const_cast<wchar_t*>(name.c_str());
    info.pPortName = const_cast<wchar_t*>(portName.c_str());
    info.pDriverName = const_cast<wchar_t*>(driverName);
    info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
    info.pDatatype = const_cast<wchar_t*>(L"RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer) return lastError("AddPrinter");
    ClosePrinter(printer);
    return "";
}

std::string postScriptText(const std::string& windowsPath) {
    const std::string source = unixPathOf(windowsPath);
    const std::string text = windowsPath + ".txt";
    const std::string target = unixPathOf(text);
    if (source.empty() || target.empty()) return "";
    if (GetFileAttributesA(windowsPath.c_str()) == INVALID_FILE_ATTRIBUTES) return "";
    DeleteFileA(text.c_str());
    // Wine starts a Unix program without a handle to wait on: Ghostscript
    // writes beside the target and the file appears, whole, when it is done.
    std::string command = "/bin/sh -c \"gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite "
                          "-sOutputFile='" +
                          target + ".part' '" + source + "'; mv '" + target + ".part' '" + target +
                          "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return "";
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    for (int tries = 0; tries < 1200 && GetFileAttributesA(text.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++tries)
        Sleep(50);
    HANDLE file = CreateFileA(text.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string out;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        out.append(buffer, got);
    CloseHandle(file);
    return out;
}
