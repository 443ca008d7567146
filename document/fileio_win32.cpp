// The Windows side of the document's file operations.
#include "fileio.h"

#include <windows.h>

#include <string>

IoStatus readFileBounded(const char* path, size_t maxSize, std::vector<uint8_t>& out) {
    out.clear();
    HANDLE file =
        CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return IoStatus::CannotOpen;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return IoStatus::ReadFailed;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > maxSize) {
        CloseHandle(file);
        return IoStatus::TooLarge;
    }
    out.resize(static_cast<size_t>(size.QuadPart));
    size_t got = 0;
    while (got < out.size()) {
        DWORD n = 0;
        if (!ReadFile(file, out.data() + got, static_cast<DWORD>(out.size() - got), &n, nullptr) ||
            n == 0)
            break;
        got += n;
    }
    CloseHandle(file);
    out.resize(got);
    return IoStatus::Ok;
}

IoStatus writeFileReplacing(const char* path, const uint8_t* data, size_t size) {
    std::string tmp = std::string(path) + ".~tmp";
    HANDLE file = CreateFileA(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return IoStatus::CannotOpen;
    size_t done = 0;
    bool ok = true;
    while (done < size) {
        DWORD n = 0;
        if (!WriteFile(file, data + done, static_cast<DWORD>(size - done), &n, nullptr) || n == 0) {
            ok = false;
            break;
        }
        done += n;
    }
    if (ok && !FlushFileBuffers(file)) ok = false;
    if (!CloseHandle(file)) ok = false;
    if (ok && !MoveFileExA(tmp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ok = false;
    if (!ok) {
        DeleteFileA(tmp.c_str());
        return IoStatus::WriteFailed;
    }
    return IoStatus::Ok;
}
