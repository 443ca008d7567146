// A stand-in for a model's driver installer. It notes how it was started in
// "ran.txt" beside itself, one "key=value" line each, and ends:
//   path, arguments (count after the program name), commandline, directory
//   (current folder), show (show state asked for, or "none"), codepage (ANSI).
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t path[1024];
    DWORD length = GetModuleFileNameW(nullptr, path, 1024);
    if (length == 0 || length >= 1024) return 2;

    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    LocalFree(argv);
    wchar_t directory[1024] = L"";
    GetCurrentDirectoryW(1024, directory);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);

    std::string note = "path=" + utf8(path) + "\n";
    note += "arguments=" + std::to_string(argc - 1) + "\n";
    note += "commandline=" + utf8(GetCommandLineW()) + "\n";
    note += "directory=" + utf8(directory) + "\n";
    note += "show=" +
            ((startup.dwFlags & STARTF_USESHOWWINDOW) ? std::to_string(startup.wShowWindow)
                                                      : std::string("none")) +
            "\n";
    note += "codepage=" + std::to_string(GetACP()) + "\n";

    std::wstring marker(path, length);
    marker = marker.substr(0, marker.find_last_of(L'\\') + 1) + L"ran.txt";
    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    BOOL ok = WriteFile(file, note.data(), static_cast<DWORD>(note.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == note.size() ? 0 : 4;
}
